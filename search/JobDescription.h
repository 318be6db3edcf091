#pragma once

#include <string>
#include <string_view>

#include "gauge/JobState.h"

// The original conductor in words, as a rewinder would write it on the job: "1 × 8 SWG",
// "3 × 8 SWG + 2 × 20 SWG", "rectangular 5 × 2.5 mm, 2 in parallel", with rounded corners
// "rectangular 5 × 2.5 mm, corners r 0.5 mm, 2 in parallel". "" before it was entered.
// UTF-8; numbers with the given decimal separator.
std::string conductorWords(const JobState& job, std::string_view decimalSeparator = ".");

// A measure as typed, in its shortest exact form: 2.5, 5, 0.375.
std::string measureText(double value, std::string_view decimalSeparator = ".");
