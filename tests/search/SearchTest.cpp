#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "search/SearchFixture.h"

namespace {

// One call of the match test: the counts of the sizes involved and the level it came from.
using Call = std::tuple<std::vector<short>, GaugeIndex>;

// Watches the order in which the enumerator hands combinations to the match test.
class WatchedSearch : public CombinationSearch {
public:
    WatchedSearch(JobState& job, ResultsView& view, std::vector<GaugeIndex> watched)
        : CombinationSearch(job, view), job_(job), watched_(std::move(watched)) {}

    void matchTest(const float& total, const GaugeIndex& level) override {
        std::vector<short> counts;
        for (GaugeIndex g : watched_) counts.push_back(g <= level ? job_.comboCount[g] : 0);
        calls.emplace_back(counts, level);
        totals.push_back(total);
        CombinationSearch::matchTest(total, level);
    }

    std::vector<Call> calls;
    std::vector<float> totals;

private:
    JobState& job_;
    std::vector<GaugeIndex> watched_;
};

TEST(Search, WorkedExampleVisitsCombinationsInTheirOrder) {
    auto job = workedExample();
    RecordingView view;
    WatchedSearch search(*job, view, {k12Swg, k13_5Swg, k14Swg});
    EXPECT_EQ(search.run(), SearchEnd::Complete);

    ASSERT_EQ(search.calls.size(), 46u);
    const std::vector<Call> firstEight = {
        {{0, 0, 0}, k14Swg}, {{0, 0, 1}, k14Swg}, {{0, 0, 2}, k14Swg},   {{0, 0, 3}, k14Swg},
        {{0, 0, 4}, k14Swg}, {{0, 0, 5}, k14Swg}, {{0, 0, 0}, k13_5Swg}, {{0, 1, 0}, k14Swg},
    };
    EXPECT_EQ(std::vector<Call>(search.calls.begin(), search.calls.begin() + 8), firstEight);
    const std::vector<Call> lastThree = {
        {{3, 0, 0}, k14Swg}, {{3, 0, 0}, k13_5Swg}, {{3, 0, 0}, k12Swg}};
    EXPECT_EQ(std::vector<Call>(search.calls.end() - 3, search.calls.end()), lastThree);

    EXPECT_EQ(recordedLines(*job),
              (std::vector<std::string>{"14 SWG X 4*", "12 SWG X 1*, 13.5 SWG X 2"}));
    EXPECT_EQ(job->resultArea[0], 12.97171f);
    EXPECT_EQ(job->resultArea[1], 12.97468f);
}

TEST(Search, LeavesCountsAtZeroProgressRisingAndThePointerBusy) {
    auto job = workedExample();
    RecordingView view;
    CombinationSearch(*job, view).run();
    for (short count : job->comboCount) EXPECT_EQ(count, 0);
    ASSERT_FALSE(view.progressSets.empty());
    for (std::size_t i = 1; i < view.progressSets.size(); ++i) {
        EXPECT_GT(view.progressSets[i], view.progressSets[i - 1]);
    }
    EXPECT_EQ(view.progressSets.back(), 28.0f);
    EXPECT_EQ(view.pointer, MousePointer::Hourglass);
}

TEST(Search, SumsOnlyTheLevelsAboveInSinglePrecision) {
    auto job = std::make_unique<JobState>();
    RecordingView view;
    CombinationSearch search(*job, view);
    job->comboArea = {};
    job->comboArea[0] = 16777216.0f;  // 2^24: adding 1 in float is lost, in double it is not
    job->comboArea[1] = 1.0f;
    job->comboArea[2] = 1.0f;
    job->comboArea[5] = 100.0f;  // deeper than n: left over from an earlier step, not counted
    EXPECT_EQ(search.sumArea(2), 16777216.0f);  // a double sum would give 16777218
    EXPECT_EQ(search.sumArea(0), 16777216.0f);
}

TEST(Search, NothingAvailableFindsNothing) {
    auto job = workedExample();
    job->availArea = {};
    RecordingView view;
    WatchedSearch search(*job, view, {});
    EXPECT_EQ(searchAndReport(*job, view), SearchEnd::Complete);
    EXPECT_TRUE(search.calls.empty());
    EXPECT_EQ(view.rtf, "{Sorry no match found}");
}

TEST(Search, OneSizeIsCountedUpToTheFirstCountReachingTheTop) {
    auto job = std::make_unique<JobState>();
    makeAvailable(*job, 28);  // 26 SWG: the deepest level tests its counts directly
    job->origArea = 10 * job->availArea[28];
    setAreaWindow(*job);
    RecordingView view;
    WatchedSearch search(*job, view, {28});
    search.run();

    const float area = job->availArea[28];
    short k = 0;
    while (float(k) * area < job->areaHigh) ++k;
    ASSERT_EQ(search.calls.size(), static_cast<std::size_t>(k) + 1);
    for (short count = 0; count <= k; ++count) {
        EXPECT_EQ(std::get<0>(search.calls[count]), std::vector<short>{count});
    }
    EXPECT_EQ(recordedLines(*job), std::vector<std::string>{"26 SWG X 10"});
}

TEST(Search, ATotalOnTheTopIsRecordedAndEndsItsLevel) {
    auto job = std::make_unique<JobState>();
    makeAvailable(*job, 28);
    const float three = 3.0f * job->availArea[28];
    job->areaLow = three;
    job->areaHigh = three;
    RecordingView view;
    WatchedSearch search(*job, view, {28});
    search.run();
    EXPECT_EQ(search.calls.size(), 4u);  // 0, 1, 2, 3 and no 4
    EXPECT_EQ(recordedLines(*job), std::vector<std::string>{"26 SWG X 3"});
}

TEST(Search, RepeatsAreDroppedOnlyWhenTheyFollowThemselves) {
    // 8 SWG and 26 SWG around one 8 SWG wire: "8 SWG X 1" is found at the level of 26 SWG and
    // again straight after at its own level; it must be recorded once.
    auto job = std::make_unique<JobState>();
    makeAvailable(*job, 0);
    makeAvailable(*job, 28);
    job->origArea = job->availArea[0];
    setAreaWindow(*job);
    RecordingView view;
    CombinationSearch(*job, view).run();
    const auto lines = recordedLines(*job);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "8 SWG X 1"), 1);
    EXPECT_EQ(lines.back(), "8 SWG X 1");
    EXPECT_EQ(lines.front(), "26 SWG X 78");

    // Eight 8 SWG wires: "8 SWG X 8" is found first at the deepest level, then three lines with
    // 26 SWG come between, so the test at its own level records it a second time.
    job->origArea = 8.0f * job->availArea[0];
    setAreaWindow(*job);
    clearSearchTables(*job);
    CombinationSearch(*job, view).run();
    const auto eight = recordedLines(*job);
    EXPECT_EQ(
        std::vector<std::string>(eight.end() - 5, eight.end()),
        (std::vector<std::string>{"8 SWG X 8", "8 SWG X 8, 26 SWG X 1", "8 SWG X 8, 26 SWG X 2",
                                  "8 SWG X 8, 26 SWG X 3", "8 SWG X 8"}));
}

