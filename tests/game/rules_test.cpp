#include <gtest/gtest.h>

#include "game/rules.h"
#include "text_support.h"

namespace {
GridPoint at(int file, int rank) { return {static_cast<std::int8_t>(file), static_cast<std::int8_t>(rank)}; }
}  // namespace

TEST(Rules, IsOnBoardEdges) {
    EXPECT_TRUE(isOnBoard(at(0, 0)));
    EXPECT_TRUE(isOnBoard(at(8, 9)));
    EXPECT_FALSE(isOnBoard(at(-1, 0)));
    EXPECT_FALSE(isOnBoard(at(9, 0)));
    EXPECT_FALSE(isOnBoard(at(0, -1)));
    EXPECT_FALSE(isOnBoard(at(0, 10)));
    EXPECT_FALSE(isOnBoard(NO_POINT));
}

TEST(Rules, ResultNames) {
    EXPECT_STREQ(resultName(RESULT_DRAW), RESULT_NAMES[3]);
    EXPECT_EQ(utf8(resultName(RESULT_RED_WINS)), "红方胜");
    EXPECT_STREQ(resultName(4), "");
    EXPECT_STREQ(resultName(-1), "");
}

TEST(Rules, KingPlacementCountsAndPalace) {
    Board90 board = kingsOnly();
    EXPECT_FALSE(canPlace(board, 0, NO_POINT));  // one red king already stands
    board[boardIndex(4, 0)] = NO_PIECE;
    EXPECT_TRUE(canPlace(board, 0, NO_POINT));
    EXPECT_TRUE(canPlace(board, 0, at(4, 0)));
    EXPECT_FALSE(canPlace(board, 0, at(4, 3)));
    EXPECT_FALSE(canPlace(board, 0, at(2, 1)));
    EXPECT_FALSE(canPlace(board, 7, NO_POINT));  // the black king is there
}

TEST(Rules, PawnPlacement) {
    Board90 board = kingsOnly();
    EXPECT_TRUE(canPlace(board, 6, at(0, 3)));
    EXPECT_FALSE(canPlace(board, 6, at(1, 3)));  // no starting pawn on an odd file
    EXPECT_TRUE(canPlace(board, 6, at(1, 5)));   // beyond the river, anywhere
    EXPECT_FALSE(canPlace(board, 6, at(4, 2)));  // never behind its start
    board[boardIndex(0, 4)] = 6;
    EXPECT_FALSE(canPlace(board, 6, at(0, 3)));  // one behind the other before the river
    board[boardIndex(0, 4)] = NO_PIECE;
    board[boardIndex(0, 3)] = 6;
    EXPECT_FALSE(canPlace(board, 6, at(0, 4)));
    EXPECT_TRUE(canPlace(board, 6, at(0, 5)));   // crossed: the file rule no longer applies
    // Black mirrors it on ranks 5 and 6.
    board[boardIndex(2, 6)] = 13;
    EXPECT_FALSE(canPlace(board, 13, at(2, 5)));
    EXPECT_TRUE(canPlace(board, 13, at(4, 5)));
    EXPECT_FALSE(canPlace(board, 13, at(3, 6)));
    EXPECT_TRUE(canPlace(board, 13, at(3, 4)));
    // A sixth pawn is refused anywhere.
    for (int f = 0; f < 5; ++f) board[boardIndex(f, 7)] = 6;
    EXPECT_FALSE(canPlace(board, 6, at(8, 8)));
    EXPECT_FALSE(canPlace(board, 6, NO_POINT));
}

TEST(Rules, AdvisorElephantAndFreePieces) {
    Board90 board = kingsOnly();
    EXPECT_TRUE(canPlace(board, 2, at(4, 2)));
    EXPECT_FALSE(canPlace(board, 2, at(4, 4)));
    EXPECT_TRUE(canPlace(board, 9, at(2, 5)));
    EXPECT_FALSE(canPlace(board, 9, at(2, 4)));
    EXPECT_TRUE(canPlace(board, 1, at(4, 1)));
    EXPECT_FALSE(canPlace(board, 1, at(4, 0)));
    EXPECT_TRUE(canPlace(board, 8, at(3, 7)));
    EXPECT_TRUE(canPlace(board, 11, at(0, 0)));
    EXPECT_TRUE(canPlace(board, 3, at(8, 9)));
    board[boardIndex(0, 5)] = 5;
    board[boardIndex(8, 5)] = 5;
    EXPECT_FALSE(canPlace(board, 5, at(4, 4)));  // two cannons already
    EXPECT_FALSE(canPlace(board, NO_PIECE, at(4, 4)));
    EXPECT_FALSE(canPlace(board, 3, at(9, 0)));
}

