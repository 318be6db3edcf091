#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

#include "forms/MessageBox.h"
#include "forms/ReportBox.h"
#include "gauge/GaugeTable.h"
#include "printing/JobSheetPages.h"
#include "printing/PdfPrinterDialog.h"
#include "printing/PrintReport.h"
#include "printing/PrinterDialog.h"
#include "printing/SafePdfOutput.h"
#include "search/JobDescription.h"
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

// One word of a PDF's text and its box, in points from the page's top left corner.
struct PdfWord {
    int page;
    double left, top, right;
    QString text;
};

QList<PdfWord> pdfWords(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", path, "-"});
    pdftotext.waitForFinished(30000);
    const QRegularExpression tag(
        R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    QList<PdfWord> words;
    int page = 0;
    for (const auto& match :
         tag.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()))) {
        if (match.captured(1).isEmpty())
            ++page;
        else
            words.append({page, match.captured(1).toDouble(), match.captured(2).toDouble(),
                          match.captured(3).toDouble(), match.captured(4)});
    }
    return words;
}

// Where each word of the PDF begins on its page, in points from the left: its left edges.
QMap<QString, QSet<double>> wordStarts(const QString& path) {
    QMap<QString, QSet<double>> starts;
    for (const PdfWord& word : pdfWords(path)) starts[word.text] << word.left;
    return starts;
}

// The words that stand on one line with the given one, left to right.
QList<PdfWord> lineOf(const QList<PdfWord>& words, const PdfWord& word) {
    QList<PdfWord> line;
    for (const PdfWord& other : words) {
        if (other.page == word.page && qAbs(other.top - word.top) < 1)
            line << other;
    }
    std::sort(line.begin(), line.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.left < b.left; });
    return line;
}

// The rewinder's job that ran off the page: 8 to 15 SWG single, 15.5 to 19.5 SWG in pairs.
std::unique_ptr<JobState> nineteenSizeJob() {
    auto job = std::make_unique<JobState>();
    job->origSection = OriginalSection::Round;
    for (GaugeIndex gauge = 0; gauge <= 18; ++gauge) {
        job->origWireCount[gauge] = gauge <= 9 ? 1 : 2;
        job->origGaugeArea[gauge] = static_cast<float>(gaugeArea(gauge));
        job->origArea += job->origWireCount[gauge] * job->origGaugeArea[gauge];
        job->availArea[gauge] = job->origGaugeArea[gauge];
        job->availWeight[gauge] = 1;
    }
    job->origWeight = 2;
    job->areaLow = static_cast<float>(job->origArea * 0.995);
    job->areaHigh = static_cast<float>(job->origArea * 1.005);
    return job;
}

// A plain sheet of the given number of list lines.
JobSheet sheetOfLines(std::size_t lines) {
    JobSheet sheet = longSheet();
    sheet.rows.resize(1);
    sheet.rows.resize(lines, {"14 SWG X 4", "12.97171", "4"});
    return sheet;
}

// The fewest lines that make a sheet of the given pages on the printer.
std::size_t linesForPages(int pages, QPrinter& printer) {
    std::size_t fewer = 0, enough = 1;  // fewer lines make fewer pages; enough make them
    while (jobSheetPageCount(sheetOfLines(enough), printer) < pages) fewer = enough, enough *= 2;
    while (enough - fewer > 1) {
        const std::size_t middle = (fewer + enough) / 2;
        (jobSheetPageCount(sheetOfLines(middle), printer) < pages ? fewer : enough) = middle;
    }
    return enough;
}

// While it lives, this process may open no further file.
class NoFileToOpen {
public:
    NoFileToOpen() {
        getrlimit(RLIMIT_NOFILE, &previous_);
        const int lowestFree = ::dup(0);
        ::close(lowestFree);
        rlimit limited = previous_;
        limited.rlim_cur = static_cast<rlim_t>(lowestFree);
        setrlimit(RLIMIT_NOFILE, &limited);
    }
    ~NoFileToOpen() { setrlimit(RLIMIT_NOFILE, &previous_); }
    NoFileToOpen(const NoFileToOpen&) = delete;
    NoFileToOpen& operator=(const NoFileToOpen&) = delete;

private:
    rlimit previous_{};
};

enum class PdfTarget {
    InMissingFolder,
    ReadOnlyFile,
    ThroughSymlink,
    KeptMode,
    PaintingFails,
    PaperThatCannotBegin  // no file to write, and no printer behind it
};

}  // namespace

