#pragma once

#include <QPrinter>

class QWidget;

// The printer dialog of the results page, behind an interface so that tests can print without
// showing it. A cancelled dialog always comes back as "no printer"; the print action treats that
// as the end of the action, as it does any other failure.
class PrinterDialog {
public:
    // What the dialog offers, as a sum of these.
    enum Flag : int {
        OpenOnSelection = 1,  // offer "Selection" and open with it set
        NoPageRange = 8,      // no choice of a page range
        ReturnPrinter = 256,  // hand back the printer chosen
    };

    virtual ~PrinterDialog() = default;

    int flags() const { return flags_; }
    void setFlags(int flags) { flags_ = flags; }

    // Modal. The printer chosen, set up as the user left the dialog (its print range tells
    // "All" from "Selection"), or nullptr when the user cancelled. The dialog owns the printer
    // and keeps the user's choices for the next time.
    virtual QPrinter* showPrinter() = 0;

private:
    int flags_ = 0;
};

// The platform's own print dialog. Where no printer is installed, Qt's dialog still offers
// printing to a PDF file; Windows' dialog has no such choice, so there the user is told to save
// the sheet as PDF instead.
class QtPrinterDialog : public PrinterDialog {
public:
    explicit QtPrinterDialog(QWidget* parent = nullptr);

    QPrinter* showPrinter() override;

private:
    QWidget* parent_;
    QPrinter printer_;
};