TEST(Rules, SoundPieceSets) {
    EXPECT_TRUE(isSoundPieceSet(INITIAL_BOARD));
    EXPECT_TRUE(isSoundPieceSet(kingsOnly()));
    Board90 board = kingsOnly();
    board[boardIndex(4, 0)] = NO_PIECE;
    EXPECT_FALSE(isSoundPieceSet(board));  // no red king
    board = INITIAL_BOARD;
    board[boardIndex(4, 4)] = 4;
    EXPECT_FALSE(isSoundPieceSet(board));  // a third red rook
    board = kingsOnly();
    board[0] = 15;
    EXPECT_FALSE(isSoundPieceSet(board));
}

TEST(Rules, SetupRefusedWhenTheSideNotToMoveIsInCheck) {
    // A red rook faces the black king on file 4 with nothing between.
    Board90 board = kingsOnly();
    board[boardIndex(4, 0)] = NO_PIECE;
    board[boardIndex(3, 0)] = 0;
    board[boardIndex(4, 5)] = 4;
    EXPECT_FALSE(isSetupAcceptable(board, SIDE_RED));   // Black would just have moved into check
    EXPECT_TRUE(isSetupAcceptable(board, SIDE_BLACK));  // Black to move out of it
    // Facing kings count as check, whoever is to move.
    const Board90 facing = kingsOnly();
    EXPECT_FALSE(isSetupAcceptable(facing, SIDE_RED));
    EXPECT_FALSE(isSetupAcceptable(facing, SIDE_BLACK));
    EXPECT_TRUE(isSetupAcceptable(INITIAL_BOARD, SIDE_RED));
    EXPECT_TRUE(isSetupAcceptable(INITIAL_BOARD, SIDE_BLACK));
}

TEST(Rules, GameEnd) {
    EXPECT_EQ(boardResult(INITIAL_BOARD, SIDE_RED, 0), RESULT_IN_PLAY);
    EXPECT_EQ(boardResult(INITIAL_BOARD, SIDE_RED, 99), RESULT_IN_PLAY);
    EXPECT_EQ(boardResult(INITIAL_BOARD, SIDE_RED, 100), RESULT_DRAW);
    // Bare kings with advisors and elephants are drawn.
    Board90 bare = boardFromFen("3ak4/4a4/4b4/9/9/9/9/4B4/4A4/3AK4 w - - 0 1");
    EXPECT_EQ(boardResult(bare, SIDE_RED, 0), RESULT_DRAW);
    // Black mated by two rooks: Red wins; the hundred-ply rule comes first.
    const Board90 mate = boardFromFen("R3k4/1R7/9/9/9/9/9/9/9/3K5 b - - 0 1");
    EXPECT_EQ(boardResult(mate, SIDE_BLACK, 0), RESULT_RED_WINS);
    EXPECT_EQ(boardResult(mate, SIDE_BLACK, 100), RESULT_DRAW);
    // Not in check but without a legal move: the side to move loses.
    const Board90 stalemate = boardFromFen("5k3/R8/9/9/9/9/9/9/9/4K4 b - - 0 1");
    EXPECT_EQ(boardResult(stalemate, SIDE_BLACK, 0), RESULT_RED_WINS);
    EXPECT_EQ(boardResult(stalemate, SIDE_RED, 0), RESULT_IN_PLAY);
}

TEST(Rules, LegalMoves) {
    EXPECT_TRUE(isLegalMove(INITIAL_BOARD, SIDE_RED, packMove(1, 2, 4, 2)));
    EXPECT_FALSE(isLegalMove(INITIAL_BOARD, SIDE_BLACK, packMove(1, 2, 4, 2)));  // not Black's piece
    EXPECT_FALSE(isLegalMove(INITIAL_BOARD, SIDE_RED, packMove(1, 2, 1, 8)));    // the black cannon stands in the way
    EXPECT_FALSE(isLegalMove(INITIAL_BOARD, SIDE_RED, packMove(0, 0, 0, 10)));   // off the board
    EXPECT_FALSE(isLegalMove(INITIAL_BOARD, SIDE_RED, 0));
}
