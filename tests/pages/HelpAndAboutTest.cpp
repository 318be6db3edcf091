#include <QAccessible>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "desktop/Application.h"
#include "desktop/HelpWindow.h"
#include "pages/OriginalWiresPage.h"
#include "pages/ResultsPage.h"
#include "pages/Slots.h"
#include "pages/SplashWindow.h"
#include "pages/Wizard.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

namespace {

// Once a modal About box is up (a menu may come first), what it says; it is closed then.
void readAboutWhenShown(std::shared_ptr<QString> said, int triesLeft = 100) {
    QTimer::singleShot(10, [said, triesLeft] {
        auto* about = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (about == nullptr && triesLeft > 0)
            readAboutWhenShown(said, triesLeft - 1);
        if (about == nullptr)
            return;
        *said = about->windowTitle() + '\n' + about->text();
        about->reject();
    });
}

// Chooses an entry of the context menu once it is up.
void chooseInMenuWhenShown(const QString& entry) {
    QTimer::singleShot(0, [entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        menu->close();
        for (QAction* action : menu->actions()) {
            if (action->text() == entry)
                action->trigger();
        }
    });
}

}  // namespace

class HelpAndAboutTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;

private slots:
    void initTestCase() { desktop::setUpApplication(*qApp); }
    void init() { run_ = std::make_unique<PageTestRun>(); }
    void cleanup() {
        delete openHelpWindow();
        const QString broken = endRun(run_);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void f1OnAnyPageOpensTheOneHelpWindow() {
        startWizard();
        SplashWindow* splash = splashSlot().loaded();
        QVERIFY(QTest::qWaitForWindowActive(splash));
        QTest::keyClick(focused(), Qt::Key_F1);
        HelpWindow* help = openHelpWindow();
        QVERIFY(help != nullptr && QTest::qWaitForWindowExposed(help));
        // A window of its own to a screen reader, as the pages are.
        QCOMPARE(QAccessible::queryAccessibleInterface(help)->role(), QAccessible::Window);
        const QString shown = help->text->toPlainText();
        for (const char* part : {"How to use it: one 8 SWG wire from what is on the shelf",
                                 "A star marks a size whose stock is too light", "fewest sizes",
                                 "Most different sizes", "prints a job sheet", "Save…"}) {
            QVERIFY2(shown.contains(QString::fromUtf8(part)), part);
        }
        // The sizes as the search takes them: 8 SWG is the worked example's target.
        const QString table = helpMarkdown();
        QVERIFY(table.contains("| 8 SWG | 4.06 | 12.94619 |"));
        QVERIFY(table.contains("| 16.5 SWG | 1.425 | 1.594849 |"));
        QVERIFY(table.contains("| 26 SWG | 0.46 | 0.1661902 |"));
        // AWG diameters from the gauge's formula, areas by the SWG sizes' own rule.
        QVERIFY(table.contains("| 4 AWG | 5.18940 | 21.15064 |"));
        QVERIFY(table.contains("| 14 AWG | 1.62773 | 2.080908 |"));
        QVERIFY(table.contains("| 40 AWG | 0.07987 | 0.005010361 |"));

        help->close();
        click(splash->continueButton);
        Page* page = originalWiresSlot().loaded();
        QVERIFY(QTest::qWaitForWindowActive(page));
        // In the screen's corner, where the help, larger, cannot be centred on it.
        const QRect area = page->screen()->availableGeometry();
        page->move(area.bottomRight() -
                   QPoint(page->frameGeometry().width(), page->frameGeometry().height()));
        QTest::keyClick(focused(), Qt::Key_F1);
        QVERIFY(openHelpWindow() != nullptr && QTest::qWaitForWindowExposed(openHelpWindow()));
        // Centred over the page it was asked from, as a message box stands, moved as little as
        // needed to stand within the screen.
        const QRect frame = openHelpWindow()->frameGeometry();
        QVERIFY(area.contains(frame));
        const QPoint wanted = page->frameGeometry().center();
        QVERIFY(qAbs(frame.center().x() - std::clamp(wanted.x(), area.left() + frame.width() / 2,
                                                     area.right() - frame.width() / 2)) <= 1);
        QVERIFY(qAbs(frame.center().y() - std::clamp(wanted.y(), area.top() + frame.height() / 2,
                                                     area.bottom() - frame.height() / 2)) <= 1);
    }

    void aboutTellsTheVersionLicenceAndAddress() {
        showHelpWindow();
        auto fromHelp = std::make_shared<QString>();
        readAboutWhenShown(fromHelp);
        openHelpWindow()->aboutButton->click();
        QVERIFY2(fromHelp->startsWith("About Wirnak\n"), qPrintable(*fromHelp));
        for (const QString& said :
             {QStringLiteral("Wirnak %1").arg(wirnak::kVersion), QStringLiteral("GPL-3.0-or-later"),
              QStringLiteral("https://github.com/wirnak/wirnak")}) {
            QVERIFY2(fromHelp->contains(said), qPrintable(said));
        }

        JobState& job = jobState();
        job.origArea = gaugeArea(0);
        job.noWeightCheck = 1;
        job.availArea[0] = static_cast<float>(gaugeArea(0));
        setAreaWindow(job);
        ResultsPage& page = resultsSlot().get();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        auto fromMenu = std::make_shared<QString>();
        readAboutWhenShown(fromMenu);
        chooseInMenuWhenShown(QStringLiteral("&About Wirnak"));
        emit page.reportBox->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(*fromMenu, *fromHelp);
    }
};

QTEST_MAIN(HelpAndAboutTest)
#include "HelpAndAboutTest.moc"
