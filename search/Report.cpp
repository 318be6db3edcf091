#include "search/Report.h"

#include "gauge/Numeric.h"

namespace {

constexpr std::string_view kBeforeArea = ",      ";

void appendLine(std::string& out, const std::string& text, float area,
                const std::string& decimalSeparator) {
    out += text;
    out += kBeforeArea;
    out += numeric::formatGeneral(area, decimalSeparator);
}

// Slots freed by a dropped repeat hold the empty text and give no line. The report of a full
// table runs to some hundreds of kilobytes: it is built in one string of about its final size.
short appendLines(std::string& out, const JobState& job, std::string_view lineEnd,
                  const std::string& decimalSeparator) {
    constexpr std::size_t kAreaRoom = 16;
    std::size_t size = out.size();
    for (const std::string& text : job.resultText) {
        if (!text.empty())
            size += text.size() + kBeforeArea.size() + kAreaRoom + lineEnd.size();
    }
    out.reserve(size);
    short written = 0;
    for (int j = 0; j < kResultSlots; ++j) {
        if (job.resultText[j].empty())
            continue;
        appendLine(out, job.resultText[j], job.resultArea[j], decimalSeparator);
        out += lineEnd;
        ++written;
    }
    return written;
}

}  // namespace

std::string reportLine(const std::string& text, float area, const std::string& decimalSeparator) {
    std::string line;
    appendLine(line, text, area, decimalSeparator);
    return line;
}

std::vector<std::string> reportLines(const JobState& job, const std::string& decimalSeparator) {
    std::vector<std::string> lines;
    for (int j = 0; j < kResultSlots; ++j) {
        if (job.resultText[j].empty())
            continue;
        lines.emplace_back();
        appendLine(lines.back(), job.resultText[j], job.resultArea[j], decimalSeparator);
    }
    return lines;
}

ReportText reportText(const JobState& job, const std::string& decimalSeparator,
                      ReportFormat format) {
    ReportText report;
    if (format == ReportFormat::Plain) {
        report.written = appendLines(report.text, job, "\n", decimalSeparator);
        if (report.written == 0) {
            report.text = kNoMatchLine;
            report.text += '\n';
        }
        return report;
    }
    report.text = "{";
    report.written = appendLines(report.text, job, "\\par ", decimalSeparator);
    if (report.written == 0)
        report.text += kNoMatchLine;
    report.text += "}";
    return report;
}

void writeReport(const JobState& job, ResultsView& view) {
    const ReportText report = reportText(job, view.decimalSeparator());
    view.setCountCaption(std::to_string(report.written));
    view.setReportRtf(report.text);
    view.setProgressValue(static_cast<float>(progressTop(job)));
    view.showCountLabel();
    view.setMousePointer(MousePointer::Default);
}
