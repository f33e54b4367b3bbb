// The rules the game applies to a Board90: the coordinate test, where a
// piece may be put during set-up, when a set-up position may start a game,
// and the game's end. How pieces move is the engine's business: the game
// loads the position into plainEngine() and asks it.
#pragma once

#include <array>
#include <cstdint>

#include "engine/types.h"
#include "game/gbk.h"

// The texts of the four GameResult values, in order.
inline constexpr const char* RESULT_NAMES[4] = {GBK_IN_PLAY, GBK_RED_WINS, GBK_BLACK_WINS, GBK_DRAW};

// Text of result r (0..3); an empty text for anything else.
const char* resultName(int r);

// True when the point lies on the 9 x 10 board.
constexpr bool isOnBoard(GridPoint point) {
    return point.file >= 0 && point.file < 9 && point.rank >= 0 && point.rank < 10;
}

// ---- set-up placement ----

using PlacementMask = std::array<std::uint8_t, 90>;  // 1 = allowed, indexed like a Board90

// 帅: the red palace
inline constexpr PlacementMask RED_KING_MASK = {
    0, 0, 0, 1, 1, 1, 0, 0, 0,  // rank 0
    0, 0, 0, 1, 1, 1, 0, 0, 0,  // rank 1
    0, 0, 0, 1, 1, 1, 0, 0, 0,  // rank 2
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 3
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 4
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 5
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 6
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 7
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 8
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 9
};
// 仕: the palace corners and centre
inline constexpr PlacementMask RED_ADVISOR_MASK = {
    0, 0, 0, 1, 0, 1, 0, 0, 0,  // rank 0
    0, 0, 0, 0, 1, 0, 0, 0, 0,  // rank 1
    0, 0, 0, 1, 0, 1, 0, 0, 0,  // rank 2
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 3
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 4
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 5
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 6
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 7
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 8
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 9
};
// 相: its seven points on Red's half
inline constexpr PlacementMask RED_ELEPHANT_MASK = {
    0, 0, 1, 0, 0, 0, 1, 0, 0,  // rank 0
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 1
    1, 0, 0, 0, 1, 0, 0, 0, 1,  // rank 2
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 3
    0, 0, 1, 0, 0, 0, 1, 0, 0,  // rank 4
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 5
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 6
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 7
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 8
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 9
};
// 兵: its starting files before the river, anywhere beyond
inline constexpr PlacementMask RED_PAWN_MASK = {
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 0
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 1
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 2
    1, 0, 1, 0, 1, 0, 1, 0, 1,  // rank 3
    1, 0, 1, 0, 1, 0, 1, 0, 1,  // rank 4
    1, 1, 1, 1, 1, 1, 1, 1, 1,  // rank 5
    1, 1, 1, 1, 1, 1, 1, 1, 1,  // rank 6
    1, 1, 1, 1, 1, 1, 1, 1, 1,  // rank 7
    1, 1, 1, 1, 1, 1, 1, 1, 1,  // rank 8
    1, 1, 1, 1, 1, 1, 1, 1, 1,  // rank 9
};
// 将: the black palace
inline constexpr PlacementMask BLACK_KING_MASK = {
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 0
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 1
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 2
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 3
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 4
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 5
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 6
    0, 0, 0, 1, 1, 1, 0, 0, 0,  // rank 7
    0, 0, 0, 1, 1, 1, 0, 0, 0,  // rank 8
    0, 0, 0, 1, 1, 1, 0, 0, 0,  // rank 9
};
// 士: the palace corners and centre
inline constexpr PlacementMask BLACK_ADVISOR_MASK = {
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 0
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 1
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 2
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 3
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 4
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 5
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 6
    0, 0, 0, 1, 0, 1, 0, 0, 0,  // rank 7
    0, 0, 0, 0, 1, 0, 0, 0, 0,  // rank 8
    0, 0, 0, 1, 0, 1, 0, 0, 0,  // rank 9
};
// 象: its seven points on Black's half
inline constexpr PlacementMask BLACK_ELEPHANT_MASK = {
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 0
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 1
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 2
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 3
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 4
    0, 0, 1, 0, 0, 0, 1, 0, 0,  // rank 5
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 6
    1, 0, 0, 0, 1, 0, 0, 0, 1,  // rank 7
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 8
    0, 0, 1, 0, 0, 0, 1, 0, 0,  // rank 9
};
// 卒: its starting files before the river, anywhere beyond
inline constexpr PlacementMask BLACK_PAWN_MASK = {
    1, 1, 1, 1, 1, 1, 1, 1, 1,  // rank 0
    1, 1, 1, 1, 1, 1, 1, 1, 1,  // rank 1
    1, 1, 1, 1, 1, 1, 1, 1, 1,  // rank 2
    1, 1, 1, 1, 1, 1, 1, 1, 1,  // rank 3
    1, 1, 1, 1, 1, 1, 1, 1, 1,  // rank 4
    1, 0, 1, 0, 1, 0, 1, 0, 1,  // rank 5
    1, 0, 1, 0, 1, 0, 1, 0, 1,  // rank 6
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 7
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 8
    0, 0, 0, 0, 0, 0, 0, 0, 0,  // rank 9
};

// The mask restricting piece p, or nullptr for horses, rooks and cannons
// (and codes that are not pieces).
const PlacementMask* placementMask(BoardPiece p);

// How many of piece p one side may have: 1 king, 5 pawns, 2 of the rest.
constexpr int pieceLimit(BoardPiece p) {
    const int kind = p % 7;
    return kind == 0 ? 1 : kind == 6 ? 5 : 2;
}

// Whether piece p may be added to board at point (NO_POINT: anywhere, only
// the count is checked). The caller lifts a dragged piece off first.
bool canPlace(const Board90& board, BoardPiece p, GridPoint point);

// Every cell holds 0..14, no kind exceeds its limit and each side has
// exactly one king: what any position the engine is given must satisfy.
bool isSoundPieceSet(const Board90& board);

// A set-up position may start a game with firstMover to move unless the
// other side (the one that would have just moved) stands in check.
bool isSetupAcceptable(const Board90& board, Side firstMover);

// ---- moves and the end of a game ----

// Plies without a capture after which the game is drawn.
constexpr int DRAW_PLIES = 100;

// Whether move m is legal for side in board. Leaves the move made on
// plainEngine(), as its tryMove does.
bool isLegalMove(const Board90& board, Side side, PackedMove m);

// Whether side has a piece that can attack (a horse, rook, cannon or pawn):
// a side whose opponent's flag falls wins only then, else it is a draw.
bool hasAttackingMaterial(const Board90& board, Side side);

// The result of the position: the hundred-ply rule first, then the
// engine's verdict (bare kings drawn, a side without a king-saving move lost).
GameResult boardResult(const Board90& board, Side side, int pliesWithoutCapture);
