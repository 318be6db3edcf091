#include "printing/PdfPrinterDialog.h"

PdfPrinterDialog::PdfPrinterDialog(const QString& pdfPath) : printer_(QPrinter::HighResolution) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(pdfPath);
}

QPrinter* PdfPrinterDialog::showPrinter() {
    ++timesShown_;
    if (answer_ == Answer::Cancel)
        return nullptr;
    const bool selectionSet = (flags() & OpenOnSelection) && answer_ != Answer::PrintAll;
    printer_.setPrintRange(selectionSet ? QPrinter::Selection : QPrinter::AllPages);
    return &printer_;
}
