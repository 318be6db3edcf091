#pragma once

#include <QByteArray>

// Whether a window's size and place, as QWidget::saveGeometry gave them in some earlier run,
// still make a window the user can see and reach on the screens there are now: the record whole,
// each of its rectangles neither empty nor upside down, no larger than all the screens together,
// and on at least one of them. Qt itself restores a great deal that is none of these (a window
// of 1 × 1 pixel from a cut record, one never shown from an upside-down frame, one of
// 32767 × 32767 pixels).
bool geometryFitsTheScreens(const QByteArray& geometry);
