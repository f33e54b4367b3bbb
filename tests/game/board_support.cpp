#include "board_support.h"

Board90 blackMatedBoard() {
    Board90 b;
    b.fill(NO_PIECE);
    b[boardIndex(4, 9)] = 7;
    b[boardIndex(3, 0)] = 0;
    b[boardIndex(0, 8)] = 4;
    b[boardIndex(1, 9)] = 4;
    return b;
}
