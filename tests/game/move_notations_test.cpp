// WXF and coordinate moves: every form a collection writes them in, the
// marks that tell two or three like pieces on one file apart, and texts
// that must be refused.
#include <gtest/gtest.h>

#include "game/coordinate_notation.h"
#include "game/wxf_notation.h"
#include "text_support.h"

namespace {

Board90 withPieces(std::initializer_list<std::pair<int, BoardPiece>> pieces) {
    Board90 board = kingsOnly();
    for (const auto& [cell, p] : pieces) board[cell] = p;
    return board;
}

constexpr BoardPiece RED_PAWN = 6, BLACK_PAWN = 13, RED_ROOK = 4;

TEST(WxfNotation, ReadsTheStandardFormsAsciiAndFullWidth) {
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "C2=5"), packMove(1, 2, 4, 2));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "C2.5"), packMove(1, 2, 4, 2));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "c2=5"), packMove(1, 2, 4, 2));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, gbk("Ｃ２＝５")), packMove(1, 2, 4, 2));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, gbk("Ｃ２．５")), packMove(1, 2, 4, 2));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "H2+3"), packMove(1, 0, 2, 2));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "N2+3"), packMove(1, 0, 2, 2));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "E3+5"), packMove(2, 0, 4, 2));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "B7+5"), packMove(6, 0, 4, 2));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "A4+5"), packMove(3, 0, 4, 1));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "R1+1"), packMove(0, 0, 0, 1));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "P5+1"), packMove(4, 3, 4, 4));
    // Black counts its files from its own right: H8+7 is 马８进７.
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_BLACK, "H8+7"), packMove(1, 9, 2, 7));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_BLACK, gbk("Ｈ８＋７")), packMove(1, 9, 2, 7));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_BLACK, "P5+1"), packMove(4, 6, 4, 5));
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_BLACK, "C2-1"), packMove(7, 7, 7, 8));
}

TEST(WxfNotation, RefusesWhatIsNotAMoveOrNotLegal) {
    for (const char* text : {"", "C2", "C2=", "C2*5", "X2=5", "C0=5", "C2=0", "C2=55", "+C2=5x", "h2e2", "++P+1", "P+5+1"})
        EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, text), 0u) << text;
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "K5+2"), 0u);  // the king steps one point
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "R2+1"), 0u);  // no rook on that file
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, "+C=5"), 0u);  // no two cannons on a file
    EXPECT_EQ(judgeWxfMove(INITIAL_BOARD, SIDE_RED, gbk("炮二平五")), 0u);
    EXPECT_TRUE(looksLikeWxfMove("C2=5"));
    EXPECT_TRUE(looksLikeWxfMove("+P+1"));
    EXPECT_FALSE(looksLikeWxfMove("h2e2"));
    EXPECT_FALSE(looksLikeWxfMove(gbk("炮二平五")));
}

