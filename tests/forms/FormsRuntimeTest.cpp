#include <QElapsedTimer>
#include <QFocusEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "forms/Controls.h"
#include "forms/Twips.h"
#include "forms/WindowPlace.h"
#include "tests/support/PageTestRun.h"

using namespace forms;

namespace {

// Presses on the control's indicator (or caption) and lets go, checking in between that nothing
// is left drawn pressed.
void pressAndRelease(QAbstractButton* control) {
    const QPoint onIndicator(6, control->height() / 2);
    QTest::mousePress(control, Qt::LeftButton, {}, onIndicator);
    QVERIFY2(!control->isDown(), qPrintable(control->objectName()));
    QTest::mouseRelease(control, Qt::LeftButton, {}, onIndicator);
}

// A page that records what the runtime does to it.
class TrialPage : public Page {
public:
    TrialPage() : Page(QStringLiteral("Trial"), 4500, 3000) {
        option = place<OptionButton>(this, QStringLiteral("option"), 120, 120, 1500, 255);
        option->setText(QStringLiteral("One"));
        firstBox = place<TextBox>(this, QStringLiteral("firstBox"), 120, 600, 1200, 315);
        secondBox = place<TextBox>(this, QStringLiteral("secondBox"), 120, 1080, 1200, 315);
        otherOption =
            place<OptionButton>(this, QStringLiteral("otherOption"), 1800, 120, 1500, 255);
        otherOption->setText(QStringLiteral("Two"));
        tick = place<CheckBox>(this, QStringLiteral("tick"), 1800, 600, 1500, 255);
        tick->setText(QStringLiteral("Tick"));
        goButton = place<CommandButton>(this, QStringLiteral("goButton"), 120, 2400, 1095, 375);
        goButton->setText(QStringLiteral("&Go"));
        quitButton =
            place<CommandButton>(this, QStringLiteral("quitButton"), 1800, 2400, 1095, 375);
        quitButton->setText(QStringLiteral("&Quit"));
        letEntriesGoUnchecked(quitButton);
        connect(option, &OptionButton::chosen, this, [this] { events << "option chosen"; });
        connect(otherOption, &OptionButton::chosen, this, [this] { events << "other chosen"; });
        connect(tick, &QCheckBox::toggled, this, [this] { events << "tick toggled"; });
        connect(firstBox, &TextBox::focusLeft, this, [this] { onFirstBoxLeft(); });
        connect(goButton, &QPushButton::clicked, this, [this] { events << "go clicked"; });
        connect(quitButton, &QPushButton::clicked, this, [this] { events << "quit clicked"; });
    }

