#include <gtest/gtest.h>

#include <cmath>

#include "search/JobDescription.h"
#include "search/ListFormats.h"
#include "search/Report.h"
#include "search/ResultList.h"
#include "search/SearchFixture.h"

namespace {

std::unique_ptr<JobState> searchedWorkedExample(short noWeightCheck = 0) {
    auto job = workedExample();
    job->noWeightCheck = noWeightCheck;
    RecordingView view;
    searchAndReport(*job, view);
    return job;
}

// A result table written directly: text and total of each slot, target 10 mm².
std::unique_ptr<JobState> recorded(std::vector<std::pair<std::string, float>> results) {
    auto job = std::make_unique<JobState>();
    job->origArea = 10;
    for (std::size_t j = 0; j < results.size(); ++j) {
        job->resultText[j] = results[j].first;
        job->resultArea[j] = results[j].second;
    }
    job->resultCount = static_cast<short>(results.size());
    return job;
}

std::vector<std::string> combinations(const std::vector<FoundResult>& results) {
    std::vector<std::string> texts;
    for (const FoundResult& result : results) texts.push_back(result.combination);
    return texts;
}

TEST(ResultList, WorkedExampleResultsCarryTheirWiresShortSizesAndDeviation) {
    const auto job = searchedWorkedExample();
    const std::vector<FoundResult> found = foundResults(*job, ",");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].line, reportLines(*job, ",")[0]);
    EXPECT_EQ(found[1].line, "12 SWG X 1*, 13.5 SWG X 2,      12,97468");
    EXPECT_EQ(found[1].combination, "12 SWG X 1*, 13.5 SWG X 2");
    EXPECT_EQ(found[0].totalArea, 12.97171f);
    EXPECT_EQ(found[0].wires, 4);
    EXPECT_EQ(found[1].wires, 3);
    EXPECT_EQ(found[0].shortStock, std::vector<std::string>{"14 SWG"});
    EXPECT_EQ(found[1].shortStock, std::vector<std::string>{"12 SWG"});
    EXPECT_FALSE(found[1].coveredByStock());
    // (12.97171 − 12.946188) / 12.946188 × 100 and (12.97468 − 12.946188) / 12.946188 × 100
    EXPECT_NEAR(*found[0].deviationPercent, 0.197139, 1e-5);
    EXPECT_NEAR(*found[1].deviationPercent, 0.220080, 1e-5);

    for (const FoundResult& result : foundResults(*searchedWorkedExample(1))) {
        EXPECT_TRUE(result.coveredByStock()) << result.line;
    }
}

TEST(ResultList, OrdersKeepTiesInTheOrderFoundAndTheFilterDropsStarredLines) {
    // A freed slot between results, as a dropped repeat may leave, is skipped as the report
    // skips it.
    const auto job = recorded({{"9 SWG X 1, 26 SWG X 2*", 10.03f},
                               {"10 SWG X 2", 9.99f},
                               {"", 0},
                               {"11 SWG X 1, 12 SWG X 2", 10.01f},
                               {"13 SWG X 1*, 26 SWG X 119", 10.02f},
                               {"12 SWG X 1, 13 SWG X 1", 9.98f}});
    job->resultCount = 6;
    const std::vector<FoundResult> found = foundResults(*job);
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found[2].line, "11 SWG X 1, 12 SWG X 2,      10.01");
    EXPECT_EQ(found[3].wires, 120);

    const std::vector<std::string> asFound = combinations(found);
    EXPECT_EQ(combinations(shownResults(found, {})), asFound);
    EXPECT_EQ(
        combinations(shownResults(found, {ResultOrder::FewestWires, false})),
        (std::vector<std::string>{"10 SWG X 2", "12 SWG X 1, 13 SWG X 1", "9 SWG X 1, 26 SWG X 2*",
                                  "11 SWG X 1, 12 SWG X 2", "13 SWG X 1*, 26 SWG X 119"}));
    EXPECT_EQ(combinations(shownResults(found, {ResultOrder::ClosestToOriginal, false})),
              (std::vector<std::string>{"10 SWG X 2", "11 SWG X 1, 12 SWG X 2",
                                        "13 SWG X 1*, 26 SWG X 119", "12 SWG X 1, 13 SWG X 1",
                                        "9 SWG X 1, 26 SWG X 2*"}));
    EXPECT_EQ(combinations(shownResults(found, {ResultOrder::AsFound, true})),
              (std::vector<std::string>{"10 SWG X 2", "11 SWG X 1, 12 SWG X 2",
                                        "12 SWG X 1, 13 SWG X 1"}));
    EXPECT_EQ(combinations(shownResults(found, {ResultOrder::FewestWires, true})),
              (std::vector<std::string>{"10 SWG X 2", "12 SWG X 1, 13 SWG X 1",
                                        "11 SWG X 1, 12 SWG X 2"}));
}

// One float step either side of 10 is the same distance from 10 as a float, but not from the
// target 10.0000001 that a rectangular wire can give.
TEST(ResultList, ClosestMeasuresInDoubleAgainstTarget10Point0000001) {
    const float below = std::nextafter(10.0f, 0.0f);
    const float above = 10.0f + (10.0f - below);
    const auto job = recorded({{"10 SWG X 1", below}, {"10 SWG X 2", above}});
    job->origArea = 10.0000001;
    EXPECT_EQ(combinations(shownResults(foundResults(*job), {ResultOrder::ClosestToOriginal})),
              (std::vector<std::string>{"10 SWG X 2", "10 SWG X 1"}));
}

