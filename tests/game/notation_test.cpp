#include <gtest/gtest.h>

#include <cstring>

#include "game/notation.h"
#include "text_support.h"

namespace {

struct Example {
    PackedMove move;
    const char* text;
};

// The examples every Xiangqi player knows, from the starting position.
const Example OPENING_EXAMPLES[] = {
    {packMove(1, 2, 4, 2), "炮二平五"}, {packMove(7, 2, 4, 2), "炮八平五"},
    {packMove(1, 9, 2, 7), "马８进７"}, {packMove(0, 0, 0, 1), "车一进一"},
    {packMove(4, 3, 4, 4), "兵五进一"}, {packMove(4, 6, 4, 5), "卒５进１"},
    {packMove(1, 0, 2, 2), "马二进三"}, {packMove(7, 9, 6, 7), "马２进３"},
    {packMove(7, 0, 6, 2), "马八进七"}, {packMove(2, 0, 4, 2), "相三进五"},
    {packMove(5, 9, 4, 8), "士４进５"}, {packMove(6, 9, 4, 7), "象３进５"},
    {packMove(3, 0, 4, 1), "仕四进五"}, {packMove(4, 0, 4, 1), "帅五进一"},
    {packMove(7, 7, 7, 0), "炮２进７"}, {packMove(0, 9, 0, 7), "车９进２"},
};

}  // namespace

TEST(Notation, OpeningExamplesBothWays) {
    for (const Example& e : OPENING_EXAMPLES) {
        const std::string text = formatMove(INITIAL_BOARD, e.move);
        EXPECT_EQ(text.size(), MOVE_TEXT_BYTES);
        EXPECT_EQ(utf8(text), e.text);
        EXPECT_EQ(parseMove(INITIAL_BOARD, gbk(e.text)), e.move) << e.text;
    }
}

TEST(Notation, BackwardMovesAndTheDestinationFile) {
    const Board90 board = boardFromFen("4k4/9/4b4/9/2N6/9/9/9/4A4/3K5 w - - 0 1");
    // Red horse on (6,5) going back to (7,3) is 马七退八; the advisor (4,1) back to (5,0).
    EXPECT_EQ(utf8(formatMove(board, packMove(6, 5, 7, 3))), "马七退八");
    EXPECT_EQ(parseMove(board, gbk("马七退八")), packMove(6, 5, 7, 3));
    EXPECT_EQ(utf8(formatMove(board, packMove(4, 1, 5, 0))), "仕五退六");
    EXPECT_EQ(parseMove(board, gbk("仕五退六")), packMove(4, 1, 5, 0));
    // Black's elephant (4,7) back to (2,9): backward for Black is toward rank 9.
    EXPECT_EQ(utf8(formatMove(board, packMove(4, 7, 2, 9))), "象５退７");
    EXPECT_EQ(parseMove(board, gbk("象５退７")), packMove(4, 7, 2, 9));
    EXPECT_EQ(utf8(formatMove(board, packMove(5, 0, 5, 1))), "帅六进一");
}

TEST(Notation, FrontAndBackPieces) {
    Board90 board = kingsOnly();
    board[boardIndex(0, 0)] = 4;
    board[boardIndex(0, 3)] = 4;
    EXPECT_EQ(utf8(formatMove(board, packMove(0, 3, 0, 5))), "前车进二");
    EXPECT_EQ(utf8(formatMove(board, packMove(0, 0, 1, 0))), "后车平二");
    EXPECT_EQ(parseMove(board, gbk("前车进二")), packMove(0, 3, 0, 5));
    EXPECT_EQ(parseMove(board, gbk("后车平二")), packMove(0, 0, 1, 0));
    // Black's front is toward rank 0.
    board[boardIndex(8, 9)] = 11;
    board[boardIndex(8, 6)] = 11;
    EXPECT_EQ(utf8(formatMove(board, packMove(8, 6, 8, 5))), "前车进１");
    EXPECT_EQ(utf8(formatMove(board, packMove(8, 9, 7, 9))), "后车平２");
    EXPECT_EQ(parseMove(board, gbk("前车进１")), packMove(8, 6, 8, 5));
    EXPECT_EQ(parseMove(board, gbk("后车平２")), packMove(8, 9, 7, 9));
}

TEST(Notation, ThreeOnAFileAndTwoDoubledFiles) {
    Board90 board = kingsOnly();
    for (int r : {5, 6, 7}) board[boardIndex(2, r)] = 6;
    // Only the first other pawn found from rank 0 decides: the lowest is 后, the others 前.
    EXPECT_EQ(utf8(formatMove(board, packMove(2, 5, 2, 6))).substr(0, 6), "后兵");
    EXPECT_EQ(utf8(formatMove(board, packMove(2, 6, 3, 6))), "前兵平四");
    EXPECT_EQ(utf8(formatMove(board, packMove(2, 7, 2, 8))), "前兵进一");
    EXPECT_EQ(findDoubledPiece(board, 6, true), (GridPoint{2, 7}));
    EXPECT_EQ(findDoubledPiece(board, 6, false), (GridPoint{2, 5}));
    // With a second doubled file the first file from file 0 is taken.
    board[boardIndex(0, 5)] = 6;
    board[boardIndex(0, 6)] = 6;
    EXPECT_EQ(findDoubledPiece(board, 6, true), (GridPoint{0, 6}));
    EXPECT_EQ(findDoubledPiece(board, 13, true), NO_POINT);
    EXPECT_EQ(parseMove(board, gbk("前兵进一")), packMove(0, 6, 0, 7));
}

