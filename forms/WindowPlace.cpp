#include "forms/WindowPlace.h"

#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace forms {
namespace {

QPointer<QWidget>& shownLast() {
    static QPointer<QWidget> page;
    return page;
}

}  // namespace

QRect keptWithin(const QRect& frame, const QRect& inner, const QRect& area) {
    QPoint shift;
    if (frame.right() > area.right()) {
        shift.rx() = area.right() - frame.right();
    }
    if (frame.bottom() > area.bottom()) {
        shift.ry() = area.bottom() - frame.bottom();
    }
    // Then the top left corner, so that a window too large for the area keeps the start of its
    // title bar on the screen.
    if (frame.left() + shift.x() < area.left()) {
        shift.rx() = area.left() - frame.left();
    }
    if (frame.top() + shift.y() < area.top()) {
        shift.ry() = area.top() - frame.top();
    }
    return inner.translated(shift);
}

QRect innerCentredOn(const QRect& frame, const QRect& inner, QSize innerSize) {
    // The window manager will frame the new window as it framed the other one.
    const QSize framed = innerSize + frame.size() - inner.size();
    const QPoint frameCorner = frame.center() - QPoint(framed.width() / 2, framed.height() / 2);
    return {frameCorner + (inner.topLeft() - frame.topLeft()), innerSize};
}

QRect innerCentredWithinScreen(const QWidget& window, QSize innerSize) {
    const QRect frame = window.frameGeometry(), inner = window.geometry();
    const QRect centred = innerCentredOn(frame, inner, innerSize);
    const QMargins frameWidths(inner.left() - frame.left(), inner.top() - frame.top(),
                               frame.right() - inner.right(), frame.bottom() - inner.bottom());
    return keptWithin(centred.marginsAdded(frameWidths), centred,
                      window.screen()->availableGeometry());
}

QWidget* pageShownLast() {
    return shownLast();
}

void notePageShown(QWidget* page) {
    shownLast() = page;
}

QWidget* frontPage() {
    QWidget* page = shownLast();
    return page && page->isVisible() ? page : nullptr;
}

}  // namespace forms
