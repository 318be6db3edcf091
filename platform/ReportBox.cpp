#include "platform/ReportBox.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>

#include "platform/RtfText.h"

ReportBox::ReportBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    // Read-only alone would leave the keyboard unable to select, and so to copy.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
}

void ReportBox::setRtf(std::string_view rtf) {
    rtf_ = QString::fromUtf8(rtf.data(), static_cast<qsizetype>(rtf.size()));
    const std::string text = rtfToPlainText(rtf);
    setColumnStops({});
    // One assignment for the whole report: inserting line by line costs seconds at 10001 lines.
    setPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void ReportBox::setRtf(const QString& rtf) {
    const std::string utf8 = rtf.toStdString();
    setRtf(std::string_view(utf8));
}

void ReportBox::setText(const QString& text) {
    rtf_.clear();
    setColumnStops({});
    setPlainText(text);
}

void ReportBox::setTable(const QList<QStringList>& rows) {
    rtf_.clear();
    const QFontMetricsF metrics(font());
    QList<qreal> widths;
    QStringList lines;
    lines.reserve(rows.size());
    for (const QStringList& row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (widths.size() == column)
                widths.append(0);
            widths[column] = std::max(widths[column], metrics.horizontalAdvance(row[column]));
        }
        lines << row.join(u'\t');
    }
    // A gap as wide as a line is high keeps the columns apart at any font size.
    const qreal gap = metrics.height();
    QList<QTextOption::Tab> stops;
    qreal end = widths.isEmpty() ? 0 : widths.front();
    for (qsizetype column = 1; column < widths.size(); ++column) {
        end += gap + widths[column];
        stops << QTextOption::Tab(end, QTextOption::RightTab);
    }
    setColumnStops(stops);
    setPlainText(lines.join(u'\n'));
}

QList<QTextOption::Tab> ReportBox::columnStops() const {
    return document()->defaultTextOption().tabs();
}

void ReportBox::setColumnStops(const QList<QTextOption::Tab>& stops) {
    QTextOption option = document()->defaultTextOption();
    option.setTabs(stops);
    document()->setDefaultTextOption(option);
}

int ReportBox::selectionLength() const {
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void ReportBox::printSelectionOrAll(QPrinter& printer) const {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        document()->print(&printer);
        return;
    }
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    selection.print(&printer);
}
