// Helpers for the tests of the game's texts: GBK from UTF-8 literals and
// boards from FEN.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/fen.h"
#include "engine/types.h"
#include "game/gbk.h"

// The GBK form of a UTF-8 literal; fails the test when it has none.
inline std::string gbk(std::string_view utf8) {
    std::string out;
    EXPECT_TRUE(utf8ToGbk(utf8, out)) << utf8;
    return out;
}

inline std::string utf8(std::string_view gbkText) {
    std::string out;
    EXPECT_TRUE(gbkToUtf8(gbkText, out));
    return out;
}

inline Board90 boardFromFen(std::string_view fen) {
    Board90 board{};
    Side side;
    std::string error;
    EXPECT_TRUE(readFen(fen, board, side, error)) << fen << ": " << error;
    return board;
}

// An empty board with only the two kings on their home points.
inline Board90 kingsOnly() {
    Board90 board;
    board.fill(NO_PIECE);
    board[boardIndex(4, 0)] = 0;
    board[boardIndex(4, 9)] = 7;
    return board;
}
