#include "shell/board/board_geometry.h"

namespace {

// Division and remainder rounding toward minus infinity, so that pixels
// left of or above the first cell get negative points, not point 0.
int floorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
int floorMod(int a, int b) { return a - floorDiv(a, b) * b; }

}  // namespace

QPoint BoardGeometry::cellOrigin(GridPoint point) const {
    const int half = cell / 2;
    if (!reverse) {
        return {marginX() + cell * point.file - half, marginY() + cell * point.rank - half};
    }
    return {width - marginX() - cell * point.file - half, height - marginY() - cell * point.rank - half};
}

GridPoint BoardGeometry::pointToGrid(QPoint pixel, QPoint* offset) const {
    const int half = cell / 2;
    // h and g count pixels from the outer edge of the cell of file 0 and of
    // rank 0, growing with the file and the rank.
    int h = 0;
    int g = 0;
    if (!reverse) {
        h = pixel.x() - marginX() + half;
        g = pixel.y() - marginY() + half;
    } else {
        h = width - marginX() + half - 1 - pixel.x();
        g = height - marginY() + half - 1 - pixel.y();
    }
    const int file = floorDiv(h, cell);
    const int rank = floorDiv(g, cell);
    if (offset) {
        const int ox = floorMod(h, cell);
        const int oy = floorMod(g, cell);
        *offset = reverse ? QPoint(cell - 1 - ox, cell - 1 - oy) : QPoint(ox, oy);
    }
    GridPoint p{};
    // Far off the board the point is clamped to a value a signed byte holds.
    p.file = static_cast<std::int8_t>(file < -100 ? -100 : file > 100 ? 100 : file);
    p.rank = static_cast<std::int8_t>(rank < -100 ? -100 : rank > 100 ? 100 : rank);
    return p;
}

QPoint BoardGeometry::labelOrigin(int i, bool top) const {
    const int half = labelSize() / 2;
    // Centred on the files, above the top rank's cells and below the bottom
    // rank's: y 20 and 440 on the classic board.
    if (top) return {marginX() + cell * i - half, marginY() - cell};
    return {width - marginX() - cell * i - half, height - marginY() + cell / 2};
}
