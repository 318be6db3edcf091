#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "search/ReferenceSearch.h"
#include "search/SearchFixture.h"

namespace {

// One test of a combination: the counts of the sizes involved and the level it came from.
using Call = std::tuple<std::vector<short>, GaugeIndex>;

// Watches the order in which the plain walk tests combinations.
class WatchedSearch : public ReferenceSearch {
public:
    WatchedSearch(JobState& job, ResultsView& view, std::vector<GaugeIndex> watched)
        : ReferenceSearch(job, view), job_(job), watched_(std::move(watched)) {}

    std::vector<Call> calls;

protected:
    void test(const float& total, const GaugeIndex& level) override {
        std::vector<short> counts;
        for (GaugeIndex g : watched_) counts.push_back(g <= level ? job_.comboCount[g] : 0);
        calls.emplace_back(counts, level);
        ReferenceSearch::test(total, level);
    }

private:
    JobState& job_;
    std::vector<GaugeIndex> watched_;
};

TEST(Search, WorkedExampleIsWalkedInItsOrderAndTheSearchRecordsItsTwoResults) {
    auto job = workedExample();
    RecordingView view;
    WatchedSearch walk(*job, view, {k12Swg, k13_5Swg, k14Swg});
    EXPECT_EQ(walk.runReference().end, SearchEnd::Complete);

    ASSERT_EQ(walk.calls.size(), 46u);
    const std::vector<Call> firstEight = {
        {{0, 0, 0}, k14Swg}, {{0, 0, 1}, k14Swg}, {{0, 0, 2}, k14Swg},   {{0, 0, 3}, k14Swg},
        {{0, 0, 4}, k14Swg}, {{0, 0, 5}, k14Swg}, {{0, 0, 0}, k13_5Swg}, {{0, 1, 0}, k14Swg},
    };
    EXPECT_EQ(std::vector<Call>(walk.calls.begin(), walk.calls.begin() + 8), firstEight);
    const std::vector<Call> lastThree = {
        {{3, 0, 0}, k14Swg}, {{3, 0, 0}, k13_5Swg}, {{3, 0, 0}, k12Swg}};
    EXPECT_EQ(std::vector<Call>(walk.calls.end() - 3, walk.calls.end()), lastThree);

    auto searched = workedExample();
    EXPECT_EQ(CombinationSearch(*searched, view).run().end, SearchEnd::Complete);
    EXPECT_EQ(recordedLines(*searched),
              (std::vector<std::string>{"14 SWG X 4*", "12 SWG X 1*, 13.5 SWG X 2"}));
    EXPECT_EQ(searched->resultArea[0], 12.97171f);
    EXPECT_EQ(searched->resultArea[1], 12.97468f);
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
    EXPECT_GT(view.hourglassSets, 0);
    EXPECT_EQ(view.pointer, MousePointer::Hourglass);
}

TEST(Search, TotalOf8_9_10SwgX1IsAddedThickestFirstInSinglePrecision) {
    // Added thin end first, or in double, the total would be 31.7628345.
    auto job = std::make_unique<JobState>();
    for (GaugeIndex gauge : {0, 1, 2}) makeAvailable(*job, gauge);
    job->origArea = 31.7628365;
    job->noWeightCheck = 1;
    setAreaWindow(*job);
    RecordingView view;
    CombinationSearch(*job, view).run();
    const auto lines = recordedLines(*job);
    const auto found = std::find(lines.begin(), lines.end(), "8 SWG X 1, 9 SWG X 1, 10 SWG X 1");
    ASSERT_NE(found, lines.end());
    EXPECT_EQ(job->resultArea[found - lines.begin()], 31.7628365f);
}

TEST(Search, TheThinnestSizesCountIsFoundWithTheExactFloatTotals) {
    // A window of one float value, count × area (+ one 8 SWG wire), holds exactly that count;
    // worked out in real numbers the count would often be one off.
    auto job = std::make_unique<JobState>();
    makeAvailable(*job, 28);
    job->noWeightCheck = 1;
    const float area = job->availArea[28];
    RecordingView view;
    for (short count = 1; count <= 3000; count += 7) {
        clearSearchTables(*job);
        job->resultCount = 0;
        job->areaLow = job->areaHigh = static_cast<float>(count) * area;
        CombinationSearch(*job, view).run();
        ASSERT_EQ(recordedLines(*job),
                  std::vector<std::string>{"26 SWG X " + std::to_string(count)});
    }
    makeAvailable(*job, 0);
    for (short count = 1; count <= 3000; count += 7) {
        clearSearchTables(*job);
        job->resultCount = 0;
        job->areaLow = job->areaHigh = static_cast<float>(count) * area + job->availArea[0];
        CombinationSearch(*job, view).run();
        const auto lines = recordedLines(*job);
        const std::string expected = "8 SWG X 1, 26 SWG X " + std::to_string(count);
        ASSERT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
    }
}

TEST(Search, NothingAvailableFindsNothing) {
    auto job = workedExample();
    job->availArea = {};
    RecordingView view;
    EXPECT_EQ(searchAndReport(*job, view).end, SearchEnd::Complete);
    EXPECT_EQ(view.rtf, "{Sorry no match found}");
    EXPECT_EQ(view.progressSets.front(), 28.0f);  // ...and the bar went up all the same
}

TEST(Search, ATotalOnTheTopIsRecordedAndEndsItsLevel) {
    auto job = std::make_unique<JobState>();
    makeAvailable(*job, 28);
    const float three = 3.0f * job->availArea[28];
    job->areaLow = three;
    job->areaHigh = three;
    RecordingView view;
    WatchedSearch walk(*job, view, {28});
    walk.runReference();
    EXPECT_EQ(walk.calls.size(), 4u);  // 0, 1, 2, 3 and no 4
    EXPECT_EQ(recordedLines(*job), std::vector<std::string>{"26 SWG X 3"});

    clearSearchTables(*job);
    job->resultCount = 0;
    CombinationSearch(*job, view).run();
    EXPECT_EQ(recordedLines(*job), std::vector<std::string>{"26 SWG X 3"});
    EXPECT_EQ(job->comboText[28], "26 SWG X 3");
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
    EXPECT_EQ(searchAndReport(*job, view).end, SearchEnd::TableFull);
    EXPECT_EQ(job->resultCount, kResultSlots);
    EXPECT_FALSE(job->resultText[kResultSlots - 1].empty());
    EXPECT_EQ(view.count, "10001");
    for (short count : job->comboCount) EXPECT_EQ(count, 0);
    EXPECT_EQ(view.pointer, MousePointer::Default);
}

TEST(Search, StopsAtTheSizeWhoseCountWouldPass32767) {
    auto job = std::make_unique<JobState>();
    makeAvailable(*job, 19);
    makeAvailable(*job, 28);
    job->origArea = 40000.0 * job->availArea[28];
    setAreaWindow(*job);
    RecordingView view;
    const SearchOutcome outcome = CombinationSearch(*job, view).run();
    EXPECT_EQ(outcome.end, SearchEnd::CountLimit);
    EXPECT_EQ(outcome.limitingGauge, 28);
    EXPECT_EQ(job->comboText[28], "26 SWG X 32767");  // the last count tested, never wrapped
    for (short count : job->comboCount) EXPECT_EQ(count, 0);
    EXPECT_EQ(countLimitReason(outcome.limitingGauge), "26 SWG would need more than 32767 wires");
}

TEST(Search, AZeroOrNegativeTargetEndsWithNoMatch) {
    for (double target : {0.0, -12.9}) {
        auto job = std::make_unique<JobState>();
        makeAvailable(*job, 4);
        makeAvailable(*job, 28);
        job->origArea = target;
        setAreaWindow(*job);
        RecordingView view;
        EXPECT_EQ(searchAndReport(*job, view).end, SearchEnd::Complete);
        EXPECT_EQ(job->resultCount, 0);
        EXPECT_EQ(view.rtf, "{Sorry no match found}");
        EXPECT_EQ(view.count, "0");
    }
}

}  // namespace
