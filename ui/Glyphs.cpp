#include "ui/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace tarvo::ui::glyphs {

namespace {

// Draws a picture on a 16 x 16 grid at 16 and 32 pixels.
QIcon drawn(const std::function<void(QPainter &)> &draw)
{
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(size / 16.0, size / 16.0);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon ok()
{
    return drawn([](QPainter &p) {
        QPen pen(QColor(0, 140, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        QPainterPath tick;
        tick.moveTo(2.5, 8.5);
        tick.lineTo(6.5, 12.5);
        tick.lineTo(13.5, 3.5);
        p.drawPath(tick);
    });
}

QIcon cancel()
{
    return drawn([](QPainter &p) {
        QPen pen(QColor(200, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    });
}

QIcon print()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));      // paper in
        p.setBrush(QColor(170, 170, 170));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);  // body
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4.5));   // paper out
        p.setPen(QPen(QColor(0, 160, 0), 1.2));
        p.drawPoint(QPointF(12.5, 8.5));
    });
}

QIcon calculator()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(220, 220, 220));
        p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
        p.setBrush(QColor(180, 220, 180));
        p.drawRect(QRectF(4.5, 2.5, 7, 3));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col)
                p.drawRect(QRectF(4.5 + col * 2.5, 7.5 + row * 2.5, 1.6, 1.6));
        }
    });
}

QIcon calendar()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 2.5, 13, 12));
        p.setBrush(QColor(200, 40, 40));
        p.drawRect(QRectF(1.5, 2.5, 13, 3));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 4; ++col)
                p.drawRect(QRectF(3 + col * 3, 7 + row * 2.5, 1.6, 1.4));
        }
    });
}

} // namespace tarvo::ui::glyphs
