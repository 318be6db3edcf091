#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "pages/Form1.h"
#include "pages/Form2.h"
#include "pages/Form3.h"
#include "pages/Slots.h"
#include "pages/StartUp.h"
#include "pages/frmSplash.h"
#include "platform/PdfPrinterDialog.h"
#include "tests/support/PageTestRun.h"
#include "tests/support/PdfText.h"

using namespace forms;

namespace {

constexpr GaugeIndex k8Swg = 0, k12Swg = 4, k13HalfSwg = 6, k14Swg = 7;

const QString kWorkedReport = QStringLiteral(
    "{14 SWG X 4*,      12.97171\\par 12 SWG X 1*, 13.5 SWG X 2,      12.97468\\par }");

}  // namespace

// The wizard from the splash to the report, driven from the keyboard and the mouse.
class WizardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;

    static Form3& originalWires() { return *form3Slot().loaded(); }
    static Form1& availableWires() { return *form1Slot().loaded(); }
    static Form2& results() { return *form2Slot().loaded(); }

    // Splash, then one 8 SWG wire of a 2 kg winding; with an empty weight the question that
    // follows is answered Cancel, which turns the weight check off.
    void describeOneEightSwgWire(const QString& kilograms) {
        startUp();
        QVERIFY(QTest::qWaitForWindowActive(frmSplashSlot().loaded()));
        pressAlt(Qt::Key_C);
        QVERIFY(QTest::qWaitForWindowActive(&originalWires()));
        QTest::keyClick(focused(), Qt::Key_Space);  // tick 8 SWG
        typeHere("1");
        clickAndType(control<TextBox>(&originalWires(), "Text3"), kilograms);
        if (kilograms.isEmpty()) {
            run_->boxes.expect("Without total weight Program will not check weight!", "Error!",
                               vbRetryCancel + vbExclamation, vbCancel);
        }
        pressAlt(Qt::Key_N);
        QVERIFY(QTest::qWaitForWindowActive(&availableWires()));
    }

    // Ticks a size on the available-wires page, with its stock while the boxes are offered.
    void offer(GaugeIndex gauge, const QString& kilograms = {}) {
        click(availableWires().Check1(gauge));
        if (!kilograms.isEmpty())
            typeHere(kilograms);
    }

    void searchWithNext() {
        pressAlt(Qt::Key_N);
        QVERIFY(form2Slot().isLoaded());
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

        Form2& page = results();
        QCOMPARE(page.windowTitle(), QStringLiteral("Equivalent wire combinations"));
        QCOMPARE(page.RichTextBox1->TextRTF(), kWorkedReport);
        QCOMPARE(page.RichTextBox1->toPlainText(),
                 QStringLiteral("14 SWG X 4*,      12.97171\n"
                                "12 SWG X 1*, 13.5 SWG X 2,      12.97468"));
        QCOMPARE(page.Label1->text(), QStringLiteral("2"));
        QVERIFY(page.Label2->isVisible());
        QCOMPARE(page.ProgressBar1->value(), 29.0f);
        QCOMPARE(page.ProgressBar1->maximum(), 29.0f);
        QCOMPARE(page.mousePointer(), Page::kDefaultPointer);
        QVERIFY(!page.Command1->isEnabled());
        QVERIFY(!availableWires().isVisible());
        QVERIFY(!originalWires().isVisible());
    }

    void withoutWeightsNoLineIsMarked() {
        describeOneEightSwgWire({});
        QCOMPARE(jobState().noWeightCheck, short(1));
        offer(k12Swg);  // no weight boxes are offered once the check is off
        offer(k13HalfSwg);
        offer(k14Swg);
        searchWithNext();
        QCOMPARE(results().RichTextBox1->TextRTF(),
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
        QCOMPARE(results().RichTextBox1->TextRTF(), QStringLiteral("{Sorry no match found}"));
        QCOMPARE(results().Label1->text(), QStringLiteral("0"));
        QVERIFY(results().Label2->isVisible());
    }

    void backThenNextSearchesAfresh() {
        describeOneEightSwgWire("2");
        offer(k12Swg, "0.5");
        offer(k13HalfSwg, "2");
        offer(k14Swg, "1");
        searchWithNext();
        Form2* first = &results();

        click(first->Command3);
        QVERIFY(!form2Slot().isLoaded());
        QVERIFY(availableWires().isVisible());
        QCOMPARE(jobState().resultText[0], std::string());
        QCOMPARE(jobState().resultArea[1], 0.0f);
        QVERIFY(availableWires().Check1(k14Swg)->isChecked());
        QCOMPARE(availableWires().Text4(k14Swg)->text(), QStringLiteral("1"));

        click(availableWires().Check1(k14Swg));  // 14 SWG no longer at hand
        searchWithNext();
        QCOMPARE(results().RichTextBox1->TextRTF(),
                 QStringLiteral("{12 SWG X 1*, 13.5 SWG X 2,      12.97468\\par }"));
        QCOMPARE(results().Label1->text(), QStringLiteral("1"));
    }

    void finishEndsTheProgram() {
        describeOneEightSwgWire("2");
        offer(k8Swg, "5");
        searchWithNext();
        QCOMPARE(results().RichTextBox1->TextRTF(),
                 QStringLiteral("{8 SWG X 1,      12.94619\\par }"));
        pressAlt(Qt::Key_F);
        QCOMPARE(run_->end.count(), 1);
        QVERIFY(!form2Slot().isLoaded());
    }

    void theReportBoxFillsTheWindowBelowTheBand() {
        describeOneEightSwgWire("2");
        offer(k8Swg, "5");
        searchWithNext();
        Form2& page = results();
        const QRect back = page.Command3->geometry();
        const QRect bar = page.ProgressBar1->geometry();

        page.resize(twipsToPixels(9000), twipsToPixels(4995));
        QCOMPARE(page.RichTextBox1->geometry(), twipsRect(0, 3255, 9000, 4995 - 3255));
        page.resize(twipsToPixels(9000), twipsToPixels(3255));
        QCOMPARE(page.RichTextBox1->geometry().height(), 0);
        page.resize(twipsToPixels(12000), twipsToPixels(2400));  // too low: nothing changes
        QCOMPARE(page.RichTextBox1->geometry(), twipsRect(0, 3255, 9000, 0));
        QCOMPARE(page.Command3->geometry(), back);
        QCOMPARE(page.ProgressBar1->geometry(), bar);

        page.showMinimized();
        page.showNormal();
        page.resize(twipsToPixels(7425), twipsToPixels(4080));
        QCOMPARE(page.RichTextBox1->geometry(), twipsRect(0, 3255, 7425, 4080 - 3255));
    }

    void printsTheWholeReportOrTheSelectionToPdf() {
        describeOneEightSwgWire("2");
        offer(k12Swg, "0.5");
        offer(k13HalfSwg, "2");
        offer(k14Swg, "1");
        searchWithNext();
        QTemporaryDir dir;
        Form2& page = results();

        const QString all = dir.filePath("all.pdf");
        page.dlgPrint = std::make_unique<PdfPrinterDialog>(all);
        click(page.Command2);
        QCOMPARE(page.dlgPrint->flags(), 264);
        QCOMPARE(pdfLines(all),
                 (QStringList{"14 SWG X 4*, 12.97171", "12 SWG X 1*, 13.5 SWG X 2, 12.97468"}));

        const QString selection = dir.filePath("selection.pdf");
        page.dlgPrint = std::make_unique<PdfPrinterDialog>(selection);
        QTextCursor cursor = page.RichTextBox1->textCursor();
        cursor.movePosition(QTextCursor::Down);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        page.RichTextBox1->setTextCursor(cursor);
        click(page.Command2);
        QCOMPARE(page.dlgPrint->flags(), 265);
        QCOMPARE(pdfLines(selection), QStringList{"12 SWG X 1*, 13.5 SWG X 2, 12.97468"});

        const QString cancelled = dir.filePath("cancelled.pdf");
        auto dialog = std::make_unique<PdfPrinterDialog>(cancelled);
        dialog->setAnswer(PdfPrinterDialog::Answer::Cancel);
        page.dlgPrint = std::move(dialog);
        click(page.Command2);
        QVERIFY(!QFile::exists(cancelled));
        QVERIFY(page.isVisible());
    }

    void aSearchThatFillsTheTableSaysSoAndKeepsItsLines() {
        describeOneEightSwgWire({});
        for (GaugeIndex i = 0; i < kGaugeCount; ++i) offer(i);
        run_->boxes.expect(
            "More than 10001 combinations exist. The list shows the first 10001 of them.\n"
            "Tick fewer or thicker sizes to see them all.",
            "Wirnak", vbExclamation, vbOK);
        searchWithNext();
        Form2& page = results();
        QCOMPARE(page.Label1->text(), QStringLiteral("10001"));
        QCOMPARE(page.RichTextBox1->document()->blockCount(), 10001);
        QCOMPARE(page.RichTextBox1->TextRTF().count(QStringLiteral("\\par ")), 10001);
        QCOMPARE(page.ProgressBar1->value(), 29.0f);
        QCOMPARE(page.mousePointer(), Page::kDefaultPointer);
    }

    void aSizeNeedingMoreThan32767WiresStopsTheSearch() {
        describeOneEightSwgWire({});
        offer(28);
        jobState().origArea = 40000 * gaugeArea(28);
        run_->boxes.expect(
            "The search stopped early: one size would need more than 32767 wires.\n"
            "The list shows the combinations found until then.",
            "Wirnak", vbExclamation, vbOK);
        QTest::keyClick(focused(), Qt::Key_Tab);
        searchWithNext();
        QCOMPARE(results().Label1->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(WizardTest)
#include "WizardTest.moc"
