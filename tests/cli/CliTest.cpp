#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "cli/CliJob.h"
#include "gauge/ShelfFile.h"

namespace {

cli::Outcome run(std::vector<std::string> args) {
    return cli::run(args);
}

const std::vector<std::string> kWorkedExample = {"--round", "8=1",         "--weight",
                                                 "2",       "--available", "12=0.5,13.5=2,14=1"};

TEST(Cli, WorkedExamplePrintsTheReportLinesAndTheCount) {
    const auto outcome = run(kWorkedExample);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out,
              "14 SWG X 4*,      12.97171\n"
              "12 SWG X 1*, 13.5 SWG X 2,      12.97468\n"
              "2 Wire combinations found\n");
    EXPECT_EQ(outcome.err, "");
}

TEST(Cli, RtfPrintsWhatTheReportBoxReceives) {
    auto args = kWorkedExample;
    args.push_back("--rtf");
    EXPECT_EQ(run(args).out,
              "{14 SWG X 4*,      12.97171\\par 12 SWG X 1*, 13.5 SWG X 2,      12.97468\\par }\n"
              "2 Wire combinations found\n");
}

TEST(Cli, TheWeightCheckNeedsTheWindingWeightAndEveryStockWeight) {
    const std::string plain =
        "14 SWG X 4,      12.97171\n12 SWG X 1, 13.5 SWG X 2,      12.97468\n";
    EXPECT_TRUE(
        run({"--round", "8=1", "--available", "12=0.5,13.5=2,14=1"}).out.starts_with(plain));
    EXPECT_TRUE(run({"--round", "8=1", "--weight", "2", "--available", "12=0.5,13.5,14=1"})
                    .out.starts_with(plain));
    EXPECT_TRUE(run({"--round=8=1", "--weight=2", "--available=12=0.5,13.5=2,14=1"})
                    .out.starts_with("14 SWG X 4*,"));
}

TEST(Cli, RectangularAndRoundTargetsMatchTheWizardsArithmetic) {
    // 3 × 8 SWG + 2 × 20 SWG = 40.150799 mm²: the original itself is among the matches.
    const auto round = run({"--round", "8=3,20=2", "--available", "8,20"});
    EXPECT_NE(round.out.find("8 SWG X 3, 20 SWG X 2,      40.1508\n"), std::string::npos);

    // 5 × 2.5 × 2 = 25 mm²: the window 24.875..25.125 takes 3 × 12 SWG + 2 × 13 SWG.
    const auto rect = run({"--rect", "5,2.5,2", "--available", "12,13"});
    EXPECT_EQ(rect.out, "12 SWG X 3, 13 SWG X 2,      25.02563\n1 Wire combinations found\n");
    // A count of 2.5 wires rounds to 2: the same target as 8=2.
    EXPECT_EQ(run({"--round", "8=2.5", "--available", "9,10"}).out,
              run({"--round", "8=2", "--available", "9,10"}).out);
}

// 2 × (5 × 2.5 − (4 − π) × 0.5²) = 24.5708 mm²: 3 × 12 SWG + 2 × 13 SWG (25.02563) is out.
TEST(Cli, ACornerRadiusIsTakenOffTheTargetOrRefusedForTheSameReasonsAsOnThePage) {
    EXPECT_TRUE(run({"--rect", "5,2.5,2", "--corner-radius", "0.5", "--available", "12,13,13.5,14"})
                    .out.ends_with("1,      24.48236\n3 Wire combinations found\n"));
    // Half the thickness: fully rounded edges; half the width likewise.
    EXPECT_EQ(run({"--rect", "3,1,1", "--corner-radius", "0.5", "--available", "9"}).status, 0);
    EXPECT_EQ(run({"--rect", "1,3,1", "--corner-radius", "0.5", "--available", "9"}).status, 0);
    // 0, or blanks, are sharp corners; blanks around a radius are no part of it.
    const std::vector<std::string> sharp = {"--rect", "5,2.5,2", "--available", "12,13"};
    for (const char* none : {"0", "  "}) {
        auto args = sharp;
        args.insert(args.end(), {"--corner-radius", none});
        EXPECT_EQ(run(args).out, run(sharp).out) << "'" << none << "'";
    }
    EXPECT_EQ(
        run({"--rect", "5,2.5,2", "--corner-radius", " 0.5 ", "--available", "12,13,13.5,14"}).out,
        run({"--rect", "5,2.5,2", "--corner-radius", "0.5", "--available", "12,13,13.5,14"}).out);
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--rect", "5,2.5,2", "--corner-radius", "r"}, "--corner-radius: 'r' is not a number"},
        {{"--rect", "5,2.5,2", "--corner-radius", "-0.1"}, "--corner-radius: '-0.1' is negative"},
        {{"--rect", "5,2.5,2", "--corner-radius", "1.26"},
         "--corner-radius: '1.26' is more than half the thickness"},
        {{"--rect", "5,10,1", "--corner-radius", "2.51"},
         "--corner-radius: '2.51' is more than half the width"},
        {{"--round", "8=1", "--corner-radius", "0"}, "--corner-radius goes only with --rect"},
    };
    for (auto [args, reason] : refused) {
        args.insert(args.end(), {"--available", "9"});
        const auto outcome = run(args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_TRUE(outcome.err.starts_with("wirnak-cli: " + reason)) << outcome.err;
    }
}

