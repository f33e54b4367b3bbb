#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <zlib.h>

#include "game/notation.h"
#include "game/pgn_reader.h"
#include "game/text_move_judge.h"
#include "text_support.h"

namespace {

namespace fs = std::filesystem;

// Two games as a database would publish them, traditional characters,
// with the things a reader must step over. 皚 ends in the byte of '}' and
// 癨 in that of '\' when written in GBK.
const char COLLECTION[] =
    "[Event \"友誼賽 癨\"]\n"
    "[Red \"柳大華\"]\n"
    "[FEN \"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w - - 0 1\"]\n"
    "\n"
    "1. 炮二平五 {皚 中炮} 馬８進７ 2. 馬二進三 $1 (2. 車一進一) 車９平８\r\n"
    "3.車一平二 ; 直車\n"
    "3... 卒７進１ 1-0\n"
    "\n"
    "[Event \"殘局\"]\n"
    "[FEN \"4k4/9/9/9/9/9/9/9/4R4/3K5 b - - 0 1\"]\n"
    "\n"
    "1. 將５平６ 2. 車五進七!\n"
    "*\n";

class PgnFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("morlan-pgn-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::string writeGz(const std::string& name, const std::string& bytes) {
        const std::string path = (dir / name).string();
        gzFile f = gzopen(path.c_str(), "wb");
        gzwrite(f, bytes.data(), static_cast<unsigned>(bytes.size()));
        gzclose(f);
        return path;
    }
    static std::vector<PgnGame> readAll(const std::string& path) {
        PgnReader reader;
        EXPECT_TRUE(reader.open(path)) << reader.error();
        std::vector<PgnGame> games;
        PgnGame game;
        while (reader.next(game)) games.push_back(game);
        EXPECT_EQ(reader.error(), "");
        return games;
    }
    fs::path dir;
};

std::vector<std::string> gbkTexts(std::initializer_list<const char*> texts) {
    std::vector<std::string> out;
    for (const char* t : texts) out.push_back(gbk(t));
    return out;
}

void expectTheCollection(const std::vector<PgnGame>& games) {
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].index, 1);
    EXPECT_EQ(utf8(games[0].tag("Event")), "友誼賽 癨");
    EXPECT_EQ(utf8(games[0].tag("Red")), "柳大華");
    EXPECT_EQ(games[0].moveTexts, gbkTexts({"炮二平五", "马８进７", "马二进三", "车９平８", "车一平二", "卒７进１"}));
    EXPECT_EQ(games[0].writtenTexts.size(), 6u);
    EXPECT_EQ(games[0].startBoard, INITIAL_BOARD);
    EXPECT_EQ(games[0].error, "");
    EXPECT_EQ(games[1].startSide, SIDE_BLACK);
    EXPECT_EQ(games[1].moveTexts, gbkTexts({"将５平６", "车五进七"}));
    std::vector<PackedMove> moves;
    EXPECT_EQ(judgeTextMoves(games[1].startBoard, games[1].startSide, games[1].moveTexts, moves), 2u);
}

}  // namespace

TEST_F(PgnFiles, Utf8TraditionalCollection) {
    const std::vector<PgnGame> games = readAll(write("utf8.pgn", "\xEF\xBB\xBF" + std::string(COLLECTION)));
    expectTheCollection(games);
    EXPECT_EQ(games[0].writtenTexts[1], "馬８進７");  // as the file wrote it
}

TEST_F(PgnFiles, GbkCollectionReadsTheSame) {
    expectTheCollection(readAll(write("gbk.pgn", gbk(COLLECTION))));
}

TEST_F(PgnFiles, CompressedCollectionReadsTheSame) {
    expectTheCollection(readAll(writeGz("games.pgn.gz", COLLECTION)));
}

TEST_F(PgnFiles, GamesOfTagsAloneAndBadPositions) {
    const std::string text =
        "[Event \"a\"]\n[Result \"*\"]\n\n"
        "[Event \"b\"]\n[FEN \"4k4/9/9/9/9/9/9/9/9/9 w - - 0 1\"]\n\n1. 兵五進一 *\n"
        "[Event \"c\"]\n[FEN \"not a position\"]\n\n1. 炮二平五 1-0\n"
        "1. 炮二平五 炮８平５ 0-1\n";
    const std::vector<PgnGame> games = readAll(write("odd.pgn", text));
    ASSERT_EQ(games.size(), 4u);
    EXPECT_EQ(games[0].tag("Event"), "a");
    EXPECT_TRUE(games[0].moveTexts.empty());
    EXPECT_NE(games[1].error, "");  // no red king
    EXPECT_NE(games[2].error, "");  // not FEN at all
    EXPECT_EQ(games[3].tags.size(), 0u);
    EXPECT_EQ(games[3].moveTexts.size(), 2u);
    EXPECT_EQ(games[3].index, 4);
}

