#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gauge/JobState.h"
#include "search/CombinationSearch.h"
#include "search/ResultList.h"

// The job sheet: the list as shown, under what it answers (the original conductor, its area and
// weight, the accepted window, the order) and what was on the shelf, with the notes a reader
// needs (what "*" means, why a list is short or empty). The printout draws it on pages; the saved
// text writes it in plain lines. Both take their words and figures from here. UTF-8 throughout.

// A name and its value: "Original conductor", "1 × 8 SWG".
struct SheetField {
    std::string name;
    std::string value;

    bool operator==(const SheetField&) const = default;
};

// How a column's cells stand: text from the left, counts from the right, areas on their
// decimal separator.
enum class CellAlignment { Left, Right, DecimalSeparator };

struct SheetColumn {
    std::string heading;
    CellAlignment alignment = CellAlignment::Left;
};

struct JobSheet {
    std::string title;       // "Wirnak – equivalent wire combinations"
    std::string dated;       // "Printed 2025-05-03 14:05", as the caller words it
    std::string shortTitle;  // on every page: "1 × 8 SWG, 2 kg"
    std::vector<SheetField> job;
    std::vector<SheetField> shelf;   // each ticked size and its stock: "12 SWG", "0.5 kg"
    std::vector<std::string> notes;  // the count, the legend, why the list is short or empty
    std::vector<SheetColumn> columns;
    std::vector<std::vector<std::string>> rows;  // one cell per column
    std::string decimalSeparator;                // of the figures in the rows
};

// Lines first..last (from 0) of the list shown, as selected for printing.
struct LineRange {
    std::size_t first = 0;
    std::size_t last = 0;
};

// The list as the results page shows it, and what it was taken from.
struct ShownList {
    std::vector<FoundResult> shown;  // in the order shown
    ListChoice choice;
    std::size_t foundCount = 0;  // combinations the search found, before the filter
    SearchEnd end = SearchEnd::Complete;
    std::string countLine;              // as the page says it: "2 Wire combinations found"
    std::optional<LineRange> selected;  // only these lines of the shown ones
};

// The sheet for the list as shown. dated says when and how it was made.
JobSheet jobSheet(const JobState& job, const ShownList& list, std::string dated,
                  std::string_view decimalSeparator = ".");

// The sheet as plain text: the header lines, the notes, then the list in columns padded with
// blanks, every line ended by "\n". Never empty.
std::string sheetText(const JobSheet& sheet);

// A file name for the job's list, without suffix, of letters, digits, ".", "_" and "-" only:
// "8SWGx1-combinations", "8SWGx3_20SWGx2-combinations", "rect5x2.5x2-combinations",
// "rect5x2.5r0.5x2-combinations" with rounded corners.
std::string suggestedFileName(const JobState& job);

// Characters of UTF-8 text, as a fixed-pitch column counts them.
std::size_t textWidth(std::string_view text);
