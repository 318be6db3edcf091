#pragma once

#include <QPointer>

#include "forms/Controls.h"
#include "forms/Page.h"
#include "gauge/CornerRadius.h"
#include "gauge/GaugeTable.h"
#include "gauge/JobState.h"

class OtherSizesDialog;

// "Original Wires": the conductor to be replaced, as round wires of one or more gauges or as a
// rectangular wire, and its total weight. "&Next >" turns the entries into the job's target.
class OriginalWiresPage : public forms::Page {
    Q_OBJECT

public:
    OriginalWiresPage();

    // The three entries of a rectangular wire, in the order they are checked.
    enum RectangularField : short { kWidth, kThickness, kParallelWires, kRectangularFields };

    forms::Frame* sectionFrame;
    forms::OptionButton* circularOption;
    forms::OptionButton* rectangularOption;

    forms::Label* widthLabel;
    forms::Label* thicknessLabel;
    forms::Label* parallelWiresLabel;
    forms::ControlArray<forms::TextBox, kRectangularFields> rectangularBox;
    forms::Label* cornerRadiusLabel;
    forms::TextBox* cornerRadiusBox;  // optional; empty = sharp corners

    forms::ControlArray<forms::CheckBox, kGaugeCount> gaugeCheck;
    forms::ControlArray<forms::TextBox, kGaugeCount> countBox;  // wires of the size in parallel
    forms::ControlArray<forms::Label, kGaugeCount> countUnit;   // "nos"

    forms::Label* weightLabel;
    forms::TextBox* weightBox;  // total weight, kg

    forms::CommandButton* backButton;  // never enabled: this is the first page
    forms::CommandButton* nextButton;
    forms::CommandButton* cancelButton;

    // Round wires of metric and AWG sizes beside the SWG rows, in circular mode.
    forms::CommandButton* otherSizesButton;
    forms::Label* otherSizesLine;                 // what the conductor holds of them
    QPointer<OtherSizesDialog> otherSizesDialog;  // while it is open

private:
    void placeSectionChoice();
    void placeRectangularEntries();
    void placeGaugeRow(GaugeIndex index);
    void placeWeightAndButtons();
    void placeOtherSizes();
    void connectEvents();
    void setTabOrder();

    void onCircularChosen();
    void onRectangularChosen();
    void onGaugeToggled(GaugeIndex index);
    void onCountBoxLeft(GaugeIndex index);
    void onRectangularBoxLeft(RectangularField field);
    void onCornerRadiusBoxLeft();
    void openOtherSizes();
    void takeOtherSizes();
    void showOtherSizes();
    void showOtherSizesControls(bool visible);
    void next();
    void cancel();

    void showRectangularEntries(bool visible);
    void disableNextFor(forms::TextBox* refusedEntry);
    bool anyGaugeTicked() const;
    // Whether the radius is weighed against the width and the thickness, or only read.
    enum class WireBounds { Unchecked, Checked };
    CornerRadius cornerRadius(WireBounds bounds) const;
    void refuseCornerRadius(CornerRadiusFault fault);
    bool takeRectangularTarget(JobState& job);
    bool takeWeight(JobState& job);
};
