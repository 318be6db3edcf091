#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gauge/JobState.h"

// The recorded results as the shop looks at them: which can be wound from the shelf, which
// needs the fewest wires, which comes closest to the original. Nothing here changes the job or
// the report; it reads the result table after the search.

// One recorded result.
struct FoundResult {
    std::string combination;  // its entries, stars included: "12 SWG X 1*, 13.5 SWG X 2"
    std::string line;         // as the report writes it: combination, ",", six blanks, area
    float totalArea = 0;      // mm²
    long wires = 0;           // wires in parallel, all sizes together
    int sizes = 0;            // different sizes in it
    // Labels of the sizes whose stock is too light for their share ("14 SWG"), thickest first.
    std::vector<std::string> shortStock;
    // |total − target| in mm², in double precision.
    double distance = 0;
    // (total − target) / target × 100, in double precision. None for a target of 0, against
    // which no share can be measured.
    std::optional<double> deviationPercent;

    bool coveredByStock() const { return shortStock.empty(); }
};

enum class ResultOrder {
    AsFound,            // the order of the search, which the report keeps
    FewestWires,        // fewest wires in parallel first
    FewestSizes,        // fewest different sizes first, then fewest wires
    ClosestToOriginal,  // smallest |total − target| first
};

// The shop's limits on a ranked list.
struct RankLimits {
    int mostSizes = 3;             // 1..4
    std::optional<int> mostWires;  // 1..32767; empty = no limit

    friend bool operator==(const RankLimits&, const RankLimits&) = default;
};

// Which of the results are shown, and in which order. As found, ties keep the order found; the
// ranked orders rank every combination in the window within the limits (search/Ranking.h).
struct ListChoice {
    // Not an aggregate, so that a choice written without its limits takes the defaults quietly.
    ListChoice() = default;
    ListChoice(ResultOrder order, bool coveredOnly = false, RankLimits limits = {})
        : order(order), coveredOnly(coveredOnly), limits(limits) {}

    ResultOrder order = ResultOrder::AsFound;
    bool coveredOnly = false;  // only the results without "*"
    RankLimits limits;         // for the ranked orders only

    friend bool operator==(const ListChoice&, const ListChoice&) = default;
};

// Every order but the search's own.
bool isRanked(ResultOrder order);

// Every recorded result, in the order found, its areas with the given decimal separator.
std::vector<FoundResult> foundResults(const JobState& job, std::string_view decimalSeparator = ".");

// One result as the list shows it, from its combination as a line shows it ("12 SWG X 1*,
// 13.5 SWG X 2") and its total, measured against the target.
FoundResult foundResult(const std::string& combination, float total, double target,
                        std::string_view decimalSeparator = ".");

// The results the choice shows, in the order it asks for.
std::vector<FoundResult> shownResults(std::vector<FoundResult> found, const ListChoice& choice);

// The count line for the list in the order found: "3 Wire combinations found", with
// " (2 shown)" when the filter hides some.
std::string foundCountLine(std::size_t foundCount, std::size_t shownCount);

// Whether the search marked short stock; when it did not, no result carries "*".
bool stockCheckOn(const JobState& job);

// What was matched and what "*" means, in the report's number format: "Original 1 × 8 SWG:
// 12.94619 mm², accepted 12.88146 to 13.01092 mm² · * = stock too light for its share of 2 kg",
// or "… · stock check off". The conductor in words is left out before it was entered. UTF-8.
std::string jobLine(const JobState& job, std::string_view decimalSeparator = ".");

// The original's area as the job line gives it: "12.94619".
std::string originalAreaText(const JobState& job, std::string_view decimalSeparator = ".");
