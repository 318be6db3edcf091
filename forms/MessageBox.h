#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

// Modal message boxes that answer with the button pressed.
namespace forms {

enum class MessageButtons { Ok, RetryCancel, YesNo };
enum class MessageIcon { None, Exclamation, Question };

struct MessageStyle {
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;

    friend bool operator==(const MessageStyle&, const MessageStyle&) = default;
};

// The kinds of box the wizard shows: a warning to acknowledge, a warning that offers to try
// again, and a question before something costly.
inline constexpr MessageStyle kWarningOk{MessageButtons::Ok, MessageIcon::Exclamation};
inline constexpr MessageStyle kWarningRetryCancel{MessageButtons::RetryCancel,
                                                  MessageIcon::Exclamation};
inline constexpr MessageStyle kQuestionYesNo{MessageButtons::YesNo, MessageIcon::Question};

enum class MessageAnswer { Ok, Cancel, Retry, Yes, No };

// Shows the prompt and waits for the user. Without a title the application's title is shown.
// Retry and Cancel open with Retry as the default; Yes and No with No, so that Return does not
// set off what was asked about; closing the box otherwise than by a button answers Cancel, No,
// or OK where OK is the only button. The box stands centred over the page in front.
MessageAnswer showMessage(const QString& prompt, MessageStyle style, const QString& title = {});

// How many message boxes have been shown in this run, answered by the user or by a test's
// script alike: a control can tell whether a box came up while an event was being handled.
int messageBoxesShown();

// One message box as the user saw it: the title is the one shown.
struct MessageBoxCall {
    QString prompt;
    MessageStyle style;
    QString title;
};

// The modal box itself, over parent (centred on it), whatever handler is set. showMessage uses
// it when no test handler answers.
MessageAnswer showModalMessageBox(const MessageBoxCall& call, QWidget* parent);

// Tests answer message boxes through a handler instead of a modal window; the previous handler
// is returned, an empty handler restores real boxes.
using MessageBoxHandler = std::function<MessageAnswer(const MessageBoxCall&)>;
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

// For tests: the boxes the user is expected to meet, in order, each with its answer. A box that
// was not expected, or that differs from the one expected, is recorded as a failure and
// answered with its safe button (OK, Cancel where Retry and Cancel are offered, No beside Yes) so
// that the test goes on to report it.
class ScriptedMessageBoxes {
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void expect(const QString& prompt, const QString& title, MessageStyle style,
                MessageAnswer answer);

    const std::vector<MessageBoxCall>& shown() const { return shown_; }
    // Boxes that went against the script, described for the failure message; empty when the
    // script was followed.
    const QStringList& failures() const { return failures_; }
    // The expected boxes that have not appeared.
    int pending() const { return static_cast<int>(expected_.size() - next_); }

private:
    struct Expected {
        MessageBoxCall call;
        MessageAnswer answer;
    };

    MessageAnswer answer(const MessageBoxCall& call);

    std::vector<Expected> expected_;
    std::size_t next_ = 0;
    std::vector<MessageBoxCall> shown_;
    QStringList failures_;
    MessageBoxHandler previous_;
};

}  // namespace forms
