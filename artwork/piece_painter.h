// The piece discs: the sheet of fourteen square cells (codes 0..13), 40 x
// 40 on the classic board, and the program's icon. The carried sheet is
// this one flattened onto black, its key colour.
#pragma once

#include <QImage>
#include <QPainter>

constexpr int PIECE_CELL = 40;
constexpr int PIECE_CODES = 14;

// What is cut into the discs: the Chinese characters (帅, 车, ...), or the
// piece's WXF letter (K A E H R C P) for players who learnt with those.
enum class PieceSet { Chinese, Symbols };

// Draws piece `code` into the square (0, 0)..(size, size), antialiased.
void paintPiece(QPainter& p, int code, double size, PieceSet set = PieceSet::Chinese);

// The fourteen pieces side by side on transparency,
// Format_ARGB32_Premultiplied.
QImage paintPieceSheet(int cell = PIECE_CELL, PieceSet set = PieceSet::Chinese);

// The program's icon: the Red king's disc, with real transparency.
QImage paintAppIcon(int size);
