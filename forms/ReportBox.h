#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QTextOption>
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

    // Replaces the whole content by a table, one row to a line, its cells separated by tabs:
    // each column as wide as its widest cell, a gap apart. The first starts at the left edge;
    // each other one is aligned as given for it (Qt::AlignLeft or Qt::AlignRight), right where
    // nothing is given. Copied lines keep the tabs, so they paste as columns.
    void setTable(const QList<QStringList>& rows, const QList<Qt::Alignment>& alignments = {});

    // Characters selected, 0 when nothing is.
    int selectionLength() const;

    // Prints the selection, or the whole content when nothing is selected.
    void printSelectionOrAll(QPrinter& printer) const;

private:
    void setColumnStops(const QList<QTextOption::Tab>& stops);

    QString rtf_;
};
