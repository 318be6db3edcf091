#include <QAccessible>
#include <QListWidget>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "desktop/Application.h"
#include "gauge/JobState.h"
#include "pages/AvailableWiresPage.h"
#include "pages/OriginalWiresPage.h"
#include "pages/OtherSizesDialog.h"
#include "pages/ResultsPage.h"
#include "pages/Slots.h"
#include "pages/SplashWindow.h"
#include "pages/Wizard.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

namespace {

constexpr GaugeIndex k8Swg = 0, k12Swg = 4, k13HalfSwg = 6, k14Swg = 7, k26Swg = 28;

// What a screen reader says for the control.
QString spokenName(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// The controls a screen reader announces as labelling this one.
QList<QObject*> spokenLabels(QWidget* control) {
    QList<QObject*> labels;
    const auto relations =
        QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
    for (const auto& [label, relation] : relations) labels << label->object();
    return labels;
}

// Every entry box and check box of the page says a name of its own: a blank one is read as
// "edit text", a repeated one leaves the listener guessing which row the focus is in.
QString unnamedOrRepeated(const QWidget& page) {
    QWidgetList controls;
    for (QLineEdit* box : page.findChildren<QLineEdit*>()) controls << box;
    for (QCheckBox* check : page.findChildren<QCheckBox*>()) controls << check;
    QStringList problems;
    QHash<QString, QString> ownerOf;
    for (QWidget* control : controls) {
        const QString name = spokenName(control);
        if (name.trimmed().isEmpty()) {
            problems << control->objectName() + " has no name";
        } else if (ownerOf.contains(name)) {
            problems << control->objectName() + " repeats the name of " + ownerOf[name];
        }
        ownerOf.insert(name, control->objectName());
    }
    return problems.join(QStringLiteral("; "));
}

// What a screen reader reads of an object, one name per object: the object, then, for a window
// or a frame, each object in it (not Qt's own parts of a control). An object that is hidden or
// has no name is marked so.
QStringList readOut(QAccessibleInterface* object) {
    QString name = object->text(QAccessible::Name);
    if (name.trimmed().isEmpty())
        name = object->object()->objectName() + " (no name)";
    if (object->state().invisible)
        name += " (hidden)";
    QStringList said{name};
    if (object->role() == QAccessible::Window || object->role() == QAccessible::Grouping) {
        for (int i = 0; i < object->childCount(); ++i) said << readOut(object->child(i));
    }
    return said;
}

// What it reads of the application: the one window shown, which should be this frame.
QStringList readOutApplication(QWidget* window) {
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    QAccessibleInterface* front = application->child(0);
    if (application->childCount() != 1 || front->object() != window ||
        front->role() != QAccessible::Window) {
        return {"not the one frame shown (hidden)"};
    }
    return readOut(front);
}

QStringList unreadable(const QStringList& said) {
    return said.filter(QRegularExpression(" \\((no name|hidden)\\)$"));
}

}  // namespace

// The names a screen reader says for the controls of the wizard's pages.
class ScreenReaderNamesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;

private slots:
    void initTestCase() { desktop::setUpApplication(*qApp); }
    void init() { run_ = std::make_unique<PageTestRun>(); }
    void cleanup() {
        const QString broken = endRun(run_);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void originalWiresBoxesSayWhatTheyHold() {
        OriginalWiresPage page;
        QCOMPARE(unnamedOrRepeated(page), QString());

        QCOMPARE(spokenName(page.countBox(k8Swg)), QStringLiteral("8 SWG, number of wires"));
        QCOMPARE(spokenName(page.countBox(k13HalfSwg)),
                 QStringLiteral("13.5 SWG, number of wires"));
        QCOMPARE(spokenName(page.countBox(k26Swg)), QStringLiteral("26 SWG, number of wires"));
        // The check box says its size without the "X" that lines the rows up on the page.
        QCOMPARE(spokenName(page.gaugeCheck(k8Swg)), QStringLiteral("8 SWG"));
        QCOMPARE(page.gaugeCheck(k8Swg)->text(), QStringLiteral("8 SWG      X"));

        const struct {
            QWidget* box;
            QLabel* label;
            QString name;
        } captioned[] = {
            {page.rectangularBox(OriginalWiresPage::kWidth), page.widthLabel,
             QStringLiteral("Width of wire in mm")},
            {page.rectangularBox(OriginalWiresPage::kThickness), page.thicknessLabel,
             QStringLiteral("Thickness of wire in mm")},
            {page.rectangularBox(OriginalWiresPage::kParallelWires), page.parallelWiresLabel,
             QStringLiteral("Number of parallel wires")},
            {page.weightBox, page.weightLabel, QStringLiteral("Total weight of wires in kg")},
            {page.countBox(k14Swg), page.countUnit(k14Swg),
             QStringLiteral("14 SWG, number of wires")},
        };
        for (const auto& [box, label, name] : captioned) {
            QCOMPARE(spokenName(box), name);
            QCOMPARE(spokenLabels(box), QList<QObject*>{label});
        }
        // The captions on the page stay as they were.
        QCOMPARE(page.weightLabel->text(), QStringLiteral("Total Weight of wires in KG"));
        QCOMPARE(page.countUnit(k14Swg)->text(), QStringLiteral("nos"));
    }

    void availableWiresBoxesSayWhatTheyHold() {
        AvailableWiresPage page;
        QCOMPARE(unnamedOrRepeated(page), QString());

        QCOMPARE(spokenName(page.gaugeCheck(k12Swg)), QStringLiteral("12 SWG"));
        QCOMPARE(spokenName(page.stockBox(k12Swg)), QStringLiteral("12 SWG, stock in kg"));
        QCOMPARE(spokenName(page.stockBox(k13HalfSwg)), QStringLiteral("13.5 SWG, stock in kg"));
        QCOMPARE(spokenLabels(page.stockBox(k12Swg)), QList<QObject*>{page.stockUnit(k12Swg)});
        QCOMPARE(page.stockUnit(k12Swg)->text(), QStringLiteral("KG"));
        QVERIFY(!spokenName(page.note).isEmpty());

        OtherSizesDialog sizes(&page, SizeList::Available, {}, OtherSizeAmount::StockInKg);
        QCOMPARE(unnamedOrRepeated(sizes), QString());
        QCOMPARE(spokenName(sizes.amountBox), QStringLiteral("Stock in kg"));
        for (QWidget* control :
             {static_cast<QWidget*>(sizes.unitChoice), static_cast<QWidget*>(sizes.sizeList)})
            QVERIFY(!spokenName(control).trimmed().isEmpty());
    }

    // From the splash to the results, a screen reader meets one window at a time, as a frame of
    // the controls it shows, each named; on the results the count is one sentence, read once.
    void everyWindowReadsAsAFrameOfTheControlsItShows() {
        startWizard();
        QVERIFY(QTest::qWaitForWindowExposed(splashSlot().loaded()));
        QStringList said = readOutApplication(splashSlot().loaded());
        QCOMPARE(unreadable(said), QStringList());
        QCOMPARE(said.first(), QStringLiteral("Wirnak"));
        pressAlt(Qt::Key_C);
        OriginalWiresPage* original = originalWiresSlot().loaded();
        QVERIFY(QTest::qWaitForWindowActive(original));
        QTest::keyClick(focused(), Qt::Key_Space);  // 8 SWG, one wire, 2 kg
        typeHere("1");
        clickAndType(original->weightBox, "2");
        QCOMPARE(unreadable(readOutApplication(original)), QStringList());
        click(original->rectangularOption);
        for (const char* entry : {"5", "2", "1"}) {  // width, thickness, wires
            typeHere(entry);
            pressTab();
        }
        QCOMPARE(unreadable(readOutApplication(original)), QStringList());
        click(original->circularOption);
        pressAlt(Qt::Key_N);

        AvailableWiresPage* available = availableWiresSlot().loaded();
        QVERIFY(available && QTest::qWaitForWindowActive(available));
        for (const GaugeIndex gauge : {k12Swg, k13HalfSwg, k14Swg}) {
            click(available->gaugeCheck(gauge));
            typeHere("1");
        }
        QCOMPARE(unreadable(readOutApplication(available)), QStringList());
        pressAlt(Qt::Key_N);

        ResultsPage* results = resultsSlot().loaded();
        QVERIFY(results && QTest::qWaitForWindowActive(results));
        said = readOutApplication(results);
        QCOMPARE(unreadable(said), QStringList());
        QCOMPARE(said.filter("combinations found", Qt::CaseInsensitive),
                 QStringList{"2 wire combinations found"});
        QVERIFY(said.contains("Order") && said.contains("Search progress"));
        const auto* order =
            QAccessible::queryAccessibleInterface(results->listControls->orderChoice);
        QCOMPARE(order->text(QAccessible::Value), QStringLiteral("as found"));
        QCOMPARE(QAccessible::queryAccessibleInterface(results->progressBar)->childCount(), 0);
    }

    // The count is read with what it counts, once the search has set it.
    void resultsPageNamesTheCountTheReportAndTheProgress() {
        ResultsPage page;
        QCOMPARE(spokenName(page.countLabel), QStringLiteral("Number of wire combinations found"));
        QCOMPARE(spokenName(page.reportBox), QStringLiteral("Equivalent wire combinations"));
        QCOMPARE(spokenName(page.progressBar->findChild<QProgressBar*>()),
                 QStringLiteral("Search progress"));

        // One 8 SWG wire from 12, 13.5 and 14 SWG: two combinations.
        JobState& job = jobState();
        job.origWireCount[k8Swg] = 1;
        job.origGaugeArea[k8Swg] = static_cast<float>(gaugeArea(k8Swg));
        job.origArea = circularArea(job);
        for (const GaugeIndex gauge : {k12Swg, k13HalfSwg, k14Swg})
            job.availArea[gauge] = static_cast<float>(gaugeArea(gauge));
        job.noWeightCheck = 1;
        setAreaWindow(job);
        searchAndReport(job, page);

        QCOMPARE(page.countLabel->text(), QStringLiteral("2"));
        QCOMPARE(spokenName(page.countLabel), QStringLiteral("2 wire combinations found"));
    }
};

QTEST_MAIN(ScreenReaderNamesTest)
#include "ScreenReaderNamesTest.moc"