TEST(Cli, NoMatchSaysSorry) {
    EXPECT_EQ(run({"--round", "26=1", "--available", "8"}).out,
              "Sorry no match found\n0 Wire combinations found\n");
}

TEST(Cli, AJobThatFillsTheTableStopsAfter10001Lines) {
    const auto outcome = run({"--round", "8=1", "--available",
                              "8,9,10,11,12,13,13.5,14,14.5,15,15.5,16,16.5,17,17.5,18,18.5,19,"
                              "19.5,20,20.5,21,21.5,22,22.5,23,24,25,26"});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 10001 + 1);
    EXPECT_TRUE(outcome.out.ends_with("\n10001 Wire combinations found\n"));
    EXPECT_NE(outcome.err.find("10001"), std::string::npos);

    // Ranked, the best of all 80947 come first: one 8 SWG wire, found after the first 10001.
    auto ordered = run({"--round", "8=1", "--order", "wires", "--available",
                        "8,9,10,11,12,13,13.5,14,14.5,15,15.5,16,16.5,17,17.5,18,18.5,19,"
                        "19.5,20,20.5,21,21.5,22,22.5,23,24,25,26"});
    EXPECT_EQ(ordered.status, 0);
    EXPECT_EQ(ordered.err, "");
    EXPECT_TRUE(ordered.out.starts_with("8 SWG X 1,      12.94619  1 wire  1 size  +0.00 %\n"));
    EXPECT_EQ(std::count(ordered.out.begin(), ordered.out.end(), '\n'), 10001 + 1);
    EXPECT_TRUE(ordered.out.ends_with("\nbest 10001 of 80947 combinations of at most 3 sizes\n"));
}

TEST(Cli, ACountBeyond32767StopsTheSearchAndNamesTheSize) {
    const auto outcome = run({"--rect", "100,100,1", "--available", "20,26"});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(outcome.err,
              "wirnak-cli: search stopped early: 26 SWG would need more than 32767 wires\n");
    EXPECT_TRUE(outcome.out.ends_with("0 Wire combinations found\n"));
}

TEST(Cli, ATargetWhoseWindowIsBeyondFloatsIsRefusedAsTooLarge) {
    // 10^300 mm² is a double, but its window is not a float; 400 digits are not even a double.
    const std::string message =
        "wirnak-cli: The width, thickness and number of wires give a cross-section too large to "
        "work with. Please check them.\n";
    for (const std::string& width : {"1" + std::string(300, '0'), std::string(400, '9')}) {
        const auto outcome = run({"--rect", width + ",1,1", "--available", "8"});
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_TRUE(outcome.err.starts_with(message)) << outcome.err;
    }
}

// 0.100 mm, 0.101 mm, ...: count sizes other than SWG, each followed by `value`.
std::string otherSizes(int count, const std::string& value) {
    std::string list;
    for (int k = 0; k < count; ++k)
        list += (list.empty() ? "" : ",") + ("0.1" + std::to_string(10 + k) + "mm") + value;
    return list;
}

