#include "cli/RankedOutput.h"

#include "search/ListFormats.h"

namespace cli {

std::string rankedOutput(const RankedList& list, const ListChoice& choice, RankedFormat format) {
    std::string out;
    switch (format) {
        case RankedFormat::Csv:
            return listCsv(list.best);
        case RankedFormat::Rtf:
            out = listRtf(list.best) + "\n";
            break;
        case RankedFormat::Text:
            for (const FoundResult& result : list.best) out += rankedTextLine(result) + "\n";
            break;
    }
    return out + rankedCountLine(list, choice) + "\n";
}

}  // namespace cli
