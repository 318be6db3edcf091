#include "search/JobSheet.h"

#include <algorithm>

#include "gauge/Numeric.h"
#include "search/JobDescription.h"
#include "search/Ranking.h"
#include "search/Report.h"

namespace {

constexpr std::string_view kTitle = "Wirnak – equivalent wire combinations";
// Sizes side by side on a line of the shelf in the saved text.
constexpr std::size_t kShelfColumns = 4;
constexpr std::string_view kColumnGap = "   ";

std::vector<SheetColumn> listColumns(const ListChoice& choice) {
    std::vector<SheetColumn> columns = {{"Combination", CellAlignment::Left},
                                        {"Total mm²", CellAlignment::DecimalSeparator}};
    if (isRanked(choice.order)) {
        columns.push_back({"Wires", CellAlignment::Right});
        columns.push_back({"Sizes", CellAlignment::Right});
        columns.push_back({"Deviation", CellAlignment::Right});
    }
    return columns;
}

std::vector<std::string> listRow(const FoundResult& result, const ListChoice& choice,
                                 std::string_view separator) {
    std::vector<std::string> row = {result.combination,
                                    numeric::formatGeneral(result.totalArea, separator)};
    if (isRanked(choice.order)) {
        row.push_back(std::to_string(result.wires));
        row.push_back(std::to_string(result.sizes));
        row.push_back(result.deviationPercent ? deviationText(*result.deviationPercent, separator)
                                              : std::string());
    }
    return row;
}

std::string kg(float weight, std::string_view separator) {
    return numeric::formatGeneral(weight, separator) + " kg";
}

std::string conductorOrArea(const JobState& job, std::string_view separator) {
    const std::string words = conductorWords(job, separator);
    return words.empty() ? originalAreaText(job, separator) + " mm²" : words;
}

std::vector<SheetField> jobFields(const JobState& job, const ListChoice& choice,
                                  std::string_view separator) {
    std::vector<SheetField> fields;
    if (const std::string words = conductorWords(job, separator); !words.empty())
        fields.push_back({"Original conductor", words});
    fields.push_back({"Cross-section", originalAreaText(job, separator) + " mm²"});
    fields.push_back(
        {"Total weight", stockCheckOn(job) ? kg(job.origWeight, separator) : "stock check off"});
    fields.push_back({"Accepted", numeric::formatGeneral(job.areaLow, separator) + " to " +
                                      numeric::formatGeneral(job.areaHigh, separator) + " mm²"});
    if (isRanked(choice.order))
        fields.push_back({"Order", orderWords(choice)});
    if (choice.coveredOnly)
        fields.push_back({"Shown", "only what the stock covers"});
    return fields;
}

std::vector<SheetField> shelfFields(const JobState& job, std::string_view separator) {
    std::vector<SheetField> shelf;
    for (const SearchLevel& level : searchLevels(job)) {
        if (level.area == 0)
            continue;  // not ticked
        // Without the check the page takes no stock weights: a figure would be a stale one.
        shelf.push_back(
            {sizeLabel(level.size), stockCheckOn(job) ? kg(level.stock, separator) : "–"});
    }
    return shelf;
}

std::vector<std::string> listNotes(const JobState& job, const ShownList& list,
                                   std::string_view separator) {
    std::vector<std::string> notes;
    if (list.foundCount == 0) {
        notes.emplace_back(kNoMatchLine);
        return notes;
    }
    notes.push_back(list.countLine);
    if (list.shown.empty()) {
        if (!isRanked(list.choice.order)) {
            notes.push_back("The stock covers none of the " + std::to_string(list.foundCount) +
                            " combinations found.");
        } else {
            notes.emplace_back(emptyRankedListReason(list.choice));
        }
    }
    if (list.selected) {
        notes.push_back("Printed: lines " + std::to_string(list.selected->first + 1) + " to " +
                        std::to_string(list.selected->last + 1) + " of the " +
                        std::to_string(list.shown.size()) + " shown, as selected.");
    }
    switch (list.end) {
        case SearchEnd::Complete:
            break;
        case SearchEnd::TableFull:
            notes.push_back("The search stopped early: the list holds the first " +
                            std::to_string(kResultSlots) + " combinations found.");
            break;
        case SearchEnd::CountLimit:
            notes.push_back(
                "The search stopped early, as a size would need more than 32767 wires: the list "
                "holds what was found until then.");
            break;
    }
    notes.push_back(stockCheckOn(job)
                        ? "* = stock too light for its share of " + kg(job.origWeight, separator)
                        : "Stock check off: no size is marked with *.");
    return notes;
}

std::string padded(const std::string& text, std::size_t width) {
    const std::size_t used = textWidth(text);
    return text + std::string(used < width ? width - used : 0, ' ');
}

std::string padLeft(const std::string& text, std::size_t width) {
    const std::size_t used = textWidth(text);
    return std::string(used < width ? width - used : 0, ' ') + text;
}

// Where a figure's decimal separator stands: its whole part's width. A figure without one has
// only a whole part.
std::size_t wholeWidth(const std::string& figure, std::string_view separator) {
    return textWidth(std::string_view(figure).substr(0, figure.find(separator)));
}

std::string withoutTrailingBlanks(std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

void writeFields(std::string& text, const std::vector<SheetField>& fields, std::size_t nameWidth) {
    for (const SheetField& field : fields)
        text += padded(field.name, nameWidth) + field.value + "\n";
}

// In columns, thickest first down each, as the printout has them.
void writeShelf(std::string& text, const std::vector<SheetField>& shelf, std::size_t nameWidth) {
    std::size_t labelWidth = 0, stockWidth = 0;
    for (const SheetField& size : shelf) {
        labelWidth = std::max(labelWidth, textWidth(size.name));
        stockWidth = std::max(stockWidth, textWidth(size.value));
    }
    const std::size_t lines = (shelf.size() + kShelfColumns - 1) / kShelfColumns;
    for (std::size_t line = 0; line < lines; ++line) {
        std::string cells = padded(line == 0 ? "Shelf" : "", nameWidth);
        for (std::size_t i = line; i < shelf.size(); i += lines) {
            if (i != line)
                cells += " | ";
            cells += padded(shelf[i].name, labelWidth) + "  " + padLeft(shelf[i].value, stockWidth);
        }
        text += withoutTrailingBlanks(cells) + "\n";
    }
}

void writeTable(std::string& text, const JobSheet& sheet) {
    const std::size_t columnCount = sheet.columns.size();
    std::vector<std::size_t> width(columnCount), whole(columnCount), fraction(columnCount);
    for (const auto& row : sheet.rows) {
        for (std::size_t c = 0; c < columnCount; ++c) {
            if (sheet.columns[c].alignment != CellAlignment::DecimalSeparator)
                continue;
            const std::size_t wholePart = wholeWidth(row[c], sheet.decimalSeparator);
            whole[c] = std::max(whole[c], wholePart);
            fraction[c] = std::max(fraction[c], textWidth(row[c]) - wholePart);
        }
    }
    // A figure padded on both sides of its separator, so that every separator of the column
    // stands in one place.
    auto cellText = [&](const std::string& cell, std::size_t c) {
        if (sheet.columns[c].alignment != CellAlignment::DecimalSeparator)
            return cell;
        const std::size_t point = std::min(cell.find(sheet.decimalSeparator), cell.size());
        return padLeft(cell.substr(0, point), whole[c]) + padded(cell.substr(point), fraction[c]);
    };
    for (std::size_t c = 0; c < columnCount; ++c) {
        width[c] = textWidth(sheet.columns[c].heading);
        for (const auto& row : sheet.rows)
            width[c] = std::max(width[c], textWidth(cellText(row[c], c)));
    }
    auto writeRow = [&](const std::vector<std::string>& cells, bool heading) {
        std::string line;
        for (std::size_t c = 0; c < columnCount; ++c) {
            const std::string cell = heading ? cells[c] : cellText(cells[c], c);
            if (c > 0)
                line += kColumnGap;
            line += sheet.columns[c].alignment == CellAlignment::Left ? padded(cell, width[c])
                                                                      : padLeft(cell, width[c]);
        }
        text += withoutTrailingBlanks(line) + "\n";
    };
    std::vector<std::string> headings;
    for (const SheetColumn& column : sheet.columns) headings.push_back(column.heading);
    writeRow(headings, true);
    for (const auto& row : sheet.rows) writeRow(row, false);
}

// A file name keeps these; anything else becomes "_".
bool safeInFileName(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

}  // namespace

std::size_t textWidth(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // not a continuation byte
    }));
}

