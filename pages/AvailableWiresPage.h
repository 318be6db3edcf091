#pragma once

#include "gauge/GaugeTable.h"
#include "platform/Controls.h"
#include "platform/Page.h"

class QTextEdit;

// "Available wires": the sizes at hand, each with the weight of that wire in stock while the
// weight check is on. Next fixes the window of accepted areas and opens the results.
class AvailableWiresPage : public forms::Page {
    Q_OBJECT

public:
    AvailableWiresPage();

    QTextEdit* note;  // the note on what to tick
    forms::ControlArray<forms::CheckBox, kGaugeCount> gaugeCheck;
    forms::ControlArray<forms::TextBox, kGaugeCount> stockBox;  // weight in stock, kg
    forms::ControlArray<forms::Label, kGaugeCount> stockUnit;   // "KG"
    forms::CommandButton* backButton;
    forms::CommandButton* nextButton;
    forms::CommandButton* cancelButton;  // "&Cancle", as it has always been spelt

private:
    void placeGaugeRow(GaugeIndex index);
    void onGaugeToggled(GaugeIndex index);
    void onStockBoxLeft(GaugeIndex index);
    void back();
    void next();
    void cancel();
    void hideStockBoxes();
};
