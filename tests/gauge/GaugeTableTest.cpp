#include <gtest/gtest.h>

#include "gauge/GaugeTable.h"

namespace {

struct Row {
    const char* label;
    double area;  // reference area, six decimals
};

constexpr Row kReference[kGaugeCount] = {
    {"8 SWG", 12.946188},   {"9 SWG", 10.520879}, {"10 SWG", 8.295767},   {"11 SWG", 6.816404},
    {"12 SWG", 5.482208},   {"13 SWG", 4.289506}, {"13.5 SWG", 3.746236}, {"14 SWG", 3.242928},
    {"14.5 SWG", 2.925529}, {"15 SWG", 2.627346}, {"15.5 SWG", 2.342473}, {"16 SWG", 2.076495},
    {"16.5 SWG", 1.594849}, {"17 SWG", 1.588141}, {"17.5 SWG", 1.368478}, {"18 SWG", 1.167071},
    {"18.5 SWG", 0.981688}, {"19 SWG", 0.810732}, {"19.5 SWG", 0.779127}, {"20 SWG", 0.656118},
    {"20.5 SWG", 0.584940}, {"21 SWG", 0.519124}, {"21.5 SWG", 0.456037}, {"22 SWG", 0.397035},
    {"22.5 SWG", 0.342119}, {"23 SWG", 0.292247}, {"24 SWG", 0.245422},   {"25 SWG", 0.204282},
    {"26 SWG", 0.166190},
};

TEST(GaugeTable, EveryRowHasItsLabelAndReferenceArea) {
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(gaugeLabel(i), kReference[i].label);
        EXPECT_NEAR(gaugeArea(i), kReference[i].area, 5e-7);
    }
}

TEST(GaugeTable, AreaUsesTheShopConstantNotPi) {
    // 4.06² × 0.7853981 exactly as written; pi/4 would give 12.9461892...
    EXPECT_DOUBLE_EQ(gaugeArea(0), 4.06 * 4.06 * 0.7853981);
    EXPECT_DOUBLE_EQ(gaugeArea(28), 0.46 * 0.46 * 0.7853981);
}

TEST(GaugeTable, AreasFallStrictlyFromThickToThin) {
    for (GaugeIndex i = 1; i < kGaugeCount; ++i) EXPECT_LT(gaugeArea(i), gaugeArea(i - 1)) << i;
}

TEST(GaugeTable, IndexOutsideTheTableGivesTheEmptyValue) {
    for (GaugeIndex outside :
         {GaugeIndex(-1), GaugeIndex(29), GaugeIndex(-32768), GaugeIndex(32767)}) {
        EXPECT_EQ(gaugeLabel(outside), "");
        EXPECT_EQ(gaugeArea(outside), 0.0);
        EXPECT_EQ(gaugeNumber(outside), "");
    }
}

}  // namespace
