#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <array>
#include <initializer_list>

#include "forms/Twips.h"

// The controls of a page, with the events the pages handle: clicks on buttons, check boxes and
// option buttons, and the focus leaving an entry box.
namespace forms {

// "gaugeCheck(0)": the name of an element of a control array.
QString arrayElementName(const QString& name, int index);

// Places a new control, named, on its parent at left, top, width, height in twips.
template <class Control>
Control* place(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(twipsRect(left, top, width, height));
    return control;
}

// Elements 0..N-1 of a control array, read as gaugeCheck(i).
template <class Control, int N>
class ControlArray {
public:
    Control* operator()(int index) const { return elements_.at(index); }
    void set(int index, Control* control) { elements_.at(index) = control; }
    static constexpr int size() { return N; }

private:
    std::array<Control*, N> elements_{};
};

// Fixes the order in which Tab visits the given controls.
void setTabOrder(std::initializer_list<QWidget*> controls);

// A label: text from its top left corner, broken into lines at its width.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);
};

// A frame: a box with an optional caption set into its top edge; its controls are placed
// within it, measured from the frame's top left corner.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr);
};

// Marks a control to which the focus may go from any entry box without the box refusing it:
// "Cancel" must end the program even from a box that holds no number (see
// TextBox::deferRefusal).
void letEntriesGoUnchecked(QWidget* control);

// An entry box. focusLeft, the box's check, is emitted when the focus moves on to another
// control of the page; not when a message box, a popup or another window merely takes the
// activation. A number too long for the box shows its start while the box is not being typed
// in: "12.375" cut to "2.375" would be misread.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // The focus may go to this one control without this box refusing it, such as the check box
    // that takes the box away.
    void letGoUncheckedTo(QWidget* control) { uncheckedTo_ = control; }

    // For a check that is about to refuse the text: true when the focus is going to a control
    // that lets this box go unchecked. The refusal then waits: the check runs again when the
    // focus moves on from there to another control, unless by then the box is hidden, disabled
    // or holds the focus again.
    bool deferRefusal();

signals:
    void focusLeft();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class DeferredCheck;
    void checkOnLeaving(QWidget* target);
    bool goesUncheckedTo(const QWidget* control) const;

    QPointer<QWidget> uncheckedTo_;
    QPointer<QWidget> leavingTo_;  // while the check runs
};

// A press on a button, check box or option button takes the focus first, so the entry box being
// left is checked before the press counts. When that check refuses the entry by taking the
// focus back, the press is dropped. When the check only shows a message, the release of the
// mouse went to the message box: the press counts as a whole click at once, so nothing stays
// drawn pressed.

// A push button. Its access key ("&Next >": Alt+N) acts like a click: the focus moves to the
// button first, so the entry box being left is checked before the button's click, by key or by
// mouse alike.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr) : QPushButton(parent) {}

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void pressByAccessKey();
};

// A check box whose press follows the entry box's check as a button's does.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr) : QCheckBox(parent) {}

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A drop-down choice. A screen reader says its accessible name, then the item chosen.
class ChoiceBox : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceBox(QWidget* parent = nullptr) : QComboBox(parent) {}
};

// An option button. Taking the focus selects it; chosen is emitted when it becomes selected. The
// option buttons of one container form a group: Tab stops only at the selected one (at each
// while none is), and the arrow keys move within the group. Its press follows the entry box's
// check as a button's does.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);

    void select() { setChecked(true); }

signals:
    void chosen();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QList<OptionButton*> group() const;
    void updateGroupTabStops();
};

}  // namespace forms
