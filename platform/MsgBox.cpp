#include "platform/MsgBox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QStringList>
#include <utility>

#include "platform/App.h"

namespace forms {
namespace {

constexpr int kButtonSetMask = 0x0F;
constexpr int kIconMask = 0xF0;

MessageBoxHandler& messageBoxHandler() {
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon iconOf(int style) {
    switch (style & kIconMask) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case vbExclamation:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int safeAnswer(int style) {
    return (style & kButtonSetMask) == vbRetryCancel ? vbCancel : vbOK;
}

int showModal(const MessageBoxCall& call) {
    // Nobody can answer a box on a screen that is never drawn: stop rather than hang.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        qFatal("Unexpected message box \"%s\": \"%s\"", qPrintable(call.title),
               qPrintable(call.prompt));
    }
    QMessageBox box(iconOf(call.style), call.title, call.prompt);
    if ((call.style & kButtonSetMask) == vbRetryCancel) {
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    switch (pressed) {
        case QMessageBox::Retry:
            return vbRetry;
        case QMessageBox::Ok:
            return vbOK;
        default:
            return safeAnswer(call.style);
    }
}

QString describe(const MessageBoxCall& call) {
    return QStringLiteral("[%1] \"%2\" (style %3)").arg(call.title, call.prompt).arg(call.style);
}

}  // namespace

int MsgBox(const QString& prompt, int style, const QString& title) {
    const MessageBoxCall call{prompt, style, title.isEmpty() ? App::title() : title};
    return messageBoxHandler() ? messageBoxHandler()(call) : showModal(call);
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

void ScriptedMessageBoxes::expect(const QString& prompt, const QString& title, int style,
                                  int answer) {
    expected_.push_back({{prompt, style, title}, answer});
}

int ScriptedMessageBoxes::answer(const MessageBoxCall& call) {
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
