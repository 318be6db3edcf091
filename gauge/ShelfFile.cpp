#include "gauge/ShelfFile.h"

#include <charconv>

#include "gauge/Numeric.h"
#include "gauge/Quoted.h"

namespace {

// A size as a message names it: an SWG size by its number, as ever, others by their label.
std::string sizeNamed(WireSize size) {
    return size.isSwg() ? gaugeNumber(size.gauge()) : sizeLabel(size);
}

// What is wrong with a weight as written, "" when nothing is.
std::string weightFault(std::string_view weight, WireSize size) {
    const std::string of = " of " + sizeLabel(size);
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
    line = numeric::trimBlanks(line.substr(0, line.find('#')));
    if (line.empty())
        return {};
    const auto eq = line.find('=');
    const std::string_view number = numeric::trimBlanks(line.substr(0, eq));
    if (number.empty() || (eq != std::string_view::npos && line.find('=', eq + 1) != line.npos))
        return {std::nullopt, shown::quoted(line) + " is neither GAUGE nor GAUGE=KG"};
    const SizeReading read = readWireSize(number);
    if (!read.ok())
        return {std::nullopt, sizeFaultText(read.fault, shown::quoted(number))};
    ShelfSize size{read.size, std::nullopt};
    if (eq != std::string_view::npos) {
        const std::string_view weight = numeric::trimBlanks(line.substr(eq + 1));
        if (std::string fault = weightFault(weight, read.size); !fault.empty())
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
    std::vector<int> lineOf;  // of each size read
    int others = 0;
    for (int number = 1; !text.empty(); ++number) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);

        LineReading read = readLine(line);
        for (std::size_t k = 0; read.size && k < reading.shelf.size() && read.error.empty(); ++k) {
            const WireSize there = reading.shelf[k].size;
            const std::string first = " (first on line " + std::to_string(lineOf[k]) + ")";
            if (there == read.size->size)
                read.error = "size " + sizeNamed(there) + " is given twice" + first;
            else if (sameWire(read.size->size, there))
                read.error = sameWireText(read.size->size, there) + first;
        }
        if (read.size && !read.size->size.isSwg() && ++others > kMostOtherSizes)
            read.error = "more than " + std::to_string(kMostOtherSizes) + " sizes other than SWG";
        if (!read.error.empty())
            return {{}, std::move(read.error), number};
        if (read.size) {
            lineOf.push_back(number);
            reading.shelf.push_back(*read.size);
        }
    }
    if (reading.shelf.empty())
        reading.error = "names no wire size";
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
        "# Wirnak shelf: one size a line (SWG as 13.5, metric as 1.06mm, AWG as 14awg), with its "
        "weight in stock in kg after \"=\"\n";
    for (const ShelfSize& size : shelf) {
        text += sizeAsTyped(size.size);
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
    std::string stock(numeric::trimBlanks(typed));
    // A number holds at most one separator.
    if (const auto at = userSeparator.empty() ? stock.npos : stock.find(userSeparator);
        at != stock.npos)
        stock.replace(at, userSeparator.size(), ".");
    return stock;
}

std::string stockText(float kilograms) {
    char digits[64];  // fixed notation, which a shelf reads: up to 39 digits before the point
    const auto written =
        std::to_chars(digits, digits + sizeof digits, kilograms, std::chars_format::fixed);
    return std::string(digits, written.ptr);
}
