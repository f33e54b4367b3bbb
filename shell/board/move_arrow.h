// The arrow an analysis draws on the board for its best move: from the
// centre of the moving piece's cell to the centre of its target, in
// proportion to the cell size, so it follows the board at any scale.
#pragma once

#include <QPointF>
#include <QPolygonF>

class QPainter;

// The arrow's outline for a move from `from` to `to` (cell centres) on
// cells `cell` pixels wide; empty when the two points are one.
QPolygonF moveArrowShape(QPointF from, QPointF to, double cell);
void drawMoveArrow(QPainter& painter, QPointF from, QPointF to, double cell);
