#include <gtest/gtest.h>

#include <random>

#include "gauge/Numeric.h"
#include "gauge/ShelfFile.h"

namespace {

constexpr GaugeIndex k12Swg = 4, k13HalfSwg = 6, k14Swg = 7, k26Swg = 28;

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
        const ShelfReading reading = readShelf(shelfText(shelf));
        ASSERT_TRUE(reading.ok()) << reading.error;
        EXPECT_EQ(reading.shelf, shelf);
    }
}

}  // namespace
