#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QProcess>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

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
