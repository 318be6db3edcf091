#include "forms/CaptionFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextEdit>
#include <QtMath>
#include <algorithm>

namespace forms {
namespace {

constexpr double kSmallestPointSize = 6.0;
constexpr double kPointSizeStep = 0.25;

// Steps the control's font down while its caption does not fit, as far as still readable.
template <class TooBig>
void shrinkFontWhile(QWidget& control, TooBig tooBig) {
    QFont font = control.font();
    while (tooBig() && font.pointSizeF() - kPointSizeStep >= kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - kPointSizeStep);
        control.setFont(font);
    }
}

// The height a control may take, from its top down to the nearest control below it that
// shares some of its width, or to the bottom of its parent.
int roomBelowTop(const QWidget& control) {
    const QWidget& parent = *control.parentWidget();
    const QRect place = control.geometry();
    int bottom = parent.contentsRect().bottom();
    for (const QWidget* other : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect otherPlace = other->geometry();
        if (other == &control || other->isWindow() || otherPlace.top() <= place.top() ||
            otherPlace.left() > place.right() || otherPlace.right() < place.left()) {
            continue;
        }
        bottom = std::min(bottom, otherPlace.top() - 1);
    }
    return bottom - place.top() + 1;
}

// Grows the control downward to the height it needs, within the room below it; where the room
// is too small, a smaller font first.
template <class NeededHeight>
void growDownward(QWidget& control, NeededHeight neededHeight) {
    const int room = roomBelowTop(control);
    shrinkFontWhile(control, [&] { return neededHeight() > room; });
    const int needed = neededHeight();
    if (needed > control.height()) {
        control.resize(control.width(), std::min(needed, room));
    }
}

void fitLabel(QLabel& label) {
    if (label.text().isEmpty()) {
        return;
    }
    if (label.wordWrap()) {
        growDownward(label, [&label] { return label.heightForWidth(label.width()); });
        return;
    }
    shrinkFontWhile(label, [&label] { return label.sizeHint().width() > label.width(); });
    growDownward(label, [&label] { return label.sizeHint().height(); });
}

// Where the style draws a button's caption: beside the indicator of a check box or option
// button, within the bevel of a push button.
QRect captionArea(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement area = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton*>(&button)) {
        area = QStyle::SE_RadioButtonContents;
    } else if (qobject_cast<const QCheckBox*>(&button)) {
        area = QStyle::SE_CheckBoxContents;
    }
    return button.style()->subElementRect(area, &option, &button);
}

void fitButton(QAbstractButton& button) {
    if (button.text().isEmpty()) {
        return;
    }
    shrinkFontWhile(button, [&button] {
        const QSize caption = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
        const QRect area = captionArea(button);
        return caption.width() > area.width() || caption.height() > area.height();
    });
}

// A read-only text that cannot scroll has to show all of it.
void fitFixedText(QTextEdit& text) {
    if (!text.isReadOnly() || text.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
        return;
    }
    growDownward(text, [&text] {
        const int frame = text.height() - text.viewport()->height();
        return qCeil(text.document()->size().height()) + frame;
    });
}

}  // namespace

void fitCaptions(QWidget& window) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        control->ensurePolished();
        if (auto* label = qobject_cast<QLabel*>(control)) {
            fitLabel(*label);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            fitButton(*button);
        } else if (auto* text = qobject_cast<QTextEdit*>(control)) {
            fitFixedText(*text);
        }
    }
}

}  // namespace forms