TEST_F(PgnFiles, DamagedTextNeverStallsOrCrashes) {
    std::string text = "[Event \"x\xFF\"]\n\n1. \xFF\xFE} ) \x81";
    text += std::string("\0\0 {", 4);
    text += "unclosed comment \x81";
    const std::vector<PgnGame> games = readAll(write("bad.pgn", text));
    ASSERT_EQ(games.size(), 1u);
    ASSERT_FALSE(games[0].moveTexts.empty());
    std::vector<PackedMove> moves;
    EXPECT_EQ(judgeTextMoves(INITIAL_BOARD, SIDE_RED, games[0].moveTexts, moves), 0u);
}

TEST_F(PgnFiles, MissingFileIsAnError) {
    PgnReader reader;
    EXPECT_FALSE(reader.open((dir / "absent.pgn").string()));
    EXPECT_NE(reader.error(), "");
    PgnGame game;
    EXPECT_FALSE(reader.next(game));
}

TEST(PgnMoveText, Normalisation) {
    EXPECT_EQ(normalizeMoveText(gbk("馬8進7"), SIDE_BLACK), gbk("马８进７"));
    EXPECT_EQ(normalizeMoveText(gbk("炮2平5"), SIDE_RED), gbk("炮二平五"));
    EXPECT_EQ(normalizeMoveText(gbk("後車平四"), SIDE_RED), gbk("后车平四"));
    EXPECT_EQ(normalizeMoveText(gbk("俥一進一"), SIDE_RED), gbk("车一进一"));
    EXPECT_EQ(normalizeMoveText(gbk("砲８平５"), SIDE_BLACK), gbk("炮８平５"));
    // The side's own names, decided by the text's numerals.
    EXPECT_EQ(normalizeMoveText(gbk("象三進五"), SIDE_BLACK), gbk("相三进五"));
    EXPECT_EQ(normalizeMoveText(gbk("仕６進５"), SIDE_RED), gbk("士６进５"));
    EXPECT_EQ(normalizeMoveText(gbk("前兵進１"), SIDE_BLACK), gbk("前卒进１"));
    EXPECT_EQ(normalizeMoveText(gbk("帥五平四"), SIDE_RED), gbk("帅五平四"));
    EXPECT_EQ(normalizeMoveText(gbk("將５平４"), SIDE_BLACK), gbk("将５平４"));
    EXPECT_EQ(normalizeMoveText("xy", SIDE_RED), "xy");
}

namespace {

// The record text read back the way a text record is read: move numbers
// skipped, every other token judged.
std::vector<PackedMove> readBack(const Board90& start, Side side, const char* record) {
    std::vector<std::string> tokens;
    std::string token;
    for (const char* c = record;; ++c) {
        if (*c == '\0' || std::strchr(" .:\t\r\n", *c)) {
            if (!token.empty() && std::atoi(token.c_str()) < 1) tokens.push_back(token);
            token.clear();
            if (*c == '\0') break;
        } else {
            token += *c;
        }
    }
    std::vector<PackedMove> moves;
    judgeTextMoves(start, side, tokens, moves);
    return moves;
}

// Reads up to limit games of a shared collection; every one must read
// whole and come back unchanged from its record text.
void checkCollection(const char* name, int limit) {
    const std::string path = std::string(MORLAN_SHARED_DATA) + "/" + name;
    if (!fs::exists(path)) GTEST_SKIP() << path << " is absent";
    PgnReader reader;
    ASSERT_TRUE(reader.open(path));
    PgnGame game;
    int games = 0, whole = 0;
    static char record[1 << 20];
    while (games < limit && reader.next(game)) {
        ++games;
        std::vector<PackedMove> moves;
        if (!game.error.empty() ||
            judgeTextMoves(game.startBoard, game.startSide, game.moveTexts, moves) != game.moveTexts.size()) {
            ADD_FAILURE() << gbkToUtf8Lossy(game.tag("Source")) << " does not read whole";
            continue;
        }
        ++whole;
        formatRecord(game.startBoard, moves.data(), static_cast<int>(moves.size()), record, sizeof record);
        EXPECT_EQ(readBack(game.startBoard, game.startSide, record), moves) << gbkToUtf8Lossy(game.tag("Source"));
    }
    EXPECT_GT(games, 0);
    EXPECT_EQ(whole, games);
}

}  // namespace

TEST(RealRecords, MasterGamesSample) { checkCollection("ccpd-master-games.pgn.gz", 500); }

TEST(RealRecords, EndgamesFromTheirPositions) { checkCollection("ccpd-endgames.pgn.gz", 1000); }
