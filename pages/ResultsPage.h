#pragma once

#include <memory>

#include "forms/Controls.h"
#include "forms/Page.h"
#include "forms/ProgressBar.h"
#include "forms/ReportBox.h"
#include "pages/ListControls.h"
#include "printing/PrinterDialog.h"
#include "search/CombinationSearch.h"
#include "search/ResultsView.h"

// "Equivalent wire combinations": runs the search as it loads and shows the report, which the
// user can print. Back goes to the available wires for a fresh search; Finish ends the program.
class ResultsPage : public forms::Page, public ResultsView {
    Q_OBJECT

public:
    ResultsPage();

    forms::CommandButton* backButton;
    forms::CommandButton* nextButton;  // never enabled: this is the last page
    forms::CommandButton* finishButton;
    forms::CommandButton* printButton;
    ProgressBar* progressBar;
    forms::Label* countLabel;  // the number of combinations found
    forms::Label* foundLabel;  // "Wire combinations found", once the report is written
    ReportBox* reportBox;
    std::unique_ptr<PrinterDialog> printerDialog;
    ListControls* listControls = nullptr;  // job line, filter, order and saving of the list

    // What the search and the report do to this page.
    float progressValue() const override { return progressBar->value(); }
    void setProgressValue(float value) override { progressBar->setValue(value); }
    void setMousePointer(MousePointer pointer) override { forms::Page::setMousePointer(pointer); }
    void setReportRtf(const std::string& rtf) override { reportBox->setRtf(rtf); }
    void setCountCaption(const std::string& caption) override;
    void showCountLabel() override { foundLabel->setVisible(true); }
    std::string decimalSeparator() const override;

protected:
    void loadEvent() override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void layoutReportBox();
    void print();
    void back();
    void finish();
    void tellWhySearchStopped(const SearchOutcome& outcome);
};
