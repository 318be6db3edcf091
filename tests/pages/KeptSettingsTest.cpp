#include <sys/stat.h>

#include <QDataStream>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <memory>

#include "cli/CliJob.h"
#include "desktop/Settings.h"
#include "files/ScriptedSaveFileDialog.h"
#include "pages/AvailableWiresPage.h"
#include "pages/OriginalWiresPage.h"
#include "pages/OtherSizesDialog.h"
#include "pages/ResultsPage.h"
#include "pages/ShelfFiles.h"
#include "pages/Slots.h"
#include "pages/SplashWindow.h"
#include "pages/Wizard.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

namespace {

constexpr GaugeIndex k12Swg = 4, k13HalfSwg = 6, k14Swg = 7, k20Swg = 19;

const QString kWorkedReport = QStringLiteral(
    "{14 SWG X 4*,      12.97171\\par 12 SWG X 1*, 13.5 SWG X 2,      12.97468\\par }");

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

// A window's size and place as QWidget::saveGeometry writes them, with every rectangle given.
QByteArray geometryRecord(const QRect& rect) {
    QByteArray record;
    QDataStream out(&record, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_0);
    const qint32 screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    out << quint32{0x1D9D0CB} << quint16{3} << quint16{0} << rect << rect << qint32{0} << quint8{0}
        << quint8{0} << screenWidth << rect;
    return record;
}

struct ScriptedOpenFileDialog : OpenFileDialog {
    QString answer;
    std::optional<QString> chooseFile(const QString&, const QString&, const QStringList&) override {
        return answer;
    }
};

}  // namespace

// What the wizard keeps for the shop from one run to the next, and the shelf files.
class KeptSettingsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;

    static AvailableWiresPage& available() { return *availableWiresSlot().loaded(); }
    static ResultsPage& results() { return *resultsSlot().loaded(); }

    // The splash, then one 8 SWG wire of a 2 kg winding: Available wires, as it opens.
    void toAvailableWires() {
        startWizard();
        QVERIFY(QTest::qWaitForWindowActive(splashSlot().loaded()));
        pressAlt(Qt::Key_C);
        QVERIFY(QTest::qWaitForWindowActive(originalWiresSlot().loaded()));
        QTest::keyClick(focused(), Qt::Key_Space);
        typeHere("1");
        clickAndType(originalWiresSlot().loaded()->weightBox, "2");
        pressAlt(Qt::Key_N);
        QVERIFY(QTest::qWaitForWindowActive(&available()));
    }

    // Nothing ticked (Next disabled, no area set) and no box shown: the page of a first run.
    static bool opensAsEver() {
        const auto boxes = available().findChildren<TextBox*>();
        return !available().nextButton->isEnabled() &&
               jobState().availArea == JobState{}.availArea &&
               std::none_of(boxes.begin(), boxes.end(), [](auto* box) { return box->isVisible(); });
    }

    void offer(GaugeIndex gauge, const QString& kilograms) {
        click(available().gaugeCheck(gauge));
        typeHere(kilograms);
    }
    void offerTheWorkedShelf() {
        offer(k12Swg, "0.5");
        offer(k13HalfSwg, "2");
        offer(k14Swg, "1");
    }
    void searchWithNext() {
        pressAlt(Qt::Key_N);
        QVERIFY(QTest::qWaitForWindowExposed(&results()));
    }

    // One size through "Other sizes…": typed, its unit chosen (0 mm, 1 AWG), its stock, OK.
    void addOtherSize(const QString& size, int unit, const QString& kilograms) {
        pressAlt(Qt::Key_O);
        OtherSizesDialog* dialog = available().otherSizesDialog;
        QVERIFY(dialog && takesTheKeys(*dialog));
        dialog->sizeBox->setText(size);
        dialog->unitChoice->setCurrentIndex(unit);
        dialog->amountBox->setText(kilograms);
        pressAlt(Qt::Key_O);  // OK
        QTRY_VERIFY(!available().otherSizesDialog);
        QVERIFY(takesTheKeys(available()));
    }

    void expectWeightMessage(GaugeIndex gauge, MessageAnswer answer) {
        run_->boxes.expect("Enter weight of " + QString::fromStdString(gaugeLabel(gauge)) +
                               "  wire, else weight check will be disabled",
                           "Error!", kWarningRetryCancel, answer);
    }

    QString stockOf(GaugeIndex gauge) const {
        return available().gaugeCheck(gauge)->isChecked() ? available().stockBox(gauge)->text()
                                                          : QStringLiteral("unticked");
    }

