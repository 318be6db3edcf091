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
        Option1 = place<OptionButton>(this, QStringLiteral("Option1"), 120, 120, 1500, 255);
        Option1->setText(QStringLiteral("One"));
        Text1 = place<TextBox>(this, QStringLiteral("Text1"), 120, 600, 1200, 315);
        Text2 = place<TextBox>(this, QStringLiteral("Text2"), 120, 1080, 1200, 315);
        Command1 = place<CommandButton>(this, QStringLiteral("Command1"), 120, 2400, 1095, 375);
        Command1->setText(QStringLiteral("&Go"));
        connect(Option1, &OptionButton::Click, this, [this] { events << "Option1_Click"; });
        connect(Text1, &TextBox::LostFocus, this, [this] { Text1_LostFocus(); });
        connect(Command1, &CommandButton::Click, this, [this] { events << "Command1_Click"; });
    }

    OptionButton* Option1;
    TextBox* Text1;
    TextBox* Text2;
    CommandButton* Command1;
    QStringList events;
    bool refuseEmptyText1 = false;
    int loads = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Resize() override { events << QStringLiteral("Form_Resize %1").arg(scaleWidth()); }

private:
    void Text1_LostFocus() {
        events << "Text1_LostFocus";
        if (refuseEmptyText1 && Text1->text().isEmpty()) {
            MsgBox(QStringLiteral("Enter something"), vbExclamation, QStringLiteral("Error!"));
            Text1->setFocus();
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
        page.Unload();
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
        QCOMPARE(page.events.value(0).left(12), QStringLiteral("Form_Resize "));
        QVERIFY(page.events.contains("Option1_Click"));
        QVERIFY(page.Option1->isChecked());
        QCOMPARE(focused(), page.Option1);
        QVERIFY(qAbs(page.scaleWidth() - 4500) <= 15);
        QVERIFY(qAbs(page.scaleHeight() - 3000) <= 15);
    }

    void hideKeepsThePageAndShowBringsItBack() {
        TrialPage& page = openTrialPage();
        page.Text1->setText(QStringLiteral("kept"));
        page.Hide();
        QVERIFY(!page.isVisible());
        QVERIFY(trialSlot().isLoaded());
        page.Show();
        QVERIFY(page.isVisible());
        QCOMPARE(page.Text1->text(), QStringLiteral("kept"));
        QCOMPARE(page.loads, 1);
    }

    void twipsBecomePixelsAtTheLogicalDpi() {
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
        QCOMPARE(twipsToPixels(1440), qRound(dpi));
        QCOMPARE(pixelsToTwips(twipsToPixels(2880)), 2880);
        TrialPage& page = trialSlot().get();
        QCOMPARE(page.Command1->geometry(), twipsRect(120, 2400, 1095, 375));
    }

    void controlArrayElementsAreNamedWithTheirIndex() {
        QCOMPARE(arrayElementName(QStringLiteral("Check1"), 0), QStringLiteral("Check1(0)"));
        QCOMPARE(arrayElementName(QStringLiteral("Text4"), 28), QStringLiteral("Text4(28)"));
    }

    void lostFocusRunsWhenTheFocusMovesOnButNotWhenActivationGoes() {
        TrialPage& page = openTrialPage();
        page.Text1->setFocus();
        page.events.clear();
        for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent out(QEvent::FocusOut, reason);
            QCoreApplication::sendEvent(page.Text1, &out);
        }
        QCOMPARE(page.events, QStringList());
        pressTab();
        QCOMPARE(page.events, QStringList{"Text1_LostFocus"});
        QCOMPARE(focused(), page.Text2);
    }

    void accessKeyMovesTheFocusSoLostFocusRunsBeforeClick() {
        TrialPage& page = openTrialPage();
        clickAndType(page.Text1, QStringLiteral("3"));
        page.events.clear();
        pressAlt(Qt::Key_G);
        QCOMPARE(page.events, (QStringList{"Text1_LostFocus", "Command1_Click"}));
        QCOMPARE(focused(), page.Command1);
    }

    void aRefusedEntryKeepsTheButtonFromBeingPressed() {
        TrialPage& page = openTrialPage();
        page.refuseEmptyText1 = true;
        click(page.Text1);
        page.events.clear();
        run_->boxes.expect("Enter something", "Error!", vbExclamation, vbOK);
        pressAlt(Qt::Key_G);
        QCOMPARE(page.events, QStringList{"Text1_LostFocus"});
        QCOMPARE(focused(), page.Text1);

        run_->boxes.expect("Enter something", "Error!", vbExclamation, vbOK);
        click(page.Command1);
        QCOMPARE(page.events, (QStringList{"Text1_LostFocus", "Text1_LostFocus"}));
        QCOMPARE(focused(), page.Text1);

        typeHere(QStringLiteral("x"));
        click(page.Command1);
        QCOMPARE(page.events.last(), QStringLiteral("Command1_Click"));
    }

    void theMousePointerIsRememberedAndCheapToSetAgain() {
        TrialPage& page = trialSlot().get();
        page.setMousePointer(Page::kHourglass);
        QCOMPARE(page.mousePointer(), Page::kHourglass);
        QCOMPARE(page.cursor().shape(), Qt::WaitCursor);
        QElapsedTimer timer;
        timer.start();
        for (int step = 0; step < 5'000'000; ++step) {
            page.setMousePointer(Page::kHourglass);
        }
        QVERIFY2(timer.elapsed() < 1000,
                 "setting the same pointer again must cost next to nothing");
        page.setMousePointer(Page::kDefaultPointer);
        QCOMPARE(page.cursor().shape(), Qt::ArrowCursor);
    }

    void messageBoxesAnswerFromTheScriptUnderTheApplicationTitle() {
        run_->boxes.expect("Retry?", "Wirnak", vbRetryCancel + vbExclamation, vbRetry);
        QCOMPARE(MsgBox("Retry?", vbRetryCancel + vbExclamation), vbRetry);
        QCOMPARE(run_->boxes.shown().back().title, QStringLiteral("Wirnak"));
    }

    void anUnexpectedMessageBoxIsReportedAndAnsweredSafely() {
        ScriptedMessageBoxes inner;
        QCOMPARE(MsgBox("Go on?", vbRetryCancel + vbExclamation, "Error!"), vbCancel);
        QCOMPARE(MsgBox("Note", vbExclamation), vbOK);
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
