#include "platform/Page.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QThread>
#include <QWindow>
#include <optional>

#include "platform/App.h"
#include "platform/CaptionFit.h"
#include "platform/Controls.h"
#include "platform/HelpWindow.h"
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

QPointer<Page>& shownLast() {
    static QPointer<Page> page;
    return page;
}

// Where the wizard stands on the screen: the page in front with its window frame, kept up to
// date as the user moves it, and still known once that page is gone.
struct Place {
    QRect frame;
    QRect inner;
    bool nextCentred = false;
};

std::optional<Place>& wizardPlace() {
    static std::optional<Place> place;
    return place;
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

Page* frontPage() {
    Page* page = shownLast();
    return page && page->isVisible() ? page : nullptr;
}

Page::Page(const QString& caption, int innerWidthTwips, int innerHeightTwips) {
    // A page of fixed size offers no maximise button, which could only fail.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(caption);
    setFixedSize(twipsToPixels(innerWidthTwips), twipsToPixels(innerHeightTwips));
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &showHelpWindow);
}

Page::~Page() {
    if (slot_) {
        slot_->release(this);
    }
}

void Page::setSizable(int openingWidthTwips, int openingHeightTwips) {
    sizable_ = true;
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(twipsToPixels(openingWidthTwips), twipsToPixels(openingHeightTwips));
}

void Page::showPage() {
    const bool firstDisplay = !shownBefore_;
    shownBefore_ = true;
    if (!isVisible()) {
        takePlaceOfPreviousPage();
    }
    show();
    activateWindow();
    shownLast() = this;
    notePlace();
    // Whether or not the window manager lets the window be active yet, the focus waits in the
    // first control for when it is.
    if (firstDisplay) {
        focusFirstControl();
    }
}

void Page::takePlaceOfPreviousPage() {
    if (sizable_ && slot_) {
        if (slot_->keptGeometry_.isEmpty() && slot_->store_.read) {
            slot_->keptGeometry_ = slot_->store_.read();
        }
        if (!slot_->keptGeometry_.isEmpty() && restoreGeometry(slot_->keptGeometry_)) {
            return;
        }
    }
    const std::optional<Place>& place = wizardPlace();
    if (!place || shownLast() == this) {
        return;
    }
    const QRect inner = place->nextCentred ? innerCentredOn(place->frame, place->inner, size())
                                           : QRect(place->inner.topLeft(), size());
    // The window manager will frame this page as it framed the one before, and would not move
    // it back onto the screen by itself; without a window manager nothing would.
    const QMargins frameWidths(
        place->inner.left() - place->frame.left(), place->inner.top() - place->frame.top(),
        place->frame.right() - place->inner.right(), place->frame.bottom() - place->inner.bottom());
    const QScreen* screen = QGuiApplication::screenAt(place->frame.center());
    if (!screen) {
        screen = this->screen();
    }
    setGeometry(keptWithin(inner.marginsAdded(frameWidths), inner, screen->availableGeometry()));
}

void Page::notePlace() {
    if (shownLast() == this && isVisible() && !isMinimized()) {
        wizardPlace() = Place{frameGeometry(), geometry(), nextPageCentred_};
    }
}

void Page::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitCaptions(*this);
    notePlace();
}

void Page::hideEvent(QHideEvent* event) {
    notePlace();
    QWidget::hideEvent(event);
}

void Page::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    notePlace();
}

void Page::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    notePlace();
}

void Page::unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    if (sizable_ && slot_) {
        slot_->keptGeometry_ = saveGeometry();
        if (slot_->store_.write) {
            slot_->store_.write(slot_->keptGeometry_);
        }
    }
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
    if (firstFocus_ && takesTabFocus(firstFocus_, this)) {
        firstFocus_->setFocus(Qt::TabFocusReason);
        return;
    }
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
