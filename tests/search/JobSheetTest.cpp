#include <gtest/gtest.h>

#include "search/JobDescription.h"
#include "search/JobSheet.h"
#include "search/Report.h"
#include "search/SearchFixture.h"

namespace {

std::unique_ptr<JobState> searched(std::unique_ptr<JobState> job) {
    RecordingView view;
    searchAndReport(*job, view);
    return job;
}

std::unique_ptr<JobState> workedExampleAsEntered() {
    auto job = workedExample();
    job->origSection = OriginalSection::Round;
    return searched(std::move(job));
}

ShownList listOf(const JobState& job, ListChoice choice = {}) {
    const std::vector<FoundResult> found = foundResults(job);
    ShownList list;
    list.shown = shownResults(found, choice);
    list.choice = choice;
    list.foundCount = found.size();
    list.countLine = foundCountLine(found.size(), list.shown.size());
    return list;
}

TEST(JobSheet, WorkedExampleTextCarriesTheJobTheShelfAndTheListInColumns) {
    const auto job = workedExampleAsEntered();
    EXPECT_EQ(sheetText(jobSheet(*job, listOf(*job), "Saved 2025-05-03 14:05")),
              "Wirnak – equivalent wire combinations\n"
              "Saved 2025-05-03 14:05\n"
              "\n"
              "Original conductor  1 × 8 SWG\n"
              "Cross-section       12.94619 mm²\n"
              "Total weight        2 kg\n"
              "Accepted            12.88146 to 13.01092 mm²\n"
              "Shelf               12 SWG    0.5 kg | 13.5 SWG    2 kg | 14 SWG      1 kg\n"
              "\n"
              "2 Wire combinations found\n"
              "* = stock too light for its share of 2 kg\n"
              "\n"
              "Combination                 Total mm²\n"
              "14 SWG X 4*                  12.97171\n"
              "12 SWG X 1*, 13.5 SWG X 2    12.97468\n");
}

TEST(JobSheet, ARankedListShowsItsOrderAndFiguresAndTotalsStandOnTheirPoint) {
    // Totals of different lengths, one on target, with the user's decimal comma.
    auto job = std::make_unique<JobState>();
    job->origArea = 10;
    job->noWeightCheck = 1;
    job->resultText[0] = "9 SWG X 1, 12 SWG X 2";
    job->resultArea[0] = 9.96f;
    job->resultText[1] = "13 SWG X 12";
    job->resultArea[1] = 10;
    job->resultText[2] = "14 SWG X 3";
    job->resultArea[2] = 10.01234f;
    const std::vector<FoundResult> found = foundResults(*job, ",");
    ShownList list;
    list.choice = ListChoice(ResultOrder::ClosestToOriginal);
    list.shown = shownResults(found, list.choice);
    list.foundCount = found.size();
    list.countLine = "best 3 of 3 combinations of at most 3 sizes";
    const JobSheet sheet = jobSheet(*job, list, "Printed 2025-05-03 14:05", ",");

    EXPECT_EQ(sheet.job.back().name, "Order");
    EXPECT_EQ(sheet.job.back().value, "closest to original, at most 3 sizes");
    const std::string text = sheetText(sheet);
    const std::string table = text.substr(text.find("Combination"));
    EXPECT_EQ(table,
              "Combination             Total mm²   Wires   Sizes   Deviation\n"
              "13 SWG X 12              10            12       1     +0,00 %\n"
              "14 SWG X 3               10,01234       3       1     +0,12 %\n"
              "9 SWG X 1, 12 SWG X 2     9,96          3       2     -0,40 %\n");
    EXPECT_NE(text.find("Stock check off: no size is marked with *.\n"), std::string::npos);
}

TEST(JobSheet, AnEmptyRankedListBlamesTheLimitsAndACutListSaysSo) {
    const auto job = workedExampleAsEntered();
    // A ranking whose limits leave nothing: the limits, not the stock, are why.
    ShownList ranked = listOf(*job, ListChoice(ResultOrder::FewestWires, false, {1, 2}));
    ranked.shown.clear();
    EXPECT_NE(sheetText(jobSheet(*job, ranked, "Saved"))
                  .find("\nNo combination lies within the limits.\n"),
              std::string::npos);

    ShownList cut = listOf(*job);
    cut.end = SearchEnd::TableFull;
    EXPECT_NE(sheetText(jobSheet(*job, cut, "Saved"))
                  .find("The search stopped early: the list holds the first 10001 combinations "
                        "found.\n"),
              std::string::npos);
}

TEST(JobSheet, TheFileNameComesFromTheJobInSafeCharacters) {
    JobState job;
    EXPECT_EQ(suggestedFileName(job), "wire-combinations");
    job.origSection = OriginalSection::Round;
    job.origGaugeArea[0] = 1;
    job.origWireCount[0] = 1;
    EXPECT_EQ(suggestedFileName(job), "8SWGx1-combinations");
    for (GaugeIndex gauge : {6, 19, 28, 27}) {
        job.origGaugeArea[gauge] = 1;
        job.origWireCount[gauge] = 2;
    }
    EXPECT_EQ(suggestedFileName(job), "8SWGx1_13.5SWGx2_20SWGx2_plus2-combinations");
    // Other sizes stand among the SWG sizes, thickest first, as in a line.
    job.origGaugeArea = {};
    job.origOther = {{WireSize::metric(1060), 2}, {WireSize::awg(14), 1}};
    EXPECT_EQ(suggestedFileName(job), "14AWGx1_1.06mmx2-combinations");
    EXPECT_EQ(conductorWords(job), "1 × 14 AWG + 2 × 1.06 mm");

    job.origSection = OriginalSection::Rectangular;
    job.origRectangular = {5, 2.5, 2};
    EXPECT_EQ(suggestedFileName(job), "rect5x2.5x2-combinations");
    job.origRectangular.cornerRadius = 0.5;
    EXPECT_EQ(suggestedFileName(job), "rect5x2.5r0.5x2-combinations");
    job.origRectangular = {1e+20, 0.001, -1, 0};
    EXPECT_EQ(suggestedFileName(job), "rect1e_20x0.001x-1-combinations");
}

}  // namespace
