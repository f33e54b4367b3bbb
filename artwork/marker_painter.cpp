// The marker disc, with a slightly brighter middle.
#include "artwork/marker_painter.h"

#include <QPainter>
#include <QRadialGradient>

QImage paintMarker(int size) {
    const double unit = size / 40.0;
    QImage marker(size, size, QImage::Format_ARGB32_Premultiplied);
    marker.fill(Qt::transparent);
    QPainter p(&marker);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre(20.5 * unit, 20.5 * unit);
    const double radius = 8.0 * unit;
    QRadialGradient fill(centre, radius);
    fill.setColorAt(0.0, QColor(90, 255, 90, 150));
    fill.setColorAt(0.7, QColor(30, 220, 40, 135));
    fill.setColorAt(1.0, QColor(0, 170, 20, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    p.end();
    return marker;
}
