#include <QDialogButtonBox>
#include <QTest>
#include <bit>
#include <memory>
#include <random>

#include "gauge/GaugeTable.h"
#include "pages/AvailableWiresPage.h"
#include "pages/OriginalWiresPage.h"
#include "pages/OtherSizesDialog.h"
#include "pages/Slots.h"
#include "search/JobSheet.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

namespace {

constexpr GaugeIndex k8Swg = 0;
constexpr GaugeIndex k10Swg = 2;
constexpr GaugeIndex k13Swg = 5;
constexpr GaugeIndex k13HalfSwg = 6;
constexpr GaugeIndex k20Swg = 19;

const QString kWeightQuestion =
    QStringLiteral("Without total weight Program will not check weight!");

QString element(const char* name, int index) {
    return arrayElementName(name, index);
}

}  // namespace

class OriginalWiresPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;
    OriginalWiresPage* page_ = nullptr;

    template <class Control>
    Control* find(const QString& name) const {
        auto* found = control<Control>(page_, name);
        if (!found) {
            qFatal("OriginalWiresPage has no control %s", qPrintable(name));
        }
        return found;
    }
    CheckBox* check(GaugeIndex i) const { return find<CheckBox>(element("gaugeCheck", i)); }
    TextBox* count(GaugeIndex i) const { return find<TextBox>(element("countBox", i)); }
    TextBox* rectangular(OriginalWiresPage::RectangularField field) const {
        return page_->rectangularBox(field);
    }
    TextBox* weight() const { return find<TextBox>("weightBox"); }
    CommandButton* next() const { return find<CommandButton>("nextButton"); }

    void expectBox(const QString& prompt, const QString& title, MessageStyle style,
                   MessageAnswer answer = MessageAnswer::Ok) {
        run_->boxes.expect(prompt, title, style, answer);
    }
    void expectCountMessage(GaugeIndex i) { expectCountMessage(gaugeLabel(i).c_str()); }
    void expectCountMessage(const char* size) {
        expectBox(QStringLiteral("Enter no of parallel wires of %1 wire").arg(size), "Error!",
                  kWarningOk);
    }
    void nextRefusesATargetTooLarge() {
        expectBox(
            "The width, thickness and number of wires give a cross-section too large to "
            "work with. Please check them.",
            "Wirnak", kWarningOk);
        click(next());
    }
    void expectRadiusRefused(const QString& why) {
        expectBox("The corner radius " + why, "Wirnak", kWarningOk);
    }
    TextBox* radius() const { return find<TextBox>("cornerRadiusBox"); }
    void expectNotEntered(const char* fieldWord) {
        expectBox(QStringLiteral("you have not entered value of ") + fieldWord, "Wirnak",
                  kWarningOk);
    }

    // Ticks a gauge with the mouse and types its count into the box that takes the focus.
    void tick(GaugeIndex i, const QString& wires) {
        click(check(i));
        QCOMPARE(focused(), count(i));
        typeHere(wires);
    }
    void chooseRectangular() { click(find<OptionButton>("rectangularOption")); }
    void chooseCircular() { click(find<OptionButton>("circularOption")); }
    bool movedOn() const {
        return !page_->isVisible() && availableWiresSlot().isLoaded() &&
               availableWiresSlot().get().isVisible();
    }

