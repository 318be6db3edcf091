#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include "gauge/GaugeTable.h"
#include "platform/JobSheetPages.h"
#include "platform/MessageBox.h"
#include "platform/PdfPrinterDialog.h"
#include "platform/PrintReport.h"
#include "platform/PrinterDialog.h"
#include "platform/ReportBox.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PdfText.h"

namespace {

const QStringList kLines = {
    "14 SWG X 4*,      12.97171",
    "12 SWG X 1*, 13.5 SWG X 2,      12.97468",
    "9 SWG X 1, 12 SWG X 2*,      25.9",
};

constexpr int kOnSelection =
    PrinterDialog::ReturnPrinter + PrinterDialog::NoPageRange + PrinterDialog::OpenOnSelection;

QStringList simplified(QStringList lines) {
    for (QString& line : lines) line = line.simplified();
    return lines;
}

void selectBlocks(ReportBox& box, int first, int last) {
    QTextCursor cursor(box.document()->findBlockByNumber(first));
    cursor.setPosition(box.document()->findBlockByNumber(last).position() +
                           box.document()->findBlockByNumber(last).length() - 1,
                       QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

// Runs check on the print dialog once it is up, then closes it with Cancel. The dialog's options
// pane starts folded away, so its choices count as offered when they are not hidden.
void whenDialogShows(std::function<void(QPrintDialog&)> check) {
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        const auto close = qScopeGuard([dialog] { dialog->reject(); });
        check(*dialog);
    });
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QRadioButton* radio(QPrintDialog& dialog, const char* name) {
    return dialog.findChild<QRadioButton*>(name);
}

// A ranked list of 150 lines, totals of three lengths, and one line whose combination takes
// every size, far wider than a page.
JobSheet longSheet() {
    JobSheet sheet;
    sheet.title = "Wirnak – equivalent wire combinations";
    sheet.dated = "Printed 2025-05-03 14:05";
    sheet.shortTitle = "1 × 8 SWG, 2 kg";
    sheet.job = {{"Original conductor", "1 × 8 SWG"}, {"Order", "fewest wires, at most 3 sizes"}};
    sheet.shelf = {{"12 SWG", "0.5 kg"}, {"13.5 SWG", "2 kg"}};
    sheet.notes = {"best 150 of 150 combinations", "* = stock too light for its share of 2 kg"};
    sheet.columns = {{"Combination", CellAlignment::Left},
                     {"Total mm²", CellAlignment::DecimalSeparator},
                     {"Wires", CellAlignment::Right}};
    sheet.decimalSeparator = ".";
    const char* totals[] = {"9.96", "10.01234", "12.9"};
    for (int i = 0; i < 150; ++i) {
        sheet.rows.push_back({"14 SWG X " + std::to_string(i + 1) + (i % 3 ? "" : "*"),
                              totals[i % 3], std::to_string(i + 1)});
    }
    std::string everySize;
    for (GaugeIndex gauge = 0; gauge < kGaugeCount; ++gauge)
        everySize += (gauge ? ", " : "") + gaugeLabel(gauge) + " X 1";
    sheet.rows[100][0] = everySize;
    return sheet;
}

// Where each word of the PDF begins on its page, in points from the left: its xMin values.
QMap<QString, QSet<double>> wordStarts(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", path, "-"});
    pdftotext.waitForFinished(30000);
    const QRegularExpression word(R"re(<word xMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    QMap<QString, QSet<double>> starts;
    for (const auto& match : word.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput())))
        starts[match.captured(2)] << match.captured(1).toDouble();
    return starts;
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        boxes_.reset();  // gives the handler back before the next script takes it
        boxes_ = std::make_unique<forms::ScriptedMessageBoxes>();
        box_ = std::make_unique<ReportBox>();
        box_->setText(kLines.join('\n'));
        pdf_ = dir_.filePath(QString("report-%1.pdf").arg(QTest::currentTestFunction()));
        dialog_ = std::make_unique<PdfPrinterDialog>(pdf_);
    }

