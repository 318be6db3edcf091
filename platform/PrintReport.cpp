#include "platform/PrintReport.h"

#include <QPrinter>

#include "platform/PrinterDialog.h"
#include "platform/RichTextBox.h"

void printReport(RichTextBox& box, PrinterDialog& dialog) {
    int flags = PrinterDialog::PD_RETURNDC + PrinterDialog::PD_NOPAGENUMS;
    if (box.SelLength() != 0)
        flags += PrinterDialog::PD_SELECTION;
    dialog.setFlags(flags);

    QPrinter* printer = dialog.showPrinter();
    if (printer == nullptr || !printer->isValid())
        return;
    // The dialog opens on "Selection" when there is one; a user who switches it to "All" wants
    // all, which the selection must not narrow.
    const bool switchedToAll = box.SelLength() != 0 && printer->printRange() != QPrinter::Selection;
    if (switchedToAll) {
        box.print(printer);
    } else {
        box.SelPrint(*printer);
    }
}
