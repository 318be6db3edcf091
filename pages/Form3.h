#pragma once

#include "gauge/GaugeTable.h"
#include "gauge/JobState.h"
#include "platform/Controls.h"
#include "platform/Page.h"

// "Original Wires": the conductor to be replaced, as round wires of one or more gauges or as a
// rectangular wire, and its total weight. "&Next >" turns the entries into the job's target.
class Form3 : public forms::Page {
    Q_OBJECT

public:
    Form3();

    forms::Frame* Frame1;
    forms::OptionButton* Option2;  // circular section
    forms::OptionButton* Option3;  // rectangular section

    forms::Label* Label6;
    forms::Label* Label5;
    forms::Label* Label2;
    forms::ControlArray<forms::TextBox, 3> Text1;  // width, thickness, number of wires

    forms::ControlArray<forms::CheckBox, kGaugeCount> Check1;
    forms::ControlArray<forms::TextBox, kGaugeCount> Text4;  // wires of the gauge in parallel
    forms::ControlArray<forms::Label, kGaugeCount> Label4;   // "nos"

    forms::Label* Label3;
    forms::TextBox* Text3;  // total weight, kg

    forms::CommandButton* Command3;  // "< &Back"
    forms::CommandButton* Command1;  // "&Next >"
    forms::CommandButton* Command2;  // "&Cancel"

private:
    void placeSectionChoice();
    void placeRectangularEntries();
    void placeGaugeRow(GaugeIndex index);
    void placeWeightAndButtons();
    void connectEvents();
    void setTabOrder();

    void Option2_Click();
    void Option3_Click();
    void Check1_Click(GaugeIndex Index);
    void Text4_LostFocus(GaugeIndex Index);
    void Text1_lostfocus(short Index);
    void Command1_Click();
    void Command2_Click();

    void showRectangularEntries(bool visible);
    bool anyGaugeTicked() const;
    bool takeRectangularTarget(JobState& job);
    bool takeWeight(JobState& job);
};
