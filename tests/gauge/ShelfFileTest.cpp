#include <gtest/gtest.h>

#include <random>

#include "gauge/Numeric.h"
#include "gauge/ShelfFile.h"

namespace {

constexpr GaugeIndex k12Swg = 4, k13HalfSwg = 6, k14Swg = 7, k26Swg = 28;

// 0.100 to 0.120 mm, twenty sizes a shelf may hold, and one more.
std::string otherSizes(int count) {
    std::string text;
    for (int k = 0; k < count; ++k) text += "0.1" + std::to_string(10 + k) + "mm\n";
    return text;
}
const std::string twentyOneOthers = "12\n" + otherSizes(21);

TEST(ShelfFile, ReadsEachFormOfLineAndNamesTheLineOfTheFirstFault) {
    struct Case {
        std::string text;
        Shelf shelf;  // when it reads
        int line;     // of the fault
        std::string fault;
    };
    const std::vector<Case> cases = {
        {"12=0.5\n13.5=2\n14=1\n",
         {{WireSize::swg(k12Swg), "0.5"},
          {WireSize::swg(k13HalfSwg), "2"},
          {WireSize::swg(k14Swg), "1"}},
         0,
         ""},
        {"\xEF\xBB\xBF# stock\r\n\r\n \t12 = 0.5 # kg\r\n26\n",
         {{WireSize::swg(k12Swg), "0.5"}, {WireSize::swg(k26Swg), {}}},
         0,
         ""},
        {"14=+0\n13.5=.5",
         {{WireSize::swg(k14Swg), "+0"}, {WireSize::swg(k13HalfSwg), ".5"}},
         0,
         ""},
        {"12\n\n7=1\n", {}, 3, "unknown SWG size '7'"},
        {"1.06 MM=2\n14awg\n12=1\n",
         {{WireSize::metric(1060), "2"}, {WireSize::awg(14), {}}, {WireSize::swg(k12Swg), "1"}},
         0,
         ""},
        {"1.06mm\n1.060mm=1\n", {}, 2, "size 1.06 mm is given twice (first on line 1)"},
        {"16\n1.626mm\n", {}, 2, "1.626 mm is the same wire as 16 SWG (first on line 1)"},
        {"41awg=1\n", {}, 1, "AWG size '41awg' is outside 4 to 40 AWG"},
        {"1.06mm=\n", {}, 1, "the weight of 1.06 mm is missing after '='"},
        {twentyOneOthers, {}, 22, "more than 20 sizes other than SWG"},
        {"12\n13.5\n12=1\n", {}, 3, "size 12 is given twice (first on line 1)"},
        {"12=0,5\n", {}, 1, "the weight of 12 SWG, '0,5', is not a number"},
        {"#\n12=-1\n", {}, 2, "the weight of 12 SWG, '-1', is negative"},
        {"12=\n", {}, 1, "the weight of 12 SWG is missing after '='"},
        {"12=1e99\n", {}, 1, "the weight of 12 SWG, '1e99', is not a number"},
        {"12=" + std::string(60, '9'),
         {},
         1,
         "the weight of 12 SWG, '" + std::string(37, '9') + "...', is too large"},
        {"12=1=2\n", {}, 1, "'12=1=2' is neither GAUGE nor GAUGE=KG"},
        {"12 13\n", {}, 1, "unknown SWG size '12 13'"},
        {"=5\n", {}, 1, "'=5' is neither GAUGE nor GAUGE=KG"},
        {"# nothing\n\n", {}, 0, "names no wire size"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ShelfReading reading = readShelf(c.text);
        EXPECT_EQ(reading.error, c.fault);
        EXPECT_EQ(reading.errorLine, c.line);
        EXPECT_EQ(reading.shelf, c.shelf);
    }
    EXPECT_EQ(shelfFault("shelf.txt", readShelf("12\n\n7\n")), "shelf.txt:3: unknown SWG size '7'");
    EXPECT_EQ(shelfFault("shelf.txt", readShelf("")), "shelf.txt: names no wire size");
    EXPECT_TRUE(readShelf("12\n" + otherSizes(20)).ok());
}

// Whatever a page's boxes hold, what is written from them reads back the same, to the bit: a
// weight a shelf cannot hold (not a number, negative) is left out rather than written.
TEST(ShelfFile, WhatAPageWritesReadsBackTheSame) {
    std::mt19937 draw(17);
    const std::string pieces[] = {"0", "7", "25", ",", ".", "-", " ", "x"};
    for (int round = 0; round < 2000; ++round) {
        Shelf shelf;
        for (GaugeIndex g = 0; g < kGaugeCount; g += 1 + draw() % 6) {
            std::string typed;
            for (int k = draw() % 5; k > 0; --k) typed += pieces[draw() % 8];
            const auto stock = shelfStock(typed, ",");
            const auto kilograms = numeric::toSingle(typed, ",");
            ASSERT_EQ(stock.has_value(), kilograms && *kilograms >= 0) << typed;
            if (stock) {
                EXPECT_EQ(numeric::toSingle(*stock), kilograms) << typed;
            }
            shelf.push_back({WireSize::swg(g), stock});
        }
        // An other size's stock is kept as a number and written back from it.
        const auto kilograms = static_cast<float>(draw() % 1000) / 7;
        shelf.push_back({WireSize::awg(4 + draw() % 37), stockText(kilograms)});
        EXPECT_EQ(numeric::toSingle(*shelf.back().stock), kilograms);
        WireSize metric = WireSize::metric(50 + draw() % 5950);
        for (GaugeIndex g = 0; g < kGaugeCount; ++g) {
            if (sameWire(metric, WireSize::swg(g)))
                ++metric.number;  // no SWG diameter is a micrometre above another
        }
        shelf.push_back({metric, std::nullopt});
        const ShelfReading reading = readShelf(shelfText(shelf));
        ASSERT_TRUE(reading.ok()) << reading.error;
        EXPECT_EQ(reading.shelf, shelf);
    }
}

}  // namespace
