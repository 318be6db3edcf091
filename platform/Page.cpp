#include "platform/Page.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/PageSlot.h"
#include "platform/Twips.h"

namespace forms {
namespace {

// The longest Refresh waits for the window system to map a freshly shown window.
constexpr int kExposeWaitMs = 500;

bool takesTabFocus(const QWidget* widget, const QWidget* page) {
    return widget != page && page->isAncestorOf(widget) && widget->isVisibleTo(page) &&
           widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
}

}  // namespace

Page::Page(const QString& caption, int innerWidthTwips, int innerHeightTwips) {
    setWindowTitle(caption);
    setFixedSize(twipsToPixels(innerWidthTwips), twipsToPixels(innerHeightTwips));
}

Page::~Page() {
    if (slot_) {
        slot_->release(this);
    }
}

void Page::setSizable() {
    const QSize design = size();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(design);
}

void Page::showPage() {
    const bool firstDisplay = !shownBefore_;
    shownBefore_ = true;
    show();
    activateWindow();
    if (firstDisplay) {
        focusFirstControl();
    }
}

void Page::unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    if (slot_) {
        slot_->release(this);
        slot_ = nullptr;
    }
    hide();
    deleteLater();
}

void Page::paintNow() {
    if (!isVisible()) {
        return;
    }
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < kExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    repaint();
}

void Page::setMousePointer(MousePointer pointer) {
    if (pointer == mousePointer_) {
        return;
    }
    mousePointer_ = pointer;
    if (pointer == MousePointer::Hourglass) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
}

int Page::innerWidthTwips() const {
    return pixelsToTwips(width());
}

int Page::innerHeightTwips() const {
    return pixelsToTwips(height());
}

void Page::closeEvent(QCloseEvent* event) {
    event->ignore();
    unload();
    endProgram();
}

void Page::focusFirstControl() {
    for (QWidget* widget = nextInFocusChain(); widget && widget != this;
         widget = widget->nextInFocusChain()) {
        if (takesTabFocus(widget, this)) {
            widget->setFocus(Qt::TabFocusReason);
            // An option button that takes the focus is selected; the window may not be active
            // yet, so the focus itself may arrive later.
            if (auto* option = qobject_cast<OptionButton*>(widget)) {
                option->select();
            }
            return;
        }
    }
}

}  // namespace forms
