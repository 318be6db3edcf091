#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gauge/JobState.h"
#include "search/ResultsView.h"

inline constexpr const char* kNoMatchLine = "Sorry no match found";

enum class ReportFormat {
    Rtf,    // as the report box receives it: "{" lines "}", each line ending in "\par "
    Plain,  // each line ending in a line feed, the apology line alone when nothing was found
};

struct ReportText {
    std::string text;
    short written = 0;  // lines of results
};

// A report line: the result's text, ",", six blanks, its total area.
std::string reportLine(const std::string& text, float area,
                       const std::string& decimalSeparator = ".");

// One line per recorded result, in the order found: its text, ",", six blanks, its total area.
std::vector<std::string> reportLines(const JobState& job,
                                     const std::string& decimalSeparator = ".");

// The report of the recorded results.
ReportText reportText(const JobState& job, const std::string& decimalSeparator = ".",
                      ReportFormat format = ReportFormat::Rtf);

// Puts the report on the results page: report box, count, full progress bar, normal pointer.
void writeReport(const JobState& job, ResultsView& view);
