// Types shared by the engine and the game model: board points, the 90-cell
// board, packed moves and game results.
#pragma once

#include <array>
#include <cstdint>

// 1 = Red to move, 0 = Black to move.
using Side = std::uint8_t;
constexpr Side SIDE_BLACK = 0;
constexpr Side SIDE_RED = 1;

// One cell of a Board90: 0..6 Red king, advisor, elephant, horse, rook,
// cannon, pawn; 7..13 the same for Black; 14 empty. Code mod 7 is the kind.
using BoardPiece = std::int8_t;
constexpr BoardPiece NO_PIECE = 14;
constexpr int PIECE_KINDS = 7;

constexpr bool isRedPiece(BoardPiece p) { return p >= 0 && p < 7; }
constexpr bool isBlackPiece(BoardPiece p) { return p >= 7 && p < 14; }

// 90 cells, index = rank * 9 + file; rank 0 is Red's back rank, file 0 is
// the file Red calls its first (from Red's right).
using Board90 = std::array<BoardPiece, 90>;

constexpr int boardIndex(int file, int rank) { return rank * 9 + file; }

constexpr Board90 INITIAL_BOARD = {
    4,  3,  2,  1,  0,  1,  2,  3,  4,   // rank 0
    14, 14, 14, 14, 14, 14, 14, 14, 14,  // rank 1
    14, 5,  14, 14, 14, 14, 14, 5,  14,  // rank 2
    6,  14, 6,  14, 6,  14, 6,  14, 6,   // rank 3
    14, 14, 14, 14, 14, 14, 14, 14, 14,  // rank 4
    14, 14, 14, 14, 14, 14, 14, 14, 14,  // rank 5
    13, 14, 13, 14, 13, 14, 13, 14, 13,  // rank 6
    14, 12, 14, 14, 14, 14, 14, 12, 14,  // rank 7
    14, 14, 14, 14, 14, 14, 14, 14, 14,  // rank 8
    11, 10, 9,  8,  7,  8,  9,  10, 11,  // rank 9
};

// A board point; file -1 means "no point".
struct GridPoint {
    std::int8_t file = -1;
    std::int8_t rank = 0;
    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};
constexpr GridPoint NO_POINT{-1, -1};

// Four signed bytes read as one little-endian 32-bit value: from file,
// from rank, to file, to rank. 0 is "no move".
using PackedMove = std::uint32_t;

constexpr PackedMove packMove(int fromFile, int fromRank, int toFile, int toRank) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(fromFile)) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(fromRank)) << 8 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(toFile)) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(toRank)) << 24;
}
constexpr PackedMove packMove(GridPoint from, GridPoint to) {
    return packMove(from.file, from.rank, to.file, to.rank);
}
constexpr GridPoint moveFrom(PackedMove m) {
    return {static_cast<std::int8_t>(m & 0xFF), static_cast<std::int8_t>((m >> 8) & 0xFF)};
}
constexpr GridPoint moveTo(PackedMove m) {
    return {static_cast<std::int8_t>((m >> 16) & 0xFF), static_cast<std::int8_t>((m >> 24) & 0xFF)};
}

enum GameResult : std::uint8_t {
    RESULT_IN_PLAY = 0,
    RESULT_RED_WINS = 1,
    RESULT_BLACK_WINS = 2,
    RESULT_DRAW = 3,
};