TEST(Cli, BadInputIsRefusedWithAMessageNamingIt) {
    const std::string huge(400, '9');
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--round", "8=32768", "--available", "9"}, "32768"},
        {{"--round", "8=-32769", "--available", "9"}, "-32769"},
        {{"--round", "8=two", "--available", "9"}, "--round 8: 'two' is not a number"},
        {{"--rect", "5,2.5,2,9", "--available", "9"}, "--rect needs WIDTH,THICKNESS,COUNT"},
        {{"--rect", "5,2.5,x", "--available", "9"}, "--rect count: 'x' is not a number"},
        {{"--round", "8=1", "--weight", "--available", "12"}, "--weight needs a value"},
        {{"--round", "8=1", "--available", "9", "--rtf", "--rtf"}, "--rtf is given twice"},
        {{"--round", "8=1", "--available", "9", "--rtf=no"}, "--rtf takes no value"},
        {{"--round", "8", "--available", "9"}, "--round 8"},
        {{"--round", "8.5=1", "--available", "9"}, "8.5"},
        {{"--round", "8=1,8=2", "--available", "9"}, "twice"},
        {{"--round", "8=1", "--available", "9,10,9"}, "twice"},
        {{"--round", "8=1"}, "--available"},
        {{"--available", "9"}, "--round"},
        {{"--round", "8=1", "--rect", "1,1,1", "--available", "9"}, "--rect"},
        {{"--rect", "1,1", "--available", "9"}, "--rect"},
        {{"--round", "8=1", "--weight", huge, "--available", "9"}, "--weight"},
        {{"--round", "8=1", "--available", "9=" + huge}, "--available 9"},
        {{"--round", "8=1", "--available", "9=heavy"}, "heavy"},
        {{"--round", "8=1", "--available", "9", "--colour"}, "--colour"},
        {{"--round", "8=1", "--available"}, "--available"},
        {{"--round", "8=1", "--round", "9=1", "--available", "9"}, "twice"},
        {{"--round", "8=1", "--available", ""}, "''"},
        {{"--round", "8=1", "--available", "7mm"},
         "--available: metric size '7mm' is outside 0.05 to 6.00 mm"},
        {{"--round", "8=1", "--available", "1.0625mm"}, "'1.0625mm' has more than three decimals"},
        {{"--round", "41awg=1", "--available", "9"},
         "--round: AWG size '41awg' is outside 4 to 40 AWG"},
        {{"--round", "8=1", "--available", "14.5awg"}, "is not a whole AWG number from 4 to 40"},
        {{"--round", "8=1", "--available", "16,1.626mm"},
         "--available: 1.626 mm is the same wire as 16 SWG"},
        {{"--round", "8=1", "--available", "1.06mm,1.060 MM"}, "size 1.06 mm is named twice"},
        {{"--round", "14awg", "--available", "9"},
         "--round 14 AWG: the number of wires is missing"},
        {{"--round", "8=1", "--available", "1.06mm=lots"}, "--available 1.06 mm: 'lots'"},
        {{"--round", "8=1", "--available", otherSizes(21, "")}, "more than 20 sizes other than"},
        {{"--round", otherSizes(21, "=1"), "--available", "9"}, "--round: more than 20 sizes"},
    };
    for (const auto& [args, named] : cases) {
        const auto outcome = run(args);
        SCOPED_TRACE(named);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find(named), std::string::npos) << outcome.err;
    }
}

TEST(Cli, ALongBadValueIsShownCutShortAndNeverInsideACharacter) {
    const std::string x57(57, 'x');
    const std::vector<std::pair<std::string, std::string>> cases = {
        {x57 + std::string(100000, 'x'), "'" + x57 + "...'"},
        {"8=7" + std::string(100000, '7'), "'" + std::string(57, '7') + "...'"},
        // é is two bytes: cutting after 57 bytes would split the second one.
        {std::string(56, 'x') + "\u00e9\u00e9\u00e9\u00e9", "'" + std::string(56, 'x') + "...'"},
    };
    for (const auto& [bad, shown] : cases) {
        const auto outcome = run({"--round", "8=1", "--available", bad});
        EXPECT_EQ(outcome.status, 2);
        EXPECT_NE(outcome.err.find(shown), std::string::npos) << outcome.err;
        EXPECT_LT(outcome.err.size(), 150u);
    }
}

