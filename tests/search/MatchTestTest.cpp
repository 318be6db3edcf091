#include <gtest/gtest.h>

#include <cmath>

#include "search/SearchFixture.h"

namespace {

// Sets up the combination under test directly, as the enumerator would leave it.
class MatchTestTest : public ::testing::Test {
protected:
    void SetUp() override {
        job->areaLow = 10;
        job->areaHigh = 30;
        job->origWeight = 2;
    }

    void setCombination(std::initializer_list<std::pair<GaugeIndex, short>> counts) {
        job->comboArea = {};
        for (auto& text : job->comboText) text.clear();
        for (auto [gauge, count] : counts) {
            job->availArea[gauge] = static_cast<float>(gaugeArea(gauge));
            job->comboArea[gauge] = float(count) * job->availArea[gauge];
            job->comboText[gauge] = gaugeLabel(gauge) + " X " + std::to_string(count);
        }
    }

    void test(float total, GaugeIndex level = kLastGauge) { search.matchTest(total, level); }

    std::unique_ptr<JobState> job = std::make_unique<JobState>();
    RecordingView view;
    CombinationSearch search{*job, view};
};

TEST_F(MatchTestTest, BothWindowEdgesAreInsideAndOneFloatStepBeyondIsNot) {
    job->areaHigh = 20;
    job->noWeightCheck = 1;
    setCombination({{1, 1}});
    test(std::nextafter(10.0f, 0.0f));
    test(std::nextafter(20.0f, 100.0f));
    EXPECT_EQ(job->resultCount, 0);
    test(10.0f);
    setCombination({{2, 1}});
    test(20.0f);
    EXPECT_EQ(recordedLines(*job), (std::vector<std::string>{"9 SWG X 1", "10 SWG X 1"}));
    EXPECT_EQ(job->resultArea[0], 10.0f);
    EXPECT_EQ(job->resultArea[1], 20.0f);
}

TEST_F(MatchTestTest, MarksOnlyTheSizesWhoseStockIsTooLight) {
    // 9 SWG X 1, 12 SWG X 2, 14 SWG X 1 sharing 2 kg in proportion to their areas: 12 SWG needs
    // about 0.87 kg.
    setCombination({{1, 1}, {4, 2}, {7, 1}});
    job->availWeight[1] = 5;
    job->availWeight[4] = 0.8f;
    job->availWeight[7] = 5;
    test(job->comboArea[7] + (job->comboArea[4] + job->comboArea[1]));
    EXPECT_EQ(job->resultText[0], "9 SWG X 1, 12 SWG X 2*, 14 SWG X 1");
}

TEST_F(MatchTestTest, NeedOf12SwgIn2_5KgIsTheAreaShareTimesTheWeight) {
    // 12 SWG X 1, 13.5 SWG X 2 of a 2.5 kg winding: 12 SWG's share of the area, rounded to a
    // float, times 2.5 needs 1.0563281 kg; area × weight ÷ total would need 1.0563282 kg.
    job->origWeight = 2.5f;
    setCombination({{k12Swg, 1}, {k13_5Swg, 2}});
    job->availWeight[k13_5Swg] = 5;
    const float total = 12.97468f;
    ASSERT_EQ(total, job->comboArea[k13_5Swg] + job->comboArea[k12Swg]);

    job->availWeight[k12Swg] = 1.0563281f;  // just enough
    test(total);
    job->availWeight[k12Swg] = std::nextafter(1.0563281f, 0.0f);
    setCombination({{k12Swg, 1}, {k13_5Swg, 2}});
    test(total);
    EXPECT_EQ(recordedLines(*job),
              (std::vector<std::string>{"12 SWG X 1, 13.5 SWG X 2", "12 SWG X 1*, 13.5 SWG X 2"}));
}

TEST_F(MatchTestTest, WithTheCheckOffNothingIsMarked) {
    job->noWeightCheck = 1;
    setCombination({{1, 1}, {4, 2}});
    test(job->comboArea[1] + job->comboArea[4]);
    EXPECT_EQ(job->resultText[0], "9 SWG X 1, 12 SWG X 2");
}

TEST_F(MatchTestTest, NoStockMarksEveryEntryAndNoWindingWeightMarksNone) {
    setCombination({{1, 1}, {4, 2}});
    const float total = job->comboArea[1] + job->comboArea[4];
    test(total);
    job->origWeight = 0;
    setCombination({{1, 1}, {4, 1}});
    test(job->comboArea[1] + job->comboArea[4]);
    EXPECT_EQ(recordedLines(*job),
              (std::vector<std::string>{"9 SWG X 1*, 12 SWG X 2*", "9 SWG X 1, 12 SWG X 1"}));
}

TEST_F(MatchTestTest, OnlyTheSizesUpToTheLevelMakeTheLine) {
    setCombination({{1, 1}, {4, 2}});
    test(job->comboArea[1], 3);
    EXPECT_EQ(job->resultText[0], "9 SWG X 1*");
}

TEST_F(MatchTestTest, AnImmediateRepeatIsDroppedAndItsSlotReused) {
    setCombination({{1, 1}});
    test(12);
    test(12.5f);  // the same line again
    EXPECT_EQ(job->resultCount, 1);
    EXPECT_TRUE(job->resultText[1].empty());
    EXPECT_EQ(job->resultArea[1], 12.5f);  // left behind, never shown

    setCombination({{1, 1}, {28, 1}});  // the earlier line as its leading part: a new result
    test(13);
    setCombination({{1, 1}});  // and the shorter one again: also new
    test(12);
    EXPECT_EQ(recordedLines(*job),
              (std::vector<std::string>{"9 SWG X 1*", "9 SWG X 1*, 26 SWG X 1*", "9 SWG X 1*"}));
    EXPECT_EQ(job->resultArea[1], 13.0f);
}

TEST_F(MatchTestTest, AFullTableStopsTheSearchExceptForARepeatOfItsLastLine) {
    for (int j = 0; j < kResultSlots; ++j) job->resultText[j] = "line " + std::to_string(j);
    job->resultCount = kResultSlots;
    job->resultText[kResultSlots - 1] = "9 SWG X 1*";
    setCombination({{1, 1}});
    test(12);
    EXPECT_EQ(search.outcome().end, SearchEnd::Complete);
    setCombination({{2, 1}});
    test(12);
    EXPECT_EQ(search.outcome().end, SearchEnd::TableFull);
    EXPECT_EQ(job->resultCount, kResultSlots);
    EXPECT_EQ(job->resultText[kResultSlots - 1], "9 SWG X 1*");
}

}  // namespace
