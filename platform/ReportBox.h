#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <string_view>

class QPrinter;

// The report box of the results page. It shows the report as plain lines, one per paragraph,
// without wrapping, so that a long list stays one combination to a line; the user can select
// and copy but not edit it.
class ReportBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ReportBox(QWidget* parent = nullptr);

    // Replaces the whole content. The RTF is expected as UTF-8.
    void setRtf(std::string_view rtf);
    void setRtf(const QString& rtf);
    void setRtf(const char* rtf) { setRtf(std::string_view(rtf)); }

    // The rich text the box was last given; "" after setText.
    const QString& rtf() const { return rtf_; }

    // Replaces the whole content by plain text; "" empties the box.
    void setText(const QString& text);

    // Characters selected, 0 when nothing is.
    int selectionLength() const;

    // Prints the selection, or the whole content when nothing is selected.
    void printSelectionOrAll(QPrinter& printer) const;

private:
    QString rtf_;
};
