#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "gauge/Numeric.h"

namespace {

using numeric::formatGeneral;
using numeric::isNumeric;
using numeric::toDouble;
using numeric::toInteger16;
using numeric::toSingle;

TEST(NumericTest, AcceptsPlainDecimalsWithSignAndBlanks) {
    for (const char* text :
         {"0", "12", "-2", "+3", "2.5", ".5", "5.", "  7  ", "\t-0.25 ", "007"}) {
        EXPECT_TRUE(isNumeric(text)) << '"' << text << '"';
    }
}

TEST(NumericTest, RejectsEverythingElse) {
    for (const char* text : {"", " ", ".", "-", "+.", "1.2.3", "1 2", "--1", "+-1", "1e5", "0x10",
                             "abc", "12a", "1,5", "- 1", "1-", "∞"}) {
        EXPECT_FALSE(isNumeric(text)) << '"' << text << '"';
    }
}

TEST(NumericTest, TheUsersDecimalSeparatorIsAcceptedBesideThePoint) {
    EXPECT_TRUE(isNumeric("1,5", ","));
    EXPECT_TRUE(isNumeric("1.5", ","));
    EXPECT_FALSE(isNumeric("1,5.5", ","));
    EXPECT_EQ(toSingle("2,25", ","), 2.25f);
    EXPECT_EQ(toDouble("0٫5", "٫"), 0.5);  // a separator of more than one byte
}

TEST(NumericTest, WholeNumbersRoundHalfToEven) {
    EXPECT_EQ(toInteger16("2.5"), 2);
    EXPECT_EQ(toInteger16("3.5"), 4);
    EXPECT_EQ(toInteger16("-2.5"), -2);
    EXPECT_EQ(toInteger16("2.51"), 3);
    EXPECT_EQ(toInteger16(" 0 "), 0);
    EXPECT_EQ(toInteger16("-2"), -2);
}

TEST(NumericTest, WholeNumbersOutside16BitsAreRefused) {
    EXPECT_EQ(toInteger16("32767"), 32767);
    EXPECT_EQ(toInteger16("32767.4"), 32767);
    EXPECT_EQ(toInteger16("-32768"), -32768);
    EXPECT_EQ(toInteger16("-32768.5"), -32768);  // ties to even stays in range
    EXPECT_FALSE(toInteger16("32767.5"));
    EXPECT_FALSE(toInteger16("32768"));
    EXPECT_FALSE(toInteger16("-32769"));
    EXPECT_FALSE(toInteger16(std::string(400, '9')));
    EXPECT_FALSE(toInteger16("x"));
}

TEST(NumericTest, LongDecimalsNearAHalfRoundOnceOnTheirExactValue) {
    EXPECT_EQ(toInteger16("0.50000000000000001"), 1);
    EXPECT_EQ(toInteger16("32767.4999999999999999"), 32767);
    EXPECT_FALSE(toInteger16("-32768.5000000000000001"));
    EXPECT_EQ(toInteger16("-0.5000000000000000000000000000001"), -1);
    EXPECT_EQ(toInteger16("00000000000000000000002.5"), 2);

    // Whole numbers across the range, each followed by a tail just below, on and just above the
    // half, the tails long enough that a double cannot tell them apart.
    for (long whole : {0L, 1L, 2L, 3L, 1234L, 32766L, 32767L, 32768L, 40000L}) {
        for (int length : {1, 16, 17, 40}) {
            for (const char* sign : {"", "-"}) {
                const std::string head = sign + std::to_string(whole) + ".";
                const long direction = *sign ? -1 : 1;
                const auto expect = [](long value) -> std::optional<short> {
                    if (value < -32768 || value > 32767)
                        return std::nullopt;
                    return static_cast<short>(value);
                };
                const long even = whole % 2 == 0 ? whole : whole + 1;
                SCOPED_TRACE(head + " tail of " + std::to_string(length));
                EXPECT_EQ(toInteger16(head + "4" + std::string(length, '9')),
                          expect(direction * whole));
                EXPECT_EQ(toInteger16(head + "5" + std::string(length, '0')),
                          expect(direction * even));
                EXPECT_EQ(toInteger16(head + "5" + std::string(length - 1, '0') + "1"),
                          expect(direction * (whole + 1)));
            }
        }
    }
}

TEST(NumericTest, FloatsAreTheNearestOfTheirPrecision) {
    EXPECT_EQ(toSingle("0.1"), 0.1f);
    EXPECT_EQ(toDouble("0.1"), 0.1);
    EXPECT_EQ(toSingle("-3"), -3.0f);
    EXPECT_EQ(toSingle("12.946188"), 12.946188f);
}

TEST(NumericTest, NumbersTooLargeForTheirPrecisionAreRefused) {
    EXPECT_FALSE(toSingle("340282357000000000000000000000000000000"));
    EXPECT_TRUE(toDouble("340282357000000000000000000000000000000"));
    EXPECT_FALSE(toDouble(std::string(400, '9')));
    // Tiny numbers are not overflows: they come out as zero.
    EXPECT_EQ(toSingle("0." + std::string(400, '0') + "1"), 0.0f);
}

TEST(NumericTest, GeneralFormatShowsSevenSignificantDigitsAtMost) {
    EXPECT_EQ(formatGeneral(12.97171f), "12.97171");
    EXPECT_EQ(formatGeneral(12.97468f), "12.97468");
    EXPECT_EQ(formatGeneral(25.9f), "25.9");
    EXPECT_EQ(formatGeneral(25.0f), "25");
    EXPECT_EQ(formatGeneral(0.5f), "0.5");
    EXPECT_EQ(formatGeneral(0.166190f), "0.16619");
    EXPECT_EQ(formatGeneral(1234567.0f), "1234567");
    EXPECT_EQ(formatGeneral(-1.5f), "-1.5");
    EXPECT_EQ(formatGeneral(0.0f), "0");
    EXPECT_EQ(formatGeneral(99.99999f), "99.99999");
    EXPECT_EQ(formatGeneral(1234567.5f), "1234568");  // the eighth digit rounds the seventh
}

TEST(NumericTest, GeneralFormatUsesExponentsOnlyFarFromOne) {
    EXPECT_EQ(formatGeneral(12345678.0f), "1.234568E+07");
    EXPECT_EQ(formatGeneral(1e7f), "1E+07");
    EXPECT_EQ(formatGeneral(0.0001f), "0.0001");
    EXPECT_EQ(formatGeneral(0.00001f), "1E-05");
}

TEST(NumericTest, GeneralFormatUsesTheGivenSeparator) {
    EXPECT_EQ(formatGeneral(12.97171f, ","), "12,97171");
    EXPECT_EQ(formatGeneral(0.5f, ","), "0,5");
}

}  // namespace
