#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <memory>

#include "pages/OriginalWiresPage.h"
#include "pages/ResultsPage.h"
#include "pages/Slots.h"
#include "pages/SplashWindow.h"
#include "pages/Wizard.h"
#include "platform/HelpWindow.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

namespace {

// What the About box says, read once it is up; it is closed then. A menu may come first.
void readAboutWhenShown(std::shared_ptr<QString> text, int triesLeft = 100) {
    QTimer::singleShot(10, [text, triesLeft] {
        auto* about = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (about == nullptr) {
            if (triesLeft > 0)
                readAboutWhenShown(text, triesLeft - 1);
            return;
        }
        *text = about->windowTitle() + '\n' + about->text();
        about->reject();
    });
}

QString aboutTextWhenShown(const std::function<void()>& openIt) {
    auto text = std::make_shared<QString>();
    readAboutWhenShown(text);
    openIt();
    return *text;
}

}  // namespace

class HelpAndAboutTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;

private slots:
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
        QVERIFY(help != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(help));

        const QString shown = help->text->toPlainText();
        for (const char* part :
             {"How to use it: one 8 SWG wire from what is on the shelf",
              "A star marks a size whose stock is too light", "Order (Alt+O",
              "Ctrl+S, or Save list as...", "prints a job sheet", "The gauge table"}) {
            QVERIFY2(shown.contains(QString::fromUtf8(part)), part);
        }
        // The sizes as the search takes them: 8 SWG is the worked example's target.
        const QString table = helpMarkdown();
        QVERIFY(table.contains("| 8 SWG | 4.06 | 12.94619 |"));
        QVERIFY(table.contains("| 16.5 SWG | 1.425 | 1.594849 |"));
        QVERIFY(table.contains("| 26 SWG | 0.46 | 0.1661902 |"));

        // From the next page, the same window comes to the front.
        help->close();
        click(splash->continueButton);
        OriginalWiresPage* original = originalWiresSlot().loaded();
        QVERIFY(QTest::qWaitForWindowActive(original));
        QTest::keyClick(focused(), Qt::Key_F1);
        QVERIFY(openHelpWindow() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(openHelpWindow()));
    }

    void aboutTellsTheVersionLicenceAndAddress() {
        showHelpWindow();
        HelpWindow* help = openHelpWindow();
        const QString about = aboutTextWhenShown([help] { help->aboutButton->click(); });
        QVERIFY2(about.startsWith("About Wirnak\n"), qPrintable(about));
        for (const QString& said :
             {QStringLiteral("Wirnak %1").arg(wirnak::kVersion), QStringLiteral("GPL-3.0-or-later"),
              QStringLiteral("https://github.com/wirnak/wirnak")}) {
            QVERIFY2(about.contains(said), qPrintable(said));
        }

        // The results page's list offers it in its context menu.
        JobState& job = jobState();
        job.origArea = gaugeArea(0);
        job.noWeightCheck = 1;
        job.availArea[0] = static_cast<float>(gaugeArea(0));
        setAreaWindow(job);
        ResultsPage& page = resultsSlot().get();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        const QString fromMenu = aboutTextWhenShown([&page] {
            QTimer::singleShot(0, [] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu != nullptr);
                for (QAction* action : menu->actions()) {
                    if (action->text() == QStringLiteral("&About Wirnak")) {
                        menu->close();
                        action->trigger();
                        return;
                    }
                }
                menu->close();
            });
            emit page.reportBox->customContextMenuRequested(QPoint(5, 5));
        });
        QCOMPARE(fromMenu, about);
    }
};

QTEST_MAIN(HelpAndAboutTest)
#include "HelpAndAboutTest.moc"
