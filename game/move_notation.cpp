#include "game/move_notation.h"

#include "engine/fen.h"
#include "game/notation.h"
#include "game/rules.h"
#include "game/wxf_writer.h"

std::string formatMoveAs(MoveNotation notation, const Board90& board, PackedMove m) {
    switch (notation) {
    case MoveNotation::Wxf: return formatWxfMove(board, m);
    case MoveNotation::Coordinate: {
        // Like the others, no text for a move that does not start on a piece.
        const GridPoint from = moveFrom(m);
        if (m == 0 || !isOnBoard(from) || !isOnBoard(moveTo(m)) ||
            board[boardIndex(from.file, from.rank)] < 0 || board[boardIndex(from.file, from.rank)] >= NO_PIECE)
            return {};
        return writeCoordinateMove(m);
    }
    case MoveNotation::Chinese: break;
    }
    return formatMove(board, m);
}

bool notationFromName(const std::string& name, MoveNotation& out) {
    constexpr struct { const char* name; MoveNotation notation; } NAMES[] = {
        {"chinese", MoveNotation::Chinese}, {"wxf", MoveNotation::Wxf}, {"iccs", MoveNotation::Coordinate}};
    for (const auto& n : NAMES) {
        if (name != n.name) continue;
        out = n.notation;
        return true;
    }
    return false;
}
