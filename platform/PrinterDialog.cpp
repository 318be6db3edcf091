#include "platform/PrinterDialog.h"

#include <QPrintDialog>

namespace {

QAbstractPrintDialog::PrintDialogOptions optionsFor(int flags) {
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile |
                                                       QAbstractPrintDialog::PrintShowPageSize |
                                                       QAbstractPrintDialog::PrintCollateCopies;
    if (flags & PrinterDialog::OpenOnSelection)
        options |= QAbstractPrintDialog::PrintSelection;
    if (!(flags & PrinterDialog::NoPageRange))
        options |= QAbstractPrintDialog::PrintPageRange;
    return options;
}

}  // namespace

QtPrinterDialog::QtPrinterDialog(QWidget* parent)
    : parent_(parent), printer_(QPrinter::HighResolution) {
    printer_.setDocName("Wirnak");
}

QPrinter* QtPrinterDialog::showPrinter() {
    QPrintDialog dialog(&printer_, parent_);
    dialog.setOptions(optionsFor(flags()));
    dialog.setPrintRange(flags() & OpenOnSelection ? QAbstractPrintDialog::Selection
                                                   : QAbstractPrintDialog::AllPages);
    return dialog.exec() == QDialog::Accepted ? &printer_ : nullptr;
}
