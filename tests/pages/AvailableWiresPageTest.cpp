#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "gauge/GaugeTable.h"
#include "pages/AvailableWiresPage.h"
#include "pages/OriginalWiresPage.h"
#include "pages/OtherSizesDialog.h"
#include "pages/ResultsPage.h"
#include "pages/Slots.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

namespace {

constexpr GaugeIndex k8Swg = 0, k12Swg = 4, k16Swg = 11, k18Swg = 15, k20Swg = 19;

QString weightMessage(GaugeIndex i) {
    return "Enter weight of " + QString::fromStdString(gaugeLabel(i)) +
           "  wire, else weight check will be disabled";
}

}  // namespace

class AvailableWiresPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;
    AvailableWiresPage* page_ = nullptr;

    CheckBox* check(GaugeIndex i) const { return page_->gaugeCheck(i); }
    TextBox* weight(GaugeIndex i) const { return page_->stockBox(i); }
    Label* kg(GaugeIndex i) const { return page_->stockUnit(i); }
    CommandButton* next() const { return page_->nextButton; }

    void expectWeightMessage(GaugeIndex i, MessageAnswer answer) {
        run_->boxes.expect(weightMessage(i), "Error!", kWarningRetryCancel, answer);
    }
    // Ticks a size with the mouse and types its stock into the box that takes the focus.
    void tick(GaugeIndex i, const QString& kilograms) {
        click(check(i));
        QCOMPARE(focused(), weight(i));
        typeHere(kilograms);
    }

