// Where the points of the board lie in the board area. On the classic
// board intersections are 40 pixels apart; a larger board size spaces them
// wider (its cell), and every measure here follows. The cell of a point is
// the cell x cell square centred on it. Coordinates are pixels of the board
// area (its top-left corner is 0, 0), in the window's pixels.
#pragma once

#include <QPoint>

#include "artwork/board_layout.h"
#include "engine/types.h"

constexpr int CELL_SIZE = CLASSIC_CELL;
constexpr int BOARD_WIDTH = CLASSIC_BOARD_WIDTH;  // of the carried board bitmap
constexpr int BOARD_HEIGHT = CLASSIC_BOARD_HEIGHT;

// A press picks up a piece within 18 pixels of the intersection on the
// classic board, proportionally farther on a larger one: the bound for
// the squared distance from the cell's centre pixel.
constexpr int pickRadiusSquared(int cell) { return (18 * cell) * (18 * cell) / (CELL_SIZE * CELL_SIZE); }

struct BoardGeometry {
    int width = BOARD_WIDTH;
    int height = BOARD_HEIGHT;
    bool reverse = true;  // Red at the bottom, file 0 on the right
    int cell = CELL_SIZE;

    int marginX() const { return (width - 8 * cell) / 2; }   // 35 on the classic board
    int marginY() const { return (height - 9 * cell) / 2; }  // 60

    // Top-left pixel of the point's cell, and the cell's centre pixel (the
    // intersection).
    QPoint cellOrigin(GridPoint point) const;
    QPoint cellCentre(GridPoint point) const { return cellOrigin(point) + QPoint(cell / 2, cell / 2); }
    // The point whose cell holds the pixel (possibly off the board) and the
    // pixel's offset inside that cell (0..cell - 1 each way). Every pixel
    // belongs to exactly one cell: the division rounds toward minus infinity.
    GridPoint pointToGrid(QPoint pixel, QPoint* offset = nullptr) const;
    int pickRadiusSquared() const { return ::pickRadiusSquared(cell); }

    // The file labels: squares of half a cell, label i (0..8) of the row
    // along the top or along the bottom edge.
    int labelSize() const { return cell / 2; }
    QPoint labelOrigin(int i, bool top) const;

    // Slides move at the same speed in points per second on every size.
    double slidePixelsPerSecond() const { return 500.0 * cell / CELL_SIZE; }

    // What the pictures for this size are drawn for.
    BoardLayout layout(double devicePixelRatio) const { return {width, height, cell, devicePixelRatio}; }
};
