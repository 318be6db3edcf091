#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gauge/WireSize.h"

// A shelf: the sizes at hand, each with its weight in stock where known. As a file it is UTF-8
// text, one size a line, "GAUGE" or "GAUGE=KG": the size as readWireSize reads it ("13.5" for
// SWG, "1.06mm", "14awg"), at most kMostOtherSizes of them other than SWG, blanks allowed around
// each part, "#" starting a comment to the end of the line, blank lines
// ignored, and "." as the decimal point whatever the desktop's language. The command line and
// the wizard read and write the same files.
struct ShelfSize {
    WireSize size;
    std::optional<std::string> stock;  // kg, as written: "0.5"; empty when not given

    friend bool operator==(const ShelfSize&, const ShelfSize&) = default;
};
using Shelf = std::vector<ShelfSize>;  // in the order of the file

struct ShelfReading {
    Shelf shelf;
    std::string error;  // what is wrong, "" when the text is a shelf
    int errorLine = 0;  // the line it is on; 0 for the text as a whole

    bool ok() const { return error.empty(); }
};

// Reads a shelf. The first fault stops the reading: a size given twice, or the same wire as one
// before it, an unknown size, more other sizes than a list takes, a weight that is not a number, is
// negative or is too large for a weight, a line that is none of the two forms, or a text that names
// no size.
ShelfReading readShelf(std::string_view text);

// "shelf.txt:3: unknown SWG size '7'", or "shelf.txt: names no wire size".
std::string shelfFault(std::string_view fileName, const ShelfReading& reading);

// The shelf as a file holds it: a comment that says what the file is, then one size a line.
std::string shelfText(const Shelf& shelf);

// A weight as typed on a page, with the user's decimal separator, as a shelf file writes it:
// blanks trimmed and "." as the decimal point. Empty when the text is no weight a shelf can
// hold (not a number, negative, or too large).
std::optional<std::string> shelfStock(std::string_view typed, std::string_view userSeparator);

// A weight kept as a number (an other size's stock), as a shelf file writes it: the shortest
// text with "." that reads back to the same float ("0.5", "2").
std::string stockText(float kilograms);

// Longer than any shelf: a file beyond it is refused before it is read into memory.
inline constexpr std::size_t kLargestShelfFile = 64 * 1024;