    OptionButton* option;
    OptionButton* otherOption;
    TextBox* firstBox;
    TextBox* secondBox;
    CheckBox* tick;
    CommandButton* goButton;
    CommandButton* quitButton;
    QStringList events;
    // What leaving the first box empty does: nothing, a message and the focus back, or only a
    // message.
    enum class EmptyFirstBox { Accepted, Refused, Warned } emptyFirstBox = EmptyFirstBox::Accepted;
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
        if (emptyFirstBox == EmptyFirstBox::Accepted || !firstBox->text().isEmpty() ||
            firstBox->deferRefusal()) {
            return;
        }
        showMessage(QStringLiteral("Enter something"), kWarningOk, QStringLiteral("Error!"));
        if (emptyFirstBox == EmptyFirstBox::Refused) {
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
        // A window manager may hold the activation back: the focus waits in the first control
        // all the same, for when the window does become active.
        TrialPage& withheld = trialSlot().get();
        withheld.setWindowFlag(Qt::WindowDoesNotAcceptFocus);
        withheld.showPage();
        QVERIFY(!withheld.isActiveWindow());
        QCOMPARE(withheld.focusWidget(), withheld.option);
        QVERIFY(withheld.option->isChecked());
        withheld.unload();

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
        QCOMPARE(frontPage(), nullptr);
        page.showPage();
        QVERIFY(page.isVisible());
        QCOMPARE(frontPage(), &page);  // where message boxes stand
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
        page.emptyFirstBox = TrialPage::EmptyFirstBox::Refused;
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

    // The mouse's release went to the box, so these presses come without one; QTest sends it all
    // the same, which must not count twice.
    void aPressTheCheckRefusesIsDroppedWithNothingLeftPressed() {
        TrialPage& page = openTrialPage();
        page.emptyFirstBox = TrialPage::EmptyFirstBox::Refused;
        click(page.firstBox);
        page.events.clear();
        for (QAbstractButton* target : {static_cast<QAbstractButton*>(page.goButton),
                                        static_cast<QAbstractButton*>(page.tick),
                                        static_cast<QAbstractButton*>(page.otherOption)}) {
            run_->boxes.expect("Enter something", "Error!", kWarningOk, MessageAnswer::Ok);
            pressAndRelease(target);
            QCOMPARE(focused(), page.firstBox);
        }
        QCOMPARE(page.events, QStringList(3, "first box left"));
    }

    void aPressWhoseReleaseAMessageBoxTookIsOneWholeClick() {
        TrialPage& page = openTrialPage();
        page.emptyFirstBox = TrialPage::EmptyFirstBox::Warned;
        for (QAbstractButton* target : {static_cast<QAbstractButton*>(page.goButton),
                                        static_cast<QAbstractButton*>(page.tick),
                                        static_cast<QAbstractButton*>(page.otherOption)}) {
            click(page.firstBox);
            page.events.clear();
            run_->boxes.expect("Enter something", "Error!", kWarningOk, MessageAnswer::Ok);
            pressAndRelease(target);
            QCOMPARE(focused(), target);
            QCOMPARE(page.events.size(), 2);
        }
        QCOMPARE(page.events.last(), QStringLiteral("other chosen"));
        QVERIFY(page.tick->isChecked());
    }

    void aControlThatLetsEntriesGoUncheckedHoldsTheRefusalBack() {
        TrialPage& page = openTrialPage();
        page.emptyFirstBox = TrialPage::EmptyFirstBox::Refused;
        click(page.firstBox);
        page.events.clear();
        click(page.quitButton);
        QCOMPARE(page.events, (QStringList{"first box left", "quit clicked"}));

        // Moving on from there refuses as leaving the box would have.
        run_->boxes.expect("Enter something", "Error!", kWarningOk, MessageAnswer::Ok);
        pressTab();
        QCOMPARE(focused(), page.firstBox);

        // Back into the box, or the box gone meanwhile: nothing is left to refuse.
        QTest::mousePress(page.quitButton, Qt::LeftButton);
        QTest::mouseRelease(page.quitButton, Qt::LeftButton, {}, QPoint(-5, -5));  // let go beside
        click(page.firstBox);
        QTest::mousePress(page.quitButton, Qt::LeftButton);
        page.firstBox->hide();
        pressTab();
        QCOMPARE(run_->boxes.shown().size(), size_t(1));
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

    void anUnexpectedOrDifferentMessageBoxIsReportedAndAnsweredSafely() {
        ScriptedMessageBoxes inner;
        QCOMPARE(showMessage("Go on?", kWarningRetryCancel, "Error!"), MessageAnswer::Cancel);
        QCOMPARE(showMessage("Note", kWarningOk), MessageAnswer::Ok);
        // The same prompt and title with other buttons, or without the warning icon.
        inner.expect("Go on?", "Error!", kWarningRetryCancel, MessageAnswer::Retry);
        QCOMPARE(showMessage("Go on?", kWarningOk, "Error!"), MessageAnswer::Ok);
        inner.expect("Note", "Wirnak", kWarningOk, MessageAnswer::Ok);
        showMessage("Note", MessageStyle{MessageButtons::Ok, MessageIcon::None});
        QCOMPARE(inner.failures().size(), 4);
        QVERIFY(inner.failures().front().contains("Go on?"));
        QVERIFY(inner.failures().back().contains("where"));
    }

    // The box the user sees: its icon, its buttons and their answers, centred over its page.
    void theRealMessageBoxAnswersWithTheButtonPressed() {
        TrialPage& page = openTrialPage();
        const struct {
            MessageStyle style;
            QMessageBox::StandardButton pressed;  // NoButton: Escape
            MessageAnswer answer;
        } cases[] = {
            {kWarningRetryCancel, QMessageBox::Retry, MessageAnswer::Retry},
            {kWarningRetryCancel, QMessageBox::Cancel, MessageAnswer::Cancel},
            {kWarningRetryCancel, QMessageBox::NoButton, MessageAnswer::Cancel},
            {kWarningOk, QMessageBox::Ok, MessageAnswer::Ok},
            {kWarningOk, QMessageBox::NoButton, MessageAnswer::Ok},
            {kQuestionYesNo, QMessageBox::Yes, MessageAnswer::Yes},
            {kQuestionYesNo, QMessageBox::No, MessageAnswer::No},
            {kQuestionYesNo, QMessageBox::NoButton, MessageAnswer::No},
        };
        for (const auto& c : cases) {
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QMessageBox::StandardButtons buttons;
            // Read while the box lives: it and its buttons are gone once it answers.
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
            QPoint offCentre(999, 999);
            QString iconSaid;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) {
                    return;
                }
                icon = box->icon();
                for (QLabel* label : box->findChildren<QLabel*>()) {
                    if (!label->pixmap().isNull())
                        iconSaid = label->accessibleName();
                }
                buttons = box->standardButtons();
                defaultButton = box->standardButton(box->defaultButton());
                offCentre = box->geometry().center() - page.geometry().center();
                if (c.pressed == QMessageBox::NoButton) {
                    QTest::keyClick(box, Qt::Key_Escape);
                } else {
                    box->button(c.pressed)->click();
                }
            });
            const MessageAnswer answer = showModalMessageBox({"Go on?", c.style, "Error!"}, &page);
            QCOMPARE(answer, c.answer);
            const bool question = c.style == kQuestionYesNo;
            QCOMPARE(icon, question ? QMessageBox::Question : QMessageBox::Warning);
            // to a screen reader
            QCOMPARE(iconSaid, question ? QStringLiteral("Question") : QStringLiteral("Warning"));
            if (c.style == kWarningRetryCancel) {
                QCOMPARE(buttons, QMessageBox::Retry | QMessageBox::Cancel);
                QCOMPARE(defaultButton, QMessageBox::Retry);
            } else if (question) {
                QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
                QCOMPARE(defaultButton, QMessageBox::No);  // Return does not say yes
            } else {
                QCOMPARE(buttons, QMessageBox::Ok);
            }
            QVERIFY2(offCentre.manhattanLength() <= 2, "the box stands centred over its page");
        }
    }

    void theCloseButtonEndsTheProgramWhateverTheBoxesHold() {
        TrialPage& page = openTrialPage();
        page.emptyFirstBox = TrialPage::EmptyFirstBox::Refused;
        click(page.firstBox);
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
