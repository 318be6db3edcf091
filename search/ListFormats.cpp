#include "search/ListFormats.h"

#include <charconv>

#include "gauge/Numeric.h"
#include "search/Report.h"

namespace {

constexpr std::string_view kCsvLineEnd = "\r\n";

// A CSV field, quoted where its text would otherwise split the row.
std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty())
            text += separator;
        text += part;
    }
    return text;
}

// Four decimals, "." whatever the user's locale, and no "-0.0000" for a result on target.
std::string percentFigure(double percent) {
    return numeric::formatFixed(percent, 4);
}

}  // namespace

std::string listRtf(const std::vector<FoundResult>& shown) {
    std::string body;
    for (const FoundResult& result : shown) body += result.line + "\\par ";
    return "{" + (shown.empty() ? std::string(kNoMatchLine) : body) + "}";
}

std::string listText(const std::vector<FoundResult>& shown) {
    std::string text;
    for (const FoundResult& result : shown) text += result.line + "\n";
    return text;
}

std::string listCsv(const std::vector<FoundResult>& shown) {
    std::string csv = "combination,total_mm2,wires,short_stock,deviation_pct,sizes";
    csv += kCsvLineEnd;
    for (const FoundResult& result : shown) {
        csv += csvField(result.combination) + ',';
        csv += numeric::formatGeneral(result.totalArea, ".") + ',';
        csv += std::to_string(result.wires) + ',';
        csv += csvField(joined(result.shortStock, ";")) + ',';
        if (result.deviationPercent)
            csv += percentFigure(*result.deviationPercent);
        csv += ',' + std::to_string(result.sizes);
        csv += kCsvLineEnd;
    }
    return csv;
}