    void withoutSelectionPrintsEverythingFromAll() {
        printReport(*box_, *dialog_);
        QCOMPARE(dialog_->timesShown(), 1);
        QCOMPARE(dialog_->flags(), PrinterDialog::ReturnPrinter + PrinterDialog::NoPageRange);
        QCOMPARE(pdfLines(pdf_), simplified(kLines));
    }

    void withSelectionPrintsOnlyTheSelection() {
        selectBlocks(*box_, 1, 2);
        printReport(*box_, *dialog_);
        QCOMPARE(dialog_->flags(), kOnSelection);
        QCOMPARE(pdfLines(pdf_), simplified(kLines.mid(1)));
    }

    void partOfALinePrintsAsSelected() {
        QTextCursor cursor(box_->document());
        cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 6);
        box_->setTextCursor(cursor);
        printReport(*box_, *dialog_);
        QCOMPARE(pdfLines(pdf_), QStringList({"14 SWG"}));
    }

    void switchingToAllPrintsEverything() {
        selectBlocks(*box_, 0, 0);
        dialog_->setAnswer(PdfPrinterDialog::Answer::PrintAll);
        printReport(*box_, *dialog_);
        QCOMPARE(dialog_->flags(), kOnSelection);
        QCOMPARE(pdfLines(pdf_), simplified(kLines));
    }

    void cancelPrintsNothing() {
        dialog_->setAnswer(PdfPrinterDialog::Answer::Cancel);
        printReport(*box_, *dialog_);
        QCOMPARE(dialog_->timesShown(), 1);
        QVERIFY(!QFile::exists(pdf_));
    }

    void anUnwritableFileIsToldAndNothingIsPrinted() {
        const QString path = dir_.filePath("missing-folder/report.pdf");
        PdfPrinterDialog dialog(path);
        expectCannotPrintTo(path, "No such file or directory");
        printReport(*box_, dialog);
        QCOMPARE(dialog.timesShown(), 1);
        QVERIFY(!QFile::exists(path));
    }

    // A disk that takes no more: the old printout stays as it was, no part of the new one is
    // left, and the message says why. Then with room, the new one replaces it whole.
    void aPdfTheDiskRefusesLeavesTheOldOneAndSaysWhy() {
        QFile old(pdf_);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old printout") == 12);
        old.close();
        expectCannotPrintTo(pdf_, "File too large");
        {
            const FileSizeLimit full(2000);
            printReport(*box_, *dialog_);
        }
        QCOMPARE(contentOf(pdf_), QByteArray("old printout"));
        const QString name = QFileInfo(pdf_).fileName();
        QCOMPARE(QDir(dir_.path()).entryList({name + "*"}, QDir::Files | QDir::Hidden),
                 QStringList{name});

        printReport(*box_, *dialog_);
        QCOMPARE(pdfLines(pdf_), simplified(kLines));
        QCOMPARE(dialog_->showPrinter()->outputFileName(), pdf_);
    }

    void aLongSheetRunsOverNumberedPagesWithItsHeadingsOnEach() {
        const JobSheet sheet = longSheet();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf_);
        QVERIFY(paintJobSheet(sheet, printer));

        const QList<QStringList> pages = pdfPages(pdf_);
        QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
        QCOMPARE(
            pages[0].mid(0, 6),
            (QStringList{"Wirnak – equivalent wire combinations", "Printed 2025-05-03 14:05",
                         "Original conductor 1 × 8 SWG", "Order fewest wires, at most 3 sizes",
                         "Shelf 12 SWG 0.5 kg 13.5 SWG 2 kg", "best 150 of 150 combinations"}));
        QStringList listed, expected;
        for (int page = 0; page < pages.size(); ++page) {
            QCOMPARE(
                pages[page].last(),
                QStringLiteral("1 × 8 SWG, 2 kg Page %1 of %2").arg(page + 1).arg(pages.size()));
            const qsizetype heading = pages[page].indexOf("Combination Total mm² Wires");
            QCOMPARE(heading, page == 0 ? 7 : 0);
            listed << pages[page].mid(heading + 1, pages[page].size() - heading - 2);
        }
        // Every line in order; the widest one wrapped after a comma, its figures on its first line.
        for (const auto& row : sheet.rows)
            expected << QString::fromStdString(row[0] + " " + row[1] + " " + row[2]);
        const qsizetype wide = listed.indexOf(QRegularExpression("^8 SWG X 1, 9 SWG X 1,.*"));
        QVERIFY(wide > 0);
        const QString figures = QString::fromStdString(" " + sheet.rows[100][1] + " 101");
        QVERIFY(listed[wide].endsWith(figures));
        QString wrapped = listed[wide].chopped(figures.size());
        while (!listed[wide + 1].startsWith("14 SWG")) wrapped += ' ' + listed.takeAt(wide + 1);
        QCOMPARE(wrapped, QString::fromStdString(sheet.rows[100][0]));
        listed[wide] = expected[100];
        QCOMPARE(listed, expected);

        // Totals stand on their decimal point, whatever their length: two whole digits start
        // at one place on every page, one whole digit further right.
        const auto starts = wordStarts(pdf_);
        QCOMPARE(starts["10.01234"].size(), 1);
        QCOMPARE(starts["10.01234"], starts["12.9"]);
        QCOMPARE(starts["9.96"].size(), 1);
        QVERIFY(*starts["9.96"].begin() > *starts["12.9"].begin());
    }

    void qtDialogOpensOnAllWithoutPageRange() {
        QtPrinterDialog dialog;
        dialog.setFlags(PrinterDialog::ReturnPrinter + PrinterDialog::NoPageRange);
        whenDialogShows([](QPrintDialog& shown) {
            QVERIFY(radio(shown, "printAll")->isChecked());
            QVERIFY(radio(shown, "printSelection")->isHidden());
            QVERIFY(!shown.testOption(QAbstractPrintDialog::PrintPageRange));
        });
        QCOMPARE(dialog.showPrinter(), nullptr);
    }

    void qtDialogOpensOnSelectionAndOffersPdf() {
        QtPrinterDialog dialog;
        dialog.setFlags(kOnSelection);
        whenDialogShows([](QPrintDialog& shown) {
            QVERIFY(!radio(shown, "printSelection")->isHidden());
            QVERIFY(radio(shown, "printSelection")->isChecked());
            // Beside "Selection" no range of pages is offered, not even greyed.
            for (const char* rangeChoice :
                 {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
                auto* choice = shown.findChild<QWidget*>(rangeChoice);
                QVERIFY2(choice && choice->isHidden(), rangeChoice);
            }
            // Nor the "to" between its bounds; the printer's "Type:" stays.
            for (QLabel* label : shown.findChildren<QLabel*>()) {
                if (label->text() == "to" || label->text() == "Type:")
                    QCOMPARE(label->isHidden(), label->text() == "to");
            }
            auto* printers = shown.findChild<QComboBox*>("printers");
            QVERIFY(printers != nullptr);
            QVERIFY(printers->findText("Print to File (PDF)") >= 0);
        });
        QCOMPARE(dialog.showPrinter(), nullptr);
    }

    void cleanup() {
        QVERIFY2(boxes_->failures().isEmpty(), qPrintable(boxes_->failures().join('\n')));
        QCOMPARE(boxes_->pending(), 0);
    }

private:
    void expectCannotPrintTo(const QString& path, const QString& reason) {
        boxes_->expect("The report could not be printed to\n" + QDir::toNativeSeparators(path) +
                           "\n\n" + reason,
                       "Wirnak", forms::kWarningOk, forms::MessageAnswer::Ok);
    }

    std::unique_ptr<forms::ScriptedMessageBoxes> boxes_;
    QTemporaryDir dir_;
    QString pdf_;
    std::unique_ptr<ReportBox> box_;
    std::unique_ptr<PdfPrinterDialog> dialog_;
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
