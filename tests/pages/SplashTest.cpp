#include <QTest>
#include <memory>

#include "pages/Form3.h"
#include "pages/Slots.h"
#include "pages/StartUp.h"
#include "pages/frmSplash.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

class SplashTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;

    frmSplash& startedSplash() {
        startUp();
        frmSplash* splash = frmSplashSlot().loaded();
        if (!splash || !QTest::qWaitForWindowActive(splash)) {
            qFatal("startUp left no active splash");
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
        QVERIFY(!frmSplashSlot().isLoaded());
        QVERIFY(form3Slot().isLoaded());
        QCOMPARE(visibleWindows(), QList<QWidget*>{form3Slot().loaded()});
        QVERIFY(QTest::qWaitForWindowActive(form3Slot().loaded()));
        QCOMPARE(focusedName(), QStringLiteral("Check1(0)"));
    }

private slots:
    void init() { run_ = std::make_unique<PageTestRun>(); }
    void cleanup() {
        const QString broken = endRun(run_);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void startUpShowsTheSplashWithNameAndVersionAndReturns() {
        frmSplash& splash = startedSplash();
        QVERIFY(splash.isVisible());
        QCOMPARE(visibleWindows(), QList<QWidget*>{&splash});
        QCOMPARE(control<QLabel>(&splash, "lblProductName")->text(), QStringLiteral("Wirnak"));
        QCOMPARE(control<QLabel>(&splash, "lblVersion")->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(control<QLabel>(&splash, "lblPlatform")->text(),
                 QStringLiteral("Platform Windows95/98"));
        QVERIFY(!form3Slot().isLoaded());
        QVERIFY(!run_->end.ended());
    }

    void continueLeavesOnlyTheOriginalWiresPage() {
        frmSplash& splash = startedSplash();
        QPointer<frmSplash> gone = &splash;
        click(control<QPushButton>(&splash, "Command1"));
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
        QVERIFY(!frmSplashSlot().isLoaded());
        QVERIFY(!form3Slot().isLoaded());
    }
};

QTEST_MAIN(SplashTest)
#include "SplashTest.moc"
