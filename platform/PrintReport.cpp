#include "platform/PrintReport.h"

#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "platform/MessageBox.h"
#include "platform/PrinterDialog.h"
#include "platform/ReportBox.h"
#include "platform/SafePdfOutput.h"

namespace {

// The header in bold and a blank line, then the lines printed, in the box's font. The box itself
// is left as it is.
void printBelowHeader(const ReportBox& box, QPrinter& printer, const QString& header,
                      bool selectionOnly) {
    QTextDocument page;
    page.setDefaultFont(box.document()->defaultFont());
    QTextCursor cursor(&page);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(header, bold);
    cursor.insertBlock();
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    const int firstLine = cursor.position();
    cursor.insertFragment(selectionOnly ? box.textCursor().selection()
                                        : QTextDocumentFragment(box.document()));
    // The box keeps its columns for the whole of it; the page takes them line by line.
    if (!box.columnStops().isEmpty()) {
        QTextBlockFormat columns;
        columns.setTabPositions(box.columnStops());
        cursor.setPosition(firstLine, QTextCursor::KeepAnchor);
        cursor.mergeBlockFormat(columns);
    }
    page.print(&printer);
}

}  // namespace

void printReport(ReportBox& box, PrinterDialog& dialog, const QString& header) {
    int flags = PrinterDialog::ReturnPrinter + PrinterDialog::NoPageRange;
    if (box.selectionLength() != 0)
        flags += PrinterDialog::OpenOnSelection;
    dialog.setFlags(flags);

    QPrinter* printer = dialog.showPrinter();
    if (printer == nullptr || !printer->isValid())
        return;
    SafePdfOutput output(*printer);
    if (!output.notReady().isEmpty()) {
        forms::showMessage(output.notReady(), forms::kWarningOk);
        return;
    }
    // The dialog opens on "Selection" when there is one; a user who switches it to "All" wants
    // all, which the selection must not narrow.
    const bool switchedToAll =
        box.selectionLength() != 0 && printer->printRange() != QPrinter::Selection;
    if (!header.isEmpty()) {
        printBelowHeader(box, *printer, header, box.selectionLength() != 0 && !switchedToAll);
    } else if (switchedToAll) {
        box.print(printer);
    } else {
        box.printSelectionOrAll(*printer);
    }
    if (const QString failure = output.finish(); !failure.isEmpty())
        forms::showMessage(failure, forms::kWarningOk);
}
