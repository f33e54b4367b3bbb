// The engine's board encoding: 16x16 squares with a three-cell border,
// piece codes 0..31 (Black = Red + 16) and the tables that map them.
#pragma once

#include <array>
#include <cstdint>

#include "engine/types.h"

using Square256 = std::uint8_t;
using PieceCode = std::uint8_t;
using PieceType = std::uint8_t;

// From-square in the low byte, to-square in the high byte; 0 = no move.
using EngineMove = std::uint16_t;

constexpr std::int8_t EMPTY = 32;   // empty playing square (' ')
constexpr std::int8_t BORDER = 33;  // outside the playing area ('!')

constexpr Square256 RED_KING_HOME = 55;
constexpr Square256 BLACK_KING_HOME = 199;

constexpr Square256 squareAt(int file, int rank) {
    return static_cast<Square256>(51 + file + 16 * rank);
}
constexpr int squareFile(int sq) { return (sq & 15) - 3; }
constexpr int squareRank(int sq) { return (sq >> 4) - 3; }
constexpr bool isPlayingSquare(int sq) {
    return static_cast<unsigned>(squareFile(sq)) < 9u && static_cast<unsigned>(squareRank(sq)) < 10u;
}

constexpr EngineMove makeEngineMove(Square256 from, Square256 to) {
    return static_cast<EngineMove>(to << 8 | from);
}
constexpr Square256 moveSource(EngineMove m) { return static_cast<Square256>(m & 0xFF); }
constexpr Square256 moveTarget(EngineMove m) { return static_cast<Square256>(m >> 8); }

// One move-list entry: the EngineMove's two bytes and an ordering key
// that only the search writes.
struct MoveEntry {
    std::uint8_t from;
    std::uint8_t to;
    std::int16_t key;
    EngineMove move() const { return makeEngineMove(from, to); }
};
static_assert(sizeof(MoveEntry) == 4);

constexpr int MOVE_LIST_SIZE = 128;

constexpr PieceType KING = 0, ADVISOR = 1, ELEPHANT = 2, HORSE = 3, ROOK = 4, CANNON = 5, PAWN = 6;

// PieceCode (and EMPTY) to Board90 code.
constexpr std::array<BoardPiece, 33> BOARD90_CODE = {
    0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 6, 6, 6,
    7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 13, 13, 13,
    14,
};

// Board90 code to PieceType.
constexpr std::array<PieceType, 16> PIECE_TYPE = {0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 4, 5, 6, 0, 0};

// Board90 code to the first PieceCode of that kind.
constexpr std::array<PieceCode, 14> FIRST_CODE = {0, 1, 3, 5, 7, 9, 11, 16, 17, 19, 21, 23, 25, 27};

constexpr std::array<std::uint8_t, 32> KING_OR_PAWN = {
    1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1,
    1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1,
};

constexpr PieceType pieceTypeOf(PieceCode c) { return PIECE_TYPE[BOARD90_CODE[c]]; }

// Horse, rook, cannon and pawn can attack; king, advisor and elephant cannot.
constexpr std::array<std::uint8_t, 7> IS_ATTACKER = {0, 0, 0, 1, 1, 1, 1};
