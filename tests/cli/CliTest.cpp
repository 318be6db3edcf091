#include <gtest/gtest.h>

#include <algorithm>

#include "cli/CliJob.h"

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

    // Ordered, the same 10001 lines are sorted: what was not found cannot be ordered. One 8 SWG
    // wire, the fewest of all, is found after the first 10001 and so is not among them.
    auto ordered = run({"--round", "8=1", "--order", "wires", "--available",
                        "8,9,10,11,12,13,13.5,14,14.5,15,15.5,16,16.5,17,17.5,18,18.5,19,"
                        "19.5,20,20.5,21,21.5,22,22.5,23,24,25,26"});
    EXPECT_EQ(ordered.status, 3);
    EXPECT_TRUE(ordered.out.starts_with("23 SWG X 3, 24 SWG X 49,      12.90242\n"));
    EXPECT_TRUE(ordered.err.ends_with("the order covers only the first 10001 found\n"));
    auto sortedLines = [](const std::string& text) {
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos;
             at = end + 1)
            lines.push_back(text.substr(at, end - at));
        std::sort(lines.begin(), lines.end());
        return lines;
    };
    EXPECT_EQ(sortedLines(ordered.out), sortedLines(outcome.out));
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

// One 8 SWG wire of a 2 kg winding from 14, 17 and 17.5 SWG with 5, 0.5 and 5 kg in stock: found,
// fewest-wires and closest orders all differ, and one line is short of 17 SWG.
std::vector<std::string> threeOrders(std::vector<std::string> options) {
    std::vector<std::string> args = {"--round", "8=1",         "--weight",
                                     "2",       "--available", "14=5,17=0.5,17.5=5"};
    args.insert(args.end(), options.begin(), options.end());
    return args;
}

TEST(Cli, OrderFilterAndCsvActOnTheReportsOwnLines) {
    const std::string nine = "17 SWG X 3*, 17.5 SWG X 6,      12.97529\n";
    const std::string five = "14 SWG X 3, 17 SWG X 2,      12.90506\n";
    const std::string four = "14 SWG X 4,      12.97171\n";
    const std::string count = "3 Wire combinations found\n";
    EXPECT_EQ(run(threeOrders({})).out, nine + five + four + count);
    EXPECT_EQ(run(threeOrders({"--order", "found"})).out, nine + five + four + count);
    EXPECT_EQ(run(threeOrders({"--order", "wires"})).out, four + five + nine + count);
    // 12.97171 is 0.0255 mm² from 12.94619, 12.97529 0.0291 and 12.90506 0.0411.
    EXPECT_EQ(run(threeOrders({"--order=closest"})).out, four + nine + five + count);
    EXPECT_EQ(run(threeOrders({"--in-stock-only", "--order", "wires"})).out,
              four + five + "3 Wire combinations found (2 shown)\n");
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
        {threeOrders({"--order", "fastest"}), "'fastest' is not one of found, wires, closest"},
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

TEST(Cli, HelpPrintsTheUsage) {
    const auto outcome = run({"--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.out.starts_with("usage: wirnak-cli"));
}

}  // namespace