private slots:
    void init() {
        run_ = std::make_unique<PageTestRun>();
        page_ = &originalWiresSlot().get();
        QVERIFY(showAndActivate(*page_));
    }
    void cleanup() {
        const QString broken = endRun(run_);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void opensInCircularModeWithTheFocusOnTheFirstGauge() {
        QCOMPARE(page_->windowTitle(), QStringLiteral("Original Wires"));
        QVERIFY(find<OptionButton>("circularOption")->isChecked());
        QVERIFY(!find<OptionButton>("rectangularOption")->isChecked());
        QCOMPARE(focusedName(), QStringLiteral("gaugeCheck(0)"));
        for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
            QVERIFY(check(i)->isVisible());
            QVERIFY(!check(i)->isChecked());
            QVERIFY(!count(i)->isVisible());
            QVERIFY(!find<Label>(element("countUnit", i))->isVisible());
        }
        for (const auto field : {OriginalWiresPage::kWidth, OriginalWiresPage::kThickness,
                                 OriginalWiresPage::kParallelWires}) {
            QVERIFY(!rectangular(field)->isVisible());
        }
        QVERIFY(weight()->isVisible());
        QVERIFY(!next()->isEnabled());
        QVERIFY(!find<CommandButton>("backButton")->isEnabled());
        QVERIFY(find<CommandButton>("cancelButton")->isEnabled());
    }

    void gaugeRowsStandInThreeColumnsWithTheirCaptions() {
        QCOMPARE(check(k8Swg)->text(), QStringLiteral("8 SWG      X"));
        QCOMPARE(check(k10Swg)->text(), QStringLiteral("10 SWG    X"));
        QCOMPARE(check(k13HalfSwg)->text(), QStringLiteral("13.5 SWG X"));
        QCOMPARE(check(28)->text(), QStringLiteral("26 SWG    X"));
        QCOMPARE(check(9)->geometry(), twipsRect(240, 2535 + 9 * 360, 1215, 255));
        QCOMPARE(check(10)->geometry(), twipsRect(2640, 2535, 1215, 255));
        QCOMPARE(count(18)->geometry(), twipsRect(3840, 2535 + 8 * 360 - 15, 495, 285));
        QCOMPARE(find<Label>(element("countUnit", 28))->geometry(),
                 twipsRect(6840, 2535 + 9 * 360 + 15, 495, 225));
        QCOMPARE(next()->geometry(), twipsRect(3075, 6840, 1095, 375));
        QCOMPARE(find<Label>(element("countUnit", 0))->text(), QStringLiteral("nos"));
    }

    void tabOrderRunsFromTheOptionsThroughTheRowsToTheButtons() {
        QStringList order;
        QWidget* start = find<OptionButton>("circularOption");
        for (QWidget* w = start; order.size() < 68; w = w->nextInFocusChain()) {
            if (w->focusPolicy() != Qt::NoFocus) {
                order << w->objectName();
            }
        }
        QStringList expected{"circularOption", "rectangularOption", "widthBox",
                             "thicknessBox",   "parallelWiresBox",  "cornerRadiusBox"};
        for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
            expected << element("gaugeCheck", i) << element("countBox", i);
        }
        expected << "weightBox"
                 << "nextButton"
                 << "cancelButton"
                 << "backButton";
        QCOMPARE(order, expected);
    }

    void theKeyboardReachesOnlyTheSelectedOptionAndArrowsSwitchModes() {
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusedName(),
                 QStringLiteral("circularOption"));  // not the unselected rectangular one
        QTest::keyClick(focused(), Qt::Key_Right);
        QVERIFY(find<OptionButton>("rectangularOption")->isChecked());
        QCOMPARE(focusedName(), QStringLiteral("widthBox"));
        expectNotEntered(" width.");
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusedName(), QStringLiteral("rectangularOption"));
        QTest::keyClick(focused(), Qt::Key_Left);
        QVERIFY(find<OptionButton>("circularOption")->isChecked());
        QCOMPARE(focusedName(), QStringLiteral("gaugeCheck(0)"));
    }

    void tickingAndClearingGaugesFollowsTheNextRule() {
        tick(k8Swg, "3");
        QVERIFY(next()->isEnabled());
        QVERIFY(find<Label>(element("countUnit", k8Swg))->isVisible());
        QCOMPARE(jobState().origGaugeArea[k8Swg], static_cast<float>(gaugeArea(k8Swg)));

        tick(k13Swg, "2");  // leaving the 8 SWG box stores its count
        QCOMPARE(jobState().origWireCount[k8Swg], short(3));

        click(check(k8Swg));  // cleared; 13 SWG is still ticked
        QVERIFY(next()->isEnabled());
        QVERIFY(!count(k8Swg)->isVisible());
        QVERIFY(count(k8Swg)->text().isEmpty());
        QCOMPARE(jobState().origGaugeArea[k8Swg], 0.0f);
        QCOMPARE(jobState().origWireCount[k8Swg], short(3));
        QCOMPARE(jobState().origWireCount[k13Swg], short(2));

        click(check(k13Swg));  // the last ticked gauge
        QVERIFY(!next()->isEnabled());
        QVERIFY(!find<Label>(element("countUnit", k13Swg))->isVisible());

        click(check(k8Swg));  // ticked again: an empty box, the old count still stored
        QVERIFY(count(k8Swg)->text().isEmpty());
        QCOMPARE(jobState().origWireCount[k8Swg], short(3));

        // The last gauge, 26 SWG, counts as ticked as much as the first.
        typeHere("3");
        tick(28, "1");
        click(check(k8Swg));
        QVERIFY(next()->isEnabled());
        click(check(28));
        QVERIFY(!next()->isEnabled());
    }

    void countsAreRoundedToEvenAndBadCountsAreRefused() {
        const struct {
            const char* typed;
            short stored;
        } accepted[] = {{"2.5", 2}, {"3.5", 4}, {"0", 0}, {"-2", -2}, {" 7 ", 7}};
        click(check(k13HalfSwg));
        for (const auto& entry : accepted) {
            count(k13HalfSwg)->clear();
            typeHere(entry.typed);
            pressTab();
            QCOMPARE(jobState().origWireCount[k13HalfSwg], entry.stored);
            click(count(k13HalfSwg));
        }

        // Not a number, empty, or beyond what a count can hold: the message, the focus back on
        // the box, and the stored count kept.
        for (const char* refused : {"", "abc", "1.2.3", "40000", "-32769"}) {
            count(k13HalfSwg)->clear();
            typeHere(refused);
            expectCountMessage(k13HalfSwg);
            pressTab();
            QCOMPARE(focused(), count(k13HalfSwg));
            QCOMPARE(jobState().origWireCount[k13HalfSwg], short(7));
        }
        QCOMPARE(run_->boxes.shown().back().prompt,
                 QStringLiteral("Enter no of parallel wires of 13.5 SWG wire"));
    }

    void leavingTheRectangularBoxesSwitchesNext() {
        chooseRectangular();
        QCOMPARE(focusedName(), QStringLiteral("widthBox"));
        for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
            QVERIFY(!check(i)->isVisible());
        }

        expectNotEntered(" width.");  // "you have not entered value of  width."
        pressTab();
        QVERIFY(!next()->isEnabled());
        QCOMPARE(focusedName(), QStringLiteral("thicknessBox"));  // the focus goes on

        typeHere("2.5");
        pressTab();
        QVERIFY(next()->isEnabled());  // even though the width is still empty

        typeHere("x");
        expectNotEntered(" no of parallel wires.");
        click(weight());
        QVERIFY(!next()->isEnabled());
    }

    void switchingModesKeepsEntriesTicksAndTheNextState() {
        tick(k8Swg, "3");
        chooseRectangular();
        QVERIFY(check(k8Swg)->isChecked());
        QVERIFY(!count(k8Swg)->isVisible());
        QVERIFY(next()->isEnabled());
        typeHere("5");
        chooseCircular();
        QVERIFY(check(k8Swg)->isVisible());
        QVERIFY(check(k8Swg)->isChecked());
        QVERIFY(!count(k8Swg)->isVisible());  // its box stays hidden until ticked again
        QVERIFY(next()->isEnabled());
        QCOMPARE(rectangular(OriginalWiresPage::kWidth)->text(), QStringLiteral("5"));
        QCOMPARE(jobState().origGaugeArea[k8Swg], static_cast<float>(gaugeArea(k8Swg)));

        // The hidden gauge still counts in the target.
        clickAndType(weight(), "2");
        click(next());
        QVERIFY(movedOn());
        QCOMPARE(jobState().origArea, double(3.0f * static_cast<float>(gaugeArea(k8Swg))));
    }

    void nextInCircularModeSumsTheGaugesInSinglePrecision() {
        tick(k8Swg, "3");
        tick(k20Swg, "2");
        expectBox(kWeightQuestion, "Error!", kWarningRetryCancel, MessageAnswer::Cancel);
        click(next());  // the 20 SWG count is stored as its box loses the focus
        QVERIFY(movedOn());
        QCOMPARE(static_cast<float>(jobState().origArea), 40.150799f);
        QCOMPARE(jobState().origArea, double(static_cast<float>(jobState().origArea)));
        QCOMPARE(jobState().noWeightCheck, short(1));
    }

    // Round wires of other sizes stand beside the rows in circular mode only, and the target adds
    // them in their place, thickest first, in single precision.
    void otherSizesJoinTheTargetInCircularMode() {
        tick(k20Swg, "3");
        pressAlt(Qt::Key_O);
        OtherSizesDialog* dialog = page_->otherSizesDialog;
        QVERIFY(dialog && takesTheKeys(*dialog));
        dialog->sizeBox->setText("14");
        dialog->unitChoice->setCurrentIndex(1);
        expectCountMessage("14 AWG");  // no count yet
        click(dialog->addButton);
        QCOMPARE(focused(), dialog->amountBox);
        typeHere("2");
        pressAlt(Qt::Key_O);  // OK
        QTRY_VERIFY(!page_->otherSizesDialog);
        QVERIFY(takesTheKeys(*page_));
        QCOMPARE(page_->otherSizesLine->text(),
                 QStringLiteral("Also in the conductor: 14 AWG X 2"));

        chooseRectangular();
        QVERIFY(!page_->otherSizesButton->isVisible() && !page_->otherSizesLine->isVisible());
        typeHere("5");
        chooseCircular();
        QVERIFY(page_->otherSizesButton->isVisible() && page_->otherSizesLine->isVisible());
        clickAndType(weight(), "2");
        click(next());
        QVERIFY(movedOn());
        float target = 0;
        target = target + 2.0f * sizeArea(WireSize::awg(14));
        target = target + 3.0f * static_cast<float>(gaugeArea(k20Swg));
        QCOMPARE(jobState().origArea, double(target));
    }

    void clearingAGaugeTakesItOutOfTheTarget() {
        tick(k8Swg, "3");
        tick(k20Swg, "2");
        clickAndType(weight(), "1");
        click(check(k20Swg));
        click(next());
        QVERIFY(movedOn());
        QCOMPARE(static_cast<float>(jobState().origArea), 38.838562f);
    }

    void accessKeyNextTakesTheCountJustTyped() {
        clickAndType(weight(), "2");
        tick(k8Swg, "3");
        pressAlt(Qt::Key_N);
        QVERIFY(movedOn());
        QCOMPARE(jobState().origWireCount[k8Swg], short(3));
        QCOMPARE(jobState().origArea, double(3.0f * static_cast<float>(gaugeArea(k8Swg))));
        QCOMPARE(jobState().origWeight, 2.0f);
    }

    // A negative weight gives every size a negative share: no line would be starred, and the
    // list would read as covered by the stock. "-0" is no weight at all, and passes as 0 does.
    void nextRefusesANegativeWeight() {
        tick(k8Swg, "1");
        clickAndType(weight(), "-5");
        expectBox("The total weight cannot be negative. Please enter it in kg.", "Error!",
                  kWarningOk);
        click(next());
        QVERIFY(page_->isVisible());
        QCOMPARE(focused(), weight());
        QCOMPARE(jobState().origWeight, 0.0f);
        QCOMPARE(jobState().noWeightCheck, short(0));

        weight()->setText("-0");
        click(next());
        QVERIFY(movedOn());
        QCOMPARE(jobState().origWeight, 0.0f);
    }

    void aRefusedCountKeepsNextFromRunning() {
        click(check(k8Swg));
        expectCountMessage(k8Swg);
        pressAlt(Qt::Key_N);
        QCOMPARE(focused(), count(k8Swg));
        QVERIFY(page_->isVisible());
        QVERIFY(!availableWiresSlot().isLoaded());

        // A click elsewhere meets the same refusal and does not go through.
        expectCountMessage(k8Swg);
        click(check(k10Swg));
        QVERIFY(!check(k10Swg)->isChecked());
        QCOMPARE(focused(), count(k8Swg));
    }

    void circularModeWithNoGaugeTickedGivesAZeroTarget() {
        chooseRectangular();
        typeHere("5");
        chooseCircular();  // the width, a number, enables Next
        clickAndType(weight(), "1");
        click(next());
        QVERIFY(movedOn());
        QCOMPARE(jobState().origArea, 0.0);
    }

    void nextInRectangularModeMultipliesInDoublePrecision() {
        chooseRectangular();
        typeHere("5");
        pressTab();
        typeHere("2.5");
        pressTab();
        typeHere("1.5");
        clickAndType(weight(), "0");
        click(next());
        QVERIFY(movedOn());
        QCOMPARE(jobState().origArea, 1.5 * (5 * 2.5));
        QCOMPARE(jobState().origWeight, 0.0f);
        QCOMPARE(jobState().noWeightCheck, short(0));

        availableWiresSlot().get().backButton->click();  // back
        QVERIFY(page_->isVisible());
        rectangular(OriginalWiresPage::kParallelWires)->setText("2");
        click(next());
        QCOMPARE(jobState().origArea, 25.0);
    }

    void nextReportsOnlyTheFirstEmptyRectangularBox() {
        chooseRectangular();
        expectNotEntered(" width.");
        pressTab();
        expectNotEntered(" thickness.");
        pressTab();
        typeHere("2");
        click(weight());  // a number: Next becomes enabled with two boxes empty
        QVERIFY(next()->isEnabled());

        expectNotEntered(" width.");
        click(next());
        QVERIFY(!next()->isEnabled());
        QVERIFY(page_->isVisible());
        QCOMPARE(jobState().origArea, 0.0);
    }

    void theWeightQuestionRetryStaysAndCancelGoesOnWithoutTheCheck() {
        tick(k8Swg, "1");
        clickAndType(weight(), "kg");
        expectBox(kWeightQuestion, "Error!", kWarningRetryCancel, MessageAnswer::Retry);
        click(next());
        QVERIFY(page_->isVisible());
        QCOMPARE(focused(), weight());
        QCOMPARE(jobState().noWeightCheck, short(0));

        weight()->clear();
        expectBox(kWeightQuestion, "Error!", kWarningRetryCancel, MessageAnswer::Cancel);
        click(next());
        QVERIFY(movedOn());
        QCOMPARE(jobState().noWeightCheck, short(1));

        // A weight given on a later pass is stored, but the check stays off.
        availableWiresSlot().get().backButton->click();
        clickAndType(weight(), "2");
        click(next());
        QVERIFY(movedOn());
        QCOMPARE(jobState().origWeight, 2.0f);
        QCOMPARE(jobState().noWeightCheck, short(1));
    }

    void entriesTooLargeForTheirPrecisionAreRefused() {
        chooseRectangular();
        typeHere(QString(400, u'9'));
        pressTab();
        typeHere("1");
        pressTab();
        typeHere("1");
        clickAndType(weight(), "1");
        nextRefusesATargetTooLarge();
        QVERIFY(page_->isVisible());
        QCOMPARE(jobState().origArea, 0.0);

        rectangular(OriginalWiresPage::kWidth)->setText(QString(200, u'9'));
        rectangular(OriginalWiresPage::kThickness)->setText(QString(200, u'9'));
        nextRefusesATargetTooLarge();
        QVERIFY(page_->isVisible());

        // 3.4e38 is itself a float, but the top of its window is beyond the largest one.
        rectangular(OriginalWiresPage::kWidth)->setText("34" + QString(37, u'0'));
        rectangular(OriginalWiresPage::kThickness)->setText("1");
        nextRefusesATargetTooLarge();
        QVERIFY(page_->isVisible());
        QCOMPARE(jobState().origArea, 0.0);

        rectangular(OriginalWiresPage::kWidth)->setText("5");
        rectangular(OriginalWiresPage::kThickness)->setText("2");
        weight()->setText(QString(40, u'9'));
        expectBox("The total weight is too large to work with. Please enter it in kg.", "Wirnak",
                  kWarningOk);
        click(next());
        QVERIFY(page_->isVisible());
        QCOMPARE(jobState().origWeight, 0.0f);
        QCOMPARE(jobState().noWeightCheck, short(0));
    }

    // Refused on leaving, holding the box so that the press that left it is dropped, and again
    // by Next after the width changed; never in the way of round wires or Cancel.
    void aCornerRadiusTheWireCannotHaveIsRefused() {
        chooseRectangular();
        for (const char* entry : {"5", "2.5", "2"}) {
            typeHere(entry);
            pressTab();
        }
        QCOMPARE(focused(), radius());
        pressTab();  // empty: sharp corners
        radius()->setText("-0.1");
        click(radius());
        const QString negative =
            "is negative. Enter it in mm, or leave the box empty for sharp corners.";
        expectRadiusRefused(negative);
        click(weight());
        QCOMPARE(focused(), radius());
        radius()->setText("-" + QString(400, u'9'));  // beyond a double, still below zero
        expectRadiusRefused(negative);
        click(weight());
        QCOMPARE(focused(), radius());

        radius()->setText("1");
        clickAndType(weight(), "1");
        rectangular(OriginalWiresPage::kWidth)->setText("1.5");
        const QString width =
            "is more than half the width of the wire. Please check the radius and the width.";
        expectRadiusRefused(width);
        click(next());
        QVERIFY(page_->isVisible());
        expectRadiusRefused(width);
        pressAlt(Qt::Key_N);  // one message, not a second from Next
        QCOMPARE(focused(), radius());

        radius()->setText("r");
        chooseCircular();
        QVERIFY(!radius()->isVisible());
        chooseRectangular();
        click(radius());
        click(find<CommandButton>("cancelButton"));
        QCOMPARE(run_->end.count(), 1);
    }

    // A thickness changed to less than twice the radius is the thickness's fault as much: Next
    // says so on the radius, and the user is free to go and mend the thickness.
    void aRadiusTooLargeForTheWireIsSaidByNextAndLetsTheWireBeMended() {
        chooseRectangular();
        for (const char* entry : {"5", "2.5", "2", "0.5"}) {
            typeHere(entry);
            pressTab();
        }
        clickAndType(weight(), "1");
        rectangular(OriginalWiresPage::kThickness)->clear();
        clickAndType(rectangular(OriginalWiresPage::kThickness), "0.8");
        expectRadiusRefused(
            "is more than half the thickness of the wire. Please check the radius and the "
            "thickness.");
        pressAlt(Qt::Key_N);
        QCOMPARE(focused(), radius());

        click(rectangular(OriginalWiresPage::kThickness));
        QCOMPARE(focused(), rectangular(OriginalWiresPage::kThickness));
        rectangular(OriginalWiresPage::kThickness)->clear();
        typeHere("2.5");
        click(next());
        QVERIFY(movedOn());
        QCOMPARE(QString::fromStdString(suggestedFileName(jobState())),
                 QStringLiteral("rect5x2.5r0.5x2-combinations"));
    }

    // The box left empty, or blank, gives the plain product to the bit, as before there was a
    // box.
    void anEmptyCornerRadiusLeavesThePlainProduct() {
        std::mt19937 draw(19);
        std::uniform_int_distribution<int> thousandths(1, 20000);
        chooseRectangular();
        typeHere("1");
        clickAndType(weight(), "1");
        for (int job = 0; job < 6; ++job) {
            const QString width = QString::number(thousandths(draw) / 1000.0);
            const QString thickness = QString::number(thousandths(draw) / 1000.0);
            const QString wires = QString::number(thousandths(draw) / 1000);
            rectangular(OriginalWiresPage::kWidth)->setText(width);
            rectangular(OriginalWiresPage::kThickness)->setText(thickness);
            rectangular(OriginalWiresPage::kParallelWires)->setText(wires);
            radius()->setText(job % 2 ? QStringLiteral(" \t ") : QString());
            click(next());
            QVERIFY(movedOn());
            const double product = wires.toDouble() * (width.toDouble() * thickness.toDouble());
            QCOMPARE(std::bit_cast<quint64>(jobState().origArea), std::bit_cast<quint64>(product));
            availableWiresSlot().get().backButton->click();
        }
    }

    // Return closes the message; a second Return must not land on Cancel and end the program.
    void whenNextDisablesItselfTheFocusGoesBackToTheEmptyEntry() {
        chooseRectangular();
        for (const char* entry : {"5", "2", "1"}) {
            typeHere(entry);
            pressTab();
        }
        rectangular(OriginalWiresPage::kWidth)->clear();
        click(rectangular(OriginalWiresPage::kWidth));
        expectNotEntered(" width.");
        click(next());
        QVERIFY(!next()->isEnabled());
        QCOMPARE(focused(), rectangular(OriginalWiresPage::kWidth));

        // The same when Next's own check finds the empty box.
        typeHere("5");
        rectangular(OriginalWiresPage::kThickness)->clear();
        click(weight());
        expectNotEntered(" thickness.");
        pressAlt(Qt::Key_N);
        QVERIFY(!next()->isEnabled());
        QCOMPARE(focused(), rectangular(OriginalWiresPage::kThickness));
        QTest::keyClick(focused(), Qt::Key_Return);
        QTest::keyClick(focused(), Qt::Key_Return);
        QVERIFY(!run_->end.ended());
    }

    // An empty count box holds up every move but these: Cancel, the close button, and clearing
    // that very gauge, which takes the box away.
    void anEmptyCountDoesNotHoldUpCancelOrClearingItsGauge() {
        click(check(k13HalfSwg));
        click(check(k13HalfSwg));
        QVERIFY(!check(k13HalfSwg)->isChecked());
        QVERIFY(!count(k13HalfSwg)->isVisible());
        QVERIFY(!find<Label>(element("countUnit", k13HalfSwg))->isVisible());
        QCOMPARE(jobState().origGaugeArea[k13HalfSwg], 0.0f);

        // Pressed and let go beside: the focus rests on Cancel, and moving on from there asks.
        click(check(k8Swg));
        QTest::mousePress(find<CommandButton>("cancelButton"), Qt::LeftButton);
        QTest::mouseRelease(find<CommandButton>("cancelButton"), Qt::LeftButton, {},
                            QPoint(-5, -5));
        QVERIFY(!run_->end.ended());
        expectCountMessage(k8Swg);
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), count(k8Swg));

        pressAlt(Qt::Key_C);
        QCOMPARE(run_->end.count(), 1);

        OriginalWiresPage& again = originalWiresSlot().get();
        QVERIFY(showAndActivate(again));
        click(again.gaugeCheck(k8Swg));
        again.close();
        QCOMPARE(run_->end.count(), 2);

        // Nor does an empty width hold Cancel up with its message.
        OriginalWiresPage& rectangularWire = originalWiresSlot().get();
        QVERIFY(showAndActivate(rectangularWire));
        click(rectangularWire.rectangularOption);
        click(rectangularWire.cancelButton);
        QCOMPARE(run_->end.count(), 3);
    }

    void cancelAndTheCloseButtonEndTheProgram() {
        click(find<CommandButton>("cancelButton"));
        QCOMPARE(run_->end.count(), 1);
        QVERIFY(!originalWiresSlot().isLoaded());

        OriginalWiresPage& again = originalWiresSlot().get();
        QVERIFY(showAndActivate(again));
        again.close();
        QCOMPARE(run_->end.count(), 2);
        QVERIFY(!originalWiresSlot().isLoaded());
    }
};

QTEST_MAIN(OriginalWiresPageTest)
#include "OriginalWiresPageTest.moc"
