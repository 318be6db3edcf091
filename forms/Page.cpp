#include "forms/Page.h"

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
#include <utility>

#include "forms/App.h"
#include "forms/CaptionFit.h"
#include "forms/Controls.h"
#include "forms/Twips.h"
#include "forms/WindowPlace.h"

namespace forms {
namespace {

// The longest Refresh waits for the window system to map a freshly shown window.
constexpr int kExposeWaitMs = 500;

bool takesTabFocus(const QWidget* widget, const QWidget* page) {
    return widget != page && page->isAncestorOf(widget) && widget->isVisibleTo(page) &&
           widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
}

std::function<void()>& helpAction() {
    static std::function<void()> action;
    return action;
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

Page::Page(const QString& caption, int innerWidthTwips, int innerHeightTwips) {
    // A page of fixed size offers no maximise button, which could only fail.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(caption);
    setFixedSize(twipsToPixels(innerWidthTwips), twipsToPixels(innerHeightTwips));
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [] {
        if (helpAction()) {
            helpAction()();
        }
    });
}

Page::~Page() {
    if (slot_) {
        slot_->release(this);
    }
}

void setHelpAction(std::function<void()> action) {
    helpAction() = std::move(action);
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
    notePageShown(this);
    notePlace();
    // Whether or not the window manager lets the window be active yet, the focus waits in the
    // first control for when it is.
    if (firstDisplay) {
        focusFirstControl();
    }
}

void Page::takePlaceOfPreviousPage() {
    if (sizable_ && slot_) {
        if (const QByteArray kept = slot_->keptGeometry();
            !kept.isEmpty() && restoreGeometry(kept)) {
            return;
        }
    }
    const std::optional<Place>& place = wizardPlace();
    if (!place || pageShownLast() == this) {
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
    if (pageShownLast() == this && isVisible() && !isMinimized()) {
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
        slot_->keepGeometry(saveGeometry());
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
