#pragma once

#include <QPixmap>
#include <QSize>

// The product's picture: a coil of copper wire wound on a bobbin.
QPixmap coilPicture(const QSize& size);
