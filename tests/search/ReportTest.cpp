#include <gtest/gtest.h>

#include "search/Report.h"
#include "search/SearchFixture.h"

namespace {

TEST(Report, NoResultIsTheApologyAndACountOfZero) {
    auto job = std::make_unique<JobState>();
    RecordingView view;
    view.count = "7";
    writeReport(*job, view);
    EXPECT_EQ(view.rtf, "{Sorry no match found}");
    EXPECT_EQ(view.count, "0");
    EXPECT_TRUE(view.countLabelShown);
    EXPECT_EQ(view.progress, 29.0f);
    EXPECT_EQ(view.pointer, MousePointer::Default);
}

TEST(Report, EachLineEndsInAParagraphMarkAndNothingFollowsTheLast) {
    auto job = std::make_unique<JobState>();
    job->resultText[0] = "12 SWG X 2";
    job->resultArea[0] = 10.96442f;
    job->resultCount = 1;
    RecordingView view;
    writeReport(*job, view);
    EXPECT_EQ(view.rtf, "{12 SWG X 2,      10.96442\\par }");
    EXPECT_EQ(view.count, "1");
}

TEST(Report, PlainTextEndsEachLineWithALineFeedAndSkipsFreedSlots) {
    auto job = std::make_unique<JobState>();
    job->resultText[0] = "12 SWG X 2";
    job->resultArea[0] = 10.96442f;
    job->resultArea[1] = 7;  // a dropped repeat's total, never shown
    job->resultText[2] = "13 SWG X 3";
    job->resultArea[2] = 12.86852f;
    const ReportText report = reportText(*job, ",", ReportFormat::Plain);
    EXPECT_EQ(report.text, "12 SWG X 2,      10,96442\n13 SWG X 3,      12,86852\n");
    EXPECT_EQ(report.written, 2);
    EXPECT_EQ(reportText(JobState(), ".", ReportFormat::Plain).text, "Sorry no match found\n");
}

TEST(Report, WorkedExampleEndToEnd) {
    auto job = workedExample();
    RecordingView view;
    searchAndReport(*job, view);
    EXPECT_EQ(view.rtf,
              "{14 SWG X 4*,      12.97171\\par 12 SWG X 1*, 13.5 SWG X 2,      12.97468\\par }");
    EXPECT_EQ(view.count, "2");

    auto unchecked = workedExample();
    unchecked->noWeightCheck = 1;
    searchAndReport(*unchecked, view);
    EXPECT_EQ(view.rtf,
              "{14 SWG X 4,      12.97171\\par 12 SWG X 1, 13.5 SWG X 2,      12.97468\\par }");
}

TEST(Report, AreasUseTheUsersDecimalSeparator) {
    auto job = workedExample();
    RecordingView view;
    view.separator = ",";
    searchAndReport(*job, view);
    EXPECT_EQ(reportLines(*job, ",").front(), "14 SWG X 4*,      12,97171");
    EXPECT_NE(view.rtf.find("12,97468\\par }"), std::string::npos);
}

TEST(Report, AFullTableGivesAllItsLines) {
    auto job = std::make_unique<JobState>();
    for (int j = 0; j < kResultSlots; ++j) {
        job->resultText[j] = "26 SWG X " + std::to_string(j + 1);
        job->resultArea[j] = 0.5f;
    }
    job->resultCount = kResultSlots;
    RecordingView view;
    writeReport(*job, view);
    EXPECT_EQ(view.count, "10001");
    EXPECT_EQ(reportLines(*job).size(), 10001u);
    EXPECT_TRUE(view.rtf.ends_with("26 SWG X 10001,      0.5\\par }"));
}

}  // namespace