std::string repeated(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

// Whatever is typed, the message is one line of plain text: what a terminal would obey, bytes
// that are not UTF-8 and the backslash are escaped, and the cut falls between escapes.
TEST(Cli, ABadValueIsShownEscapedOnOneLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\x1b[2J\x1b[31mRED", R"('\e[2J\e[31mRED')"},
        {"bad\nline", R"('bad\nline')"},
        {"a\tb\rc\x01\x7f", R"('a\tb\rc\x01\x7f')"},
        {"\xc2\x9b"
         "31m \xc2\x80",
         R"('\xc2\x9b31m \xc2\x80')"},                                           // C1 controls
        {"\xc2\xa0\u00e9\u20ac\U0001F600", "'\xc2\xa0\u00e9\u20ac\U0001F600'"},  // printable
        {"\xff\xfe", R"('\xff\xfe')"},
        {"\xc3", R"('\xc3')"},                          // a lead without its follower
        {"\xc0\xaf", R"('\xc0\xaf')"},                  // "/" in an overlong form
        {"\xed\xa0\x80", R"('\xed\xa0\x80')"},          // a surrogate
        {"\xf4\x90\x80\x80", R"('\xf4\x90\x80\x80')"},  // beyond U+10FFFF
        {"back\\slash", R"('back\\slash')"},
        {std::string(100, '\x1b'), "'" + repeated("\\e", 28) + "...'"},
        {std::string(100, '\x01'), "'" + repeated("\\x01", 14) + "...'"},
    };
    for (const auto& [bad, shown] : cases) {
        const auto outcome = run({"--round", "8=1", "--weight", bad, "--available", "9"});
        SCOPED_TRACE(shown);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n')),
                  "wirnak-cli: --weight: " + shown + " is not a number");
    }
    // A shelf file's path is shown escaped too, its end kept when it is long. Windows refuses
    // a name that holds a control character before it looks for the file.
#ifdef _WIN32
    const std::string reason = "Invalid argument";
#else
    const std::string reason = "No such file or directory";
#endif
    const auto missing =
        run({"--round", "8=1", "--shelf", "/no/such/\x1b[2J" + std::string(200, 'x')});
    EXPECT_EQ(missing.err.substr(0, missing.err.find('\n')),
              "wirnak-cli: ..." + std::string(117, 'x') + ": cannot be read: " + reason);
    const auto shortPath = run({"--round", "8=1", "--shelf", "/no/such/\x1b[2J"});
    EXPECT_EQ(shortPath.err.substr(0, shortPath.err.find('\n')),
              "wirnak-cli: /no/such/\\e[2J: cannot be read: " + reason);
}

TEST(Cli, ANegativeOrHugeWeightIsRefused) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"-5", "--weight: '-5' is negative"},
        {"-0.001", "--weight: '-0.001' is negative"},
        // Beyond a float: as a double narrowed it would be infinite and star every line.
        {"1" + std::string(40, '0'), "--weight: '1" + std::string(40, '0') + "' is too large"},
    };
    for (const auto& [weight, message] : cases) {
        const auto outcome = run({"--round", "8=1", "--weight", weight, "--available", "9=1"});
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err, "wirnak-cli: " + message + "\nTry 'wirnak-cli --help'.\n");
    }
    // -0 weighs nothing, as 0 does; a negative stock is the shop's own business.
    EXPECT_EQ(run({"--round", "8=1", "--weight", "-0", "--available", "12=-3,13.5=0,14=1"}).out,
              run({"--round", "8=1", "--weight", "0", "--available", "12=-3,13.5=0,14=1"}).out);
    EXPECT_EQ(run({"--round", "8=1", "--weight", "-0", "--available", "12=-3"}).status, 0);
}

