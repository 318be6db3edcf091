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
    // 9 SWG X 1, 12 SWG X 2, 14 SWG X 1 sharing 2 kg in proportion to their areas.
    setCombination({{1, 1}, {4, 2}, {7, 1}});
    const float total = job->comboArea[1] + job->comboArea[4] + job->comboArea[7];
    const float need12 = (job->comboArea[4] / total) * job->origWeight;
    job->availWeight[1] = 5;
    job->availWeight[4] = std::nextafter(need12, 0.0f);
    job->availWeight[7] = 5;
    test(total);
    EXPECT_EQ(job->resultText[0], "9 SWG X 1, 12 SWG X 2*, 14 SWG X 1");

    // Stock equal to the need is enough.
    job->availWeight[4] = need12;
    job->resultText[0].clear();
    job->resultCount = 0;
    test(total);
    EXPECT_EQ(job->resultText[0], "9 SWG X 1, 12 SWG X 2, 14 SWG X 1");
}

TEST_F(MatchTestTest, WorkedExampleNeedsAreSinglePrecisionQuotientFirst) {
    auto example = workedExample();
    CombinationSearch exampleSearch(*example, view);
    example->comboArea[k12Swg] = example->availArea[k12Swg];
    example->comboText[k12Swg] = "12 SWG X 1";
    example->comboArea[k13_5Swg] = 2.0f * example->availArea[k13_5Swg];
    example->comboText[k13_5Swg] = "13.5 SWG X 2";
    const float total = exampleSearch.sumArea(k13_5Swg);
    EXPECT_EQ(total, 12.97468f);
    // Needs 0.8450625 kg of 12 SWG and 1.154937 kg of 13.5 SWG: stock exactly that is enough.
    example->availWeight[k12Swg] = 0.8450625f;
    example->availWeight[k13_5Swg] = 1.1549374f;
    exampleSearch.matchTest(total, k13_5Swg);
    EXPECT_EQ(example->resultText[0], "12 SWG X 1, 13.5 SWG X 2");
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
    EXPECT_EQ(search.end(), SearchEnd::Complete);
    setCombination({{2, 1}});
    test(12);
    EXPECT_EQ(search.end(), SearchEnd::TableFull);
    EXPECT_EQ(job->resultCount, kResultSlots);
    EXPECT_EQ(job->resultText[kResultSlots - 1], "9 SWG X 1*");
}

}  // namespace
