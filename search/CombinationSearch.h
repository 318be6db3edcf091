#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gauge/JobState.h"
#include "search/ResultsView.h"

// How a search ended. A search that stops early keeps, and reports, what it found so far.
enum class SearchEnd {
    Complete,
    TableFull,   // more matches exist than the result table holds
    CountLimit,  // one size would need more than 32767 wires
};

struct SearchOutcome {
    SearchEnd end = SearchEnd::Complete;
    // With CountLimit: the level of the size that would need more wires (its GaugeIndex in a job
    // of SWG sizes alone), and the size.
    GaugeIndex limitingGauge = -1;
    WireSize limitingSize;
};

// Whether a size's stock is too light for its share of the winding's weight: the share in
// proportion to the size's share of the combination's area, the quotient first, in single
// precision, as "*" marks it.
inline bool stockTooLight(float sizeArea, float total, float windingWeight, float stock) {
    const float need = static_cast<float>(sizeArea / total) * windingWeight;
    return need > stock;
}

// Why a search stopped at the count limit: "26 SWG would need more than 32767 wires".
std::string countLimitReason(WireSize size);
std::string countLimitReason(GaugeIndex gauge);

// Exhaustive search over the wire counts of the available sizes, thickest size outermost.
// Every combination whose running total stays below the window's top is tested, in an order where
// thinner sizes vary fastest and a combination is tested again at each available level from its
// last size on; matchTest records the ones inside the window.
//
// The walk visits only the available sizes and keeps each level's running total, so that a test
// costs no re-summing; float addition in the same order gives the same bits, and an unavailable
// size adds its zero. The thinnest available size is not stepped count by count: its totals rise
// with the count, so the counts that land in the window are found from the bounds and only those
// are tested. The results, their order and both early stops are those of the plain walk.
class CombinationSearch {
public:
    CombinationSearch(JobState& job, ResultsView& view)
        : job_(job), view_(view), table_(searchLevels(job)) {}
    virtual ~CombinationSearch() = default;

    SearchOutcome run();
    const SearchOutcome& outcome() const { return outcome_; }

    // Records the combination of sizes 0..level, whose area is total, when total lies in the
    // window; a line equal to the one recorded just before is dropped. A full table stops the
    // search.
    void matchTest(const float& total, const GaugeIndex& level);

protected:
    bool stopped() const { return outcome_.end != SearchEnd::Complete; }
    void stopAtCountLimit(GaugeIndex level);

private:
    bool available(GaugeIndex level) const { return table_[level].area != 0; }
    // A job of SWG sizes alone reads its stock where the page keeps it, when the test comes.
    float stockAt(GaugeIndex level) const {
        return job_.availOther.empty() ? job_.availWeight[level] : table_[level].stock;
    }
    // Into line_, which keeps its room from one result to the next.
    void buildResultLine(const float& total, const GaugeIndex& level);

    void walk(std::size_t step, float totalAbove);
    // The thinnest available size, whose totals rise with its count.
    void sweepInnermost(GaugeIndex level, float lead);
    void setCount(GaugeIndex level, int count);
    void test(float total, GaugeIndex level);
    void bringTextsUpTo(GaugeIndex level);
    void raiseProgress(GaugeIndex level);

    JobState& job_;
    ResultsView& view_;
    SearchOutcome outcome_;

    std::vector<SearchLevel> table_;  // every level, as searchLevels gives them
    GaugeIndex lastLevel_ = 0;
    std::vector<GaugeIndex> levels_;  // the available sizes, thickest first
    // The count whose area and text each level shows. Texts are only built when a line needs
    // them: one bit per size whose text is behind its count.
    std::array<int, kMostLevels> shownCount_{};
    std::uint64_t staleTexts_ = 0;
    std::array<std::string, kMostLevels> textHead_;  // "10 SWG X "
    std::string line_;
    float progress_ = 0;  // what the page's bar shows; only the search moves it meanwhile
    float lastTotal_ = 0;
    bool tested_ = false;
};

// The whole of what loading the results page does after showing itself: search, then report.
SearchOutcome searchAndReport(JobState& job, ResultsView& view);
