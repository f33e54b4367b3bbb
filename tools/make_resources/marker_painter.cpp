// The marker disc, with a slightly brighter middle.
#include "tools/make_resources/marker_painter.h"

#include <QPainter>
#include <QRadialGradient>

QImage paintMarker() {
    QImage marker(40, 40, QImage::Format_ARGB32_Premultiplied);
    marker.fill(Qt::transparent);
    QPainter p(&marker);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre(20.5, 20.5);
    QRadialGradient fill(centre, 8);
    fill.setColorAt(0.0, QColor(90, 255, 90, 150));
    fill.setColorAt(0.7, QColor(30, 220, 40, 135));
    fill.setColorAt(1.0, QColor(0, 170, 20, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(centre, 8.0, 8.0);
    p.end();
    return marker;
}
