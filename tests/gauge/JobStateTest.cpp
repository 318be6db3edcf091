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

TEST(Target, RoundSumOf4x14_3x16_1x21_4x22_5SwgIsSinglePrecisionThickestFirst) {
    // A double sum gives 21.088797 and a sum from the thin end 21.088799.
    auto job = freshJob();
    tick(*job, 7, 4);
    tick(*job, 11, 3);
    tick(*job, 21, 1);
    tick(*job, 24, 4);
    EXPECT_EQ(circularArea(*job), 21.088795f);
}

TEST(Target, RectangularProductIsDoubleWidthTimesThicknessFirst) {
    EXPECT_EQ(rectangularArea(5, 2.5, 2), 25.0);
    EXPECT_EQ(rectangularArea(5, 2.5, 1.5), 18.75);
    // 1.1 × 1.9 × 3: (3 × 1.1) × 1.9 would give 6.2700000000000005.
    EXPECT_EQ(rectangularArea(1.1, 1.9, 3), 6.27);
}

// Each rounded corner leaves out (4 − π) r². Expected: the doubles nearest the exact value for
// the decimals as typed (π the double π), worked out in fractions; but 1.35 × 3.5 × 3 r 0.55,
// rounded step by step as written, ends two steps above it, where r × r first, a fused
// multiply-add or count × (width × thickness) less count × the corners end elsewhere.
TEST(Target, RoundedCornersTakeFourMinusPiTimesRSquaredOffEachWire) {
    const struct {
        double width, thickness, count, radius, expected;
    } targets[] = {
        {5, 2.5, 2, 0.5, 0x1.8921fb54442d2p+4},      // 24.5707963267949 = 25 − 2 × 0.2146…
        {3, 1, 1, 0.5, 0x1.6487ed5110b46p+1},        // 2.7853981633974483, edges fully round
        {2, 2, 1, 1, 0x1.921fb54442d18p+1},          // π: a 2 mm square rounded into a circle
        {6.3, 1.6, 4, 0.8, 0x1.30fad5529a0d1p+5},    // 38.12247719318987
        {1, 1.7, 3, 0.45, 0x1.25066e6b744bdp+2},     // 4.5785175370558
        {1.35, 3.5, 3, 0.55, 0x1.acabfe67a58f5p+3},  // 13.39599533313274, not …f3p+3
        {5, 2.5, 2, 0, 25},                          // sharp corners: the plain product
        {1.1, 1.9, 3, 0, 6.27},
    };
    for (const auto& t : targets) {
        EXPECT_EQ(rectangularArea(t.width, t.thickness, t.count, t.radius), t.expected)
            << t.width << " x " << t.thickness << " x " << t.count << " r " << t.radius;
    }
}

TEST(AreaWindow, IsTargetPlusMinusHalfAPercentNarrowedToFloat) {
    auto job = freshJob();
    job->resultCount = 17;
    job->origArea = 100;
    setAreaWindow(*job);
    EXPECT_EQ(job->resultCount, 0);
    EXPECT_EQ(job->areaLow, 99.5f);
    EXPECT_EQ(job->areaHigh, 100.5f);

    job->origArea = 12.946188f;  // one 8 SWG wire
    setAreaWindow(*job);
    EXPECT_NEAR(job->areaLow, 12.88146, 5e-6);
    EXPECT_NEAR(job->areaHigh, 13.01092, 5e-6);
}

TEST(AreaWindow, EndsOf0_6And0_03AreWorkedOutInDoubleBeforeNarrowing) {
    // In single precision the top for 0.6 would be 0.60300004 and the bottom for 0.03
    // 0.029849999.
    auto job = freshJob();
    job->origArea = rectangularArea(0.6, 1, 1);
    setAreaWindow(*job);
    EXPECT_EQ(job->areaHigh, 0.603f);
    job->origArea = 0.03;
    setAreaWindow(*job);
    EXPECT_EQ(job->areaLow, 0.02985f);
}

TEST(AreaWindow, FitsOnlyWhenBothEndsAreFiniteFloats) {
    for (double target : {0.0, -12.9, 25.0, 3.38e38, -3.38e38}) {
        EXPECT_TRUE(areaWindowFits(target)) << target;
    }
    // 3.4e38 is a float itself, but its top is not; a double product can also be infinite or,
    // as infinity × 0, not a number at all.
    const double infinite = rectangularArea(1e200, 1e200, 1);
    for (double target : {3.4e38, -3.4e38, 1e300, infinite, rectangularArea(1e200, 1e200, 0)}) {
        EXPECT_FALSE(areaWindowFits(target)) << target;
    }
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
