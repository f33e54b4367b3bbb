// Saving one game as PGN: the text as the master-game databases write it,
// and the round trip through the collection reader.
#include <gtest/gtest.h>

#include "engine/fen.h"
#include "file_test_support.h"
#include "game/game_file.h"
#include "game/pgn_collection.h"
#include "game/pgn_writer.h"
#include "text_support.h"

namespace {

GameDocument openingGame() {
    GameDocument doc;
    doc.startBoard = INITIAL_BOARD;
    doc.startSide = SIDE_RED;
    doc.moves = {{packMove(1, 2, 4, 2), gbk("中炮")}, {packMove(1, 9, 2, 7), {}}, {packMove(1, 0, 2, 2), gbk("a}b")}};
    doc.currentPly = 3;
    doc.info = {gbk("赵国荣"), gbk("柯\"永\\庆"), gbk("1997年5月1日"), gbk("北京\r\n中山公园"), gbk("红方胜"), gbk("全国赛\r\n第二轮")};
    return doc;
}

TEST(PgnWriter, WritesTheSevenTagsAndSimplifiedNotation) {
    EXPECT_EQ(encodePgn(openingGame()),
              "[Game \"Chinese Chess\"]\n"
              "[Event \"\"]\n"
              "[Site \"北京  中山公园\"]\n"
              "[Date \"1997.05.01\"]\n"
              "[Red \"赵国荣\"]\n"
              "[Black \"柯\\\"永\\\\庆\"]\n"
              "[Result \"1-0\"]\n"
              "\n"
              "{全国赛\r\n第二轮}\n"
              "1. 炮二平五 {中炮} 马８进７\n"
              "2. 马二进三 {a｝b}\n"
              "1-0\n\n");
}

struct DateCase {
    const char* date;  // as the game information holds it
    const char* tag;
    const char* comment;  // the opening comment, "" for none
};

constexpr DateCase DATES[] = {
    {"2026年12月9日", "2026.12.09", ""},   {"2026-12-09", "2026.12.09", ""},
    {" 2026.12.9 ", "2026.12.09", ""},     {"2026/12", "2026.12.??", ""},
    {"2026年12月", "2026.12.??", ""},       {"2026年", "2026.??.??", ""},
    {"2026", "2026.??.??", ""},           {"2026.??.09", "2026.??.09", ""},
    {"????.??.??", "????.??.??", ""},     {"", "????.??.??", ""},
    {"2026年13月1日", "????.??.??", "{日期：2026年13月1日}"},
    {"2026-12.09", "????.??.??", "{日期：2026-12.09}"},
    {"去年春天", "????.??.??", "{日期：去年春天}"},
    {"26.12.09", "????.??.??", "{日期：26.12.09}"},
};

TEST(PgnWriter, DatesAreWrittenAsPgnDatesAndOtherTextsKeptInAComment) {
    for (const DateCase& c : DATES) {
        GameDocument doc = openingGame();
        doc.info.date = gbk(c.date);
        doc.info.notes.clear();
        const std::string text = encodePgn(doc);
        EXPECT_NE(text.find(std::string("[Date \"") + c.tag + "\"]"), std::string::npos) << c.date << "\n" << text;
        EXPECT_EQ(text.find("\n\n{") != std::string::npos, *c.comment != 0) << c.date << "\n" << text;
        if (*c.comment) {
            EXPECT_NE(text.find(std::string("\n\n") + c.comment + "\n1. "), std::string::npos) << text;
        }
    }
}

TEST(PgnWriter, OtherStartsCarryTheirFenAndBlackMayStart) {
    GameDocument doc;
    std::string error;
    ASSERT_TRUE(readFen("3k5/9/9/9/9/9/9/9/4R4/4K4 b - - 0 1", doc.startBoard, doc.startSide, error));
    doc.moves = {{packMove(5, 9, 5, 8), {}}, {packMove(4, 1, 4, 8), {}}};
    doc.info.result = gbk("对弈中");
    const std::string text = encodePgn(doc);
    EXPECT_NE(text.find("[FEN \"3k5/9/9/9/9/9/9/9/4R4/4K4 b - - 0 1\"]\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n1. ... 将４进１\n2. 车五进七\n*\n"), std::string::npos) << text;
    EXPECT_EQ(encodePgn(openingGame()).find("[FEN"), std::string::npos);
}

TEST(PgnWriter, WhatIsWrittenReadsBackTheSame) {
    const GameDocument doc = openingGame();
    GameDocument back;
    std::string message;
    ASSERT_EQ(importPgnText(encodePgn(doc), 1, back, message), 0) << utf8(message);
    EXPECT_EQ(back.moves[0], doc.moves[0]);
    EXPECT_EQ(back.moves[1], doc.moves[1]);
    EXPECT_EQ(utf8(back.moves[2].comment), "a｝b");
    EXPECT_EQ(back.info.redPlayer, doc.info.redPlayer);
    EXPECT_EQ(back.info.blackPlayer, doc.info.blackPlayer);
    EXPECT_EQ(back.info.date, "1997.05.01");
    EXPECT_EQ(back.info.result, doc.info.result);
    EXPECT_EQ(back.info.notes, doc.info.notes);
    EXPECT_EQ(back.currentPly, 3);
}

// Moves formatMove cannot name apart: the middle one of three pawns on a
// file, and either of two pawns where two files hold two each.
TEST(PgnWriter, PawnsThatShareFilesAreNamedSoThatTheyReadBack) {
    Board90 three = kingsOnly();
    for (int r : {5, 6, 7}) three[boardIndex(4, r)] = 6;
    Board90 twoFiles = kingsOnly();
    twoFiles[boardIndex(4, 9)] = NO_PIECE;  // the kings off one file
    twoFiles[boardIndex(3, 9)] = 7;
    for (int f : {2, 6})
        for (int r : {5, 6}) twoFiles[boardIndex(f, r)] = 6;
    Board90 blackThree = kingsOnly();
    for (int r : {2, 3, 4}) blackThree[boardIndex(4, r)] = 13;
    const struct {
        Board90 board;
        Side side;
        PackedMove move;
        const char* text;
    } cases[] = {
        {three, SIDE_RED, packMove(4, 6, 3, 6), "中兵平四"},  {three, SIDE_RED, packMove(4, 7, 3, 7), "前兵平四"},
        {three, SIDE_RED, packMove(4, 5, 5, 5), "后兵平六"},  {twoFiles, SIDE_RED, packMove(2, 5, 3, 5), "后兵平四"},
        {twoFiles, SIDE_RED, packMove(2, 6, 2, 7), "前兵进一"}, {twoFiles, SIDE_RED, packMove(6, 6, 6, 7), "前七进一"},
        {twoFiles, SIDE_RED, packMove(6, 5, 5, 5), "后兵平六"},
        {blackThree, SIDE_BLACK, packMove(4, 3, 3, 3), "中卒平６"},
    };
    for (const auto& c : cases) {
        GameDocument doc;
        doc.startBoard = c.board;
        doc.startSide = c.side;
        doc.moves = {{c.move, {}}};
        const std::string text = encodePgn(doc);
        if (*c.text) EXPECT_NE(text.find(c.text), std::string::npos) << text;
        GameDocument back;
        std::string message;
        ASSERT_EQ(importPgnText(text, 1, back, message), 0) << text << utf8(message);
        EXPECT_EQ(back.moves, doc.moves) << text;
    }
}

TEST(PgnWriter, SavesAtomicallyThroughTheGameFile) {
    TempDir dir;
    const std::string path = dir.file("game.PGN");
    GameFile files;
    files.setDocument(openingGame());
    ASSERT_TRUE(files.save(path));
    const Bytes written = readBytes(path);
    EXPECT_EQ(std::string(written.begin(), written.end()), encodePgn(openingGame()));
    // A write that fails part-way leaves the old file as it was, and no temporary file.
    files.setWriteFunction([](int, const void*, std::size_t) -> long { return -1; });
    GameDocument other = openingGame();
    other.moves.pop_back();
    files.setDocument(other);
    EXPECT_FALSE(files.save(path));
    EXPECT_EQ(readBytes(path), written);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"game.PGN"});
}

}  // namespace
