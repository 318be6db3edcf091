#include <QElapsedTimer>
#include <QFocusEvent>
#include <QTest>
#include <memory>

#include "platform/Controls.h"
#include "platform/Twips.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

namespace {

// A page that records what the runtime does to it.
class TrialPage : public Page {
public:
    TrialPage() : Page(QStringLiteral("Trial"), 4500, 3000) {
        option = place<OptionButton>(this, QStringLiteral("option"), 120, 120, 1500, 255);
        option->setText(QStringLiteral("One"));
        firstBox = place<TextBox>(this, QStringLiteral("firstBox"), 120, 600, 1200, 315);
        secondBox = place<TextBox>(this, QStringLiteral("secondBox"), 120, 1080, 1200, 315);
        goButton = place<CommandButton>(this, QStringLiteral("goButton"), 120, 2400, 1095, 375);
        goButton->setText(QStringLiteral("&Go"));
        connect(option, &OptionButton::chosen, this, [this] { events << "option chosen"; });
        connect(firstBox, &TextBox::focusLeft, this, [this] { onFirstBoxLeft(); });
        connect(goButton, &QPushButton::clicked, this, [this] { events << "go clicked"; });
    }

    OptionButton* option;
    TextBox* firstBox;
    TextBox* secondBox;
    CommandButton* goButton;
    QStringList events;
    bool refuseEmptyFirstBox = false;
    int loads = 0;

protected:
    void loadEvent() override { ++loads; }
    void resizeEvent(QResizeEvent* event) override {
        Page::resizeEvent(event);
        events << QStringLiteral("resized %1").arg(innerWidthTwips());
    }

private:
    void onFirstBoxLeft() {
        events << "first box left";
        if (refuseEmptyFirstBox && firstBox->text().isEmpty()) {
            showMessage(QStringLiteral("Enter something"), kWarningOk, QStringLiteral("Error!"));
            firstBox->setFocus();
        }
    }
};

PageSlot<TrialPage>& trialSlot() {
    static PageSlot<TrialPage> slot;
    return slot;
}

}  // namespace

class FormsRuntimeTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PageTestRun> run_;

    TrialPage& openTrialPage() {
        TrialPage& page = trialSlot().get();
        if (!showAndActivate(page)) {
            qFatal("the trial page never became active");
        }
        return page;
    }

