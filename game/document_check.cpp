#include "game/document_check.h"

#include "engine/board_move.h"
#include "engine/engine.h"
#include "game/rules.h"

namespace {

constexpr BoardPiece RED_KING = 0;
constexpr BoardPiece BLACK_KING = 7;

}  // namespace

// Places the pieces one by one under the set-up rules, so the limits, the
// squares and the pawn file rule all hold.
bool obeysSetupRules(const Board90& board) {
    Board90 placed;
    placed.fill(NO_PIECE);
    for (int i = 0; i < 90; ++i) {
        const BoardPiece p = board[i];
        if (p < 0 || p > NO_PIECE) return false;
        if (p == NO_PIECE) continue;
        const GridPoint point{static_cast<std::int8_t>(i % 9), static_cast<std::int8_t>(i / 9)};
        if (!canPlace(placed, p, point)) return false;
        placed[i] = p;
    }
    int kings[2] = {0, 0};
    for (BoardPiece p : board) {
        if (p == RED_KING) ++kings[0];
        if (p == BLACK_KING) ++kings[1];
    }
    return kings[0] == 1 && kings[1] == 1;
}

namespace {

bool replayIsLegal(const GameDocument& doc) {
    Board90 board = doc.startBoard;
    Side side = doc.startSide;
    Engine& engine = plainEngine();
    for (const DocumentMove& m : doc.moves)
        if (!playIfLegal(engine, board, side, m.move)) return false;
    return true;
}

}  // namespace

bool isPlayableDocument(const GameDocument& doc) {
    if (doc.startSide != SIDE_RED && doc.startSide != SIDE_BLACK) return false;
    return obeysSetupRules(doc.startBoard) && isSetupAcceptable(doc.startBoard, doc.startSide) &&
           replayIsLegal(doc);
}