Q_DECLARE_METATYPE(PdfTarget)
Q_DECLARE_METATYPE(forms::MessageAnswer)

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

    void aPdfFileIsWrittenWholeOrNotAtAll_data() {
        QTest::addColumn<PdfTarget>("target");
        QTest::addColumn<QString>("reason");  // told to the user; "" when printed
        QTest::newRow("in a missing folder")
            << PdfTarget::InMissingFolder << "No such file or directory";
        QTest::newRow("read-only file, as a user")
            << PdfTarget::ReadOnlyFile << "Permission denied";
        QTest::newRow("through a symlink") << PdfTarget::ThroughSymlink << "";
        QTest::newRow("mode kept") << PdfTarget::KeptMode << "";
        QTest::newRow("painting fails")
            << PdfTarget::PaintingFails << "The file was not written completely.";
        QTest::newRow("on paper, painting fails")
            << PdfTarget::PaperThatCannotBegin << "The printer failed.";
    }

    void aPdfFileIsWrittenWholeOrNotAtAll() {
        QFETCH(PdfTarget, target);
        QFETCH(QString, reason);
        if (target == PdfTarget::ReadOnlyFile && ::geteuid() == 0) {
            // Root writes any file: the row runs again as nobody, from a copy of this program
            // where nobody can reach it (a clone in root's home is out of its reach).
            const QTemporaryDir reachable;
            const QString program = reachable.filePath("printing_test");
            QVERIFY(QFile::setPermissions(reachable.path(), QFile::permissions(reachable.path()) |
                                                                QFile::ReadOther |
                                                                QFile::ExeOther));
            QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
            QProcess child;
            child.setWorkingDirectory(reachable.path());
            child.start("setpriv",
                        {"--reuid", "65534", "--regid", "65534", "--clear-groups", program,
                         QStringLiteral("%1:%2").arg(QTest::currentTestFunction(),
                                                     QTest::currentDataTag())});
            QVERIFY(child.waitForFinished(120000));
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                     child.readAllStandardOutput() + child.readAllStandardError());
            return;
        }
        if (target == PdfTarget::PaperThatCannotBegin) {
            boxes_->expect("The report could not be printed on\nthe printer\n\n" + reason, "Wirnak",
                           forms::kWarningOk, forms::MessageAnswer::Ok);
            PdfPrinterDialog dialog({});
            printJobSheet(*box_, dialog, [](std::optional<LineRange>) { return longSheet(); });
            return;
        }
        const QString old = "old printout";
        const QTemporaryDir folder;
        QString path = folder.filePath("report.pdf"), written = path;
        switch (target) {
            case PdfTarget::InMissingFolder:
                path = written = folder.filePath("missing-folder/report.pdf");
                break;
            case PdfTarget::ThroughSymlink:
                written = folder.filePath("real.pdf");
                QVERIFY(QFile::link("real.pdf", path));
                break;
            default:
                break;
        }
        if (target != PdfTarget::InMissingFolder) {
            QFile file(written);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old.toUtf8()) == old.size());
        }
        const mode_t mode = target == PdfTarget::ReadOnlyFile ? 0444 : 0640;
        ::chmod(QFile::encodeName(written).constData(), mode);
        if (!reason.isEmpty())
            expectCannotPrintTo(path, reason);

        PdfPrinterDialog dialog(path);
        if (target == PdfTarget::PaintingFails) {
            SafePdfOutput output(*dialog.showPrinter());
            QVERIFY(output.notReady().isEmpty());
            // The fonts are read before: a font file that cannot be opened stays unusable.
            jobSheetPageCount(longSheet(), *dialog.showPrinter());
            {
                const NoFileToOpen noFile;
                QVERIFY(!paintJobSheet(longSheet(), *dialog.showPrinter()));
            }
            forms::showMessage(output.finish(), forms::kWarningOk);
        } else {
            printReport(*box_, dialog);
        }

        QCOMPARE(dialog.timesShown(), target == PdfTarget::PaintingFails ? 3 : 1);
        if (target == PdfTarget::InMissingFolder) {
            QVERIFY(!QFile::exists(path));
            return;
        }
        if (reason.isEmpty())
            QCOMPARE(pdfLines(written), simplified(kLines));
        else
            QCOMPARE(contentOf(written), old.toUtf8());
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(written).constData(), &status), 0);
        QCOMPARE(status.st_mode & 07777, mode);
        // The link is still a link to the same file, and nothing else was left beside them.
        QCOMPARE(QFileInfo(path).isSymLink(), target == PdfTarget::ThroughSymlink);
        QStringList expected{QFileInfo(path).fileName()};
        if (written != path)
            expected.prepend(QFileInfo(written).fileName());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 expected);
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

    // The rewinder's long conductor wraps under its value, and the footer's title, cut short,
    // keeps clear of the page number: nothing passes the page's edge.
    void aLongJobStaysWithinThePage() {
        const auto job = nineteenSizeJob();
        ShownList list;
        list.choice = ListChoice(ResultOrder::FewestWires);
        list.countLine = "best 1 of 1 combinations of at most 3 sizes";
        list.foundCount = 1;
        list.shown = {foundResult("8 SWG X 2, 9 SWG X 3, 10 SWG X 2*", 40, job->origArea)};
        const JobSheet sheet = jobSheet(*job, list, "Printed 2025-05-03 14:05");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf_);
        QVERIFY(paintJobSheet(sheet, printer));

        const QList<PdfWord> words = pdfWords(pdf_);
        const double pageWidth = printer.pageLayout().fullRect(QPageLayout::Point).width();
        for (const PdfWord& word : words)
            QVERIFY2(word.right <= pageWidth - 42, qPrintable(word.text));
        // The conductor in order, each line after the first starting where its value starts.
        const auto named = [&words](const QString& text) {
            return *std::find_if(words.begin(), words.end(),
                                 [&text](const PdfWord& word) { return word.text == text; });
        };
        const PdfWord name = named("conductor");
        const double valueLeft = lineOf(words, name).value(2).left;
        QList<PdfWord> value;
        for (const PdfWord& word : words) {
            if (word.left > name.right && word.top > name.top - 1 &&
                word.top < named("Cross-section").top - 1)
                value << word;
        }
        std::sort(value.begin(), value.end(), [](const PdfWord& a, const PdfWord& b) {
            return std::pair(a.top, a.left) < std::pair(b.top, b.left);
        });
        QStringList conductor;
        QSet<double> lineTops;
        for (const PdfWord& word : value) {
            conductor << word.text;
            if (lineOf(value, word).first().left == word.left) {
                lineTops << word.top;
                QCOMPARE(word.left, valueLeft);
            }
        }
        QVERIFY2(lineTops.size() >= 2, qPrintable(QString::number(lineTops.size())));
        QCOMPARE(conductor.join(' '), QString::fromStdString(conductorWords(*job)));
        for (const PdfWord& word : words) {
            if (word.text != "Page")
                continue;
            const QList<PdfWord> footer = lineOf(words, word);
            QVERIFY(footer.first().text.startsWith("1"));
            QVERIFY(footer[footer.size() - 5].text.endsWith("…"));
            QVERIFY(footer[footer.size() - 5].right + 5 * 72 / 25.4 <= word.left);
        }
    }

    void aLongSheetIsPrintedOnlyWhenTheUserSaysSo_data() {
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("selected");  // some lines, the rest not printed
        QTest::addColumn<forms::MessageAnswer>("answer");
        QTest::newRow("20 pages") << 20 << false << forms::MessageAnswer::Ok;
        QTest::newRow("21 pages, yes") << 21 << false << forms::MessageAnswer::Yes;
        QTest::newRow("21 pages, no") << 21 << false << forms::MessageAnswer::No;
        QTest::newRow("21 pages, 10 lines selected") << 21 << true << forms::MessageAnswer::Ok;
    }

    // Ok stands for no question asked.
    void aLongSheetIsPrintedOnlyWhenTheUserSaysSo() {
        QFETCH(int, pages);
        QFETCH(bool, selected);
        QFETCH(forms::MessageAnswer, answer);
        QFile::remove(pdf_);
        const std::size_t lines = linesForPages(pages, *dialog_->showPrinter());
        box_->setText(QStringList(static_cast<int>(lines), "14 SWG X 4,      12.97171").join('\n'));
        if (selected)
            selectBlocks(*box_, 5, 14);
        if (answer != forms::MessageAnswer::Ok) {
            boxes_->expect(QStringLiteral("The job sheet has %1 pages. Print all %1?").arg(pages),
                           "Wirnak", forms::kQuestionYesNo, answer);
        }
        printJobSheet(*box_, *dialog_, [&](std::optional<LineRange> chosen) {
            return sheetOfLines(chosen ? chosen->last - chosen->first + 1 : lines);
        });
        const int printed = answer == forms::MessageAnswer::No ? 0 : selected ? 1 : pages;
        QCOMPARE(QFile::exists(pdf_) ? pdfPages(pdf_).size() : 0, printed);
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
