#include "engine/board_move.h"

#include "engine/engine.h"

bool playIfLegal(Engine& rules, Board90& board, Side& side, PackedMove m) {
    if (m == 0 || !cellsOnBoard(m)) return false;
    rules.setPosition(board, side);
    if (!rules.tryMove(m)) return false;
    playOnBoard(board, m);
    side ^= 1;
    return true;
}
