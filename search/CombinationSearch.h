#pragma once

#include "gauge/JobState.h"
#include "search/ResultsView.h"

// How a search ended. A search that stops early keeps, and reports, what it found so far.
enum class SearchEnd {
    Complete,
    TableFull,   // more matches exist than the result table holds
    CountLimit,  // one size would need more than 32767 wires
};

// Exhaustive search over the wire counts of the available sizes, thickest size outermost.
// Every combination whose running total stays below the window's top is handed to matchTest,
// which records the ones inside the window.
class CombinationSearch {
public:
    CombinationSearch(JobState& job, ResultsView& view) : job_(job), view_(view) {}
    virtual ~CombinationSearch() = default;

    SearchEnd run();
    SearchEnd end() const { return end_; }

    void searchLevel(GaugeIndex level);
    float sumArea(GaugeIndex n) const;
    // Virtual so that a check can watch the order in which combinations are tested.
    virtual void matchTest(const float& total, const GaugeIndex& level);

private:
    bool available(GaugeIndex gauge) const { return job_.availArea[gauge] != 0; }
    bool stopped() const { return end_ != SearchEnd::Complete; }
    std::string resultLine(const float& total, const GaugeIndex& level) const;

    JobState& job_;
    ResultsView& view_;
    SearchEnd end_ = SearchEnd::Complete;
};

// The whole of what loading the results page does after showing itself: search, then report.
SearchEnd searchAndReport(JobState& job, ResultsView& view);
