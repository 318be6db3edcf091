#include "printing/PrinterDialog.h"

#include <QPrintDialog>

#ifdef Q_OS_WIN
#include <QPrinterInfo>

#include "forms/MessageBox.h"
#endif

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

// Qt's dialog still shows its page-range choices, greyed or not, beside "Selection"; where no
// page range is to be offered they go altogether. The names are those of Qt's own form, where
// "label_3" is also the printer's "Type:", outside the range's box.
void hidePageRangeChoices(QPrintDialog& dialog) {
    auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"));
    if (!range) {
        return;
    }
    for (const char* name :
         {"printRange", "from", "label_3", "to", "pagesRadioButton", "pagesLineEdit"}) {
        if (auto* choice = range->findChild<QWidget*>(QLatin1String(name))) {
            choice->hide();
        }
    }
}

}  // namespace

QtPrinterDialog::QtPrinterDialog(QWidget* parent)
    : parent_(parent), printer_(QPrinter::HighResolution) {
    printer_.setDocName("Wirnak");
}

QPrinter* QtPrinterDialog::showPrinter() {
#ifdef Q_OS_WIN
    // Windows' own dialog offers no file to print into, and with no printer it does not open
    // at all: the user is told rather than left with a button that does nothing.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        forms::showMessage(QStringLiteral("No printer is installed.\n\nTo keep the job sheet as "
                                          "a PDF file, use Save… and choose PDF files (*.pdf)."),
                           forms::kWarningOk);
        return nullptr;
    }
#endif
    QPrintDialog dialog(&printer_, parent_);
    dialog.setOptions(optionsFor(flags()));
    if (flags() & NoPageRange)
        hidePageRangeChoices(dialog);
    dialog.setPrintRange(flags() & OpenOnSelection ? QAbstractPrintDialog::Selection
                                                   : QAbstractPrintDialog::AllPages);
    return dialog.exec() == QDialog::Accepted ? &printer_ : nullptr;
}
