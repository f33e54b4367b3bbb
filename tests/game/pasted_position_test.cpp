// A pasted FEN: taken when set-up would take the position, refused with
// set-up's messages otherwise, and the board left alone then.
#include <gtest/gtest.h>

#include "engine/fen.h"
#include "game/pasted_position.h"
#include "text_support.h"

namespace {

TEST(PastedPosition, TakesAFenWithSpaceAroundIt) {
    Board90 board{};
    Side side = SIDE_RED;
    EXPECT_EQ(readPastedPosition(std::string("\r\n  ") + START_FEN + " \r\n", board, side), nullptr);
    EXPECT_EQ(board, INITIAL_BOARD);
    EXPECT_EQ(side, SIDE_RED);
    EXPECT_EQ(readPastedPosition("3k5/9/9/9/9/9/9/9/4R4/4K4 b", board, side), nullptr);
    EXPECT_EQ(writeFen(board, side), "3k5/9/9/9/9/9/9/9/4R4/4K4 b - - 0 1");
}

TEST(PastedPosition, RefusesWithSetUpsMessagesAndChangesNothing) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", GBK_NOT_A_FEN},
        {"hello", GBK_NOT_A_FEN},
        {"3k5/9/9/9/9/9/9/9/4R4/4K4 x", GBK_NOT_A_FEN},
        {"3k5/9/9/9\n/9/9/9/9/4R4/4K4 w", GBK_NOT_A_FEN},
        {"3k5/9/9/9/9/9/9/9/4B4/4K4 w", GBK_BAD_PIECE_SET},   // an elephant off its points
        {"3k5/9/9/9/9/9/9/9/4R4/9 w", GBK_BAD_PIECE_SET},     // no Red king
        {"3k5/9/9/9/9/1P7/9/9/4R4/4K4 w", GBK_BAD_PIECE_SET},  // a pawn on a file it never stands on
        {"3k5/9/9/9/9/9/9/9/3A5/4K4 w", GBK_BAD_PIECE_SET},   // an advisor off the palace points
        {"4k4/9/9/9/9/9/9/9/4r4/4K4 b", GBK_KING_IN_CHECK},   // Red, who has just moved, stands in check
    };
    for (const auto& c : cases) {
        Board90 board = INITIAL_BOARD;
        Side side = SIDE_BLACK;
        EXPECT_STREQ(readPastedPosition(c.text, board, side), c.message) << c.text;
        EXPECT_EQ(board, INITIAL_BOARD) << c.text;
        EXPECT_EQ(side, SIDE_BLACK) << c.text;
    }
}

}  // namespace
