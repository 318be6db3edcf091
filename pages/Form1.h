#pragma once

#include "gauge/GaugeTable.h"
#include "platform/Controls.h"
#include "platform/Page.h"

class QTextEdit;

// "Available wires": the sizes at hand, each with the weight of that wire in stock while the
// weight check is on. Next fixes the window of accepted areas and opens the results.
class Form1 : public forms::Page {
    Q_OBJECT

public:
    Form1();

    QTextEdit* Text1;  // the note on what to tick
    forms::ControlArray<forms::CheckBox, kGaugeCount> Check1;
    forms::ControlArray<forms::TextBox, kGaugeCount> Text4;  // weight in stock, kg
    forms::ControlArray<forms::Label, kGaugeCount> Label4;   // "KG"
    forms::CommandButton* Command1;                          // "< &Back"
    forms::CommandButton* Command2;                          // "&Next >"
    forms::CommandButton* Command3;                          // "&Cancle"

private:
    void placeGaugeRow(GaugeIndex index);
    void Check1_Click(GaugeIndex Index);
    void Text4_LostFocus(GaugeIndex Index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void hideWeightBoxes();
};
