#include <QAccessible>
#include <QProgressBar>
#include <QTest>
#include <memory>

#include "gauge/JobState.h"
#include "pages/AvailableWiresPage.h"
#include "pages/OriginalWiresPage.h"
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

// Everything a screen reader meets in a window, in the order it meets it: the window, then each
// object in it and in its frames; not Qt's own parts of a control.
QList<QAccessibleInterface*> metIn(QAccessibleInterface* object) {
    QList<QAccessibleInterface*> met{object};
    if (object->role() == QAccessible::Window || object->role() == QAccessible::Grouping) {
        for (int i = 0; i < object->childCount(); ++i) met << metIn(object->child(i));
    }
    return met;
}

// What keeps a screen reader from reading the window in front as the user sees it: empty
// when nothing does. It should be the one window of the application, read as a frame under
// its title, with every object in it shown and named.
QString unreadable(QWidget* window, const QString& title) {
    QStringList problems;
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    if (application->childCount() != 1 || application->child(0)->object() != window) {
        problems
            << QStringLiteral("the application holds %1 windows").arg(application->childCount());
    }
    const QList<QAccessibleInterface*> met = metIn(QAccessible::queryAccessibleInterface(window));
    if (met.first()->role() != QAccessible::Window || spokenName(window) != title) {
        problems << QStringLiteral("the window is no frame named \"%1\"").arg(title);
    }
    for (QAccessibleInterface* object : met) {
        const QString name = object->text(QAccessible::Name);
        if (object->state().invisible) {
            problems << name + " is hidden";
        }
        if (name.trimmed().isEmpty()) {
            problems << object->object()->objectName() + " has no name";
        }
    }
    return problems.join(QStringLiteral("; "));
}

}  // namespace

// The names a screen reader says for the controls of the wizard's pages.
class ScreenReaderNamesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;

private slots:
    void initTestCase() { setUpApplication(*qApp); }
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
    }

    // From the splash to the results, a screen reader meets one window at a time, as a frame of
    // the controls it shows; on the results the count is one sentence, said once.
    void everyWindowReadsAsAFrameOfTheControlsItShows() {
        startWizard();
        QVERIFY(QTest::qWaitForWindowExposed(splashSlot().loaded()));
        QCOMPARE(unreadable(splashSlot().loaded(), "Wirnak"), QString());
        pressAlt(Qt::Key_C);
        OriginalWiresPage& original = *originalWiresSlot().loaded();
        QVERIFY(QTest::qWaitForWindowActive(&original));
        QTest::keyClick(focused(), Qt::Key_Space);  // 8 SWG, one wire, 2 kg
        typeHere("1");
        clickAndType(original.weightBox, "2");
        QCOMPARE(unreadable(&original, "Original Wires"), QString());
        click(original.rectangularOption);
        for (const char* entry : {"5", "2", "1"}) {  // width, thickness, wires
            typeHere(entry);
            pressTab();
        }
        QCOMPARE(unreadable(&original, "Original Wires"), QString());
        click(original.circularOption);
        pressAlt(Qt::Key_N);

        QVERIFY(availableWiresSlot().isLoaded());
        AvailableWiresPage& available = *availableWiresSlot().loaded();
        QVERIFY(QTest::qWaitForWindowActive(&available));
        for (const auto& [gauge, kilograms] :
             {std::pair{k12Swg, "0.5"}, {k13HalfSwg, "2"}, {k14Swg, "1"}}) {
            click(available.gaugeCheck(gauge));
            typeHere(kilograms);
        }
        QCOMPARE(unreadable(&available, "Available wires"), QString());
        pressAlt(Qt::Key_N);

        QVERIFY(resultsSlot().isLoaded());
        ResultsPage& results = *resultsSlot().loaded();
        QVERIFY(QTest::qWaitForWindowActive(&results));
        QCOMPARE(unreadable(&results, "Equivalent wire combinations"), QString());
        QStringList said;
        for (QAccessibleInterface* object :
             metIn(QAccessible::queryAccessibleInterface(&results))) {
            said << object->text(QAccessible::Name);
        }
        QCOMPARE(said.filter("combinations found", Qt::CaseInsensitive),
                 QStringList{"2 wire combinations found"});
        QAccessibleInterface* order =
            QAccessible::queryAccessibleInterface(results.listControls->orderChoice);
        QCOMPARE(order->role(), QAccessible::ComboBox);
        QCOMPARE(order->text(QAccessible::Name), QStringLiteral("Order"));
        QCOMPARE(order->text(QAccessible::Value), QStringLiteral("as found"));
        QAccessibleInterface* progress = QAccessible::queryAccessibleInterface(results.progressBar);
        QCOMPARE(progress->role(), QAccessible::ProgressBar);
        QCOMPARE(progress->text(QAccessible::Name), QStringLiteral("Search progress"));
        QCOMPARE(progress->valueInterface()->currentValue().toFloat(), 29.0f);
        QCOMPARE(progress->childCount(), 0);
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
