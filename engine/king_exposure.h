// Which moves can leave the mover's own king attacked when it was not
// attacked before the move. Only four kinds can: a king move; a move off
// one of the king's four lines (it may open a rook, cannon or facing-king
// line, or take away one of two cannon screens); a move off a square
// diagonally beside the king (the leg of a horse that aims at it); and a
// quiet move onto one of the king's lines (a new cannon screen). A capture
// changes no cell from empty to held, so its target square opens nothing.
// Every other move keeps a safe king safe, and the legal-move count can
// skip the full check test for it.
#pragma once

#include "engine/pieces.h"

// Both squares on one rank or one file of the 16x16 board.
constexpr bool onOneLine(int a, int b) { return ((a ^ b) & 0x0F) == 0 || ((a ^ b) & 0xF0) == 0; }

// b is one of the four squares diagonally beside a.
constexpr bool diagonallyBeside(int a, int b) {
    const int d = a - b;
    return d == 15 || d == -15 || d == 17 || d == -17;
}

// The step from a toward b on one line: +1 or -1 along a rank, +16 or -16
// along a file.
constexpr int lineDirection(int a, int b) {
    if (((a ^ b) & 0xF0) == 0) return b > a ? +1 : -1;
    return b > a ? +16 : -16;
}

// Whether the move from -> to (capture: the target held an enemy piece)
// may expose the king standing on kingSquare (0: no king; nothing then).
constexpr bool mayExposeKing(int kingSquare, int from, int to, bool capture) {
    if (kingSquare == 0) return false;
    return onOneLine(kingSquare, from) || diagonallyBeside(kingSquare, from) ||
           (!capture && onOneLine(kingSquare, to));
}
