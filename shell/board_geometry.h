// Where the points of the board lie in the board area. Intersections are
// 40 pixels apart; the cell of a point is the 40 x 40 square centred on it.
// Coordinates are pixels of the board area (its top-left corner is 0, 0).
#pragma once

#include <QPoint>

#include "engine/types.h"

constexpr int CELL_SIZE = 40;
constexpr int BOARD_WIDTH = 390;   // of the carried board bitmap
constexpr int BOARD_HEIGHT = 480;

struct BoardGeometry {
    int width = BOARD_WIDTH;
    int height = BOARD_HEIGHT;
    bool reverse = true;  // Red at the bottom, file 0 on the right

    int marginX() const { return (width - 320) / 2; }   // 35
    int marginY() const { return (height - 360) / 2; }  // 60

    // Top-left pixel of the point's cell.
    QPoint cellOrigin(GridPoint point) const;
    // The point whose cell holds the pixel (possibly off the board) and the
    // pixel's offset inside that cell (0..39 each way). Every pixel belongs
    // to exactly one cell: the division rounds toward minus infinity.
    GridPoint pointToGrid(QPoint pixel, QPoint* offset = nullptr) const;
};
