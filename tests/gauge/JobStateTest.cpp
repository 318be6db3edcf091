#include <gtest/gtest.h>

#include <memory>

#include "gauge/JobState.h"

namespace {

std::unique_ptr<JobState> freshJob() {
    return std::make_unique<JobState>();
}

void tick(JobState& job, GaugeIndex gauge, short count) {
    job.origGaugeArea[gauge] = static_cast<float>(gaugeArea(gauge));
    job.origWireCount[gauge] = count;
}

TEST(Target, RoundWiresAreSummedInSinglePrecision) {
    auto job = freshJob();
    tick(*job, 0, 3);   // 3 × 8 SWG
    tick(*job, 19, 2);  // 2 × 20 SWG
    EXPECT_EQ(circularArea(*job), 40.150799f);

    job->origGaugeArea[19] = 0;  // 20 SWG cleared: its count stays but adds nothing
    EXPECT_EQ(circularArea(*job), 38.838562f);
}

TEST(Target, SingleTermsAndSumDifferFromADoubleSum) {
    // The float accumulation is behaviour: it must not be replaced by a double one.
    auto job = freshJob();
    double doubleSum = 0;
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        tick(*job, i, static_cast<short>(i + 1));
        doubleSum += double(i + 1) * double(job->origGaugeArea[i]);
    }
    float singleSum = 0;
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        singleSum = singleSum + float(i + 1) * job->origGaugeArea[i];
    }
    EXPECT_EQ(circularArea(*job), singleSum);
    EXPECT_NE(static_cast<double>(circularArea(*job)), doubleSum);
}

TEST(Target, RectangularProductIsDouble) {
    EXPECT_EQ(rectangularArea(5, 2.5, 2), 25.0);
    EXPECT_EQ(rectangularArea(5, 2.5, 1.5), 18.75);
    // Width × thickness first: 0.1 × 0.2 × 3 in another order gives a different last bit.
    EXPECT_EQ(rectangularArea(0.1, 0.2, 3), 3 * (0.1 * 0.2));
}

TEST(AreaWindow, IsTargetPlusMinusHalfAPercentNarrowedToFloat) {
    auto job = freshJob();
    job->resultCount = 17;
    job->origArea = 100;
    setAreaWindow(*job);
    EXPECT_EQ(job->resultCount, 0);
    EXPECT_EQ(job->areaLow, 99.5f);
    EXPECT_EQ(job->areaHigh, 100.5f);

    job->origArea = 200;
    setAreaWindow(*job);
    EXPECT_EQ(job->areaLow, 199.0f);
    EXPECT_EQ(job->areaHigh, 201.0f);

    job->origArea = 12.946188f;  // one 8 SWG wire
    setAreaWindow(*job);
    EXPECT_NEAR(job->areaLow, 12.88146, 5e-6);
    EXPECT_NEAR(job->areaHigh, 13.01092, 5e-6);
}

TEST(AreaWindow, IsWorkedOutInDoubleBeforeNarrowing) {
    auto job = freshJob();
    job->origArea = 40.150799f;
    setAreaWindow(*job);
    EXPECT_EQ(job->areaLow, static_cast<float>(job->origArea - job->origArea * 0.005));
    EXPECT_EQ(job->areaHigh, static_cast<float>(job->origArea + job->origArea * 0.005));
}

TEST(JobState, BackClearsTheSearchTablesButNotTheWindowOrCount) {
    auto job = freshJob();
    job->resultText[0] = "8 SWG X 1";
    job->resultText[10000] = "9 SWG X 1";
    job->resultArea[10000] = 3;
    job->comboCount[28] = 4;
    job->comboArea[28] = 1;
    job->comboText[28] = "26 SWG X 4";
    job->resultCount = 2;
    job->areaHigh = 5;
    clearSearchTables(*job);
    for (const auto& text : job->resultText) ASSERT_TRUE(text.empty());
    for (float area : job->resultArea) ASSERT_EQ(area, 0);
    for (const auto& text : job->comboText) ASSERT_TRUE(text.empty());
    for (short count : job->comboCount) ASSERT_EQ(count, 0);
    for (float area : job->comboArea) ASSERT_EQ(area, 0);
    EXPECT_EQ(job->resultCount, 2);
    EXPECT_EQ(job->areaHigh, 5);
}

TEST(JobState, TheProgramWideRecordIsOneAndStartsZeroed) {
    EXPECT_EQ(&jobState(), &jobState());
    EXPECT_EQ(jobState().noWeightCheck, 0);
    EXPECT_EQ(jobState().origArea, 0);
}

}  // namespace
