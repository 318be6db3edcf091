#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>
#include <memory>

#include "files/ScriptedSaveFileDialog.h"
#include "pages/ResultsPage.h"
#include "pages/Slots.h"
#include "printing/PdfPrinterDialog.h"
#include "tests/support/PageTestRun.h"
#include "tests/support/PdfText.h"

using namespace forms;

namespace {

constexpr GaugeIndex k14Swg = 7, k17Swg = 13, k17HalfSwg = 14;

// One 8 SWG wire of a 2 kg winding from 14, 17 and 17.5 SWG, with 5, 0.5 and 5 kg in stock: the
// search finds, in this order, 9 wires (17 SWG short), 5 wires and 4 wires, the last nearest.
const QString kReport = QStringLiteral(
    "{17 SWG X 3*, 17.5 SWG X 6,      12.97529\\par "
    "14 SWG X 3, 17 SWG X 2,      12.90506\\par "
    "14 SWG X 4,      12.97171\\par }");
const QString kNine = QStringLiteral("17 SWG X 3*, 17.5 SWG X 6,      12.97529");
const QString kFive = QStringLiteral("14 SWG X 3, 17 SWG X 2,      12.90506");
const QString kFour = QStringLiteral("14 SWG X 4,      12.97171");
const QString kNineWires = QStringLiteral("17 SWG X 3*, 17.5 SWG X 6");
const QString kFiveWires = QStringLiteral("14 SWG X 3, 17 SWG X 2");
const QString kFourWires = QStringLiteral("14 SWG X 4");
const QString kJob = QStringLiteral(
    "Original 1 × 8 SWG: 12.94619 mm², accepted 12.88146 to 13.01092 mm² · * = stock too light "
    "for its share of 2 kg");

// The lines the stock covers, as a saved text lists them.
const QString kCoveredColumns = QStringLiteral(
    "Combination              Total mm²\n"
    "14 SWG X 3, 17 SWG X 2    12.90506\n"
    "14 SWG X 4                12.97171\n");

const QString kTextFilter = QStringLiteral("Text files (*.txt)");
const QString kCsvFilter = QStringLiteral("CSV files (*.csv)");
const QString kPdfFilter = QStringLiteral("PDF files (*.pdf)");

void offer(JobState& job, GaugeIndex gauge, float stock) {
    job.availArea[gauge] = static_cast<float>(gaugeArea(gauge));
    job.availWeight[gauge] = stock;
}

// The job as the two data pages leave it when Next is pressed.
void prepareJob(short noWeightCheck = 0) {
    JobState& job = jobState();
    job.origGaugeArea[0] = static_cast<float>(gaugeArea(0));
    job.origWireCount[0] = 1;
    job.origSection = OriginalSection::Round;
    job.origArea = circularArea(job);
    job.origWeight = 2;
    job.noWeightCheck = noWeightCheck;
    offer(job, k14Swg, 5);
    offer(job, k17Swg, 0.5f);
    offer(job, k17HalfSwg, 5);
    setAreaWindow(job);
}

QStringList boxLines(const ResultsPage& page) {
    return page.reportBox->toPlainText().split('\n');
}

// The combination of each line, after the ranked orders' figures and a tab.
QStringList combinations(const ResultsPage& page) {
    QStringList lines = boxLines(page);
    for (QString& line : lines) line = line.section(u'\t', -1);
    return lines;
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "<missing>";
}

// The names in the page's access keys: "&Back" gives B.
QStringList accessKeys(const QWidget& page) {
    QStringList keys;
    for (const QWidget* widget : page.findChildren<QWidget*>()) {
        const QString text = widget->property("text").toString();
        const auto amp = text.indexOf('&');
        if (amp >= 0 && amp + 1 < text.size())
            keys << text.mid(amp + 1, 1).toUpper();
    }
    return keys;
}

}  // namespace

