// The piece discs: the sheet of fourteen 40 x 40 cells (codes 0..13) with
// black as the transparent key, and the program's icon.
#pragma once

#include <QImage>
#include <QPainter>

constexpr int PIECE_CELL = 40;
constexpr int PIECE_CODES = 14;

// Draws piece `code` into the square (0, 0)..(size, size), antialiased.
void paintPiece(QPainter& p, int code, double size);

// The fourteen pieces side by side, flattened to the transparent key.
QImage paintPieceSheet();

// The program's icon: the Red king's disc, with real transparency.
QImage paintAppIcon(int size);