JobSheet jobSheet(const JobState& job, const ShownList& list, std::string dated,
                  std::string_view separator) {
    JobSheet sheet;
    sheet.title = kTitle;
    sheet.dated = std::move(dated);
    sheet.shortTitle = conductorOrArea(job, separator);
    if (stockCheckOn(job))
        sheet.shortTitle += ", " + kg(job.origWeight, separator);
    sheet.job = jobFields(job, list.choice, separator);
    sheet.shelf = shelfFields(job, separator);
    sheet.notes = listNotes(job, list, separator);
    sheet.columns = listColumns(list.choice);
    sheet.decimalSeparator = separator;

    std::size_t first = 0, end = list.shown.size();
    if (list.selected) {
        end = std::min(end, list.selected->last + 1);
        first = std::min(list.selected->first, end);
    }
    for (std::size_t i = first; i < end; ++i)
        sheet.rows.push_back(listRow(list.shown[i], list.choice, separator));
    return sheet;
}

std::string sheetText(const JobSheet& sheet) {
    std::string text = sheet.title + "\n" + sheet.dated + "\n\n";
    std::size_t nameWidth = textWidth("Shelf");
    for (const SheetField& field : sheet.job)
        nameWidth = std::max(nameWidth, textWidth(field.name));
    nameWidth += 2;
    writeFields(text, sheet.job, nameWidth);
    writeShelf(text, sheet.shelf, nameWidth);
    text += "\n";
    for (const std::string& note : sheet.notes) text += note + "\n";
    if (!sheet.rows.empty()) {
        text += "\n";
        writeTable(text, sheet);
    }
    return text;
}

std::string suggestedFileName(const JobState& job) {
    constexpr int kSizesNamed = 3;
    std::string name;
    switch (job.origSection) {
        case OriginalSection::Unset:
            return "wire-combinations";
        case OriginalSection::Round: {
            int sizes = 0;
            for (const OriginalOther& wire : originalRoundWires(job)) {
                if (++sizes > kSizesNamed)
                    continue;
                if (!name.empty())
                    name += '_';
                name += sizeInFileName(wire.size) + "x" + std::to_string(wire.count);
            }
            if (sizes > kSizesNamed)
                name += "_plus" + std::to_string(sizes - kSizesNamed);
            break;
        }
        case OriginalSection::Rectangular: {
            const RectangularWire& wire = job.origRectangular;
            name = "rect" + measureText(wire.width) + "x" + measureText(wire.thickness);
            if (wire.cornerRadius != 0)
                name += "r" + measureText(wire.cornerRadius);
            name += "x" + measureText(wire.parallel);
            break;
        }
    }
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !safeInFileName(c); }, '_');
    return name + "-combinations";
}
