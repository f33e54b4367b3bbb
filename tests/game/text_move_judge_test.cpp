#include <gtest/gtest.h>

#include "game/notation.h"
#include "game/text_move_judge.h"
#include "text_support.h"

namespace {

PackedMove judge(const Board90& board, Side side, const char* text) {
    return judgeTextMove(board, side, gbk(text));
}

// Kings on (3,0) and (5,9), out of each other's way, and the given pieces.
Board90 boardWith(std::initializer_list<std::tuple<int, int, BoardPiece>> pieces) {
    Board90 board;
    board.fill(NO_PIECE);
    board[boardIndex(3, 0)] = 0;
    board[boardIndex(5, 9)] = 7;
    for (auto [file, rank, p] : pieces) board[boardIndex(file, rank)] = p;
    return board;
}

}  // namespace

TEST(TextMoveJudge, WhatTheRulesAcceptReadsAsParsed) {
    EXPECT_EQ(judge(INITIAL_BOARD, SIDE_RED, "炮二平五"), packMove(1, 2, 4, 2));
    EXPECT_EQ(judge(INITIAL_BOARD, SIDE_BLACK, "马８进７"), packMove(1, 9, 2, 7));
    // Two rooks on file 一: the lower one may move, so it is the one meant.
    const Board90 rooks = boardWith({{0, 0, 4}, {0, 5, 4}});
    EXPECT_EQ(judge(rooks, SIDE_RED, "车一平二"), packMove(0, 0, 1, 0));
}

TEST(TextMoveJudge, RefusedTextsStayRefused) {
    EXPECT_EQ(judge(INITIAL_BOARD, SIDE_RED, "马８进７"), 0u);  // Black's move with Red to move
    EXPECT_EQ(judge(INITIAL_BOARD, SIDE_RED, "车一进三"), 0u);  // onto its own pawn
    EXPECT_EQ(judge(INITIAL_BOARD, SIDE_RED, "车一进十"), 0u);  // not notation
    // Two rooks on a file, neither able to make the move.
    const Board90 rooks = boardWith({{0, 0, 4}, {0, 1, 4}, {1, 0, 3}, {1, 1, 3}});
    EXPECT_EQ(judge(rooks, SIDE_RED, "车一平二"), 0u);
}

TEST(TextMoveJudge, FileNamedWithTwoLikePiecesOnIt) {
    // 相三退五 with both elephants on file 三: the lower one cannot go back.
    const Board90 elephants = boardWith({{2, 0, 2}, {2, 4, 2}});
    EXPECT_EQ(parseMove(elephants, gbk("相三退五")), 0u);
    EXPECT_EQ(judge(elephants, SIDE_RED, "相三退五"), packMove(2, 4, 4, 2));
    // 炮七进五 with two cannons there: the lower one is blocked by the upper.
    const Board90 cannons = boardWith({{6, 2, 5}, {6, 3, 5}});
    EXPECT_EQ(parseMove(cannons, gbk("炮七进五")), packMove(6, 2, 6, 7));
    EXPECT_EQ(judge(cannons, SIDE_RED, "炮七进五"), packMove(6, 3, 6, 8));
    // Black's advisors: 士６进５ from (3,9) with the other advisor on (3,7).
    const Board90 advisors = boardWith({{3, 9, 8}, {3, 7, 8}});
    EXPECT_EQ(judge(advisors, SIDE_BLACK, "士６进５"), packMove(3, 9, 4, 8));
    EXPECT_EQ(judge(advisors, SIDE_BLACK, "士６退５"), packMove(3, 7, 4, 8));
}

TEST(TextMoveJudge, TakesTheMoveOnlyWhenExactlyOnePieceCanMakeIt) {
    // Three pawns on file 五, a red horse beside the lowest: the other two
    // could both go to file 四, so the text says too little.
    Board90 board = boardWith({{4, 5, 6}, {4, 6, 6}, {4, 7, 6}, {3, 5, 3}});
    EXPECT_EQ(judge(board, SIDE_RED, "兵五平四"), 0u);
    board[boardIndex(3, 6)] = 3;  // now only the top pawn can
    EXPECT_EQ(judge(board, SIDE_RED, "兵五平四"), packMove(4, 7, 3, 7));
    board[boardIndex(3, 7)] = 4;  // and now none
    EXPECT_EQ(judge(board, SIDE_RED, "兵五平四"), 0u);
}

TEST(TextMoveJudge, FrontAndBackWithMoreThanOneCandidate) {
    // Two files holding two pawns each: 前 names file 一's front pawn, which
    // cannot reach file 四; file 三's can.
    const Board90 twoFiles = boardWith({{0, 5, 6}, {0, 6, 6}, {2, 5, 6}, {2, 6, 6}});
    EXPECT_EQ(findDoubledPiece(twoFiles, 6, true), (GridPoint{0, 6}));
    EXPECT_EQ(judge(twoFiles, SIDE_RED, "前兵平四"), packMove(2, 6, 3, 6));
    EXPECT_EQ(judge(twoFiles, SIDE_RED, "后兵平四"), packMove(2, 5, 3, 5));
    // Three on a file: 前 is either of the upper two.
    Board90 three = boardWith({{4, 5, 6}, {4, 6, 6}, {4, 7, 6}, {3, 7, 3}});
    EXPECT_EQ(judge(three, SIDE_RED, "前兵平四"), packMove(4, 6, 3, 6));
    three[boardIndex(3, 7)] = NO_PIECE;
    EXPECT_EQ(judge(three, SIDE_RED, "前兵平四"), packMove(4, 7, 3, 7));  // as parsed
    // Black's 后 with three on a file: either of the two behind the front one.
    const Board90 black = boardWith({{6, 2, 13}, {6, 3, 13}, {6, 4, 13}, {7, 4, 10}});
    EXPECT_EQ(judge(black, SIDE_BLACK, "后卒平２"), packMove(6, 3, 7, 3));
}

TEST(TextMoveJudge, SequencesStopAtTheFirstRefusedText) {
    const std::vector<std::string> texts = {gbk("炮二平五"), gbk("马８进７"), gbk("马二进三"),
                                            gbk("炮８进９"), gbk("车一平二")};
    std::vector<PackedMove> moves;
    EXPECT_EQ(judgeTextMoves(INITIAL_BOARD, SIDE_RED, texts, moves), 3u);
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[2], packMove(1, 0, 2, 2));
    moves.clear();
    EXPECT_EQ(judgeTextMoves(INITIAL_BOARD, SIDE_RED, {}, moves), 0u);
    EXPECT_TRUE(moves.empty());
}
