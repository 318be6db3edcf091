#include <gtest/gtest.h>

#include <cmath>

#include "gauge/GaugeTable.h"
#include "gauge/WireSize.h"

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

// The gauge's definition, not a table's rounding.
TEST(WireSize, AwgDiametersComeFromTheGaugesDefinition) {
    const struct {
        int awg;
        double mm;
    } rows[] = {{4, 5.18940},  {10, 2.58819}, {14, 1.62773},
                {20, 0.81182}, {30, 0.25464}, {40, 0.07987}};
    for (const auto& row : rows) {
        EXPECT_NEAR(sizeDiameter(WireSize::awg(row.awg)), row.mm, 5e-6) << row.awg;
        EXPECT_EQ(sizeLabel(WireSize::awg(row.awg)), std::to_string(row.awg) + " AWG");
    }
    // 14 AWG: 1.62773² × 0.7853981 in double, narrowed once.
    EXPECT_EQ(sizeArea(WireSize::awg(14)), 2.0809076f);
}

TEST(WireSize, ReadsEachSystemAndRefusesWithTheRange) {
    const struct {
        const char* typed;
        const char* label;  // "" when refused
        SizeFault fault;
    } rows[] = {
        {"8", "8 SWG", SizeFault::None},
        {"13.5", "13.5 SWG", SizeFault::None},
        {" 14 SWG ", "14 SWG", SizeFault::None},
        {"14swg", "14 SWG", SizeFault::None},
        {"1.06mm", "1.06 mm", SizeFault::None},
        {"1.0600 MM", "1.06 mm", SizeFault::None},
        {"0.5mm", "0.50 mm", SizeFault::None},
        {"1.125mm", "1.125 mm", SizeFault::None},
        {"1.10mm", "1.10 mm", SizeFault::None},
        {".05mm", "0.05 mm", SizeFault::None},
        {"6mm", "6.00 mm", SizeFault::None},
        {"14awg", "14 AWG", SizeFault::None},
        {"14 AWG", "14 AWG", SizeFault::None},
        {"4Awg", "4 AWG", SizeFault::None},
        {"40awg", "40 AWG", SizeFault::None},
        {"7", "", SizeFault::UnknownSwg},
        {"1.06", "", SizeFault::UnknownSwg},
        {"8.5swg", "", SizeFault::UnknownSwg},
        {"3awg", "", SizeFault::AwgOutside},
        {"41awg", "", SizeFault::AwgOutside},
        {"99999999999awg", "", SizeFault::AwgOutside},
        {"14.5awg", "", SizeFault::AwgNotWhole},
        {"awg", "", SizeFault::AwgNotWhole},
        {"0.049mm", "", SizeFault::MetricOutside},
        {"6.001mm", "", SizeFault::MetricOutside},
        {"10mm", "", SizeFault::MetricOutside},
        {"1.0625mm", "", SizeFault::MetricTooFine},
        {"1,06mm", "", SizeFault::MetricNotMm},
        {"-1mm", "", SizeFault::MetricNotMm},
        {"mm", "", SizeFault::MetricNotMm},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const SizeReading read = readWireSize(row.typed);
        EXPECT_EQ(read.fault, row.fault);
        if (read.ok()) {
            EXPECT_EQ(sizeLabel(read.size), row.label);
        }
    }
    EXPECT_EQ(sizeFaultText(SizeFault::AwgOutside, "'41awg'"),
              "AWG size '41awg' is outside 4 to 40 AWG");
    EXPECT_EQ(sizeFaultText(SizeFault::MetricOutside, "'7mm'"),
              "metric size '7mm' is outside 0.05 to 6.00 mm");
}

TEST(WireSize, ASizeOfAnSwgDiameterIsTheSameWire) {
    const WireSize metric = readWireSize("1.626mm").size;
    EXPECT_TRUE(sameWire(metric, WireSize::swg(11)));
    EXPECT_EQ(sameWireText(metric, WireSize::swg(11)), "1.626 mm is the same wire as 16 SWG");
    EXPECT_FALSE(sameWire(readWireSize("1.627mm").size, WireSize::swg(11)));
    EXPECT_FALSE(sameWire(metric, metric));  // the same size, which a list refuses as such
}

}  // namespace
