#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <string_view>

class QPrinter;

// The report box of the results page. It shows the report as plain lines, one per paragraph,
// without wrapping, so that a long list stays one combination to a line; the user can select
// and copy but not edit it.
class RichTextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Replaces the whole content. The RTF is expected as UTF-8.
    void setTextRTF(std::string_view rtf);
    void setTextRTF(const QString& rtf);
    void setTextRTF(const char* rtf) { setTextRTF(std::string_view(rtf)); }

    // The rich text the box was last given; "" after setText.
    const QString& TextRTF() const { return rtf_; }

    // Replaces the whole content by plain text; "" empties the box.
    void setText(const QString& text);

    // Characters selected, 0 when nothing is.
    int SelLength() const;

    // Prints the selection, or the whole content when nothing is selected.
    void SelPrint(QPrinter& printer) const;

private:
    QString rtf_;
};