TEST(WxfNotation, TellsTwoLikePiecesOnAFileApart) {
    // Red pawns on Red's file 5 (board file 4), the front one nearer Black.
    const Board90 red = withPieces({{boardIndex(4, 5), RED_PAWN}, {boardIndex(4, 6), RED_PAWN}});
    const PackedMove front = packMove(4, 6, 3, 6), rear = packMove(4, 5, 3, 5);
    for (const char* text : {"+P=4", "P+=4", "Pa=4", "PA=4", "+P5=4"})
        EXPECT_EQ(judgeWxfMove(red, SIDE_RED, text), front) << text;
    for (const char* text : {"-P=4", "P-=4", "Pb=4", "-P5=4"})
        EXPECT_EQ(judgeWxfMove(red, SIDE_RED, text), rear) << text;
    EXPECT_EQ(judgeWxfMove(red, SIDE_RED, gbk("＋Ｐ＝４")), front);
    EXPECT_EQ(judgeWxfMove(red, SIDE_RED, gbk("Ｐ－＝４")), rear);
    // By the file alone both could move: which one is not said.
    EXPECT_EQ(judgeWxfMove(red, SIDE_RED, "P5=4"), 0u);
    // Black's front is toward Red's side.
    const Board90 black = withPieces({{boardIndex(4, 3), BLACK_PAWN}, {boardIndex(4, 4), BLACK_PAWN}});
    EXPECT_EQ(judgeWxfMove(black, SIDE_BLACK, "+P=6"), packMove(4, 3, 3, 3));
    EXPECT_EQ(judgeWxfMove(black, SIDE_BLACK, "P-=6"), packMove(4, 4, 3, 4));
    // Two rooks on a file, the front one moving back past nothing.
    const Board90 rooks = withPieces({{boardIndex(0, 2), RED_ROOK}, {boardIndex(0, 7), RED_ROOK},
                                      {boardIndex(4, 9), NO_PIECE}, {boardIndex(3, 9), 7}});
    EXPECT_EQ(judgeWxfMove(rooks, SIDE_RED, "+R-1"), packMove(0, 7, 0, 6));
    EXPECT_EQ(judgeWxfMove(rooks, SIDE_RED, "R-+1"), packMove(0, 2, 0, 3));
    // On a named file the one piece that can make the move is taken.
    EXPECT_EQ(judgeWxfMove(rooks, SIDE_RED, "R1+3"), packMove(0, 2, 0, 5));
}

TEST(WxfNotation, NumbersThreeLikePiecesOnAFileFromTheFront) {
    const Board90 board = withPieces({{boardIndex(4, 5), RED_PAWN}, {boardIndex(4, 6), RED_PAWN}, {boardIndex(4, 7), RED_PAWN}});
    EXPECT_EQ(judgeWxfMove(board, SIDE_RED, "1P=4"), packMove(4, 7, 3, 7));
    EXPECT_EQ(judgeWxfMove(board, SIDE_RED, "2P=4"), packMove(4, 6, 3, 6));
    EXPECT_EQ(judgeWxfMove(board, SIDE_RED, "3P=6"), packMove(4, 5, 5, 5));
    EXPECT_EQ(judgeWxfMove(board, SIDE_RED, gbk("２Ｐ＝４")), packMove(4, 6, 3, 6));
    EXPECT_EQ(judgeWxfMove(board, SIDE_RED, "+P=4"), packMove(4, 7, 3, 7));
    EXPECT_EQ(judgeWxfMove(board, SIDE_RED, "-P=4"), packMove(4, 5, 3, 5));
    EXPECT_EQ(judgeWxfMove(board, SIDE_RED, "4P=4"), 0u);
}

TEST(CoordinateNotation, ReadsEveryFormAndJudgesTheMove) {
    for (const char* text : {"h2e2", "H2E2", "H2-E2", "h2-e2"}) {
        EXPECT_TRUE(looksLikeCoordinateMove(text)) << text;
        EXPECT_EQ(judgeCoordinateMove(INITIAL_BOARD, SIDE_RED, text), packMove(1, 2, 4, 2)) << text;
    }
    EXPECT_EQ(judgeCoordinateMove(INITIAL_BOARD, SIDE_BLACK, "h9g7"), packMove(1, 9, 2, 7));
    EXPECT_EQ(judgeCoordinateMove(INITIAL_BOARD, SIDE_RED, "h9g7"), 0u);  // not Red's piece
    EXPECT_EQ(judgeCoordinateMove(INITIAL_BOARD, SIDE_RED, "h2e3"), 0u);  // cannons do not go so
    for (const char* text : {"", "h2e", "j2e2", "h2-e2-", "h2--e2", "C2=5", "h2e2x"}) {
        EXPECT_FALSE(looksLikeCoordinateMove(text)) << text;
        EXPECT_EQ(judgeCoordinateMove(INITIAL_BOARD, SIDE_RED, text), 0u) << text;
    }
}

}  // namespace
