#include "search/Report.h"

#include "gauge/Numeric.h"

namespace {
constexpr float kProgressFull = 29;
}

ReportText reportText(const JobState& job, const std::string& decimalSeparator) {
    ReportText report;
    std::string lines;
    for (int j = 0; j < kResultSlots; ++j) {
        const std::string& text = job.resultText[j];
        if (text.empty()) continue;
        lines += text;
        lines += ",      ";
        lines += numeric::formatGeneral(job.resultArea[j], decimalSeparator);
        lines += "\\par ";
        ++report.written;
    }
    report.rtf = "{" + (lines.empty() ? std::string(kNoMatchLine) : lines) + "}";
    return report;
}

void Write1(const JobState& job, ResultsView& view) {
    const ReportText report = reportText(job, view.decimalSeparator());
    view.setCountCaption(std::to_string(report.written));
    view.setReportRtf(report.rtf);
    view.setProgressValue(kProgressFull);
    view.showCountLabel();
    view.setMousePointer(ResultsView::kDefaultPointer);
}
