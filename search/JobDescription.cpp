#include "search/JobDescription.h"

#include <charconv>

namespace {

constexpr std::string_view kTimes = " × ";

std::string roundWires(const JobState& job) {
    std::string words;
    for (const OriginalOther& wire : originalRoundWires(job)) {
        if (!words.empty())
            words += " + ";
        words += std::to_string(wire.count);
        words += kTimes;
        words += sizeLabel(wire.size);
    }
    return words;
}

}  // namespace

std::string measureText(double value, std::string_view decimalSeparator) {
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    std::string text(digits, written.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string conductorWords(const JobState& job, std::string_view separator) {
    switch (job.origSection) {
        case OriginalSection::Unset:
            break;
        case OriginalSection::Round:
            return roundWires(job);
        case OriginalSection::Rectangular: {
            const RectangularWire& wire = job.origRectangular;
            const std::string corners =
                wire.cornerRadius == 0
                    ? ""
                    : "corners r " + measureText(wire.cornerRadius, separator) + " mm, ";
            return "rectangular " + measureText(wire.width, separator) + std::string(kTimes) +
                   measureText(wire.thickness, separator) + " mm, " + corners +
                   measureText(wire.parallel, separator) + " in parallel";
        }
    }
    return {};
}
