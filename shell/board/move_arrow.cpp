#include "shell/board/move_arrow.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace {

// In cell widths.
constexpr double SHAFT_HALF_WIDTH = 0.09;
constexpr double HEAD_HALF_WIDTH = 0.24;
constexpr double HEAD_LENGTH = 0.42;
constexpr double START_INSET = 0.18;  // the arrow leaves the piece's centre visible

const QColor ARROW_COLOUR(30, 110, 230, 170);
const QColor ARROW_EDGE(255, 255, 255, 200);

}  // namespace

QPolygonF moveArrowShape(QPointF from, QPointF to, double cell) {
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length < 1.0) return {};
    const QPointF u = d / length;          // along the move
    const QPointF n(-u.y(), u.x());        // across it
    const QPointF start = from + u * (START_INSET * cell);
    const QPointF headBase = to - u * (HEAD_LENGTH * cell);
    const double shaft = SHAFT_HALF_WIDTH * cell;
    const double head = HEAD_HALF_WIDTH * cell;
    return QPolygonF({start + n * shaft, headBase + n * shaft, headBase + n * head, to, headBase - n * head,
                      headBase - n * shaft, start - n * shaft});
}

void drawMoveArrow(QPainter& painter, QPointF from, QPointF to, double cell) {
    const QPolygonF shape = moveArrowShape(from, to, cell);
    if (shape.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ARROW_EDGE, std::max(1.0, cell / 40.0)));
    painter.setBrush(ARROW_COLOUR);
    painter.drawPolygon(shape);
    painter.restore();
}
