#include "cli/RankedOutput.h"

#include "search/ListFormats.h"

namespace cli {

std::string rankedOutput(const RankedList& list, const ListChoice& choice, RankedFormat format) {
    std::string out;
    switch (format) {
        case RankedFormat::Csv:
            return listCsv(list.best);
        case RankedFormat::Rtf:
            // A filter that hides every line leaves the box empty; the apology is for a space
            // that holds no combination at all.
            out =
                (list.best.empty() && choice.coveredOnly ? std::string("{}") : listRtf(list.best)) +
                "\n";
            break;
        case RankedFormat::Text:
            for (const FoundResult& result : list.best) out += rankedTextLine(result) + "\n";
            break;
    }
    return out + rankedCountLine(list, choice) + "\n";
}

}  // namespace cli