// 26 SWG may reach 32767 wires exactly: the last of this window's lines needs 32766, and the
// search goes on to the end.
TEST(Cli, A32767thWireIsStillWithinTheLimit) {
    const auto outcome = run({"--rect", "5418.38049,1,1", "--available", "26"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(outcome.out.starts_with("26 SWG X 32441,"));
    EXPECT_TRUE(
        outcome.out.ends_with("\n26 SWG X 32766,      5445.389\n"
                              "326 Wire combinations found\n"));
}

// One 8 SWG wire of a 2 kg winding from 14, 17 and 17.5 SWG with 5, 0.5 and 5 kg in stock: found,
// fewest-wires and closest orders all differ, and one line is short of 17 SWG.
std::vector<std::string> threeOrders(std::vector<std::string> options) {
    std::vector<std::string> args = {"--round", "8=1",         "--weight",
                                     "2",       "--available", "14=5,17=0.5,17.5=5"};
    args.insert(args.end(), options.begin(), options.end());
    return args;
}

TEST(Cli, OrderFilterAndCsvActOnTheReportsOwnLines) {
    const std::string nine = "17 SWG X 3*, 17.5 SWG X 6,      12.97529";
    const std::string five = "14 SWG X 3, 17 SWG X 2,      12.90506";
    const std::string four = "14 SWG X 4,      12.97171";
    const std::string count = "3 Wire combinations found\n";
    EXPECT_EQ(run(threeOrders({})).out, nine + "\n" + five + "\n" + four + "\n" + count);
    EXPECT_EQ(run(threeOrders({"--order", "found"})).out, run(threeOrders({})).out);
    // Ranked, each line with the figures it is ranked by.
    const std::string nineRanked = nine + "  9 wires  2 sizes  +0.22 %\n";
    const std::string fiveRanked = five + "  5 wires  2 sizes  -0.32 %\n";
    const std::string fourRanked = four + "  4 wires  1 size  +0.20 %\n";
    const std::string ranked = "best 3 of 3 combinations of at most 3 sizes\n";
    EXPECT_EQ(run(threeOrders({"--order", "wires"})).out,
              fourRanked + fiveRanked + nineRanked + ranked);
    // 12.97171 is 0.0255 mm² from 12.94619, 12.97529 0.0291 and 12.90506 0.0411.
    EXPECT_EQ(run(threeOrders({"--order=closest"})).out,
              fourRanked + nineRanked + fiveRanked + ranked);
    EXPECT_EQ(run(threeOrders({"--in-stock-only", "--order", "wires"})).out,
              fourRanked + fiveRanked +
                  "best 2 of 2 combinations of at most 3 sizes covered by the stock\n");
    EXPECT_EQ(run(threeOrders({"--order", "wires", "--most-wires", "5", "--rtf"})).out,
              "{" + four + "\\par " + five + "\\par }\n" +
                  "best 2 of 2 combinations of at most 3 sizes and 5 wires\n");
    EXPECT_EQ(run(threeOrders({"--in-stock-only", "--rtf"})).out,
              "{14 SWG X 3, 17 SWG X 2,      12.90506\\par 14 SWG X 4,      12.97171\\par }\n"
              "3 Wire combinations found (2 shown)\n");
    EXPECT_EQ(run(threeOrders({"--format", "csv", "--order", "closest"})).out,
              "combination,total_mm2,wires,short_stock,deviation_pct,sizes\r\n"
              "14 SWG X 4,12.97171,4,,0.1971,1\r\n"
              "\"17 SWG X 3*, 17.5 SWG X 6\",12.97529,9,17 SWG,0.2248,2\r\n"
              "\"14 SWG X 3, 17 SWG X 2\",12.90506,5,,-0.3176,2\r\n");
}

TEST(Cli, AFilterThatHidesEveryLineIsNoNoMatch) {
    // Both lines of the worked example are short of stock.
    auto args = kWorkedExample;
    args.push_back("--in-stock-only");
    EXPECT_EQ(run(args).out, "2 Wire combinations found (0 shown)\n");
    args.push_back("--rtf");
    EXPECT_EQ(run(args).out, "{}\n2 Wire combinations found (0 shown)\n");
    args.insert(args.end(), {"--order", "wires"});
    EXPECT_EQ(run(args).out,
              "{}\nbest 0 of 0 combinations of at most 3 sizes covered by the stock\n");
}

TEST(Cli, ATotalOnTargetDeviatesByZeroNotMinusZero) {
    // 12.94619 mm² as typed lies a hair above the float area of one 8 SWG wire.
    EXPECT_EQ(run({"--rect", "12.94619,1,1", "--available", "8", "--format", "csv"}).out,
              "combination,total_mm2,wires,short_stock,deviation_pct,sizes\r\n"
              "8 SWG X 1,12.94619,1,,0.0000,1\r\n");
}

TEST(Cli, ListOptionsAreRefusedWhereTheyCannotBeMet) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        // Without the stock check no line carries a star: "in stock" would mean nothing.
        {{"--round", "8=1", "--available", "14=5", "--in-stock-only"}, "needs the stock check"},
        {{"--round", "8=1", "--weight", "2", "--available", "14=5,17", "--in-stock-only"},
         "needs the stock check"},
        {threeOrders({"--order", "fastest"}),
         "'fastest' is not one of found, wires, sizes, closest"},
        {threeOrders({"--most-sizes", "2"}), "--most-sizes needs --order wires, sizes or closest"},
        {threeOrders({"--order", "found", "--most-wires", "9"}), "--most-wires needs --order"},
        {threeOrders({"--order", "wires", "--most-sizes", "5"}),
         "--most-sizes: '5' is not a whole number from 1 to 4"},
        {threeOrders({"--order", "wires", "--most-sizes", "2.5"}), "'2.5'"},
        {threeOrders({"--order", "sizes", "--most-wires", "32768"}), "from 1 to 32767"},
        {threeOrders({"--order", "sizes", "--most-wires", "+3"}), "'+3'"},
        {threeOrders({"--format", "xml"}), "'xml' is not one of text, csv"},
        {threeOrders({"--format", "csv", "--rtf"}), "do not go together"},
        {threeOrders({"--in-stock-only=yes"}), "takes no value"},
        {threeOrders({"--order", "wires", "--order", "closest"}), "twice"},
    };
    for (const auto& [args, reason] : cases) {
        const auto outcome = run(args);
        SCOPED_TRACE(reason);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find(reason), std::string::npos) << outcome.err;
    }
}