private slots:
    void cleanup() {
        const QString broken = run_ ? endRun(run_) : QString();
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void aSecondRunOpensAsEverAndLastShelfBringsBackTheFirstRunsShelf() {
        run_ = std::make_unique<PageTestRun>();
        toAvailableWires();
        QVERIFY(!available().lastShelfButton->isEnabled());
        offerTheWorkedShelf();
        searchWithNext();
        const QRect given(70, 90, 620, 410);
        results().setGeometry(given);
        ListControls& list = *results().listControls;
        list.orderChoice->setCurrentIndex(1);  // the limits are a ranked order's
        list.mostSizesBox->setValue(2);
        list.mostWiresBox->setValue(40);
        QTRY_VERIFY(!list.rankingPending());
        QCOMPARE(settings::rankingLimits(), (RankLimits{2, 40}));
        QVERIFY(endRun(run_).isEmpty());

        startRankLimitsAfresh();
        run_ = std::make_unique<PageTestRun>(KeptSettings::FromLastRun);
        toAvailableWires();
        QVERIFY(opensAsEver());
        pressAlt(Qt::Key_L);
        QCOMPARE(stockOf(k12Swg), QStringLiteral("0.5"));
        QCOMPARE(stockOf(k13HalfSwg), QStringLiteral("2"));
        QCOMPARE(stockOf(k14Swg), QStringLiteral("1"));
        searchWithNext();
        QCOMPARE(results().reportBox->rtf(), kWorkedReport);
        QCOMPARE(results().geometry(), given);
        // The order opens as found, the limits as the last run left them.
        QCOMPARE(results().listControls->orderChoice->currentIndex(), 0);
        QCOMPARE(results().listControls->mostSizesBox->value(), 2);
        QCOMPARE(results().listControls->mostWiresBox->value(), 40);
        settings::keepRankingLimits({4, 32767});
        QCOMPARE(settings::rankingLimits(), (RankLimits{4, 32767}));
    }

    // The shelf takes the place of the ticks, and the page's checks apply as to typed weights.
    void lastShelfIsTickedAndTypedAsTheUserWould() {
        run_ = std::make_unique<PageTestRun>();
        settings::keepLastShelf({{WireSize::swg(k12Swg), "0.5"},
                                 {WireSize::swg(k14Swg), {}},
                                 {WireSize::swg(k20Swg), {}}});
        toAvailableWires();
        offer(k13HalfSwg, "3");
        click(available().lastShelfButton);
        QCOMPARE(stockOf(k13HalfSwg), QStringLiteral("unticked"));
        QCOMPARE(stockOf(k12Swg), QStringLiteral("0.5"));
        QCOMPARE(jobState().availWeight[k12Swg], 0.5f);
        QCOMPARE(focused(), available().stockBox(k14Swg));  // the first weight still to be typed
        typeHere("1");
        // Next checks the box never entered as leaving it would.
        expectWeightMessage(k20Swg, MessageAnswer::Retry);
        pressAlt(Qt::Key_N);
        QCOMPARE(focused(), available().stockBox(k20Swg));
        QVERIFY(!resultsSlot().isLoaded());
        QCOMPARE(jobState().availWeight[k14Swg], 1.0f);

        expectWeightMessage(k20Swg, MessageAnswer::Cancel);
        pressTab();
        click(available().gaugeCheck(k12Swg));
        pressAlt(Qt::Key_L);  // with the weight check off only the ticks are taken
        QVERIFY(available().gaugeCheck(k12Swg)->isChecked());
        QVERIFY(!available().stockBox(k12Swg)->isVisible());
    }

    void aDamagedFileIsIgnoredWholeWithOneNote_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("geometry");  // the results window's, where given
        QTest::addColumn<QString>("fault");
        const QByteArray shelf = "[shelf]\nlast=\"12=0.5\\n14=1\\n\"\n";
        const QByteArray none;
        QTest::newRow("not INI") << QByteArray("[shelf\nlast=12\n") << none
                                 << "not a settings file";
        QTest::newRow("unknown gauge") << QByteArray("[shelf]\nlast=\"12\\n7=1\"\n") << none
                                       << "last shelf is damaged (line 2: unknown SWG size '7')";
        QTest::newRow("C1 controls") << QByteArray(
                                            "[shelf]\nlast=\"\xc2\x9b"
                                            "31m=1\"\n")
                                     << none << R"(unknown SWG size '\xc2\x9b31m')";
        QTest::newRow("not a text") << QByteArray("[shelf]\nlast=@ByteArray(12)\n") << none
                                    << "the last shelf is not a text";
        QTest::newRow("five sizes") << shelf + "[ranking]\nmostSizes=5\nmostWires=none\n"
                                    << none << "ranking limits are damaged";
        QTest::newRow("no sizes") << shelf + "[ranking]\nmostSizes=0\nmostWires=none\n"
                                  << none << "ranking limits are damaged";
        QTest::newRow("sizes alone") << shelf + "[ranking]\nmostSizes=2\n"
                                     << none << "ranking limits are damaged";
        QTest::newRow("larger than 1 MiB")
            << shelf + "[notes]\nmore=" + QByteArray(1024 * 1024, 'x') + "\n"
            << none << "it is larger than 1 MiB";
        const QString place = QStringLiteral("size and place are damaged");
        QTest::newRow("geometry") << shelf + "[results]\ngeometry=@ByteArray(xyz)\n"
                                  << none << place;
        QTest::newRow("geometry cut short")
            << shelf << geometryRecord(QRect(70, 90, 620, 410)).chopped(4) << place;
        QTest::newRow("upside down")
            << shelf << geometryRecord(QRect(QPoint(70, 410), QPoint(620, 90))) << place;
        QTest::newRow("empty") << shelf << geometryRecord(QRect(70, 90, 0, 410)) << place;
        QTest::newRow("larger than the screens")
            << shelf << geometryRecord(QRect(0, 0, 2147483647, 2147483647)) << place;
        QTest::newRow("on no screen")
            << shelf << geometryRecord(QRect(20000, 20000, 620, 410)) << place;
    }
    void aDamagedFileIsIgnoredWholeWithOneNote() {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, geometry);
        QFETCH(QString, fault);
        run_ = std::make_unique<PageTestRun>();
        writeFile(settings::filePath(), content);
        if (!geometry.isEmpty()) {
            QSettings file(settings::filePath(), QSettings::IniFormat);
            file.setValue(QStringLiteral("results/geometry"), geometry);
        }
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^wirnak: the settings in .*Wirnak.conf are "
                                                "ignored: .*" +
                                                QRegularExpression::escape(fault)));
        QTest::failOnWarning(QRegularExpression("ignored"));  // a second note
        toAvailableWires();
        QVERIFY(opensAsEver());
        QVERIFY(!available().lastShelfButton->isEnabled());
        QVERIFY(!settings::rankingLimits());
        offer(k14Swg, "5");  // the next Next writes the file afresh
        searchWithNext();
        QCOMPARE(settings::lastShelf(), (Shelf{{WireSize::swg(k14Swg), "5"}}));
    }

    // The record the damaged rows are made from is Qt's own, and a place on the screen is kept.
    void aWindowsOwnSizeAndPlaceAreKept() {
        run_ = std::make_unique<PageTestRun>();
        const QRect given(70, 90, 620, 410);
        QWidget window;
        window.setGeometry(given);
        QCOMPARE(geometryRecord(given), window.saveGeometry());
        settings::keepResultsGeometry(window.saveGeometry());
        QCOMPARE(settings::resultsGeometry(), window.saveGeometry());
    }

    // A file that can be read but not written keeps what it holds, and what the run keeps, for
    // the run, with one note that they are not saved.
    void aFileThatCannotBeWrittenHoldsForTheRun() {
        run_ = std::make_unique<PageTestRun>();
        writeFile(settings::filePath(), "[ranking]\nmostSizes=2\nmostWires=40\n");
        const FileSizeLimit noRoom(1);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be saved"));
        QTest::failOnWarning(QRegularExpression("ignored"));
        toAvailableWires();
        offerTheWorkedShelf();
        searchWithNext();
        QCOMPARE(results().listControls->mostSizesBox->value(), 2);
        QCOMPARE(settings::rankingLimits(), (RankLimits{2, 40}));
        QCOMPARE(settings::lastShelf(), (Shelf{{WireSize::swg(k12Swg), "0.5"},
                                               {WireSize::swg(k13HalfSwg), "2"},
                                               {WireSize::swg(k14Swg), "1"}}));
    }

    void aFileThatCannotBeWrittenLosesNoJob() {
        run_ = std::make_unique<PageTestRun>();
        writeFile(QFileInfo(settings::filePath()).path(), "a file where the folder should be");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be saved"));
        toAvailableWires();
        offerTheWorkedShelf();
        searchWithNext();
        QCOMPARE(results().reportBox->rtf(), kWorkedReport);
    }

    // "Save shelf…" writes what wirnak-cli --shelf reads as the --available list; a bad file
    // opened changes nothing.
    void aSavedShelfIsWhatTheCommandLineReads() {
        run_ = std::make_unique<PageTestRun>();
        toAvailableWires();
        offerTheWorkedShelf();
        QTemporaryDir folder;
        auto* saveDialog = new ScriptedSaveFileDialog;
        available().shelfFiles->saveDialog.reset(saveDialog);
        saveDialog->typeFile(folder.filePath("shelf.txt"));
        available().shelfFiles->saveAction->trigger();
        QCOMPARE(jobState().availWeight[k14Swg], 1.0f);  // the box being left was checked first
        const std::vector<std::string> job = {"--round", "8=1", "--weight", "2"};
        auto viaShelf = job, viaList = job;
        viaShelf.insert(viaShelf.end(), {"--shelf", folder.filePath("shelf.txt").toStdString()});
        viaList.insert(viaList.end(), {"--available", "12=0.5,13.5=2,14=1"});
        QCOMPARE(cli::run(viaShelf).out, cli::run(viaList).out);

        auto* openDialog = new ScriptedOpenFileDialog;
        available().shelfFiles->openDialog.reset(openDialog);
        openDialog->answer = folder.filePath("bad.txt");
        writeFile(openDialog->answer, "20\n21=1\n7\n");
        run_->boxes.expect("The shelf could not be opened from\n" +
                               QDir::toNativeSeparators(openDialog->answer) +
                               "\n\nbad.txt:3: unknown SWG size '7'",
                           "Wirnak", kWarningOk, MessageAnswer::Ok);
        available().shelfFiles->openAction->trigger();
        QCOMPARE(stockOf(k20Swg), QStringLiteral("unticked"));
        QCOMPARE(stockOf(k14Swg), QStringLiteral("1"));

        // A FIFO without a writer would hold the page until one came: refused before reading.
        openDialog->answer = folder.filePath("shelf-pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(openDialog->answer).constData(), 0600), 0);
        run_->boxes.expect("The shelf could not be opened from\n" + openDialog->answer +
                               "\n\nshelf-pipe: not a regular file",
                           "Wirnak", kWarningOk, MessageAnswer::Ok);
        available().shelfFiles->openAction->trigger();
        QCOMPARE(stockOf(k14Swg), QStringLiteral("1"));
    }

    // SWG, metric and AWG sizes go out through "Save shelf…" and come back through "Open
    // shelf…" as they were, and the command line reads the file as the same list.
    void aMixedShelfRoundTripsThroughAShelfFile() {
        run_ = std::make_unique<PageTestRun>();
        toAvailableWires();
        offer(k12Swg, "0.5");
        addOtherSize("1.06", 0, "2");
        addOtherSize("14", 1, "1");
        const Shelf saved = available().shelf();
        const QString line = available().otherSizesLine->text();
        QCOMPARE(line, QStringLiteral("Also on the shelf: 1.06 mm 2 kg, 14 AWG 1 kg"));
        QTemporaryDir folder;
        auto* saveDialog = new ScriptedSaveFileDialog;
        available().shelfFiles->saveDialog.reset(saveDialog);
        saveDialog->typeFile(folder.filePath("mixed.txt"));
        available().shelfFiles->saveAction->trigger();
        const std::vector<std::string> job = {"--round", "8=1", "--weight", "2"};
        auto viaShelf = job, viaList = job;
        viaShelf.insert(viaShelf.end(), {"--shelf", folder.filePath("mixed.txt").toStdString()});
        viaList.insert(viaList.end(), {"--available", "12=0.5,1.06mm=2,14awg=1"});
        QCOMPARE(cli::run(viaShelf).out, cli::run(viaList).out);

        available().takeShelf({{WireSize::swg(k20Swg), "1"}});
        QCOMPARE(available().otherSizesLine->text(), QString());
        auto* openDialog = new ScriptedOpenFileDialog;
        available().shelfFiles->openDialog.reset(openDialog);
        openDialog->answer = folder.filePath("mixed.txt");
        available().shelfFiles->openAction->trigger();
        QCOMPARE(available().shelf(), saved);
        QCOMPARE(available().otherSizesLine->text(), line);
        QCOMPARE(stockOf(k20Swg), QStringLiteral("unticked"));
    }
};

QTEST_MAIN(KeptSettingsTest)
#include "KeptSettingsTest.moc"
