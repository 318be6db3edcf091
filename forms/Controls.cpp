#include "forms/Controls.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>
#include <QTimer>
#include <algorithm>

#include "forms/MessageBox.h"

namespace forms {
namespace {

constexpr const char* kLetsEntriesGoUnchecked = "letsEntriesGoUnchecked";

bool activationOnly(const QFocusEvent* event) {
    return event->reason() == Qt::ActiveWindowFocusReason ||
           event->reason() == Qt::PopupFocusReason;
}

// What the check of the entry box being left did to the control that was taking the focus: it
// took the focus back (refused), or it showed a message. It holds only for the input event
// being handled.
struct CheckOutcome {
    QPointer<QWidget> target;
    bool refused = false;
    bool showedMessage = false;
};

CheckOutcome& lastCheckOutcome() {
    static CheckOutcome outcome;
    return outcome;
}

void noteCheckOutcome(QWidget* target, bool showedMessage) {
    const bool refused = target && target->window()->focusWidget() != target;
    lastCheckOutcome() = {target, refused, showedMessage};
    if (refused || showedMessage) {
        QTimer::singleShot(0, [] { lastCheckOutcome() = {}; });
    }
}

enum class PressAfterCheck { AsUsual, Dropped, WholeClick };

PressAfterCheck pressAfterCheck(const QWidget* control) {
    const CheckOutcome& outcome = lastCheckOutcome();
    if (!control || outcome.target != control) {
        return PressAfterCheck::AsUsual;
    }
    if (outcome.refused && control->window()->focusWidget() != control) {
        return PressAfterCheck::Dropped;
    }
    return outcome.showedMessage ? PressAfterCheck::WholeClick : PressAfterCheck::AsUsual;
}

// A mouse press that follows an entry box's check: dropped when the check refused, a whole
// click when a message box took the release. True when the press is thus settled.
bool settlePressAfterCheck(QAbstractButton& button, QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return false;
    }
    switch (pressAfterCheck(&button)) {
        case PressAfterCheck::AsUsual:
            return false;
        case PressAfterCheck::Dropped:
            break;
        case PressAfterCheck::WholeClick:
            lastCheckOutcome() = {};
            button.click();
            break;
    }
    event->accept();
    return true;
}

}  // namespace

// The check of an entry box whose refusal waits while the focus is on a control that lets the
// box go unchecked; it runs again when the focus leaves that control.
class DeferredCheck : public QObject {
public:
    static DeferredCheck& instance() {
        static DeferredCheck* waiting = new DeferredCheck;  // outlives every control it watches
        return *waiting;
    }

    void wait(TextBox* box, QWidget* focusHolder) {
        clear();
        box_ = box;
        focusHolder_ = focusHolder;
        focusHolder->installEventFilter(this);
    }

    void drop(const TextBox* box) {
        if (box_ == box) {
            clear();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusOut || watched != focusHolder_ ||
            activationOnly(static_cast<QFocusEvent*>(event))) {
            return false;
        }
        const QPointer<TextBox> box = box_;
        clear();
        if (box && box->isVisible() && box->isEnabled()) {
            box->checkOnLeaving(QApplication::focusWidget());
        }
        return false;
    }

private:
    void clear() {
        if (focusHolder_) {
            focusHolder_->removeEventFilter(this);
        }
        box_ = nullptr;
        focusHolder_ = nullptr;
    }

    QPointer<TextBox> box_;
    QPointer<QWidget> focusHolder_;
};

void letEntriesGoUnchecked(QWidget* control) {
    control->setProperty(kLetsEntriesGoUnchecked, true);
}

QString arrayElementName(const QString& name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void setTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}

Label::Label(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // Text set from outside puts the cursor, and so the view, at its end.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!hasFocus()) {
            home(false);
        }
    });
}

bool TextBox::goesUncheckedTo(const QWidget* control) const {
    return control &&
           (control == uncheckedTo_ || control->property(kLetsEntriesGoUnchecked).toBool());
}

void TextBox::focusInEvent(QFocusEvent* event) {
    DeferredCheck::instance().drop(this);
    QLineEdit::focusInEvent(event);
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!activationOnly(event)) {
        // Qt has already named the control that is taking the focus.
        checkOnLeaving(QApplication::focusWidget());
        // A refused entry has the focus back, with the cursor where the user left it.
        if (!hasFocus()) {
            home(false);
        }
    }
}

bool TextBox::deferRefusal() {
    if (!goesUncheckedTo(leavingTo_)) {
        return false;
    }
    DeferredCheck::instance().wait(this, leavingTo_);
    return true;
}

void TextBox::checkOnLeaving(QWidget* target) {
    if (target == this) {
        return;
    }
    const QPointer<QWidget> guarded = target;
    const int boxesBefore = messageBoxesShown();
    leavingTo_ = target;
    emit focusLeft();
    leavingTo_ = nullptr;
    noteCheckOutcome(guarded, messageBoxesShown() != boxesBefore);
}

bool CommandButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        pressByAccessKey();
        return true;
    }
    return QPushButton::event(event);
}

void CommandButton::pressByAccessKey() {
    if (focusPolicy() & Qt::TabFocus) {
        setFocus(Qt::ShortcutFocusReason);
    }
    const bool refused = pressAfterCheck(this) == PressAfterCheck::Dropped;
    lastCheckOutcome() = {};
    if (!refused && isEnabled() && isVisible()) {
        click();
    }
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    // Enter on a focused button presses it, as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::mousePressEvent(QMouseEvent* event) {
    if (!settlePressAfterCheck(*this, event)) {
        QPushButton::mousePressEvent(event);
    }
}

void CheckBox::mousePressEvent(QMouseEvent* event) {
    if (!settlePressAfterCheck(*this, event)) {
        QCheckBox::mousePressEvent(event);
    }
}

void OptionButton::mousePressEvent(QMouseEvent* event) {
    if (!settlePressAfterCheck(*this, event)) {
        QRadioButton::mousePressEvent(event);
    }
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QRadioButton::toggled, this, [this](bool selected) {
        updateGroupTabStops();
        if (selected) {
            emit chosen();
        }
    });
}

QList<OptionButton*> OptionButton::group() const {
    return parentWidget() ? parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly)
                          : QList<OptionButton*>{const_cast<OptionButton*>(this)};
}

void OptionButton::updateGroupTabStops() {
    const QList<OptionButton*> options = group();
    const bool noneSelected =
        std::none_of(options.begin(), options.end(), [](auto* o) { return o->isChecked(); });
    for (OptionButton* option : options) {
        option->setFocusPolicy(noneSelected || option->isChecked() ? Qt::StrongFocus
                                                                   : Qt::ClickFocus);
    }
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            step = 1;
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            step = -1;
            break;
        default:
            QRadioButton::keyPressEvent(event);
            return;
    }
    const QList<OptionButton*> options = group();
    const auto count = options.size();
    const auto next = options.at((options.indexOf(this) + step + count) % count);
    next->setFocus(Qt::TabFocusReason);
}

void OptionButton::focusInEvent(QFocusEvent* event) {
    QRadioButton::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason && !isChecked()) {
        select();
    }
}

Frame::Frame(QWidget* parent) : QGroupBox(parent) {
    // The caption sits on the top edge, so that controls placed near the top stay clear of
    // the border instead of crossing it.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 8px; padding: 0 2px; }"));
}

}  // namespace forms
