#include "forms/MessageBox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QShowEvent>
#include <QStringList>
#include <utility>

#include "forms/App.h"
#include "forms/WindowPlace.h"

namespace forms {
namespace {

MessageBoxHandler& messageBoxHandler() {
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer safeAnswer(MessageStyle style) {
    switch (style.buttons) {
        case MessageButtons::RetryCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::Ok:
            break;
    }
    return MessageAnswer::Ok;
}

QString buttonsText(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::RetryCancel:
            return QStringLiteral("Retry/Cancel");
        case MessageButtons::YesNo:
            return QStringLiteral("Yes/No");
        case MessageButtons::Ok:
            break;
    }
    return QStringLiteral("OK");
}

int& boxesShown() {
    static int shown = 0;
    return shown;
}

QString describe(const MessageBoxCall& call) {
    const QString icon = call.style.icon == MessageIcon::Exclamation ? QStringLiteral(", warning")
                         : call.style.icon == MessageIcon::Question  ? QStringLiteral(", question")
                                                                     : QString();
    return QStringLiteral("[%1] \"%2\" (%3%4)")
        .arg(call.title, call.prompt, buttonsText(call.style.buttons), icon);
}

// A message box whose frame stands centred on its page's frame. Qt centres it only roughly, as
// it cannot know the box's frame before the box is shown; it will be framed as the page is.
class CentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);  // sizes the box
        const QWidget* page = parentWidget();
        if (!page || event->spontaneous()) {
            return;
        }
        setGeometry(innerCentredOn(page->frameGeometry(), page->geometry(), size()));
    }
};

}  // namespace

MessageAnswer showModalMessageBox(const MessageBoxCall& call, QWidget* parent) {
    CentredMessageBox box(iconOf(call.style.icon), call.title, call.prompt, QMessageBox::NoButton,
                          parent);
    // Qt leaves its icon nameless: a screen reader would read a bare image.
    if (auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
        icon && call.style.icon != MessageIcon::None) {
        icon->setAccessibleName(call.style.icon == MessageIcon::Question
                                    ? QStringLiteral("Question")
                                    : QStringLiteral("Warning"));
    }
    if (call.style.buttons == MessageButtons::RetryCancel) {
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (call.style.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    switch (box.exec()) {
        case QMessageBox::Retry:
            return MessageAnswer::Retry;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        default:
            return safeAnswer(call.style);
    }
}

MessageAnswer showMessage(const QString& prompt, MessageStyle style, const QString& title) {
    const MessageBoxCall call{prompt, style, title.isEmpty() ? App::title() : title};
    ++boxesShown();
    if (messageBoxHandler()) {
        return messageBoxHandler()(call);
    }
    // Nobody can answer a box on a screen that is never drawn: stop rather than hang.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        qFatal("Unexpected message box %s", qPrintable(describe(call)));
    }
    return showModalMessageBox(call, frontPage());
}

int messageBoxesShown() {
    return boxesShown();
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(messageBoxHandler(), std::move(handler));
}

ScriptedMessageBoxes::ScriptedMessageBoxes()
    : previous_(setMessageBoxHandler([this](const MessageBoxCall& call) { return answer(call); })) {
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
    setMessageBoxHandler(std::move(previous_));
}

void ScriptedMessageBoxes::expect(const QString& prompt, const QString& title, MessageStyle style,
                                  MessageAnswer answer) {
    expected_.push_back({{prompt, style, title}, answer});
}

MessageAnswer ScriptedMessageBoxes::answer(const MessageBoxCall& call) {
    shown_.push_back(call);
    if (next_ == expected_.size()) {
        failures_ << QStringLiteral("unexpected box %1").arg(describe(call));
        return safeAnswer(call.style);
    }
    const Expected& expected = expected_[next_++];
    if (expected.call.prompt != call.prompt || expected.call.title != call.title ||
        expected.call.style != call.style) {
        failures_ << QStringLiteral("box %1 where %2 was expected")
                         .arg(describe(call), describe(expected.call));
        return safeAnswer(call.style);
    }
    return expected.answer;
}

}  // namespace forms
