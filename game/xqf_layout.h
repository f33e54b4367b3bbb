// The layout of XQF records that their reader and their writer share: the
// header's size and fields, the piece slots, the versions.
#pragma once

#include <cstddef>

#include "engine/types.h"

namespace xqf {

inline constexpr std::size_t HEADER_SIZE = 0x400;
inline constexpr int LAST_KNOWN_VERSION = 0x12;
inline constexpr int FIRST_HIDDEN_VERSION = 0x0B;
inline constexpr int NOWHERE = 90;  // a position code from here on is off the board

// The 32 piece slots of the header, as BoardPiece codes: Red rook, horse,
// elephant, advisor, king, advisor, elephant, horse, rook, two cannons,
// five pawns; then Black's the same.
inline constexpr BoardPiece SLOT_PIECES[32] = {
    4, 3, 2, 1, 0, 1, 2, 3, 4, 5, 5, 6, 6, 6, 6, 6,
    11, 10, 9, 8, 7, 8, 9, 10, 11, 12, 12, 13, 13, 13, 13, 13,
};

inline constexpr char STREAM_KEY_TEXT[] = "[(C) Copyright Mr. Dong Shiwei.]";
static_assert(sizeof STREAM_KEY_TEXT == 33);

// Header texts: the offset of the length byte and the room after it.
struct HeaderText {
    std::size_t offset;
    std::size_t room;
};
inline constexpr HeaderText TITLE{0x050, 63}, EVENT{0x0D0, 63}, DATE{0x110, 15}, SITE{0x120, 15}, RED{0x130, 15},
    BLACK{0x140, 15}, COMMENTATOR{0x1D0, 15};

// The code of a board point: files counted from Red's left, the board's from Red's right.
constexpr int pointCode(int file, int rank) { return (8 - file) * 10 + rank; }

}  // namespace xqf