TEST(Search, StopsWhenTheTableIsFullAndKeepsEveryRecordedLine) {
    auto job = std::make_unique<JobState>();
    job->origArea = gaugeArea(0);
    for (GaugeIndex g = 0; g < kGaugeCount; ++g) makeAvailable(*job, g);
    setAreaWindow(*job);
    job->noWeightCheck = 1;
    RecordingView view;
    EXPECT_EQ(searchAndReport(*job, view), SearchEnd::TableFull);
    EXPECT_EQ(job->resultCount, kResultSlots);
    EXPECT_FALSE(job->resultText[kResultSlots - 1].empty());
    EXPECT_EQ(view.count, "10001");
    for (short count : job->comboCount) EXPECT_EQ(count, 0);
    EXPECT_EQ(view.pointer, MousePointer::Default);
}

TEST(Search, StopsBeforeACountWouldPass32767) {
    auto job = std::make_unique<JobState>();
    makeAvailable(*job, 28);
    job->origArea = 40000.0 * job->availArea[28];
    setAreaWindow(*job);
    RecordingView view;
    WatchedSearch search(*job, view, {28});
    EXPECT_EQ(search.run(), SearchEnd::CountLimit);
    EXPECT_EQ(std::get<0>(search.calls.back()), std::vector<short>{32767});
    for (const Call& call : search.calls) EXPECT_GE(std::get<0>(call)[0], 0);  // never wrapped
    EXPECT_EQ(job->comboCount[28], 0);
}

TEST(Search, AZeroOrNegativeTargetEndsWithNoMatch) {
    for (double target : {0.0, -12.9}) {
        auto job = std::make_unique<JobState>();
        makeAvailable(*job, 4);
        makeAvailable(*job, 28);
        job->origArea = target;
        setAreaWindow(*job);
        RecordingView view;
        EXPECT_EQ(searchAndReport(*job, view), SearchEnd::Complete);
        EXPECT_EQ(job->resultCount, 0);
        EXPECT_EQ(view.rtf, "{Sorry no match found}");
        EXPECT_EQ(view.count, "0");
    }
}

}  // namespace
