#include <QLocale>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "pages/AvailableWiresPage.h"
#include "pages/OriginalWiresPage.h"
#include "pages/OtherSizesDialog.h"
#include "pages/ResultsPage.h"
#include "pages/Slots.h"
#include "pages/SplashWindow.h"
#include "pages/Wizard.h"
#include "printing/PdfPrinterDialog.h"
#include "tests/support/PageTestRun.h"
#include "tests/support/PdfText.h"

using namespace forms;

namespace {

constexpr GaugeIndex k8Swg = 0, k12Swg = 4, k13HalfSwg = 6, k14Swg = 7;

// The results page's band above the report box: the buttons, the count and the job, then the
// order and the limits of a ranked list. The window is drawn with a report box 825 twips high.
constexpr int kBand = 4470;
constexpr int kDrawnHeight = kBand + 825;

const QString kWorkedReport = QStringLiteral(
    "{14 SWG X 4*,      12.97171\\par 12 SWG X 1*, 13.5 SWG X 2,      12.97468\\par }");

// wirnak-cli --round 8=1 --weight 2 --available 2.5mm=3,1.06mm=0.5,14awg=0.9,12=3, with the
// decimal comma of the desktop the walk runs on.
const QString kMixedShelfReport = QStringLiteral(
    "14 AWG X 2, 1.06 mm X 10*,      12,98655\n"
    "2.50 mm X 1, 14 AWG X 3*, 1.06 mm X 2,      12,91641");

}  // namespace

// The wizard from the splash to the report, driven from the keyboard and the mouse.
class WizardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;

    static OriginalWiresPage& originalWires() { return *originalWiresSlot().loaded(); }
    static AvailableWiresPage& availableWires() { return *availableWiresSlot().loaded(); }
    static ResultsPage& results() { return *resultsSlot().loaded(); }

    // Splash, then one 8 SWG wire of a 2 kg winding; with an empty weight the question that
    // follows is answered Cancel, which turns the weight check off.
    void describeOneEightSwgWire(const QString& kilograms) {
        startWizard();
        QVERIFY(QTest::qWaitForWindowActive(splashSlot().loaded()));
        pressAlt(Qt::Key_C);
        QVERIFY(QTest::qWaitForWindowActive(&originalWires()));
        QTest::keyClick(focused(), Qt::Key_Space);  // tick 8 SWG
        typeHere("1");
        clickAndType(control<TextBox>(&originalWires(), "weightBox"), kilograms);
        if (kilograms.isEmpty()) {
            run_->boxes.expect("Without total weight Program will not check weight!", "Error!",
                               kWarningRetryCancel, MessageAnswer::Cancel);
        }
        pressAlt(Qt::Key_N);
        QVERIFY(QTest::qWaitForWindowActive(&availableWires()));
    }

    // Ticks a size on the available-wires page, with its stock while the boxes are offered.
    void offer(GaugeIndex gauge, const QString& kilograms = {}) {
        click(availableWires().gaugeCheck(gauge));
        if (!kilograms.isEmpty())
            typeHere(kilograms);
    }

    // "Other sizes…" from the keyboard: each size typed, its unit chosen, its stock, Return to add
    // it; then OK.
    struct Typed {
        QString size;
        bool awg;
        QString kilograms;
    };
    void addOtherSizes(const QList<Typed>& sizes) {
        pressAlt(Qt::Key_O);
        OtherSizesDialog* dialog = availableWires().otherSizesDialog;
        QVERIFY(dialog && takesTheKeys(*dialog));
        for (const Typed& typed : sizes) {
            QCOMPARE(focused(), dialog->sizeBox);
            typeHere(typed.size);
            pressTab();
            QTest::keyClick(focused(), typed.awg ? Qt::Key_End : Qt::Key_Home);
            pressTab();
            typeHere(typed.kilograms);
            QTest::keyClick(focused(), Qt::Key_Return);
        }
        pressAlt(Qt::Key_O);  // OK
        QTRY_VERIFY(!availableWires().otherSizesDialog);
        QVERIFY(takesTheKeys(availableWires()));
    }

    void searchWithNext() {
        pressAlt(Qt::Key_N);
        QVERIFY(resultsSlot().isLoaded());
        QVERIFY(QTest::qWaitForWindowActive(&results()));
    }