private slots:
    void init() {
        run_ = std::make_unique<PageTestRun>();
        page_ = &availableWiresSlot().get();
        QVERIFY(showAndActivate(*page_));
    }
    void cleanup() {
        const QString broken = endRun(run_);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void opensWithNothingTickedAndTheRowsInThreeColumns() {
        QCOMPARE(page_->windowTitle(), QStringLiteral("Available wires"));
        QVERIFY(!next()->isEnabled());
        QCOMPARE(page_->backButton->text(), QStringLiteral("< &Back"));
        QCOMPARE(page_->cancelButton->text(), QStringLiteral("&Cancle"));
        for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
            QCOMPARE(check(i)->text(), QString::fromStdString(gaugeLabel(i)));
            QVERIFY(!check(i)->isChecked());
            QVERIFY(!weight(i)->isVisible());
            QVERIFY(!kg(i)->isVisible());
        }
        QCOMPARE(check(10)->geometry().topLeft(), twipsRect(2640, 2535, 0, 0).topLeft());
        QCOMPARE(weight(28)->geometry(), twipsRect(6240, 2520 + 9 * 360, 495, 285));
        QCOMPARE(kg(18)->geometry().topLeft(), twipsRect(4440, 2550 + 8 * 360, 0, 0).topLeft());
        // No check box runs into the weight box beside it.
        for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
            QVERIFY(!check(i)->geometry().intersects(weight(i)->geometry()));
        }
        QCOMPARE(page_->note->toPlainText(),
                 QStringLiteral("Enter available wires in this form.\n"
                                "  \n"
                                "Caution: Don't enter inventory of available wires, enter wires "
                                "wich \n"
                                "are near to wires for wich you want to find equivalent SWG. \n"
                                "Example: for 8swg wire enter 9,10,11,.....swg\n"
                                "if you enter 25,26,....swg you will get too many unuseable \n"
                                "combinations and overflow error will occur."));
        // Laid out for 11.25 pt (a smaller size only where the system's fonts need it).
        QCOMPARE(AvailableWiresPage().note->font().pointSizeF(), 11.25);
    }

    void tabRunsThroughTheRowsThenNextCancleAndBack() {
        QStringList order;
        for (QWidget* w = check(0); order.size() < 61; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus) {
                order << w->objectName();
            }
        }
        QCOMPARE(order.mid(38, 2), (QStringList{"gaugeCheck(19)", "stockBox(19)"}));
        QCOMPARE(order.mid(58), (QStringList{"nextButton", "cancelButton", "backButton"}));
    }

    void tickingShowsTheWeightBoxWithTheCursorAndSetsTheArea() {
        click(check(k20Swg));
        QVERIFY(weight(k20Swg)->isVisible());
        QCOMPARE(focused(), weight(k20Swg));
        QVERIFY(kg(k20Swg)->isVisible());
        QCOMPARE(kg(k20Swg)->text(), QStringLiteral("KG"));
        QVERIFY(next()->isEnabled());
        QCOMPARE(jobState().availArea[k20Swg], static_cast<float>(gaugeArea(k20Swg)));
    }

    // A stock too long for its box shows its start once the focus moves on, or when the box is
    // filled from outside: "12.375" must not read "2.375". It then shows what a box wide enough
    // for it shows at its left.
    void aLongStockShowsItsStartOnceLeft() {
        TextBox* box = weight(k12Swg);
        const auto showsItsStart = [box] {
            QLineEdit wide(box->text());
            wide.setFont(box->font());
            wide.resize(box->width() * 4, box->height());
            const QRect inside(3, 3, box->width() - 6, box->height() - 6);
            return box->grab(inside).toImage().convertToFormat(QImage::Format_RGB32) ==
                   wide.grab(inside).toImage().convertToFormat(QImage::Format_RGB32);
        };
        tick(k12Swg, "12.375");
        pressTab();
        QVERIFY(box->fontMetrics().horizontalAdvance(box->text()) > box->contentsRect().width());
        QVERIFY(showsItsStart());
        box->setText("345.125");
        QVERIFY(showsItsStart());
    }

    void nextIsEnabledExactlyWhileASizeIsTicked() {
        tick(k12Swg, "1");
        tick(k20Swg, "2");
        click(check(k12Swg));
        QVERIFY(next()->isEnabled());
        click(check(k20Swg));
        QVERIFY(!next()->isEnabled());
    }

    void untickingEmptiesTheBoxAndTheAreaButKeepsTheStoredWeight() {
        tick(k18Swg, "1.5");
        click(check(k18Swg));  // leaving the box stores 1.5 first
        QCOMPARE(jobState().availWeight[k18Swg], 1.5f);
        QCOMPARE(jobState().availArea[k18Swg], 0.0f);
        QVERIFY(!weight(k18Swg)->isVisible());
        QVERIFY(!kg(k18Swg)->isVisible());

        click(check(k18Swg));
        QCOMPARE(weight(k18Swg)->text(), QString());
        QCOMPARE(focused(), weight(k18Swg));
        QCOMPARE(jobState().availWeight[k18Swg], 1.5f);
        expectWeightMessage(k18Swg, MessageAnswer::Retry);
        click(check(k8Swg));
        QCOMPARE(focused(), weight(k18Swg));
        QVERIFY(!check(k8Swg)->isChecked());  // the click that left the empty box is dropped
    }

    void zeroAndNegativeWeightsAreStoredAsTyped() {
        tick(k8Swg, "0");
        tick(k12Swg, "-3");
        click(check(k20Swg));
        QCOMPARE(jobState().availWeight[k8Swg], 0.0f);
        QCOMPARE(jobState().availWeight[k12Swg], -3.0f);
    }

    void cancellingTheWeightQuestionTurnsTheCheckOffForGood() {
        tick(k12Swg, "2");
        click(check(k8Swg));
        expectWeightMessage(k8Swg, MessageAnswer::Cancel);
        pressTab();
        QCOMPARE(jobState().noWeightCheck, short(1));
        for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
            QVERIFY(!weight(i)->isVisible());
            QVERIFY(!kg(i)->isVisible());
        }
        QCOMPARE(weight(k12Swg)->text(), QStringLiteral("2"));
        QCOMPARE(jobState().availWeight[k12Swg], 2.0f);

        click(check(k20Swg));
        QVERIFY(!weight(k20Swg)->isVisible());
        QVERIFY(next()->isEnabled());
        QVERIFY(jobState().availArea[k20Swg] != 0);
    }

    void aWeightTooLargeForASingleIsRefused() {
        tick(k8Swg, "1" + QString(40, '0'));
        run_->boxes.expect("The weight of 8 SWG wire is too large.", "Wirnak", kWarningOk,
                           MessageAnswer::Ok);
        click(check(k12Swg));
        QCOMPARE(focused(), weight(k8Swg));
        QCOMPARE(jobState().availWeight[k8Swg], 0.0f);
        QCOMPARE(jobState().noWeightCheck, short(0));
    }

    void nextSetsTheWindowAndOpensTheResults() {
        jobState().origArea = 200;
        jobState().resultCount = 5;
        tick(k8Swg, "1");
        pressAlt(Qt::Key_N);
        QCOMPARE(jobState().areaLow, 199.0f);
        QCOMPARE(jobState().areaHigh, 201.0f);
        QVERIFY(!page_->isVisible());
        QVERIFY(resultsSlot().isLoaded());
        QVERIFY(resultsSlot().get().isVisible());
        QCOMPARE(jobState().resultCount, short(0));  // nothing lies near 200 mm² in 8 SWG
        QCOMPARE(jobState().availWeight[k8Swg], 1.0f);
    }

    void backShowsTheOriginalWiresAndKeepsEverything() {
        tick(k12Swg, "4");
        click(page_->backButton);
        QVERIFY(!page_->isVisible());
        QVERIFY(originalWiresSlot().get().isVisible());
        page_->showPage();
        QVERIFY(check(k12Swg)->isChecked());
        QVERIFY(weight(k12Swg)->isVisible());
        QCOMPARE(weight(k12Swg)->text(), QStringLiteral("4"));
        QCOMPARE(jobState().availWeight[k12Swg], 4.0f);
    }

    // An empty weight box holds up every move but these: Cancle, the close button, and
    // unticking that very size, which takes the box away.
    void anEmptyWeightDoesNotHoldUpCancleOrUntickingItsSize() {
        click(check(k12Swg));
        click(check(k12Swg));
        QVERIFY(!check(k12Swg)->isChecked());
        QVERIFY(!weight(k12Swg)->isVisible());
        QVERIFY(!kg(k12Swg)->isVisible());
        QCOMPARE(jobState().noWeightCheck, short(0));

        click(check(k8Swg));
        click(page_->cancelButton);
        QCOMPARE(run_->end.count(), 1);

        page_ = &availableWiresSlot().get();
        QVERIFY(showAndActivate(*page_));
        click(check(k8Swg));
        page_->close();
        QCOMPARE(run_->end.count(), 2);
    }

    // The release of a press that leaves an empty weight box goes to the question: Retry drops
    // the press, Cancel lets it go on as a whole click; neither leaves the button drawn pressed.
    void aClickTheWeightQuestionInterruptsEndsWithNothingPressed() {
        click(check(k8Swg));
        expectWeightMessage(k8Swg, MessageAnswer::Retry);
        QTest::mousePress(page_->backButton, Qt::LeftButton);
        QVERIFY(!page_->backButton->isDown());
        QCOMPARE(focused(), weight(k8Swg));
        QVERIFY(page_->isVisible());

        expectWeightMessage(k8Swg, MessageAnswer::Cancel);
        QTest::mousePress(page_->backButton, Qt::LeftButton);
        QVERIFY(!page_->backButton->isDown());
        QVERIFY(!page_->isVisible());
        QVERIFY(originalWiresSlot().get().isVisible());
    }

    // What "Other sizes…" takes and refuses: the size is typed with its unit (AWG or mm) and its
    // stock, some sizes are already listed (n AWG sizes from 21 AWG on), and an SWG size may be
    // ticked on the page. A refusal keeps the list as it was; an accepted size joins it.
    void otherSizesAreTakenOrRefused_data() {
        QTest::addColumn<int>("listed");
        QTest::addColumn<int>("ticked");  // an SWG row, or -1
        QTest::addColumn<QString>("size");
        QTest::addColumn<bool>("awg");
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("refusal");  // the message, or the label of the size taken
        QTest::addColumn<QString>("retryIn");  // the box the Retry of the question returns to
        const QString full =
            "At most 20 other sizes can be on the list. Remove one to add another.";
        QTest::newRow("metric") << 0 << -1 << "1.0600" << false << "2"
                                << "1.06 mm"
                                << "";
        QTest::newRow("unit typed") << 0 << -1 << "14 awg" << false << "2"
                                    << "14 AWG"
                                    << "";
        QTest::newRow("20th size") << 19 << -1 << "4" << true << "2"
                                   << "4 AWG"
                                   << "";
        QTest::newRow("21st size") << 20 << -1 << "1.06" << false << "2" << full << "";
        QTest::newRow("same wire as a ticked SWG") << 0 << int(k16Swg) << "1.626" << false << "2"
                                                   << "1.626 mm is the same wire as 16 SWG."
                                                   << "";
        QTest::newRow("listed already") << 3 << -1 << "22" << true << "2"
                                        << "22 AWG is on the list already."
                                        << "";
        QTest::newRow("empty stock")
            << 0 << -1 << "1.06" << false << "" << missingWeightPrompt("1.06 mm") << "amountBox";
        QTest::newRow("metric too thick") << 0 << -1 << "6.001" << false << "2"
                                          << "Metric size '6.001 mm' is outside 0.05 to 6.00 mm."
                                          << "";
        QTest::newRow("AWG 41") << 0 << -1 << "41" << true << "2"
                                << "AWG size '41 AWG' is outside 4 to 40 AWG."
                                << "";
        QTest::newRow("SWG typed") << 0 << -1 << "16 swg" << false << "2"
                                   << "16 SWG is an SWG size: tick it on the page."
                                   << "";
    }
    void otherSizesAreTakenOrRefused() {
        QFETCH(int, listed);
        QFETCH(int, ticked);
        QFETCH(QString, size);
        QFETCH(bool, awg);
        QFETCH(QString, stock);
        QFETCH(QString, refusal);
        QFETCH(QString, retryIn);
        for (int n = 0; n < listed; ++n)
            jobState().availOther.push_back({WireSize::awg(21 + n), 1.0f});
        if (ticked >= 0)
            tick(GaugeIndex(ticked), "1");
        const auto before = jobState().availOther;
        pressAlt(Qt::Key_O);
        OtherSizesDialog* dialog = page_->otherSizesDialog;
        QVERIFY(dialog && takesTheKeys(*dialog));
        dialog->sizeBox->setText(size);
        dialog->unitChoice->setCurrentIndex(awg ? 1 : 0);
        dialog->amountBox->setText(stock);
        const bool taken = !refusal.endsWith('.') && retryIn.isEmpty();
        if (!retryIn.isEmpty())
            run_->boxes.expect(refusal, "Error!", kWarningRetryCancel, MessageAnswer::Retry);
        else if (!taken)
            run_->boxes.expect(refusal, "Wirnak", kWarningOk, MessageAnswer::Ok);
        click(dialog->buttons->button(QDialogButtonBox::Ok));
        if (taken) {
            QTRY_VERIFY(!page_->otherSizesDialog);
            QCOMPARE(jobState().availOther.size(), before.size() + 1);
            QCOMPARE(QString::fromStdString(sizeLabel(jobState().availOther.back().size)), refusal);
            QCOMPARE(jobState().availOther.back().stock, std::optional(2.0f));
            QVERIFY(next()->isEnabled());
        } else {
            QVERIFY(dialog->isVisible());
            QCOMPARE(focused(), retryIn.isEmpty() ? static_cast<QWidget*>(dialog->sizeBox)
                                                  : dialog->amountBox);
            dialog->reject();
            QCOMPARE(jobState().availOther, before);
        }
    }

    // The same wire refused the other way round: ticking the SWG size of a size already added.
    void tickingAnSwgSizeAlreadyAddedIsRefused() {
        jobState().availOther.push_back({WireSize::metric(1626), 2.0f});
        run_->boxes.expect("16 SWG is the same wire as 1.626 mm.", "Wirnak", kWarningOk,
                           MessageAnswer::Ok);
        click(check(k16Swg));
        QVERIFY(!check(k16Swg)->isChecked());
        QVERIFY(!weight(k16Swg)->isVisible());
        QCOMPARE(jobState().availArea[k16Swg], 0.0f);
    }

    void cancleAndTheCloseButtonEndTheProgram() {
        click(page_->cancelButton);
        QCOMPARE(run_->end.count(), 1);
        QVERIFY(!availableWiresSlot().isLoaded());

        AvailableWiresPage& again = availableWiresSlot().get();
        QVERIFY(showAndActivate(again));
        again.close();
        QCOMPARE(run_->end.count(), 2);
    }
};

QTEST_MAIN(AvailableWiresPageTest)
#include "AvailableWiresPageTest.moc"
