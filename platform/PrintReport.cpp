#include "platform/PrintReport.h"

#include <QPrinter>

#include "platform/PrinterDialog.h"
#include "platform/ReportBox.h"

void printReport(ReportBox& box, PrinterDialog& dialog) {
    int flags = PrinterDialog::ReturnPrinter + PrinterDialog::NoPageRange;
    if (box.selectionLength() != 0)
        flags += PrinterDialog::OpenOnSelection;
    dialog.setFlags(flags);

    QPrinter* printer = dialog.showPrinter();
    if (printer == nullptr || !printer->isValid())
        return;
    // The dialog opens on "Selection" when there is one; a user who switches it to "All" wants
    // all, which the selection must not narrow.
    const bool switchedToAll =
        box.selectionLength() != 0 && printer->printRange() != QPrinter::Selection;
    if (switchedToAll) {
        box.print(printer);
    } else {
        box.printSelectionOrAll(*printer);
    }
}
