#include <QTest>
#include <memory>

#include "pages/OriginalWiresPage.h"
#include "pages/Slots.h"
#include "pages/SplashWindow.h"
#include "pages/Wizard.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

class SplashTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;

    SplashWindow& startedSplash() {
        startWizard();
        SplashWindow* splash = splashSlot().loaded();
        if (!splash || !QTest::qWaitForWindowActive(splash)) {
            qFatal("startWizard left no active splash");
        }
        return *splash;
    }

    static QList<QWidget*> visibleWindows() {
        QList<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                windows << w;
            }
        }
        return windows;
    }

    void verifyOnlyOriginalWiresShows() {
        QVERIFY(!splashSlot().isLoaded());
        QVERIFY(originalWiresSlot().isLoaded());
        QCOMPARE(visibleWindows(), QList<QWidget*>{originalWiresSlot().loaded()});
        QVERIFY(QTest::qWaitForWindowActive(originalWiresSlot().loaded()));
        QCOMPARE(focusedName(), QStringLiteral("gaugeCheck(0)"));
    }

private slots:
    void init() { run_ = std::make_unique<PageTestRun>(); }
    void cleanup() {
        const QString broken = endRun(run_);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void startingShowsTheSplashWithNameAndVersionAndReturns() {
        SplashWindow& splash = startedSplash();
        QVERIFY(splash.isVisible());
        QCOMPARE(visibleWindows(), QList<QWidget*>{&splash});
        QCOMPARE(control<QLabel>(&splash, "productName")->text(), QStringLiteral("Wirnak"));
        QCOMPARE(control<QLabel>(&splash, "versionLine")->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(control<QLabel>(&splash, "platformLine")->text(),
                 QStringLiteral("Platform Windows95/98"));
        // No title text; an empty title would make the window manager show the program's name.
        QVERIFY(!splash.windowTitle().isEmpty());
        QVERIFY(splash.windowTitle().trimmed().isEmpty());
        // A picture, not an empty square.
        const QImage picture = control<QLabel>(&splash, "picture")->pixmap().toImage();
        QVERIFY(!picture.isNull());
        QVERIFY(picture.pixel(picture.rect().center()) != picture.pixel(0, 0));
        QVERIFY(!originalWiresSlot().isLoaded());
        QVERIFY(!run_->end.ended());
    }

    void continueLeavesOnlyTheOriginalWiresPage() {
        SplashWindow& splash = startedSplash();
        QPointer<SplashWindow> gone = &splash;
        click(control<QPushButton>(&splash, "continueButton"));
        verifyOnlyOriginalWiresShows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!gone);
    }

    void altCContinuesToo() {
        startedSplash();
        pressAlt(Qt::Key_C);
        verifyOnlyOriginalWiresShows();
    }

    void closingTheSplashEndsTheProgram() {
        startedSplash().close();
        QCOMPARE(run_->end.count(), 1);
        QVERIFY(!splashSlot().isLoaded());
        QVERIFY(!originalWiresSlot().isLoaded());
    }
};

QTEST_MAIN(SplashTest)
#include "SplashTest.moc"
