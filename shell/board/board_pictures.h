// The pictures the board view draws with at one board size and pixel
// density: the board, the fourteen pieces side by side, the four rows of
// nine file labels and the last-move marker, in the screen's own pixels.
// Pieces and labels are transparent around their shapes.
#pragma once

#include <QImage>
#include <QRect>

#include "artwork/board_layout.h"
#include "artwork/piece_painter.h"

struct BoardPictures {
    QImage board;
    QImage pieces;
    QImage labels;
    QImage marker;

    // Where piece `code` and label (column, row) lie in their sheets.
    QRect pieceSource(int code) const { return {pieces.height() * code, 0, pieces.height(), pieces.height()}; }
    QRect labelSource(int column, int row) const {
        const int side = labels.height() / 4;
        return {side * column, side * row, side, side};
    }
};

// Drawn by the artwork at the layout's size and density, in full colour and
// with smooth edges (the carried pictures serve the classic board).
BoardPictures drawnBoardPictures(const BoardLayout& layout, PieceSet set = PieceSet::Chinese);
