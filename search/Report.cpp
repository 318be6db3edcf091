#include "search/Report.h"

#include "gauge/Numeric.h"

namespace {
constexpr float kProgressFull = 29;
}

std::vector<std::string> reportLines(const JobState& job, const std::string& decimalSeparator) {
    std::vector<std::string> lines;
    for (int j = 0; j < kResultSlots; ++j) {
        const std::string& text = job.resultText[j];
        if (text.empty())
            continue;  // a slot freed by a dropped repeat
        lines.push_back(text + ",      " +
                        numeric::formatGeneral(job.resultArea[j], decimalSeparator));
    }
    return lines;
}

ReportText reportText(const JobState& job, const std::string& decimalSeparator) {
    ReportText report;
    std::string body;
    for (const std::string& line : reportLines(job, decimalSeparator)) {
        body += line;
        body += "\\par ";
        ++report.written;
    }
    report.rtf = "{" + (body.empty() ? std::string(kNoMatchLine) : body) + "}";
    return report;
}

void writeReport(const JobState& job, ResultsView& view) {
    const ReportText report = reportText(job, view.decimalSeparator());
    view.setCountCaption(std::to_string(report.written));
    view.setReportRtf(report.rtf);
    view.setProgressValue(kProgressFull);
    view.showCountLabel();
    view.setMousePointer(MousePointer::Default);
}