// The job line, the in-stock filter, the orderings, and printing and saving what is shown.
class ResultsListTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;
    QTemporaryDir dir_;

    ResultsPage& loadResults() {
        ResultsPage& page = resultsSlot().get();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&page)); }();
        return page;
    }

    static QStringList tabsFrom(QWidget* control, int presses) {
        control->setFocus();
        QStringList visited;
        for (int i = 0; i < presses; ++i) {
            pressTab();
            visited << focusedName();
        }
        return visited;
    }

    ScriptedSaveFileDialog& scriptedSaveDialog(ResultsPage& page) {
        auto dialog = std::make_unique<ScriptedSaveFileDialog>();
        auto& scripted = *dialog;
        page.listControls->saveDialog = std::move(dialog);
        return scripted;
    }

    // Ctrl+S, answered with the file typed and the filter chosen.
    void saveAs(ResultsPage& page, const QString& name, const QString& filter = {}) {
        auto& dialog = scriptedSaveDialog(page);
        dialog.typeFile(dir_.filePath(name), filter);
        QTest::keyClick(focused(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialog.timesShown(), 1);
        QCOMPARE(dialog.failures(), QStringList());
    }

private slots:
    void init() {
        run_ = std::make_unique<PageTestRun>();
        startRankLimitsAfresh();  // the limits a test leaves are its own
    }
    void cleanup() {
        const QString broken = endRun(run_);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void theJobIsStatedAndTheChoiceOrdersAndFiltersTheBox() {
        prepareJob();
        ResultsPage& page = loadResults();
        ListControls& list = *page.listControls;
        QCOMPARE(list.jobLabel->text(), QString(kJob).replace(" · ", "\n"));
        QCOMPARE(list.jobLabel->accessibleName(), kJob);
        QCOMPARE(page.reportBox->rtf(), kReport);
        QVERIFY(list.stoppedEarlyLabel->isHidden());

        pressAlt(Qt::Key_O);
        QCOMPARE(focused(), list.orderChoice);
        QTest::keyClick(focused(), Qt::Key_Down);  // fewest wires
        QTRY_VERIFY(!list.rankingPending());
        QCOMPARE(combinations(page), (QStringList{kFourWires, kFiveWires, kNineWires}));
        QCOMPARE(boxLines(page).first(),
                 QStringLiteral("12.97171\t4 wires\t1 size\t+0.20 %\t14 SWG X 4"));
        QTest::keyClick(focused(), Qt::Key_Down);  // fewest sizes
        QTest::keyClick(focused(), Qt::Key_Down);  // closest to original
        QTRY_VERIFY(!list.rankingPending());
        QCOMPARE(combinations(page), (QStringList{kFourWires, kNineWires, kFiveWires}));

        pressAlt(Qt::Key_S);  // a check box's access key clicks it a moment later
        QTRY_VERIFY(list.coveredOnlyCheck->isChecked());
        QTRY_VERIFY(!list.rankingPending());
        QCOMPARE(combinations(page), (QStringList{kFourWires, kFiveWires}));
        QVERIFY(list.rankedLabel->text().endsWith("covered by the stock"));
        QVERIFY(list.shownLabel->isHidden());

        list.orderChoice->setFocus();
        QTest::keyClick(focused(), Qt::Key_Home);
        QCOMPARE(boxLines(page), (QStringList{kFive, kFour}));
        QCOMPARE(list.shownLabel->text(), QStringLiteral("(2 shown)"));
        QVERIFY(list.rankedLabel->isHidden());
        QCOMPARE(page.countLabel->text(), QStringLiteral("3"));
        pressAlt(Qt::Key_S);
        QTRY_VERIFY(!list.coveredOnlyCheck->isChecked());
        QVERIFY(list.shownLabel->isHidden());
        QCOMPARE(page.reportBox->rtf(), kReport);
    }

    void withTheStockCheckOffTheFilterIsDisabledAndSaysWhy() {
        prepareJob(1);
        ResultsPage& page = loadResults();
        ListControls& list = *page.listControls;
        QVERIFY(list.jobLabel->text().endsWith("mm²\nstock check off"));
        QVERIFY(!list.coveredOnlyCheck->isEnabled());
        const QPoint onCheck = list.coveredOnlyCheck->geometry().center();
        QHelpEvent hover(QEvent::ToolTip, onCheck, page.mapToGlobal(onCheck));
        QApplication::sendEvent(&page, &hover);
        QVERIFY(QToolTip::text().contains("stock check is off"));
    }

    // A conductor too long for the line takes lines of its own; the list stands below them.
    void aLongConductorMovesTheListDown() {
        prepareJob();
        for (GaugeIndex gauge = 1; gauge < 12; ++gauge) {
            jobState().origGaugeArea[gauge] = static_cast<float>(gaugeArea(gauge));
        }
        ResultsPage& page = loadResults();
        const Label& job = *page.listControls->jobLabel;
        QVERIFY(job.text().contains(" SWG:\n12.94619 mm², accepted 12.88146 to 13.01092 mm²\n*"));
        QCOMPARE(job.height(), job.heightForWidth(job.width()));
        QVERIFY(page.reportBox->y() > job.geometry().bottom());
    }

    void printingGivesTheJobSheetOfTheLinesShown() {
        prepareJob();
        ResultsPage& page = loadResults();
        page.listControls->orderChoice->setCurrentIndex(1);  // fewest wires
        QTRY_VERIFY(!page.listControls->rankingPending());
        const QStringList shown = boxLines(page);

        const QString all = dir_.filePath("all.pdf");
        page.printerDialog = std::make_unique<PdfPrinterDialog>(all);
        QTest::keyClick(focused(), Qt::Key_P, Qt::ControlModifier);
        QStringList printed = pdfLines(all);
        QVERIFY(QRegularExpression("^Printed \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d$")
                    .match(printed.value(1))
                    .hasMatch());
        printed.removeAt(1);
        QCOMPARE(
            printed,
            QStringList(
                {"Wirnak – equivalent wire combinations", "Original conductor 1 × 8 SWG",
                 "Cross-section 12.94619 mm²", "Total weight 2 kg",
                 "Accepted 12.88146 to 13.01092 mm²", "Order fewest wires, at most 3 sizes",
                 "Shelf 14 SWG 5 kg 17 SWG 0.5 kg 17.5 SWG 5 kg",
                 "best 3 of 3 combinations of at most 3 sizes",
                 "* = stock too light for its share of 2 kg",
                 "Combination Total mm² Wires Sizes Deviation", "14 SWG X 4 12.97171 4 1 +0.20 %",
                 "14 SWG X 3, 17 SWG X 2 12.90506 5 2 -0.32 %",
                 "17 SWG X 3*, 17.5 SWG X 6 12.97529 9 2 +0.22 %", "1 × 8 SWG, 2 kg Page 1 of 1"}));
        QCOMPARE(boxLines(page), shown);
    }

    void allInTheDialogPrintsEveryLineThoughLinesAreSelected() {
        prepareJob();
        ResultsPage& page = loadResults();
        QTextCursor cursor(page.reportBox->document()->findBlockByNumber(1));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        page.reportBox->setTextCursor(cursor);
        const auto printed = [&](PdfPrinterDialog::Answer answer) {
            const QString pdf = dir_.filePath(QStringLiteral("answer-%1.pdf").arg(int(answer)));
            auto dialog = std::make_unique<PdfPrinterDialog>(pdf);
            dialog->setAnswer(answer);
            page.printerDialog = std::move(dialog);
            click(page.printButton);
            const QStringList lines = pdfLines(pdf);
            return lines.mid(lines.indexOf("Combination Total mm²"));
        };
        QCOMPARE(printed(PdfPrinterDialog::Answer::PrintAll),
                 (QStringList{"Combination Total mm²", "17 SWG X 3*, 17.5 SWG X 6 12.97529",
                              "14 SWG X 3, 17 SWG X 2 12.90506", "14 SWG X 4 12.97171",
                              "1 × 8 SWG, 2 kg Page 1 of 1"}));
        QCOMPARE(printed(PdfPrinterDialog::Answer::Print).mid(1, 1),
                 QStringList{"14 SWG X 3, 17 SWG X 2 12.90506"});
        QVERIFY(pdfLines(dir_.filePath("answer-0.pdf"))
                    .contains("Printed: lines 2 to 2 of the 3 shown, as selected."));
        QCOMPARE(page.printerDialog->flags(), PrinterDialog::ReturnPrinter +
                                                  PrinterDialog::NoPageRange +
                                                  PrinterDialog::OpenOnSelection);
    }

    void savingWritesTheLinesShownAsTextOrCsv() {
        prepareJob();
        ResultsPage& page = loadResults();
        page.listControls->coveredOnlyCheck->click();

        saveAs(page, "list.csv");
        QCOMPARE(fileText(dir_.filePath("list.csv")),
                 "combination,total_mm2,wires,short_stock,deviation_pct,sizes\r\n"
                 "\"14 SWG X 3, 17 SWG X 2\",12.90506,5,,-0.3176,2\r\n"
                 "14 SWG X 4,12.97171,4,,0.1971,1\r\n");
        // The next save offers the same file again, as CSV.
        auto& again = scriptedSaveDialog(page);
        QTest::keyClick(focused(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(again.lastSuggestedPath(), dir_.filePath("8SWGx1-combinations.csv"));
        QCOMPARE(again.lastSelectedFilter(), kCsvFilter);
        QCOMPARE(again.lastFilters(), (QStringList{kTextFilter, kCsvFilter, kPdfFilter}));

        saveAs(page, "plain", kTextFilter);
        QVERIFY(fileText(dir_.filePath("plain.txt")).endsWith(kCoveredColumns));
        saveAs(page, "typed.csv", kTextFilter);  // the suffix typed decides
        QVERIFY(fileText(dir_.filePath("typed.csv")).startsWith("combination,"));
        saveAs(page, "sheet.dat", kCsvFilter);  // else the filter chosen
        QVERIFY(fileText(dir_.filePath("sheet.dat")).startsWith("combination,"));

        // The report box's own menu saves too.
        auto& fromMenu = scriptedSaveDialog(page);
        fromMenu.typeFile(dir_.filePath("menu.txt"));
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text() == QStringLiteral("&Save list as...")) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
            menu->close();
        });
        emit page.reportBox->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(fromMenu.timesShown(), 1);
        QVERIFY(fileText(dir_.filePath("menu.txt")).endsWith(kCoveredColumns));

        // A ranked list is saved with the figures it is ranked by.
        page.listControls->orderChoice->setCurrentIndex(1);  // fewest wires
        QTRY_VERIFY(!page.listControls->rankingPending());
        auto& fromButton = scriptedSaveDialog(page);  // "Save…" beside "print"
        fromButton.typeFile(dir_.filePath("ranked.txt"));
        page.listControls->saveButton->click();
        QCOMPARE(fromButton.timesShown(), 1);
        const QString ranked = fileText(dir_.filePath("ranked.txt"));
        QVERIFY(ranked.contains("\nOrder               fewest wires, at most 3 sizes\n"));
        QVERIFY2(
            ranked.endsWith("\nbest 2 of 2 combinations of at most 3 sizes covered by the stock\n"
                            "* = stock too light for its share of 2 kg\n\n"
                            "Combination              Total mm²   Wires   Sizes   Deviation\n"
                            "14 SWG X 4                12.97171       4       1     +0.20 %\n"
                            "14 SWG X 3, 17 SWG X 2    12.90506       5       2     -0.32 %\n"),
            qPrintable(ranked));
    }

    void savingAsPdfWritesTheJobSheetAsPrinted() {
        prepareJob();
        ResultsPage& page = loadResults();
        page.listControls->orderChoice->setCurrentIndex(3);  // closest to original
        QTRY_VERIFY(!page.listControls->rankingPending());
        page.printerDialog = std::make_unique<PdfPrinterDialog>(dir_.filePath("printed.pdf"));
        QTest::keyClick(focused(), Qt::Key_P, Qt::ControlModifier);
        QStringList printed = pdfLines(dir_.filePath("printed.pdf"));
        QVERIFY(printed.size() > 10);
        printed[1].replace("Printed", "Saved");

        saveAs(page, "sheet", kPdfFilter);
        QCOMPARE(pdfLines(dir_.filePath("sheet.pdf")), printed);
        saveAs(page, "typed.pdf", kTextFilter);  // the suffix typed decides
        QCOMPARE(pdfLines(dir_.filePath("typed.pdf")), printed);
        // The next save offers PDF again.
        auto& again = scriptedSaveDialog(page);
        QTest::keyClick(focused(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(again.lastSuggestedPath(), dir_.filePath("8SWGx1-combinations.pdf"));
        QCOMPARE(again.lastSelectedFilter(), kPdfFilter);
    }

    void theSavedTextCarriesTheJobAndAFilterThatHidesAllIsNoNoMatch() {
        prepareJob();
        for (GaugeIndex gauge : {k14Swg, k17Swg, k17HalfSwg}) jobState().availWeight[gauge] = 0.1f;
        ResultsPage& page = loadResults();
        ListControls& list = *page.listControls;
        list.coveredOnlyCheck->click();
        QCOMPARE(page.reportBox->toPlainText(), QString());
        QCOMPARE(page.countLabel->text(), QStringLiteral("3"));
        QCOMPARE(list.shownLabel->text(), QStringLiteral("(0 shown)"));

        saveAs(page, "none-covered.txt");
        const QString saved = fileText(dir_.filePath("none-covered.txt"));
        QVERIFY(QRegularExpression(
                    "^Wirnak – equivalent wire combinations\nSaved "
                    "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d\n\nOriginal conductor  1 × 8 SWG\n")
                    .match(saved)
                    .hasMatch());
        QVERIFY2(saved.endsWith("\n3 Wire combinations found (0 shown)\n"
                                "The stock covers none of the 3 combinations found.\n"
                                "* = stock too light for its share of 2 kg\n"),
                 qPrintable(saved));
        saveAs(page, "none-covered.csv");
        QCOMPARE(fileText(dir_.filePath("none-covered.csv")),
                 "combination,total_mm2,wires,short_stock,deviation_pct,sizes\r\n");

        // A ranked list left empty says why in the box, as the saved text does.
        list.orderChoice->setCurrentIndex(1);
        QTRY_VERIFY(!list.rankingPending());
        QCOMPARE(page.reportBox->toPlainText(),
                 "The stock covers none of the combinations within the limits.");
        list.coveredOnlyCheck->click();
        list.mostWiresBox->setValue(3);
        QTRY_VERIFY(!list.rankingPending());
        QVERIFY(list.rankedLabel->text().startsWith("best 0 of 0 "));
        QCOMPARE(page.reportBox->toPlainText(), "No combination lies within the limits.");
    }

    void aSearchWithoutMatchSavesWhy() {
        JobState& job = jobState();
        job.origGaugeArea[kLastGauge] = static_cast<float>(gaugeArea(kLastGauge));
        job.origWireCount[kLastGauge] = 1;
        job.origSection = OriginalSection::Round;
        job.origArea = circularArea(job);
        job.noWeightCheck = 1;
        offer(job, 0, 0);
        setAreaWindow(job);
        ResultsPage& page = loadResults();
        QCOMPARE(page.reportBox->toPlainText(), QStringLiteral("Sorry no match found"));

        saveAs(page, "26SWG.txt");
        const QString saved = fileText(dir_.filePath("26SWG.txt"));
        QVERIFY2(saved.contains("\nOriginal conductor  1 × 26 SWG\n"), qPrintable(saved));
        QVERIFY2(saved.endsWith("\nShelf               8 SWG  –\n\nSorry no match found\n"),
                 qPrintable(saved));
    }

    void aFileThatCannotBeWrittenIsSaidAndNothingIsLeftBehind() {
        prepareJob();
        ResultsPage& page = loadResults();
        QVERIFY(QDir(dir_.path()).mkdir("taken.txt"));
        const QStringList before = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden);

        QStringList prompts;
        const MessageBoxHandler script = setMessageBoxHandler([&](const MessageBoxCall& call) {
            prompts << call.prompt;
            return MessageAnswer::Ok;
        });
        saveAs(page, "taken.txt");
        saveAs(page, "missing/list.txt");
        QVERIFY(QDir(dir_.path()).mkdir("taken.pdf"));
        saveAs(page, "taken.pdf");
        saveAs(page, "missing/list.pdf");
        QVERIFY(QDir(dir_.path()).rmdir("taken.pdf"));
        setMessageBoxHandler(script);

        QCOMPARE(prompts.size(), 4);
        QVERIFY2(
            prompts[0].startsWith("The list could not be saved as\n" +
                                  QDir::toNativeSeparators(dir_.filePath("taken.txt")) + "\n\n"),
            qPrintable(prompts[0]));
        QVERIFY(prompts[1].contains("missing"));
        QVERIFY2(
            prompts[2].startsWith("The list could not be saved as\n" +
                                  QDir::toNativeSeparators(dir_.filePath("taken.pdf")) + "\n\n"),
            qPrintable(prompts[2]));
        QVERIFY(prompts[3].contains("missing"));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        QVERIFY(QDir(dir_.filePath("taken.txt")).isEmpty());
    }

    void aFullTableSaysTheOrderCoversTheFirst10001() {
        JobState& job = jobState();
        job.origArea = static_cast<float>(gaugeArea(0));
        job.noWeightCheck = 1;
        for (GaugeIndex i = 0; i < kGaugeCount; ++i) offer(job, i, 0);
        setAreaWindow(job);
        // Why the search stopped is told in a message box of its own.
        const MessageBoxHandler script =
            setMessageBoxHandler([](const MessageBoxCall&) { return MessageAnswer::Ok; });
        ResultsPage& page = loadResults();
        setMessageBoxHandler(script);

        ListControls& list = *page.listControls;
        QCOMPARE(list.stoppedEarlyLabel->text(),
                 QStringLiteral("The search stopped early: the list and its order cover the first "
                                "10001 found."));
        list.orderChoice->setCurrentIndex(1);
        QTRY_VERIFY_WITH_TIMEOUT(!list.rankingPending(), 30000);
        QCOMPARE(page.reportBox->document()->blockCount(), 10001);
        QCOMPARE(list.rankedLabel->text(),
                 QStringLiteral("best 10001 of 80947 combinations of at most 3 sizes"));
        QVERIFY(list.stoppedEarlyLabel->isHidden());
        QCOMPARE(page.countLabel->text(), QStringLiteral("10001"));
    }

    void theNewControlsAreReachableAndFit() {
        prepareJob();
        ResultsPage& page = loadResults();
        ListControls& list = *page.listControls;

        // The limits are the ranked orders': "as found" passes them by.
        QCOMPARE(tabsFrom(page.finishButton, 5),
                 (QStringList{"coveredOnlyCheck", "printButton", "saveButton", "orderChoice",
                              "reportBox"}));
        list.orderChoice->setCurrentIndex(1);
        QCOMPARE(tabsFrom(list.saveButton, 3),
                 (QStringList{"orderChoice", "mostSizesBox", "mostWiresBox"}));
        pressAlt(Qt::Key_W);
        QCOMPARE(focused(), list.mostWiresBox);
        pressAlt(Qt::Key_D);
        QCOMPARE(focused(), list.mostSizesBox);

        QStringList keys = accessKeys(page);
        keys.removeDuplicates();
        QCOMPARE(keys.size(), accessKeys(page).size());
        QCOMPARE(list.orderLabel->buddy(), list.orderChoice);

        list.mostSizesBox->setValue(4);
        list.mostWiresBox->setValue(32767);
        for (QWidget* control : std::initializer_list<QWidget*>{
                 list.coveredOnlyCheck, list.orderChoice, list.orderLabel, list.mostSizesLabel,
                 list.mostSizesBox, list.mostWiresLabel, list.mostWiresBox}) {
            QVERIFY2(control->sizeHint().width() <= control->width(),
                     qPrintable(control->objectName()));
        }
        // The longest texts the notes take.
        list.takeResults(jobState(), SearchEnd::TableFull, ".");
        list.shownLabel->setText("(10001 shown)");
        list.rankedLabel->setText(
            "best 10001 of more than 10001 combinations of at most 4 sizes and 32767 wires "
            "covered by the stock");
        QVERIFY(list.stoppedEarlyLabel->text().startsWith("The search stopped early"));
        for (Label* label :
             {list.jobLabel, list.stoppedEarlyLabel, list.shownLabel, list.rankedLabel}) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->objectName()));
        }
    }
};

QTEST_MAIN(ResultsListTest)
#include "ResultsListTest.moc"
