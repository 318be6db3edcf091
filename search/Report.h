#pragma once

#include <string>
#include <vector>

#include "gauge/JobState.h"
#include "search/ResultsView.h"

inline constexpr const char* kNoMatchLine = "Sorry no match found";

struct ReportText {
    std::string rtf;  // "{" lines "}", each line ending in "\par "
    short written = 0;
};

// One line per recorded result, in the order found: its text, ",", six blanks, its total area.
std::vector<std::string> reportLines(const JobState& job,
                                     const std::string& decimalSeparator = ".");

// The report of the recorded results, as the report box receives it.
ReportText reportText(const JobState& job, const std::string& decimalSeparator = ".");

// Puts the report on the results page: report box, count, full progress bar, normal pointer.
void writeReport(const JobState& job, ResultsView& view);
