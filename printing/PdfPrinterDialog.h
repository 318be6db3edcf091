#pragma once

#include <QString>

#include "printing/PrinterDialog.h"

// A printer dialog that shows nothing and prints to a PDF file, answering as a user would.
class PdfPrinterDialog : public PrinterDialog {
public:
    enum class Answer {
        Print,     // accept the dialog as it opened
        PrintAll,  // switch to "All", then accept
        Cancel,
    };

    explicit PdfPrinterDialog(const QString& pdfPath);

    void setAnswer(Answer answer) { answer_ = answer; }
    int timesShown() const { return timesShown_; }

    QPrinter* showPrinter() override;

private:
    Answer answer_ = Answer::Print;
    int timesShown_ = 0;
    QPrinter printer_;
};