private slots:
    void init() { run_ = std::make_unique<PageTestRun>(); }
    void cleanup() {
        const QString broken = endRun(run_);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void aSlotCreatesItsPageOnceAndUnloadEmptiesIt() {
        QVERIFY(!trialSlot().isLoaded());
        TrialPage& page = trialSlot().get();
        QCOMPARE(page.loads, 1);
        QVERIFY(!page.isVisible());
        QCOMPARE(&trialSlot().get(), &page);
        QCOMPARE(page.loads, 1);

        QPointer<TrialPage> unloaded = &page;
        page.unload();
        QVERIFY(!trialSlot().isLoaded());
        // The page goes once control is back in the event loop: it may be unloading itself.
        QVERIFY(unloaded);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!unloaded);

        TrialPage& fresh = trialSlot().get();
        QCOMPARE(fresh.loads, 1);
        QCOMPARE(fresh.events, QStringList());
    }

    void replacingPutsAFreshLoadedPageIntoTheSlot() {
        QPointer<TrialPage> first = &trialSlot().get();
        TrialPage& second = trialSlot().replaceWithNew();
        QVERIFY(&second != first.data());
        QCOMPARE(trialSlot().loaded(), &second);
        QCOMPARE(second.loads, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
    }

    void firstDisplayResizesAndSelectsTheFirstOptionByFocus() {
        TrialPage& page = openTrialPage();
        QCOMPARE(page.events.value(0).left(8), QStringLiteral("resized "));
        QVERIFY(page.events.contains("option chosen"));
        QVERIFY(page.option->isChecked());
        QCOMPARE(focused(), page.option);
        QVERIFY(qAbs(page.innerWidthTwips() - 4500) <= 15);
        QVERIFY(qAbs(page.innerHeightTwips() - 3000) <= 15);
    }

    void hideKeepsThePageAndShowBringsItBack() {
        TrialPage& page = openTrialPage();
        page.firstBox->setText(QStringLiteral("kept"));
        page.hide();
        QVERIFY(!page.isVisible());
        QVERIFY(trialSlot().isLoaded());
        page.showPage();
        QVERIFY(page.isVisible());
        QCOMPARE(page.firstBox->text(), QStringLiteral("kept"));
        QCOMPARE(page.loads, 1);
    }

    void twipsBecomePixelsAtTheLogicalDpi() {
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
        QCOMPARE(twipsToPixels(1440), qRound(dpi));
        QCOMPARE(pixelsToTwips(twipsToPixels(2880)), 2880);
        TrialPage& page = trialSlot().get();
        QCOMPARE(page.goButton->geometry(), twipsRect(120, 2400, 1095, 375));
    }

    void controlArrayElementsAreNamedWithTheirIndex() {
        QCOMPARE(arrayElementName(QStringLiteral("gaugeCheck"), 0),
                 QStringLiteral("gaugeCheck(0)"));
        QCOMPARE(arrayElementName(QStringLiteral("countBox"), 28), QStringLiteral("countBox(28)"));
    }

    void lostFocusRunsWhenTheFocusMovesOnButNotWhenActivationGoes() {
        TrialPage& page = openTrialPage();
        page.firstBox->setFocus();
        page.events.clear();
        for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent out(QEvent::FocusOut, reason);
            QCoreApplication::sendEvent(page.firstBox, &out);
        }
        QCOMPARE(page.events, QStringList());
        pressTab();
        QCOMPARE(page.events, QStringList{"first box left"});
        QCOMPARE(focused(), page.secondBox);
    }

    void accessKeyMovesTheFocusSoLostFocusRunsBeforeClick() {
        TrialPage& page = openTrialPage();
        clickAndType(page.firstBox, QStringLiteral("3"));
        page.events.clear();
        pressAlt(Qt::Key_G);
        QCOMPARE(page.events, (QStringList{"first box left", "go clicked"}));
        QCOMPARE(focused(), page.goButton);
    }

    void aRefusedEntryKeepsTheButtonFromBeingPressed() {
        TrialPage& page = openTrialPage();
        page.refuseEmptyFirstBox = true;
        click(page.firstBox);
        page.events.clear();
        run_->boxes.expect("Enter something", "Error!", kWarningOk, MessageAnswer::Ok);
        pressAlt(Qt::Key_G);
        QCOMPARE(page.events, QStringList{"first box left"});
        QCOMPARE(focused(), page.firstBox);

        run_->boxes.expect("Enter something", "Error!", kWarningOk, MessageAnswer::Ok);
        click(page.goButton);
        QCOMPARE(page.events, (QStringList{"first box left", "first box left"}));
        QCOMPARE(focused(), page.firstBox);

        typeHere(QStringLiteral("x"));
        click(page.goButton);
        QCOMPARE(page.events.last(), QStringLiteral("go clicked"));
    }

    void theMousePointerIsRememberedAndCheapToSetAgain() {
        TrialPage& page = trialSlot().get();
        page.setMousePointer(MousePointer::Hourglass);
        QCOMPARE(page.mousePointer(), MousePointer::Hourglass);
        QCOMPARE(page.cursor().shape(), Qt::WaitCursor);
        QElapsedTimer timer;
        timer.start();
        for (int step = 0; step < 5'000'000; ++step) {
            page.setMousePointer(MousePointer::Hourglass);
        }
        QVERIFY2(timer.elapsed() < 1000,
                 "setting the same pointer again must cost next to nothing");
        page.setMousePointer(MousePointer::Default);
        QCOMPARE(page.cursor().shape(), Qt::ArrowCursor);
    }

    void messageBoxesAnswerFromTheScriptUnderTheApplicationTitle() {
        run_->boxes.expect("Retry?", "Wirnak", kWarningRetryCancel, MessageAnswer::Retry);
        QCOMPARE(showMessage("Retry?", kWarningRetryCancel), MessageAnswer::Retry);
        QCOMPARE(run_->boxes.shown().back().title, QStringLiteral("Wirnak"));
    }

    void anUnexpectedMessageBoxIsReportedAndAnsweredSafely() {
        ScriptedMessageBoxes inner;
        QCOMPARE(showMessage("Go on?", kWarningRetryCancel, "Error!"), MessageAnswer::Cancel);
        QCOMPARE(showMessage("Note", kWarningOk), MessageAnswer::Ok);
        QCOMPARE(inner.failures().size(), 2);
        QVERIFY(inner.failures().front().contains("Go on?"));
    }

    void theCloseButtonEndsTheProgram() {
        TrialPage& page = openTrialPage();
        QVERIFY(!run_->end.ended());
        page.close();
        QCOMPARE(run_->end.count(), 1);
        QVERIFY(!trialSlot().isLoaded());
    }

    void theApplicationIsWirnakVersionOneZeroZero() {
        QCOMPARE(App::title(), QStringLiteral("Wirnak"));
        QCOMPARE(
            QStringLiteral("%1.%2.%3").arg(App::major()).arg(App::minor()).arg(App::revision()),
            QStringLiteral("1.0.0"));
    }
};

QTEST_MAIN(FormsRuntimeTest)
#include "FormsRuntimeTest.moc"
