#pragma once

#include <memory>

#include "platform/Controls.h"
#include "platform/Page.h"
#include "platform/PrinterDialog.h"
#include "platform/ProgressBar.h"
#include "platform/RichTextBox.h"
#include "search/CombinationSearch.h"
#include "search/ResultsView.h"

// "Equivalent wire combinations": runs the search as it loads and shows the report, which the
// user can print. Back goes to the available wires for a fresh search; Finish ends the program.
class Form2 : public forms::Page, public ResultsView {
    Q_OBJECT

public:
    Form2();

    forms::CommandButton* Command3;  // "< &Back"
    forms::CommandButton* Command1;  // "&Next >", never enabled: this is the last page
    forms::CommandButton* Command4;  // "&Finish"
    forms::CommandButton* Command2;  // "print"
    ProgressBar* ProgressBar1;
    forms::Label* Label1;  // the number of combinations found
    forms::Label* Label2;  // "Wire combinations found"
    RichTextBox* RichTextBox1;
    std::unique_ptr<PrinterDialog> dlgPrint;

    // What the search and the report do to this page.
    float progressValue() const override { return ProgressBar1->value(); }
    void setProgressValue(float value) override { ProgressBar1->setValue(value); }
    void setMousePointer(short pointer) override { forms::Page::setMousePointer(pointer); }
    void setReportRtf(const std::string& rtf) override { RichTextBox1->setTextRTF(rtf); }
    void setCountCaption(const std::string& caption) override;
    void showCountLabel() override { Label2->setVisible(true); }
    std::string decimalSeparator() const override;

protected:
    void Form_Load() override;
    void Form_Resize() override { ResizeNote(); }

private:
    void ResizeNote();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void tellWhySearchStopped(SearchEnd end);
};
