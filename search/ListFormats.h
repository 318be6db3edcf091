#pragma once

#include <string>
#include <vector>

#include "search/ResultList.h"

// The shown results written out for the report box, a text file and a spreadsheet.

// As the report box receives it: "{", each line followed by "\par ", "}". The results of a
// search in the order found give the report itself; no results give the report's apology.
std::string listRtf(const std::vector<FoundResult>& shown);

// One line per result, as the report writes it, each ended by "\n".
std::string listText(const std::vector<FoundResult>& shown);

// Comma-separated values (RFC 4180: CRLF line ends, fields with commas or quotes quoted): the
// header "combination,total_mm2,wires,short_stock,deviation_pct,sizes", then one row per result.
// The total in the report's format with "." always, the short sizes separated by ";", the
// deviation in % with four decimals (empty for a target of 0), the number of different sizes.
std::string listCsv(const std::vector<FoundResult>& shown);
