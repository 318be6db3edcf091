#include "gauge/ShelfFile.h"

#include "gauge/Numeric.h"
#include "gauge/Quoted.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<GaugeIndex> gaugeNumbered(std::string_view number) {
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        if (gaugeNumber(i) == number)
            return i;
    }
    return std::nullopt;
}

// What is wrong with a weight as written, "" when nothing is.
std::string weightFault(std::string_view weight, GaugeIndex gauge) {
    const std::string of = " of " + gaugeLabel(gauge);
    if (weight.empty())
        return "the weight" + of + " is missing after '='";
    if (!numeric::isNumeric(weight))
        return "the weight" + of + ", " + shown::quoted(weight) + ", is not a number";
    const auto kilograms = numeric::toSingle(weight);
    if (!kilograms)
        return "the weight" + of + ", " + shown::quoted(weight) + ", is too large";
    if (*kilograms < 0)
        return "the weight" + of + ", " + shown::quoted(weight) + ", is negative";
    return {};
}

struct LineReading {
    std::optional<ShelfSize> size;  // empty for a blank or comment line
    std::string error;
};

LineReading readLine(std::string_view line) {
    line = trimmed(line.substr(0, line.find('#')));
    if (line.empty())
        return {};
    const auto eq = line.find('=');
    const std::string_view number = trimmed(line.substr(0, eq));
    if (number.empty() || (eq != std::string_view::npos && line.find('=', eq + 1) != line.npos))
        return {std::nullopt, shown::quoted(line) + " is neither GAUGE nor GAUGE=KG"};
    const auto gauge = gaugeNumbered(number);
    if (!gauge)
        return {std::nullopt, "unknown SWG size " + shown::quoted(number)};
    ShelfSize size{*gauge, std::nullopt};
    if (eq != std::string_view::npos) {
        const std::string_view weight = trimmed(line.substr(eq + 1));
        if (std::string fault = weightFault(weight, *gauge); !fault.empty())
            return {std::nullopt, std::move(fault)};
        size.stock = std::string(weight);
    }
    return {size, {}};
}

}  // namespace

ShelfReading readShelf(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);  // the mark some editors put before UTF-8 text
    ShelfReading reading;
    std::vector<int> lineOf(kGaugeCount, 0);
    for (int number = 1; !text.empty(); ++number) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);

        LineReading read = readLine(line);
        if (read.size && lineOf[read.size->gauge] != 0) {
            read.error = "size " + gaugeNumber(read.size->gauge) +
                         " is given twice (first on line " +
                         std::to_string(lineOf[read.size->gauge]) + ")";
        }
        if (!read.error.empty())
            return {{}, std::move(read.error), number};
        if (read.size) {
            lineOf[read.size->gauge] = number;
            reading.shelf.push_back(*read.size);
        }
    }
    if (reading.shelf.empty())
        reading.error = "names no SWG size";
    return reading;
}

std::string shelfFault(std::string_view fileName, const ShelfReading& reading) {
    std::string where(fileName);
    if (reading.errorLine > 0)
        where += ":" + std::to_string(reading.errorLine);
    return where + ": " + reading.error;
}

std::string shelfText(const Shelf& shelf) {
    std::string text =
        "# Wirnak shelf: one SWG size a line, with its weight in stock in kg after \"=\"\n";
    for (const ShelfSize& size : shelf) {
        text += gaugeNumber(size.gauge);
        if (size.stock)
            text += "=" + *size.stock;
        text += "\n";
    }
    return text;
}

std::optional<std::string> shelfStock(std::string_view typed, std::string_view userSeparator) {
    const auto kilograms = numeric::toSingle(typed, userSeparator);
    if (!kilograms || *kilograms < 0)
        return std::nullopt;
    std::string stock(trimmed(typed));
    // A number holds at most one separator.
    if (const auto at = userSeparator.empty() ? stock.npos : stock.find(userSeparator);
        at != stock.npos)
        stock.replace(at, userSeparator.size(), ".");
    return stock;
}