// --shelf FILE gives what --available gives for the list the file holds, stock check and all.
TEST(Cli, AShelfFileStandsForTheAvailableList) {
    // A path as the program takes it from the command line, in the system's own form.
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("wirnak-cli-shelf-" + std::to_string(::getpid()) + ".txt"))
                                 .string();
    const auto withShelf = [&path](const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
        return std::vector<std::string>{"--round", "8=1", "--weight", "2", "--shelf", path};
    };
    for (const auto& [list, text] :
         {std::pair{"12=0.5,13.5=2,14=1", "# the shop\r\n 12 = 0.5\n\n13.5=2 # top\n14=1"},
          std::pair{"12,13.5=2,14=1", "12\n13.5=2\n14=1\n"},
          std::pair{"1.06mm=2,14awg=1,12=0.5", "1.06 MM = 2\n14 AWG=1\n12=0.5\n"}}) {
        const auto expected = run({"--round", "8=1", "--weight", "2", "--available", list});
        const auto outcome = run(withShelf(text));
        EXPECT_EQ(outcome.out, expected.out);
        EXPECT_EQ(outcome.err, expected.err);
        EXPECT_EQ(outcome.status, expected.status);
    }
    const auto bad = run(withShelf("12=0.5\n13.5=2\n7=1\n"));
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_TRUE(bad.err.starts_with("wirnak-cli: " + path + ":3: unknown SWG size '7'\n"))
        << bad.err;
    auto both = withShelf("12\n");
    both.insert(both.end(), {"--available", "12"});
    EXPECT_NE(run(both).err.find("not both"), std::string::npos);
    EXPECT_NE(run(withShelf("")).err.find("names no wire size"), std::string::npos);

    // The size limit to the byte, and what a file holds shown as a typed value is.
    const std::string worked = "12=0.5\n13.5=2\n14=1\n";
    const auto paddedTo = [&worked](std::size_t size) {
        return worked + "#" + std::string(size - worked.size() - 2, '-') + "\n";
    };
    const auto workedOut = run(kWorkedExample).out;
    const std::pair<std::string, std::string> files[] = {
        {paddedTo(kLargestShelfFile), ""},
        {paddedTo(kLargestShelfFile + 1), path + ": too long for a shelf file\n"},
        {"\xc2\x9b"
         "2J\xc2\x9b"
         "31mRED=1\n",
         path + R"(:1: unknown SWG size '\xc2\x9b2J\xc2\x9b31mRED')" + "\n"},
        {"12=0.5\n14=\x1b[31m\xff\x7f\n",
         path + R"(:2: the weight of 14 SWG, '\e[31m\xff\x7f', is not a number)" + "\n"},
    };
    for (const auto& [text, fault] : files) {
        SCOPED_TRACE(text.substr(0, 40));
        const auto outcome = run(withShelf(text));
        EXPECT_EQ(outcome.status, fault.empty() ? 0 : 2);
        EXPECT_EQ(outcome.out, fault.empty() ? workedOut : "");
        EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n') + 1),
                  fault.empty() ? "" : "wirnak-cli: " + fault);
    }
    std::filesystem::remove(path);
    // A folder is no file to read, whatever its name says.
    std::filesystem::create_directory(path);
    const auto folder = run({"--round", "8=1", "--shelf", path});
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.err.substr(0, folder.err.find('\n')),
              "wirnak-cli: " + path + ": cannot be read: Is a directory");
    std::filesystem::remove(path);
}

