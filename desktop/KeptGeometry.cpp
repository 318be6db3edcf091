#include "desktop/KeptGeometry.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <algorithm>
#include <optional>

namespace {

// The record as Qt 6 writes it (its version 3); QWidget::restoreGeometry reads the same fields.
struct GeometryRecord {
    QRect frame;
    QRect normal;
    QRect inner;
};

std::optional<GeometryRecord> readRecord(const QByteArray& geometry) {
    QDataStream stream(geometry);
    stream.setVersion(QDataStream::Qt_4_0);
    constexpr quint32 kMagic = 0x1D9D0CB;
    constexpr quint16 kMajorVersion = 3;
    quint32 magic = 0;
    quint16 major = 0, minor = 0;
    stream >> magic >> major >> minor;
    GeometryRecord record;
    qint32 screenNumber = 0, screenWidth = 0;
    quint8 maximized = 0, fullScreen = 0;
    stream >> record.frame >> record.normal >> screenNumber >> maximized >> fullScreen >>
        screenWidth >> record.inner;
    if (stream.status() != QDataStream::Ok || magic != kMagic || major != kMajorVersion)
        return std::nullopt;
    return record;
}

bool fits(const QRect& rect, const QRect& allScreens) {
    if (rect.isEmpty() || rect.width() > allScreens.width() || rect.height() > allScreens.height())
        return false;
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&rect](const QScreen* screen) {
        return screen->geometry().intersects(rect);
    });
}

}  // namespace

bool geometryFitsTheScreens(const QByteArray& geometry) {
    const auto record = readRecord(geometry);
    if (!record)
        return false;
    QRect allScreens;
    for (const QScreen* screen : QGuiApplication::screens()) allScreens |= screen->geometry();
    return fits(record->frame, allScreens) && fits(record->normal, allScreens) &&
           fits(record->inner, allScreens);
}
