// Playing a move on a Board90, the one way every part of the program does
// it: as it stands (the caller knows it is legal, or only reads the board
// after), or judged by the rules first.
#pragma once

#include "engine/types.h"

class Engine;

// Whether both cells of m lie on the 9 x 10 board.
constexpr bool cellsOnBoard(PackedMove m) {
    const GridPoint f = moveFrom(m), t = moveTo(m);
    return f.file >= 0 && f.file < 9 && f.rank >= 0 && f.rank < 10 && t.file >= 0 && t.file < 9 && t.rank >= 0 &&
           t.rank < 10;
}

// The piece on m's from cell goes to its to cell, unjudged; answers what
// stood there. A move with a cell off the board changes nothing.
constexpr BoardPiece playOnBoard(Board90& board, PackedMove m) {
    if (!cellsOnBoard(m)) return NO_PIECE;
    const GridPoint f = moveFrom(m), t = moveTo(m);
    const int from = boardIndex(f.file, f.rank), to = boardIndex(t.file, t.rank);
    const BoardPiece captured = board[to];
    board[to] = board[from];
    board[from] = NO_PIECE;
    return captured;
}

// Plays m when rules (an engine used for judging) allow it at board with
// side to move, and gives the move to the other side; false, changing
// nothing, when it is no legal move there.
bool playIfLegal(Engine& rules, Board90& board, Side& side, PackedMove m);
