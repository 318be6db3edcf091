#include "platform/ReportBox.h"

#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

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
    // One assignment for the whole report: inserting line by line costs seconds at 10001 lines.
    setPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void ReportBox::setRtf(const QString& rtf) {
    const std::string utf8 = rtf.toStdString();
    setRtf(std::string_view(utf8));
}

void ReportBox::setText(const QString& text) {
    rtf_.clear();
    setPlainText(text);
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
