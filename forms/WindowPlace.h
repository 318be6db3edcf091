#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Where the wizard's windows stand: the page in front, and windows centred on one another.
namespace forms {

// Where a window of the given inner size stands with its frame centred on another window's
// frame (given with its inner rectangle): its inner rectangle, which is how windows are placed
// before the window manager has framed them.
QRect innerCentredOn(const QRect& frame, const QRect& inner, QSize innerSize);

// A window's inner rectangle, given with its frame, moved as little as needed for the frame to
// lie within the area (a screen's area free of panels).
QRect keptWithin(const QRect& frame, const QRect& inner, const QRect& area);

// Where a window of the given inner size stands centred on another window, framed as that one
// is, and moved as little as needed to stand within its screen: its inner rectangle.
QRect innerCentredWithinScreen(const QWidget& window, QSize innerSize);

// The page shown last, kept as pages are shown; nullptr once it is gone.
QWidget* pageShownLast();
void notePageShown(QWidget* page);

// The page the user sees in front: the one shown last that is still visible, or nullptr.
// Message boxes stand over it.
QWidget* frontPage();

}  // namespace forms