#ifndef _WIN32
// A pipe is read as a file is (/dev/stdin, a shell's <(...)), within the same limit. Windows has
// no /dev/fd to name one by.
TEST(Cli, AShelfIsReadFromAPipe) {
    const auto throughPipe = [](const std::string& text) {
        int ends[2];
        EXPECT_EQ(::pipe(ends), 0);
        std::thread writer([&text, in = ends[1]] {
            for (std::size_t done = 0; done < text.size();) {
                const auto written = ::write(in, text.data() + done, text.size() - done);
                if (written <= 0)
                    break;  // the reader stopped at its limit
                done += static_cast<std::size_t>(written);
            }
            ::close(in);
        });
        const auto outcome = run(
            {"--round", "8=1", "--weight", "2", "--shelf", "/dev/fd/" + std::to_string(ends[0])});
        ::close(ends[0]);
        writer.join();
        return outcome;
    };
    EXPECT_EQ(throughPipe("12=0.5\n13.5=2\n14=1\n").out, run(kWorkedExample).out);
    const auto tooLong = throughPipe(std::string(kLargestShelfFile + 1, '#'));
    EXPECT_EQ(tooLong.status, 2);
    EXPECT_NE(tooLong.err.find(": too long for a shelf file"), std::string::npos) << tooLong.err;
}
#endif

TEST(Cli, RankedOrdersAnswerFromTheWholeShelf) {
    // The rectangular job whose fewest-wires answer the first 10001 found never held.
    const auto rect = run(
        {"--rect", "5,2.5,2", "--available", "12,13.5,14,21,22,23,24,25,26", "--order", "wires"});
    EXPECT_EQ(rect.status, 0);
    EXPECT_TRUE(rect.out.starts_with(
        "12 SWG X 2, 13.5 SWG X 2, 14 SWG X 2,      24.94274  6 wires  3 sizes  -0.23 %\n"));
    EXPECT_TRUE(rect.out.ends_with("\nbest 10001 of 88994 combinations of at most 3 sizes\n"));
    std::set<std::string> lines;
    for (std::size_t at = 0, end; (end = rect.out.find('\n', at)) != std::string::npos;
         at = end + 1)
        EXPECT_TRUE(lines.insert(rect.out.substr(at, end - at)).second) << "twice: " << at;
    // One 8 SWG wire from 9 to 26 SWG: three wires, not the 52 of the first 10001 found.
    EXPECT_TRUE(
        run({"--round", "8=1", "--order", "wires", "--available",
             "9,10,11,12,13,13.5,14,14.5,15,15.5,16,16.5,17,17.5,18,18.5,19,19.5,20,20.5,"
             "21,21.5,22,22.5,23,24,25,26"})
            .out.starts_with("9 SWG X 1, 16 SWG X 1, 22.5 SWG X 1,      12.93949  3 wires"));

    // Stopped before its end, as an interrupt stops it, a ranking is no answer.
    const std::atomic<bool> interrupted = true;
    const auto stopped = cli::run(
        {"--round", "8=1", "--order", "closest", "--available", "12,13.5,14"}, &interrupted);
    EXPECT_EQ(stopped.status, 3);
    EXPECT_EQ(stopped.out, "");
    EXPECT_EQ(stopped.err, "wirnak-cli: the ranking was stopped before its end\n");

    // 32767 wires of 26 SWG reach the top exactly: the list is whole, as found and ranked.
    for (const char* order : {"wires", "sizes", "closest"}) {
        const auto edge = run({"--rect", "5418.38049,1,1", "--available", "26", "--order", order});
        EXPECT_EQ(edge.status, 0);
        EXPECT_TRUE(edge.out.ends_with("best 326 of 326 combinations of at most 3 sizes\n"));
    }
    // A little more, and 26 SWG would need more wires: the message of the search, no list; a
    // wire limit keeps every count within it.
    const auto beyond = run({"--rect", "5420,1,1", "--available", "26", "--order", "closest"});
    EXPECT_EQ(beyond.status, 3);
    EXPECT_EQ(beyond.out, "");
    EXPECT_EQ(beyond.err, run({"--rect", "5420,1,1", "--available", "26"}).err);
    const auto limited = run(
        {"--rect", "5420,1,1", "--available", "26", "--order", "closest", "--most-wires", "32767"});
    EXPECT_EQ(limited.status, 0);
    EXPECT_TRUE(limited.out.ends_with(" combinations of at most 3 sizes and 32767 wires\n"));

    // The edges of the wire count and of the limits, as found and ranked.
    struct Edge {
        std::vector<std::string> args;
        int status;
        std::string outEnd;  // what the output ends with
        std::string err;
    };
    const std::string needsTooMany =
        "wirnak-cli: search stopped early: 26 SWG would need more than 32767 wires\n";
    const Edge edges[] = {
        // 606 to 612 wires of 26 SWG lie in the window; the limit leaves those below it.
        {{"--rect", "100,1,1", "--available", "26", "--order", "wires", "--most-wires", "600"},
         0,
         "\n26 SWG X 600,      99.71414  600 wires  1 size  -0.29 %\n"
         "best 2 of 2 combinations of at most 3 sizes and 600 wires\n",
         ""},
        // Both sizes would need more than 32767 wires: the thinner is the one named.
        {{"--rect", "7000,1,1", "--available", "25,26"}, 3, "0 Wire combinations found\n", needsTooMany},
        {{"--rect", "7000,1,1", "--available", "26,25", "--order", "wires"}, 3, "", needsTooMany},
        // 32767 wires whose total is the window's top itself: within it, and the search ends.
        {{"--rect", "5418.46335,1,1", "--available", "26"},
         0,
         "\n26 SWG X 32767,      5445.556\n327 Wire combinations found\n",
         ""},
        {{"--rect", "5418.46335,1,1", "--available", "26", "--order", "closest"},
         0,
         "best 327 of 327 combinations of at most 3 sizes\n",
         ""},
        // Emptied by the limits alone, a ranked list is the report's apology.
        {threeOrders({"--order", "wires", "--most-wires", "3", "--rtf"}), 0,
         "{Sorry no match found}\nbest 0 of 0 combinations of at most 3 sizes and 3 wires\n", ""},
    };
    for (const Edge& edge : edges) {
        SCOPED_TRACE(edge.args[1]);
        const auto outcome = run(edge.args);
        EXPECT_EQ(outcome.status, edge.status);
        EXPECT_TRUE(edge.outEnd.empty() ? outcome.out.empty() : outcome.out.ends_with(edge.outEnd))
            << outcome.out.substr(outcome.out.size() -
                                  std::min<std::size_t>(200, outcome.out.size()));
        EXPECT_EQ(outcome.err, edge.err);
    }
    const auto limitedTo600 = run(edges[0].args);
    EXPECT_EQ(std::count(limitedTo600.out.begin(), limitedTo600.out.end(), '\n'), 3);
}