private slots:
    void init() { run_ = std::make_unique<PageTestRun>(); }
    void cleanup() {
        const QString broken = endRun(run_);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void workedExampleFromTheSplashToTheReport() {
        describeOneEightSwgWire("2");
        QCOMPARE(jobState().origArea, static_cast<double>(static_cast<float>(gaugeArea(k8Swg))));
        offer(k12Swg, "0.5");
        offer(k13HalfSwg, "2");
        offer(k14Swg, "1");
        searchWithNext();

        ResultsPage& page = results();
        QCOMPARE(page.windowTitle(), QStringLiteral("Equivalent wire combinations"));
        QCOMPARE(page.reportBox->rtf(), kWorkedReport);
        QCOMPARE(page.reportBox->toPlainText(),
                 QStringLiteral("14 SWG X 4*,      12.97171\n"
                                "12 SWG X 1*, 13.5 SWG X 2,      12.97468"));
        QCOMPARE(page.countLabel->text(), QStringLiteral("2"));
        QVERIFY(page.foundLabel->isVisible());
        QCOMPARE(page.progressBar->value(), 29.0f);
        QCOMPARE(page.progressBar->maximum(), 29.0f);
        QCOMPARE(page.mousePointer(), MousePointer::Default);
        QVERIFY(!availableWires().isVisible());
        QVERIFY(!originalWires().isVisible());

        // The last page: Next stays disabled, and its access key does nothing.
        pressAlt(Qt::Key_N);
        QVERIFY(!page.nextButton->isEnabled());
        QCOMPARE(resultsSlot().loaded(), &page);
        QVERIFY(page.isVisible());
        QVERIFY(!run_->end.ended());
    }

    // Metric and AWG wire on the shelf beside 12 SWG, entered as a user would, with the decimal
    // comma of a German desktop: the report is the command line's for the same job.
    void otherSizesOnTheShelfAreSearchedWithTheirStock() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([before] { QLocale::setDefault(before); });
        describeOneEightSwgWire("2");
        offer(k12Swg, "3");
        addOtherSizes({{"2,5", false, "3"}, {"1,06", false, "0,5"}, {"14", true, "0,9"}});
        QCOMPARE(availableWires().otherSizesLine->text(),
                 QStringLiteral("Also on the shelf: 2.50 mm 3 kg, 1.06 mm 0,5 kg, 14 AWG 0,9 kg"));
        searchWithNext();
        QCOMPARE(results().reportBox->toPlainText(), kMixedShelfReport);
        QCOMPARE(results().progressBar->maximum(), 4.0f);

        // The sizes stay through Back and Next, on both pages.
        click(results().backButton);
        click(availableWires().backButton);
        QVERIFY(QTest::qWaitForWindowActive(&originalWires()));
        pressAlt(Qt::Key_N);
        QVERIFY(QTest::qWaitForWindowActive(&availableWires()));
        QCOMPARE(jobState().availOther.size(), std::size_t(3));
        searchWithNext();
        QCOMPARE(results().reportBox->toPlainText(), kMixedShelfReport);
    }

    void theReportWritesAreasWithTheUsersDecimalSeparator() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([before] { QLocale::setDefault(before); });
        describeOneEightSwgWire("2");
        offer(k12Swg, "0,5");
        offer(k13HalfSwg, "2");
        offer(k14Swg, "1");
        searchWithNext();
        QCOMPARE(results().reportBox->toPlainText(),
                 QStringLiteral("14 SWG X 4*,      12,97171\n"
                                "12 SWG X 1*, 13.5 SWG X 2,      12,97468"));
    }

    // A wizard stays in one place on the screen: each page opens where the one it replaces
    // stood, the first one centred on the splash; the results keep the size and place the user
    // gives them, though Back unloads them.
    void eachPageOpensWhereThePageItReplacesStood() {
        startWizard();
        SplashWindow* splash = splashSlot().loaded();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        splash->move(120, 80);
        const QPoint splashCentre = splash->frameGeometry().center();
        pressAlt(Qt::Key_C);
        QVERIFY(QTest::qWaitForWindowExposed(&originalWires()));
        QVERIFY((originalWires().frameGeometry().center() - splashCentre).manhattanLength() <= 2);

        originalWires().move(originalWires().pos() + QPoint(-11, 5));
        QTest::keyClick(focused(), Qt::Key_Space);
        typeHere("1");
        clickAndType(control<TextBox>(&originalWires(), "weightBox"), "2");
        pressAlt(Qt::Key_N);
        QVERIFY(QTest::qWaitForWindowExposed(&availableWires()));
        QCOMPARE(availableWires().pos(), originalWires().pos());

        offer(k8Swg, "5");
        searchWithNext();
        QCOMPARE(results().pos(), availableWires().pos());
        // Big enough for a good many lines of the report.
        QVERIFY(results().reportBox->height() > 12 * results().reportBox->fontMetrics().height());

        const QRect given(results().pos() + QPoint(40, 30), QSize(640, 480));
        results().move(given.topLeft());
        results().resize(given.size());
        click(results().backButton);
        QVERIFY(QTest::qWaitForWindowExposed(&availableWires()));
        QCOMPARE(availableWires().pos(), given.topLeft());
        availableWires().move(availableWires().pos() + QPoint(9, 9));
        searchWithNext();
        QCOMPARE(QRect(results().pos(), results().size()), given);
    }

    // Without a window manager nothing would move a page back onto the screen: a page placed
    // where the one before it stood keeps as near that place as the screen's free area allows.
    void eachPageOpensWithinTheScreen() {
        startWizard();
        SplashWindow* splash = splashSlot().loaded();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        const QRect area = splash->screen()->availableGeometry();
        splash->move(area.topLeft());  // Original Wires, taller, centred on it would start above
        const int splashCentre = splash->frameGeometry().center().x();
        pressAlt(Qt::Key_C);
        QVERIFY(QTest::qWaitForWindowExposed(&originalWires()));
        QCOMPARE(originalWires().frameGeometry().top(), area.top());
        QVERIFY(qAbs(originalWires().frameGeometry().center().x() - splashCentre) <= 1);

        originalWires().move(area.bottomRight() - QPoint(100, 100));
        QTest::keyClick(focused(), Qt::Key_Space);
        typeHere("1");
        clickAndType(control<TextBox>(&originalWires(), "weightBox"), "2");
        pressAlt(Qt::Key_N);
        QVERIFY(QTest::qWaitForWindowExposed(&availableWires()));
        QCOMPARE(availableWires().frameGeometry().bottomRight(), area.bottomRight());
    }

    // Return pressed as the results open must not throw them away by going back.
    void theResultsOpenWithTheFocusOnTheList() {
        describeOneEightSwgWire("2");
        offer(k14Swg, "1");
        searchWithNext();
        QCOMPARE(focused(), results().reportBox);
        QTest::keyClick(focused(), Qt::Key_Return);
        QVERIFY(resultsSlot().isLoaded() && results().isVisible());
    }

    void withoutWeightsNoLineIsMarked() {
        describeOneEightSwgWire({});
        QCOMPARE(jobState().noWeightCheck, short(1));
        offer(k12Swg);  // no weight boxes are offered once the check is off
        offer(k13HalfSwg);
        offer(k14Swg);
        searchWithNext();
        QCOMPARE(results().reportBox->rtf(),
                 QStringLiteral("{14 SWG X 4,      12.97171\\par "
                                "12 SWG X 1, 13.5 SWG X 2,      12.97468\\par }"));
    }

    void noMatchIsSaidAndCountedAsZero() {
        describeOneEightSwgWire({});
        offer(9);  // 15 SWG
        offer(10);
        QTest::keyClick(focused(), Qt::Key_Tab);
        jobState().origArea = 1;  // far below one wire of either size
        searchWithNext();
        QCOMPARE(results().reportBox->rtf(), QStringLiteral("{Sorry no match found}"));
        QCOMPARE(results().countLabel->text(), QStringLiteral("0"));
        QVERIFY(results().foundLabel->isVisible());
    }

    void backThenNextSearchesAfresh() {
        describeOneEightSwgWire("2");
        offer(k12Swg, "0.5");
        offer(k13HalfSwg, "2");
        offer(k14Swg, "1");
        searchWithNext();
        ResultsPage* first = &results();

        click(first->backButton);
        QVERIFY(!resultsSlot().isLoaded());
        QVERIFY(availableWires().isVisible());
        QCOMPARE(jobState().resultText[0], std::string());
        QCOMPARE(jobState().resultArea[1], 0.0f);
        QVERIFY(availableWires().gaugeCheck(k14Swg)->isChecked());
        QCOMPARE(availableWires().stockBox(k14Swg)->text(), QStringLiteral("1"));

        click(availableWires().gaugeCheck(k14Swg));  // 14 SWG no longer at hand
        searchWithNext();
        QCOMPARE(results().reportBox->rtf(),
                 QStringLiteral("{12 SWG X 1*, 13.5 SWG X 2,      12.97468\\par }"));
        QCOMPARE(results().countLabel->text(), QStringLiteral("1"));
    }

    void finishEndsTheProgram() {
        describeOneEightSwgWire("2");
        offer(k8Swg, "5");
        searchWithNext();
        QCOMPARE(results().reportBox->rtf(), QStringLiteral("{8 SWG X 1,      12.94619\\par }"));
        pressAlt(Qt::Key_F);
        QCOMPARE(run_->end.count(), 1);
        QVERIFY(!resultsSlot().isLoaded());
    }

    void theReportBoxFillsTheWindowBelowTheBand() {
        describeOneEightSwgWire("2");
        offer(k8Swg, "5");
        searchWithNext();
        ResultsPage& page = results();
        const QRect back = page.backButton->geometry();
        const QRect bar = page.progressBar->geometry();

        // To the last pixel of the window, whatever its size in twips.
        page.resize(611, 437);
        QCOMPARE(page.reportBox->geometry(),
                 QRect(0, twipsToPixels(kBand), 611, 437 - twipsToPixels(kBand)));

        page.resize(twipsToPixels(9000), twipsToPixels(5995));
        QCOMPARE(page.reportBox->geometry(), twipsRect(0, kBand, 9000, 5995 - kBand));
        page.resize(twipsToPixels(9000), twipsToPixels(kBand));
        QCOMPARE(page.reportBox->geometry(), twipsRect(0, kBand, 9000, 0));
        page.resize(twipsToPixels(8000), twipsToPixels(kBand) - 1);  // too low: nothing changes
        QCOMPARE(page.reportBox->geometry(), twipsRect(0, kBand, 9000, 0));
        page.resize(twipsToPixels(12000), twipsToPixels(2400));
        QCOMPARE(page.reportBox->geometry(), twipsRect(0, kBand, 9000, 0));
        QCOMPARE(page.backButton->geometry(), back);
        QCOMPARE(page.progressBar->geometry(), bar);

        page.showMinimized();
        page.showNormal();
        page.resize(twipsToPixels(7425), twipsToPixels(kDrawnHeight));
        QCOMPARE(page.reportBox->geometry(), twipsRect(0, kBand, 7425, 825));
    }

    void printsTheWholeReportOrTheSelectionToPdf() {
        describeOneEightSwgWire("2");
        offer(k12Swg, "0.5");
        offer(k13HalfSwg, "2");
        offer(k14Swg, "1");
        searchWithNext();
        QTemporaryDir dir;
        ResultsPage& page = results();

        const QString all = dir.filePath("all.pdf");
        page.printerDialog = std::make_unique<PdfPrinterDialog>(all);
        QTest::keyClick(focused(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(page.printerDialog->flags(),
                 PrinterDialog::ReturnPrinter + PrinterDialog::NoPageRange);
        const QStringList printedAll = pdfLines(all);  // below the job
        QVERIFY(printedAll.contains("Original conductor 1 × 8 SWG"));
        QCOMPARE(printedAll.mid(printedAll.size() - 3),
                 (QStringList{"14 SWG X 4* 12.97171", "12 SWG X 1*, 13.5 SWG X 2 12.97468",
                              "1 × 8 SWG, 2 kg Page 1 of 1"}));

        const QString selection = dir.filePath("selection.pdf");
        page.printerDialog = std::make_unique<PdfPrinterDialog>(selection);
        QTextCursor cursor = page.reportBox->textCursor();
        cursor.movePosition(QTextCursor::Down);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        page.reportBox->setTextCursor(cursor);
        click(page.printButton);
        QCOMPARE(page.printerDialog->flags(), PrinterDialog::ReturnPrinter +
                                                  PrinterDialog::NoPageRange +
                                                  PrinterDialog::OpenOnSelection);
        const QStringList printedSelection = pdfLines(selection);
        QVERIFY(printedSelection.contains("Original conductor 1 × 8 SWG"));
        QCOMPARE(printedSelection.mid(printedSelection.size() - 2, 1),
                 QStringList{"12 SWG X 1*, 13.5 SWG X 2 12.97468"});
        QVERIFY(!printedSelection.contains("14 SWG X 4* 12.97171"));

        const QString cancelled = dir.filePath("cancelled.pdf");
        auto dialog = std::make_unique<PdfPrinterDialog>(cancelled);
        dialog->setAnswer(PdfPrinterDialog::Answer::Cancel);
        page.printerDialog = std::move(dialog);
        click(page.printButton);
        QVERIFY(!QFile::exists(cancelled));
        QVERIFY(page.isVisible());
    }

    void aSearchThatFillsTheTableSaysSoAndKeepsItsLines() {
        describeOneEightSwgWire({});
        for (GaugeIndex i = 0; i < kGaugeCount; ++i) offer(i);
        run_->boxes.expect(
            "More than 10001 combinations exist. \"as found\" shows the first 10001; the ranked "
            "orders (Order) rank them all.",
            "Wirnak", kWarningOk, MessageAnswer::Ok);
        searchWithNext();
        ResultsPage& page = results();
        QCOMPARE(page.countLabel->text(), QStringLiteral("10001"));
        QCOMPARE(page.reportBox->document()->blockCount(), 10001);
        QCOMPARE(page.reportBox->rtf().count(QStringLiteral("\\par ")), 10001);
        QCOMPARE(page.progressBar->value(), 29.0f);
        QCOMPARE(page.mousePointer(), MousePointer::Default);

        // Every line can be reached: both scroll bars show, inside the window.
        page.resize(twipsToPixels(5000), twipsToPixels(6000));
        for (const QScrollBar* bar :
             {page.reportBox->horizontalScrollBar(), page.reportBox->verticalScrollBar()}) {
            QVERIFY(bar->isVisible());
            QVERIFY(page.rect().contains(QRect(bar->mapTo(&page, QPoint(0, 0)), bar->size())));
        }
    }

    void aSizeNeedingMoreThan32767WiresStopsTheSearch() {
        describeOneEightSwgWire({});
        offer(28);
        jobState().origArea = 40000 * gaugeArea(28);
        run_->boxes.expect(
            "The search stopped early: 26 SWG would need more than 32767 wires.\n"
            "The list shows the combinations found until then.",
            "Wirnak", kWarningOk, MessageAnswer::Ok);
        QTest::keyClick(focused(), Qt::Key_Tab);
        searchWithNext();
        QCOMPARE(results().countLabel->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(WizardTest)
#include "WizardTest.moc"
