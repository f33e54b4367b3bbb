#include "game/rules.h"

#include "engine/engine.h"

const char* resultName(int r) {
    return r >= 0 && r < 4 ? RESULT_NAMES[r] : "";
}

const PlacementMask* placementMask(BoardPiece p) {
    switch (p) {
    case 0: return &RED_KING_MASK;
    case 1: return &RED_ADVISOR_MASK;
    case 2: return &RED_ELEPHANT_MASK;
    case 6: return &RED_PAWN_MASK;
    case 7: return &BLACK_KING_MASK;
    case 8: return &BLACK_ADVISOR_MASK;
    case 9: return &BLACK_ELEPHANT_MASK;
    case 13: return &BLACK_PAWN_MASK;
    default: return nullptr;
    }
}

namespace {

int countPieces(const Board90& board, BoardPiece p) {
    int n = 0;
    for (BoardPiece cell : board) n += cell == p;
    return n;
}

// Two unpromoted pawns of one side may not stand one behind the other on
// their own half: each file has only one starting pawn.
bool breaksPawnFileRule(const Board90& board, BoardPiece p, GridPoint point) {
    int otherRank;
    if (p == 6 && (point.rank == 3 || point.rank == 4)) otherRank = 7 - point.rank;
    else if (p == 13 && (point.rank == 5 || point.rank == 6)) otherRank = 11 - point.rank;
    else return false;
    return board[boardIndex(point.file, otherRank)] == p;
}

}  // namespace

bool canPlace(const Board90& board, BoardPiece p, GridPoint point) {
    if (p < 0 || p >= 14) return false;
    if (countPieces(board, p) >= pieceLimit(p)) return false;
    if (point.file == -1) return true;
    if (!isOnBoard(point)) return false;
    const PlacementMask* mask = placementMask(p);
    if (mask && !(*mask)[boardIndex(point.file, point.rank)]) return false;
    return !breaksPawnFileRule(board, p, point);
}

bool isSoundPieceSet(const Board90& board) {
    int counts[15] = {};
    for (BoardPiece cell : board) {
        if (cell < 0 || cell > NO_PIECE) return false;
        ++counts[cell];
    }
    for (BoardPiece p = 0; p < 14; ++p)
        if (counts[p] > pieceLimit(p)) return false;
    return counts[0] == 1 && counts[7] == 1;
}

bool isSetupAcceptable(const Board90& board, Side firstMover) {
    const Side other = firstMover ^ 1;
    Engine& engine = plainEngine();
    engine.setPosition(board, other);
    return !engine.isInCheck(other);
}

bool isLegalMove(const Board90& board, Side side, PackedMove m) {
    Engine& engine = plainEngine();
    engine.setPosition(board, side);
    return engine.tryMove(m);
}

GameResult boardResult(const Board90& board, Side side, int pliesWithoutCapture) {
    if (pliesWithoutCapture >= DRAW_PLIES) return RESULT_DRAW;
    Engine& engine = plainEngine();
    engine.setPosition(board, side);
    return engine.gameStatus();
}

bool hasAttackingMaterial(const Board90& board, Side side) {
    for (BoardPiece p : board) {
        const bool own = side == SIDE_RED ? isRedPiece(p) : isBlackPiece(p);
        if (own && p % PIECE_KINDS >= 3) return true;  // horse, rook, cannon, pawn
    }
    return false;
}
