#pragma once

#include <string>

#include "gauge/JobState.h"
#include "search/ResultsView.h"

inline constexpr const char* kNoMatchLine = "Sorry no match found";

struct ReportText {
    std::string rtf;  // "{" lines "}", each line ending in "\par "
    short written = 0;
};

// The report of the recorded results, in the order they were found.
ReportText reportText(const JobState& job, const std::string& decimalSeparator = ".");

// Puts the report on the results page: report box, count, full progress bar, normal pointer.
void Write1(const JobState& job, ResultsView& view);
