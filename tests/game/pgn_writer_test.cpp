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
              "[Date \"1997年5月1日\"]\n"
              "[Red \"赵国荣\"]\n"
              "[Black \"柯\\\"永\\\\庆\"]\n"
              "[Result \"1-0\"]\n"
              "\n"
              "{全国赛\r\n第二轮}\n"
              "1. 炮二平五 {中炮} 马８进７\n"
              "2. 马二进三 {a｝b}\n"
              "1-0\n\n");
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
    EXPECT_EQ(back.info.date, doc.info.date);
    EXPECT_EQ(back.info.result, doc.info.result);
    EXPECT_EQ(back.info.notes, doc.info.notes);
    EXPECT_EQ(back.currentPly, 3);
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