TEST(JobLine, NamesTheConductorItsTargetTheWindowAndWhatTheStarMeans) {
    const auto job = workedExample();
    EXPECT_EQ(jobLine(*job),
              "Original 12.94619 mm², accepted 12.88146 to 13.01092 mm² · * = stock too light "
              "for its share of 2 kg");
    job->origSection = OriginalSection::Round;
    EXPECT_EQ(jobLine(*job),
              "Original 1 × 8 SWG: 12.94619 mm², accepted 12.88146 to 13.01092 mm² · * = stock "
              "too light for its share of 2 kg");
    job->noWeightCheck = 1;
    job->origWeight = 2.5f;
    EXPECT_EQ(jobLine(*job, ","),
              "Original 1 × 8 SWG: 12,94619 mm², accepted 12,88146 to 13,01092 mm² · stock check "
              "off");

    job->origSection = OriginalSection::Rectangular;
    job->origRectangular = {5, 2.5, 2, 0.5};
    job->origArea = rectangularArea(5, 2.5, 2, 0.5);
    setAreaWindow(*job);
    EXPECT_EQ(jobLine(*job),
              "Original rectangular 5 × 2.5 mm, corners r 0.5 mm, 2 in parallel: 24.5708 mm², "
              "accepted 24.44794 to 24.69365 mm² · stock check off");
}

// 1.025 × 9.843 mm: the double 10.08907499… rounds to 10.08907, its nearest float to 10.08908.
TEST(JobLine, ARectangularTargetIsRoundedFromItsDouble_1_025By9_843) {
    auto job = std::make_unique<JobState>();
    job->origArea = rectangularArea(1.025, 9.843, 1);
    setAreaWindow(*job);
    EXPECT_TRUE(jobLine(*job).starts_with("Original 10.08907 mm², accepted 10.03863 to "))
        << jobLine(*job);
}

TEST(ListFormats, TheListAsFoundIsTheReportItself) {
    for (const short check : {0, 1}) {
        const auto job = searchedWorkedExample(check);
        EXPECT_EQ(listRtf(foundResults(*job)), reportText(*job).text);
    }
    const auto none = std::make_unique<JobState>();
    EXPECT_EQ(listRtf(foundResults(*none)), reportText(*none).text);
    EXPECT_EQ(listText(foundResults(*searchedWorkedExample(), ",")),
              "14 SWG X 4*,      12,97171\n12 SWG X 1*, 13.5 SWG X 2,      12,97468\n");
}

TEST(ListFormats, CsvQuotesCombinationsAndWritesDotsWhateverTheSeparator) {
    EXPECT_EQ(listCsv(foundResults(*searchedWorkedExample(), ",")),
              "combination,total_mm2,wires,short_stock,deviation_pct,sizes\r\n"
              "14 SWG X 4*,12.97171,4,14 SWG,0.1971,1\r\n"
              "\"12 SWG X 1*, 13.5 SWG X 2\",12.97468,3,12 SWG,0.2201,2\r\n");

    auto job = recorded({{"12 SWG X 1*, 13.5 SWG X 2, 14 SWG X 1*", 9.99999f}});
    EXPECT_EQ(listCsv(foundResults(*job)),
              "combination,total_mm2,wires,short_stock,deviation_pct,sizes\r\n"
              "\"12 SWG X 1*, 13.5 SWG X 2, 14 SWG X 1*\",9.99999,4,12 SWG;14 SWG,-0.0001,3\r\n");
    job->origArea = 0;
    EXPECT_TRUE(listCsv(foundResults(*job)).ends_with(",12 SWG;14 SWG,,3\r\n"));
}

}  // namespace

TEST(JobDescription, TheConductorInWordsNamesTickedSizesOrTheRectangularWireAsEntered) {
    auto job = std::make_unique<JobState>();
    EXPECT_EQ(conductorWords(*job), "");
    job->origSection = OriginalSection::Round;
    for (const auto& [gauge, count] : {std::pair<GaugeIndex, short>{0, 3}, {19, 2}, {7, 5}}) {
        job->origGaugeArea[gauge] = static_cast<float>(gaugeArea(gauge));
        job->origWireCount[gauge] = count;
    }
    job->origGaugeArea[7] = 0;  // 14 SWG cleared: its count stays but it is not part of the wire
    EXPECT_EQ(conductorWords(*job), "3 × 8 SWG + 2 × 20 SWG");

    job->origSection = OriginalSection::Rectangular;
    job->origRectangular = {5, 2.5, 2};
    EXPECT_EQ(conductorWords(*job), "rectangular 5 × 2.5 mm, 2 in parallel");
    job->origRectangular = {0.1, 3, 1.5};
    EXPECT_EQ(conductorWords(*job, ","), "rectangular 0,1 × 3 mm, 1,5 in parallel");
    job->origRectangular = {0.1, 3, 1.5, 0.05};
    EXPECT_EQ(conductorWords(*job, ","),
              "rectangular 0,1 × 3 mm, corners r 0,05 mm, 1,5 in parallel");
}
