#include <gtest/gtest.h>

#include "engine/fen.h"

namespace {

TEST(Fen, StartPositionRoundTrip) {
    Board90 b;
    Side s = 0;
    std::string error;
    ASSERT_TRUE(readFen(START_FEN, b, s, error)) << error;
    EXPECT_EQ(b, INITIAL_BOARD);
    EXPECT_EQ(s, SIDE_RED);
    EXPECT_EQ(writeFen(b, s), START_FEN);
}

TEST(Fen, LettersRunFromRedsLeft) {
    // Red's king on e0 is file 4; a Red rook on a0 is Red's file 8 (九).
    Board90 b;
    Side s;
    std::string error;
    ASSERT_TRUE(readFen("4k4/9/9/9/9/9/9/9/9/R3K4 b", b, s, error)) << error;
    EXPECT_EQ(b[boardIndex(8, 0)], 4);
    EXPECT_EQ(b[boardIndex(4, 0)], 0);
    EXPECT_EQ(b[boardIndex(4, 9)], 7);
    EXPECT_EQ(s, SIDE_BLACK);
    ASSERT_TRUE(readFen("rheakaehr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RHEAKAEHR r", b, s, error)) << error;
    EXPECT_EQ(b, INITIAL_BOARD);
}

TEST(Fen, CoordinateMovesMirrorFiles) {
    EXPECT_EQ(readCoordinateMove("h2e2"), packMove(1, 2, 4, 2));  // cannon two to five
    EXPECT_EQ(readCoordinateMove("h9g7"), packMove(1, 9, 2, 7));  // black horse 8 to 7
    EXPECT_EQ(writeCoordinateMove(packMove(1, 2, 4, 2)), "h2e2");
    EXPECT_EQ(readCoordinateMove("j2e2"), 0u);
    EXPECT_EQ(readCoordinateMove("h2e"), 0u);
}

TEST(Fen, MalformedTextIsRefusedWithAReason) {
    const char* bad[] = {
        "",
        "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9 w",          // nine ranks
        "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR/9 w",  // eleven
        "rnbakabnr/8/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w",  // short rank
        "rnbakabnrr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w", // long rank
        "rnbakabnx/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w",  // unknown letter
        "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKKBNR w",  // two red kings
        "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR x",  // side
    };
    for (const char* fen : bad) {
        Board90 b = INITIAL_BOARD;
        b[0] = 14;
        const Board90 before = b;
        Side s = 7;
        std::string error;
        EXPECT_FALSE(readFen(fen, b, s, error)) << fen;
        EXPECT_FALSE(error.empty()) << fen;
        EXPECT_EQ(b, before) << fen;
        EXPECT_EQ(s, 7) << fen;
    }
}

}  // namespace
