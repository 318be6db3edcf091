#include "platform/Controls.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>
#include <QTimer>
#include <algorithm>

namespace forms {
namespace {

// The control whose taking of the focus an entry box's check refused just now (by putting the
// focus back). It holds only for the input event being handled.
QPointer<QWidget>& refusedFocusTarget() {
    static QPointer<QWidget> target;
    return target;
}

void noteFocusOutcome(QWidget* target, bool refused) {
    refusedFocusTarget() = refused ? target : nullptr;
    if (refused) {
        QTimer::singleShot(0, [] { refusedFocusTarget() = nullptr; });
    }
}

bool focusWasRefused(const QWidget* control) {
    return control && refusedFocusTarget() == control &&
           control->window()->focusWidget() != control;
}

bool activationOnly(const QFocusEvent* event) {
    return event->reason() == Qt::ActiveWindowFocusReason ||
           event->reason() == Qt::PopupFocusReason;
}

}  // namespace

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

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (activationOnly(event)) {
        return;
    }
    // Qt has already named the control that is taking the focus.
    QPointer<QWidget> target = QApplication::focusWidget();
    emit focusLeft();
    noteFocusOutcome(target, target && target->window()->focusWidget() != target);
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
    if (!focusWasRefused(this) && isEnabled() && isVisible()) {
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
    if (focusWasRefused(this)) {
        event->accept();
        return;
    }
    QPushButton::mousePressEvent(event);
}

void CheckBox::mousePressEvent(QMouseEvent* event) {
    if (focusWasRefused(this)) {
        event->accept();
        return;
    }
    QCheckBox::mousePressEvent(event);
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
