#include "pages/CoilPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kTurns = 9;

void drawBobbin(QPainter& painter, const QRectF& area) {
    const QColor grey(0x60, 0x60, 0x68);
    painter.setPen(QPen(grey.darker(140), 1));
    painter.setBrush(grey);
    const double flange = area.width() * 0.08;
    painter.drawRect(QRectF(area.left(), area.top(), flange, area.height()));
    painter.drawRect(QRectF(area.right() - flange, area.top(), flange, area.height()));
}

void drawTurns(QPainter& painter, const QRectF& winding) {
    QLinearGradient copper(winding.topLeft(), winding.bottomLeft());
    copper.setColorAt(0.0, QColor(0xf4, 0xb0, 0x7a));
    copper.setColorAt(0.5, QColor(0xc8, 0x6b, 0x2e));
    copper.setColorAt(1.0, QColor(0x7a, 0x3a, 0x12));
    const double pitch = winding.width() / kTurns;
    painter.setPen(QPen(QColor(0x5a, 0x2a, 0x0c), 1));
    painter.setBrush(copper);
    for (int turn = 0; turn < kTurns; ++turn) {
        painter.drawRoundedRect(
            QRectF(winding.left() + turn * pitch, winding.top(), pitch, winding.height()),
            pitch / 2, pitch / 2);
    }
}

void drawLead(QPainter& painter, const QRectF& winding) {
    painter.setPen(QPen(QColor(0xc8, 0x6b, 0x2e), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath lead(QPointF(winding.right() - 4, winding.top() + 2));
    lead.cubicTo(winding.right() + 8, winding.top() - 20, winding.right() + 10, winding.top() - 30,
                 winding.right() + 2, winding.top() - 40);
    painter.drawPath(lead);
}

}  // namespace

QPixmap coilPicture(const QSize& size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bobbin(size.width() * 0.08, size.height() * 0.32, size.width() * 0.72,
                        size.height() * 0.5);
    drawBobbin(painter, bobbin);
    const double flange = bobbin.width() * 0.08;
    const QRectF winding =
        bobbin.adjusted(flange, bobbin.height() * 0.08, -flange, -bobbin.height() * 0.08);
    drawTurns(painter, winding);
    drawLead(painter, winding);
    return picture;
}
