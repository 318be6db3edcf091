#pragma once

#include <string>

#include "search/Ranking.h"

namespace cli {

enum class RankedFormat { Text, Csv, Rtf };

// A ranked list as wirnak-cli prints it. Text: one line per combination with the figures it is
// ranked by, then the count line. Csv: the rows the results page saves. Rtf: the report's lines
// of the list as the report box would receive them, then the count line.
std::string rankedOutput(const RankedList& list, const ListChoice& choice, RankedFormat format);

}  // namespace cli
