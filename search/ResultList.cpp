#include "search/ResultList.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "gauge/Numeric.h"
#include "search/JobDescription.h"
#include "search/Report.h"

namespace {

constexpr std::string_view kEntrySeparator = ", ";
constexpr std::string_view kCountMark = " X ";

// One entry of a result line: "13.5 SWG X 2", with "*" after it when the stock is short.
void addEntry(FoundResult& result, std::string_view entry) {
    const bool shortStock = entry.ends_with('*');
    if (shortStock)
        entry.remove_suffix(1);
    const auto mark = entry.rfind(kCountMark);
    if (mark == std::string_view::npos)
        return;
    const std::string_view count = entry.substr(mark + kCountMark.size());
    long wires = 0;
    std::from_chars(count.data(), count.data() + count.size(), wires);
    result.wires += wires;
    ++result.sizes;
    if (shortStock)
        result.shortStock.emplace_back(entry.substr(0, mark));
}

FoundResult resultOf(const std::string& combination, float total, double target, std::string line) {
    FoundResult result;
    result.combination = combination;
    result.line = std::move(line);
    result.totalArea = total;
    std::string_view rest = combination;
    for (;;) {
        const auto end = rest.find(kEntrySeparator);
        addEntry(result, rest.substr(0, end));
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + kEntrySeparator.size());
    }
    const double difference = static_cast<double>(total) - target;
    result.distance = std::fabs(difference);
    if (target != 0)
        result.deviationPercent = difference / target * 100.0;
    return result;
}

// The target is a float sum for round wires and a double product for a rectangular wire. A float
// is shown as the report shows its areas; a double is rounded to the same seven digits itself,
// since narrowing it to a float first could round the last digit a second time. Seven digits
// come back unchanged from the nearest float for any area a winding has.
std::string targetFigure(double target, std::string_view decimalSeparator) {
    const auto asFloat = static_cast<float>(target);
    if (static_cast<double>(asFloat) == target || !std::isfinite(target))
        return numeric::formatGeneral(asFloat, decimalSeparator);
    char digits[32];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, target, std::chars_format::scientific, 6);
    float rounded = 0;
    std::from_chars(digits, written.ptr, rounded, std::chars_format::scientific);
    return numeric::formatGeneral(rounded, decimalSeparator);
}

}  // namespace

std::vector<FoundResult> foundResults(const JobState& job, std::string_view decimalSeparator) {
    const std::vector<std::string> lines = reportLines(job, std::string(decimalSeparator));
    std::vector<FoundResult> found;
    found.reserve(lines.size());
    auto line = lines.begin();
    for (int j = 0; j < kResultSlots && line != lines.end(); ++j) {
        if (job.resultText[j].empty())
            continue;  // as the report skips it
        found.push_back(resultOf(job.resultText[j], job.resultArea[j], job.origArea, *line++));
    }
    return found;
}

FoundResult foundResult(const std::string& combination, float total, double target,
                        std::string_view decimalSeparator) {
    return resultOf(combination, total, target,
                    reportLine(combination, total, std::string(decimalSeparator)));
}

std::vector<FoundResult> shownResults(std::vector<FoundResult> found, const ListChoice& choice) {
    if (choice.coveredOnly) {
        std::erase_if(found, [](const FoundResult& result) { return !result.coveredByStock(); });
    }
    switch (choice.order) {
        case ResultOrder::AsFound:
            break;
        case ResultOrder::FewestWires:
            std::stable_sort(
                found.begin(), found.end(),
                [](const FoundResult& a, const FoundResult& b) { return a.wires < b.wires; });
            break;
        case ResultOrder::FewestSizes:
            std::stable_sort(
                found.begin(), found.end(),
                [](const FoundResult& a, const FoundResult& b) { return a.sizes < b.sizes; });
            break;
        case ResultOrder::ClosestToOriginal:
            std::stable_sort(
                found.begin(), found.end(),
                [](const FoundResult& a, const FoundResult& b) { return a.distance < b.distance; });
            break;
    }
    return found;
}

bool isRanked(ResultOrder order) {
    return order != ResultOrder::AsFound;
}

std::string foundCountLine(std::size_t foundCount, std::size_t shownCount) {
    std::string line = std::to_string(foundCount) + " Wire combinations found";
    if (shownCount < foundCount)
        line += " (" + std::to_string(shownCount) + " shown)";
    return line;
}

bool stockCheckOn(const JobState& job) {
    return job.noWeightCheck != 1;
}

std::string jobLine(const JobState& job, std::string_view separator) {
    const std::string conductor = conductorWords(job, separator);
    std::string line = "Original " + (conductor.empty() ? "" : conductor + ": ") +
                       targetFigure(job.origArea, separator) + " mm², accepted " +
                       numeric::formatGeneral(job.areaLow, separator) + " to " +
                       numeric::formatGeneral(job.areaHigh, separator) + " mm² · ";
    if (!stockCheckOn(job))
        return line + "stock check off";
    return line + "* = stock too light for its share of " +
           numeric::formatGeneral(job.origWeight, separator) + " kg";
}

std::string originalAreaText(const JobState& job, std::string_view separator) {
    return targetFigure(job.origArea, separator);
}
