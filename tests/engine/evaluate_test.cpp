#include <gtest/gtest.h>

#include "board_support.h"

namespace {

using namespace bp;

TEST(Evaluation, InitialPositionIsBalanced) {
    auto red = engineAt(INITIAL_BOARD, SIDE_RED);
    EXPECT_EQ(red->materialScore, 0);
    EXPECT_EQ(red->evaluate(), 0);
    EXPECT_EQ(engineAt(INITIAL_BOARD, SIDE_BLACK)->evaluate(), 0);
    EXPECT_EQ(red->pawnValue, 90);
}

TEST(Evaluation, PawnValueFollowsHeavyMaterial) {
    EXPECT_EQ(engineAt(boardWith({{4, 0, RK}, {4, 9, BK}, {0, 3, RP}}), SIDE_RED)->pawnValue, 200);
    Board90 b = INITIAL_BOARD;
    b[boardIndex(0, 0)] = NO_PIECE;  // each side loses a rook: phase 11,360
    b[boardIndex(0, 9)] = NO_PIECE;
    auto e = engineAt(b, SIDE_RED);
    EXPECT_EQ(e->pawnValue, 118);
    EXPECT_EQ(e->pieceValues[11][squareAt(4, 3)], 118 + 60);
    EXPECT_EQ(e->pieceValues[27][squareAt(4, 6)], -(118 + 60));
}

// The board turned by 180 degrees with the colours swapped.
Board90 mirrored(const Board90& b) {
    Board90 out;
    for (int i = 0; i < 90; ++i) {
        BoardPiece p = b[89 - i];
        out[i] = p == NO_PIECE ? NO_PIECE : static_cast<BoardPiece>(p < 7 ? p + 7 : p - 7);
    }
    return out;
}

TEST(Evaluation, ColourSymmetry) {
    const Board90 positions[] = {
        boardWith({{4, 0, RK}, {4, 9, BK}, {3, 9, BA}, {5, 9, BA}, {4, 4, RC}, {2, 6, BH}, {7, 7, RR}, {0, 3, RP}}),
        boardWith({{4, 0, RK}, {3, 0, RA}, {4, 9, BK}, {4, 8, BA}, {1, 9, RC}, {6, 5, BP}, {8, 2, BR}}),
        INITIAL_BOARD,
    };
    for (const auto& b : positions) {
        for (Side s : {SIDE_RED, SIDE_BLACK}) {
            EXPECT_EQ(engineAt(b, s)->evaluate(), engineAt(mirrored(b), s ^ 1)->evaluate());
        }
    }
}

TEST(Evaluation, CannonAimedAtAWalledKing) {
    Board90 walled = boardWith({{4, 0, RK}, {4, 9, BK}, {3, 9, BA}, {5, 9, BA}, {4, 4, RC}, {0, 0, RR}});
    Board90 open = walled;
    open[boardIndex(5, 9)] = NO_PIECE;
    open[boardIndex(4, 8)] = BA;
    auto base = [](const Board90& b) { return engineAt(b, SIDE_RED)->materialScore; };
    EXPECT_EQ(engineAt(walled, SIDE_RED)->evaluate(), base(walled) + 500);
    EXPECT_EQ(engineAt(open, SIDE_RED)->evaluate(), base(open));

    Board90 backRank = boardWith({{4, 0, RK}, {4, 9, BK}, {4, 8, BA}, {1, 9, RC}});
    EXPECT_EQ(engineAt(backRank, SIDE_RED)->evaluate(), base(backRank) + 300);
    EXPECT_EQ(engineAt(backRank, SIDE_BLACK)->evaluate(), -(base(backRank) + 300));
    Board90 fileThree = boardWith({{4, 0, RK}, {4, 9, BK}, {4, 8, BA}, {3, 9, RC}});
    EXPECT_EQ(engineAt(fileThree, SIDE_RED)->evaluate(), base(fileThree));
    Board90 kingAway = boardWith({{4, 0, RK}, {3, 9, BK}, {3, 8, BA}, {0, 9, RC}});
    EXPECT_EQ(engineAt(kingAway, SIDE_RED)->evaluate(), base(kingAway));
    // Black's mirror terms count against Red.
    Board90 blackCannon = mirrored(walled);
    EXPECT_EQ(engineAt(blackCannon, SIDE_RED)->evaluate(), base(blackCannon) - 500);
}

}  // namespace