TEST(Notation, UnreadableTextsGiveNoMove) {
    EXPECT_EQ(parseMove(INITIAL_BOARD, gbk("炮二平")), 0u);      // shorter than four characters
    EXPECT_EQ(parseMove(INITIAL_BOARD, gbk("仕４进５")), 0u);    // a Red name with Black's digits
    EXPECT_EQ(parseMove(INITIAL_BOARD, gbk("炮三平五")), 0u);    // no cannon on that file
    EXPECT_EQ(parseMove(INITIAL_BOARD, gbk("前马进一")), 0u);    // no file with two horses
    EXPECT_EQ(parseMove(INITIAL_BOARD, gbk("炮二走五")), 0u);    // not a direction
    EXPECT_EQ(parseMove(INITIAL_BOARD, gbk("炮二平十")), 0u);    // not a numeral
    EXPECT_EQ(parseMove(INITIAL_BOARD, gbk("车一退一")), 0u);    // below rank 0
    EXPECT_EQ(parseMove(INITIAL_BOARD, ""), 0u);
    // Only the first eight bytes count.
    EXPECT_EQ(parseMove(INITIAL_BOARD, gbk("炮二平五和棋")), packMove(1, 2, 4, 2));
    // No rule is checked: the cannon may "jump" its own pawn.
    EXPECT_EQ(parseMove(INITIAL_BOARD, gbk("炮二进九")), packMove(1, 2, 1, 11));
}

TEST(Notation, NoMoveNoText) {
    char out[MOVE_TEXT_BUFFER] = "garbage";
    EXPECT_STREQ(formatMove(INITIAL_BOARD, 0, out), "");
    EXPECT_EQ(formatMove(INITIAL_BOARD, packMove(4, 4, 4, 5)), "");  // empty from cell
    EXPECT_EQ(formatMove(INITIAL_BOARD, packMove(9, 0, 8, 0)), "");  // off the board
}

TEST(Notation, RecordText) {
    const PackedMove moves[] = {packMove(1, 2, 4, 2), packMove(1, 9, 2, 7), packMove(1, 0, 2, 2)};
    char out[256];
    formatRecord(INITIAL_BOARD, moves, 3, out, sizeof out);
    EXPECT_EQ(utf8(out), "1. 炮二平五 马８进７\r\n2. 马二进三");
    formatRecord(INITIAL_BOARD, moves, 2, out, sizeof out);
    EXPECT_EQ(utf8(out), "1. 炮二平五 马８进７\r\n");
    formatRecord(INITIAL_BOARD, moves, 0, out, sizeof out);
    EXPECT_STREQ(out, "");
}

TEST(Notation, RecordStartingWithBlack) {
    const Board90 board = boardFromFen("4k4/9/9/9/9/9/9/9/4R4/3K5 b - - 0 1");
    const PackedMove moves[] = {packMove(4, 9, 3, 9), packMove(4, 1, 4, 8)};
    char out[64];
    formatRecord(board, moves, 2, out, sizeof out);
    EXPECT_EQ(utf8(out), "1. 将５平６ 车五进七\r\n");
}

TEST(Notation, RecordCutAtCapacityDropsWholePieces) {
    const PackedMove moves[] = {packMove(1, 2, 4, 2), packMove(1, 9, 2, 7), packMove(1, 0, 2, 2)};
    char full[256];
    formatRecord(INITIAL_BOARD, moves, 3, full, sizeof full);
    const std::size_t firstLine = std::strlen("1. ") + 8 + 1 + 8 + 2;
    for (std::size_t capacity = 1; capacity <= std::strlen(full) + 1; ++capacity) {
        char out[256];
        std::memset(out, 'x', sizeof out);
        formatRecord(INITIAL_BOARD, moves, 3, out, capacity);
        const std::size_t n = std::strlen(out);
        ASSERT_LT(n, capacity);
        EXPECT_EQ(out[capacity], 'x');  // nothing written past the buffer
        // Always a prefix of the whole text that ends between pieces.
        EXPECT_EQ(std::string(full, n), std::string(out));
        EXPECT_TRUE(n == 0 || n == 11 || n == firstLine || n == std::strlen(full)) << n;
    }
    char untouched[4] = "abc";
    formatRecord(INITIAL_BOARD, moves, 3, untouched, 0);
    EXPECT_STREQ(untouched, "abc");
}
