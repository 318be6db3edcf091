#pragma once

#include <QPointer>

#include "forms/Controls.h"
#include "forms/Page.h"
#include "gauge/GaugeTable.h"
#include "gauge/ShelfFile.h"
#include "pages/ShelfFiles.h"

class OtherSizesDialog;
class QTextEdit;

// "Available wires": the sizes at hand, each with the weight of that wire in stock while the
// weight check is on. Next fixes the window of accepted areas and opens the results.
class AvailableWiresPage : public forms::Page, public ShelfPage {
    Q_OBJECT

public:
    AvailableWiresPage();

    QTextEdit* note;  // the note on what to tick
    forms::ControlArray<forms::CheckBox, kGaugeCount> gaugeCheck;
    forms::ControlArray<forms::TextBox, kGaugeCount> stockBox;  // weight in stock, kg
    forms::ControlArray<forms::Label, kGaugeCount> stockUnit;   // "KG"
    forms::CommandButton* backButton;
    forms::CommandButton* nextButton;
    forms::CommandButton* cancelButton;      // "&Cancle", as it has always been spelt
    forms::CommandButton* lastShelfButton;   // the shelf of the last Next, in this run or before
    ShelfFiles* shelfFiles;                  // "Open shelf…" and "Save shelf…"
    forms::CommandButton* otherSizesButton;  // metric and AWG sizes beside the SWG rows
    forms::Label* otherSizesLine;            // what the shelf holds of them
    QPointer<OtherSizesDialog> otherSizesDialog;  // while it is open

    // The ticked sizes, each with the weight its box holds where that is a weight.
    Shelf shelf() const override;
    // Ticks and types the shelf as the user would, in place of what is ticked: the page's own
    // handlers take each tick and each weight. With the weight check off only the ticks are
    // taken; a size without a weight shows its box empty, with the focus in the first such box.
    void takeShelf(const Shelf& shelf) override;
    // A command from a menu or a shortcut counts as a press: the weight box being left is
    // checked first. False when the box refused its text and keeps the focus.
    bool leaveStockBox() override;
    bool holdsShelf() const override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeGaugeRow(GaugeIndex index);
    void onGaugeToggled(GaugeIndex index);
    void onStockBoxLeft(GaugeIndex index);
    void back();
    void next();
    void cancel();
    void hideStockBoxes();
    void declineWeightCheck();
    bool anyGaugeTicked() const;
    void openOtherSizes(std::optional<WireSize> toWeigh = std::nullopt);
    void takeOtherSizes();
    void showOtherSizes();
    bool weighOtherSizes();
    void takeLastShelf();
    std::optional<GaugeIndex> unweighedBox() const;
};
