#include "forms/ReportBox.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>

#include "forms/RtfText.h"

namespace {

// How wide a cell's text stands, from the advances of its characters, each measured once: laying
// out ten thousand lines of cells to measure them would hold the window up for a moment. Kerning
// is left out, which the gap between the columns more than covers.
class CellWidths {
public:
    explicit CellWidths(const QFont& font) : metrics_(font) {}

    qreal operator()(const QString& text) {
        qreal width = 0;
        for (const QChar character : text) {
            auto advance = advances_.constFind(character);
            if (advance == advances_.constEnd())
                advance = advances_.insert(character, metrics_.horizontalAdvance(character));
            width += *advance;
        }
        return width;
    }

private:
    QFontMetricsF metrics_;
    QHash<QChar, qreal> advances_;
};

}  // namespace

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

void ReportBox::setTable(const QList<QStringList>& rows, const QList<Qt::Alignment>& alignments) {
    rtf_.clear();
    CellWidths widthOf(font());
    QList<qreal> widths;
    QStringList lines;
    lines.reserve(rows.size());
    for (const QStringList& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (qsizetype column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], widthOf(row[column]));
        lines << row.join(u'\t');
    }
    // A gap as wide as a line is high keeps the columns apart at any font size.
    const qreal gap = QFontMetricsF(font()).height();
    QList<QTextOption::Tab> stops;
    qreal end = widths.isEmpty() ? 0 : widths.front();
    for (qsizetype column = 1; column < widths.size(); ++column) {
        const qreal start = end + gap;
        end = start + widths[column];
        if (alignments.value(column, Qt::AlignRight) == Qt::AlignLeft)
            stops << QTextOption::Tab(start, QTextOption::LeftTab);
        else
            stops << QTextOption::Tab(end, QTextOption::RightTab);
    }
    setColumnStops(stops);
    setPlainText(lines.join(u'\n'));
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