// Metric and AWG sizes stand beside the SWG sizes, thickest first by area, in every list.
TEST(Cli, MixedShelvesNameEachSizeByItsLabelThickestFirst) {
    EXPECT_EQ(run({"--round", "8=1", "--available", "2.5mm,1.06mm,14awg,12"}).out,
              "14 AWG X 2, 1.06 mm X 10,      12.98655\n"
              "2.50 mm X 1, 14 AWG X 3, 1.06 mm X 2,      12.91641\n"
              "2 Wire combinations found\n");
    EXPECT_EQ(run({"--round", "14awg=2", "--available", "1.6mm,1.12mm,16,18,1.25mm"}).out,
              "1.60 mm X 1, 18 SWG X 1, 1.12 mm X 1,      4.162893\n"
              "16 SWG X 2,      4.15299\n"
              "2 Wire combinations found\n");
    // Stars, CSV and the ranked orders take the labels as they are.
    EXPECT_EQ(run({"--round", "14awg=2", "--weight", "1", "--available",
                   "1.6mm=0.1,18=1,1.12mm=1,16=1", "--format", "csv"})
                  .out,
              "combination,total_mm2,wires,short_stock,deviation_pct,sizes\r\n"
              "\"1.60 mm X 1*, 18 SWG X 1, 1.12 mm X 1\",4.162893,3,1.60 mm,0.0259,3\r\n"
              "16 SWG X 2,4.15299,2,,-0.2120,1\r\n");
    EXPECT_TRUE(
        run({"--round", "8=1", "--available", "2.5mm,1.06mm,14awg", "--order", "wires"})
            .out.starts_with("2.50 mm X 1, 14 AWG X 3, 1.06 mm X 2,      12.91641  6 wires"));
    // Exactly twenty other sizes are taken; a thin one reaches the count limit by its label.
    EXPECT_EQ(run({"--rect", "0.1,0.1,1", "--available", otherSizes(20, "")}).out,
              "0.113 mm X 1,      0.01002875\n1 Wire combinations found\n");
    EXPECT_EQ(run({"--rect", "100,100,1", "--available", "0.05mm"}).err,
              "wirnak-cli: search stopped early: 0.05 mm would need more than 32767 wires\n");
}

TEST(Cli, HelpPrintsTheUsage) {
    const auto outcome = run({"--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.out.starts_with("usage: wirnak-cli"));
}

}  // namespace
