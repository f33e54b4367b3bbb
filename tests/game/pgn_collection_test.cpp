// Games of a collection as the program opens them: the list to choose
// from, each notation read into a document, comments and tags in their
// places, and refusals that name the game, the ply and the move.
#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <filesystem>

#include "engine/fen.h"
#include "file_test_support.h"
#include "game/pgn_collection.h"
#include "game/pgn_reader.h"
#include "text_support.h"

namespace {

// The same opening three ways, with the things a reader steps over.
const char COLLECTION[] =
    "[Event \"全国赛\"]\n"
    "[Site \"北京\"]\n"
    "[Date \"1997.05.01\"]\n"
    "[Red \"赵国荣\"]\n"
    "[Black \"柯永庆\"]\n"
    "[Result \"1-0\"]\n"
    "\n"
    "{中炮开局} 1. 炮二平五 {先手} 马８进７ (1... 炮８平５) 2. 马二进三 $2 {两个\n"
    "注解} {合在一起} 车９平８ 1-0\n"
    "\n"
    "[Event \"WXF\"]\n"
    "[Result \"0-1\"]\n"
    "\n"
    "1. C2=5 H8+7 2. H2+3 R9.8 0-1\n"
    "\n"
    "[Event \"coordinates\"]\n"
    "[Result \"1/2-1/2\"]\n"
    "\n"
    "1. h2e2 h9g7 2. H0-G2 i9-h9 1/2-1/2\n"
    "\n"
    "[Event \"bad\"]\n"
    "\n"
    "1. 炮二平五 马８进７ 2. 马二进四 *\n";

constexpr PackedMove OPENING[] = {packMove(1, 2, 4, 2), packMove(1, 9, 2, 7), packMove(1, 0, 2, 2), packMove(0, 9, 1, 9)};

std::vector<PackedMove> movesOf(const GameDocument& doc) {
    std::vector<PackedMove> moves;
    for (const DocumentMove& m : doc.moves) moves.push_back(m.move);
    return moves;
}

class PgnCollectionFile : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.file("games.pgn");
    void SetUp() override { writeBytes(path, bytesOf(COLLECTION)); }
};

TEST_F(PgnCollectionFile, ListsEveryGameWithItsTags) {
    std::vector<PgnGameSummary> games;
    std::string error;
    ASSERT_TRUE(listPgnGames(path, games, error)) << error;
    ASSERT_EQ(games.size(), 4u);
    EXPECT_EQ(games[0].index, 1);
    EXPECT_EQ(utf8(games[0].red), "赵国荣");
    EXPECT_EQ(utf8(games[0].black), "柯永庆");
    EXPECT_EQ(games[0].result, "1-0");
    EXPECT_EQ(games[0].date, "1997.05.01");
    EXPECT_EQ(utf8(games[0].event), "全国赛");
    EXPECT_EQ(games[0].plies, 4);
    EXPECT_EQ(games[3].index, 4);
    EXPECT_EQ(games[3].plies, 3);
    EXPECT_FALSE(listPgnGames(dir.file("none.pgn"), games, error));
    EXPECT_FALSE(error.empty());
}

TEST_F(PgnCollectionFile, EveryNotationGivesTheSameMoves) {
    for (int index : {1, 2, 3}) {
        GameDocument doc;
        std::string message;
        ASSERT_EQ(importPgnGame(path, index, doc, message), 0) << index << ": " << utf8(message);
        EXPECT_EQ(movesOf(doc), std::vector<PackedMove>(std::begin(OPENING), std::end(OPENING))) << index;
        EXPECT_EQ(doc.startBoard, INITIAL_BOARD);
        EXPECT_EQ(doc.currentPly, 4);  // shown at its end, as a text record is
    }
}

TEST_F(PgnCollectionFile, TagsAndCommentsGoToTheirPlaces) {
    GameDocument doc;
    std::string message;
    ASSERT_EQ(importPgnGame(path, 1, doc, message), 0) << utf8(message);
    EXPECT_EQ(utf8(doc.info.redPlayer), "赵国荣");
    EXPECT_EQ(utf8(doc.info.blackPlayer), "柯永庆");
    EXPECT_EQ(doc.info.date, "1997.05.01");
    EXPECT_EQ(utf8(doc.info.place), "北京");
    EXPECT_EQ(utf8(doc.info.result), "红方胜");
    EXPECT_EQ(utf8(doc.info.notes), "全国赛\r\n中炮开局");
    ASSERT_EQ(doc.moves.size(), 4u);
    EXPECT_EQ(utf8(doc.moves[0].comment), "先手");
    EXPECT_EQ(doc.moves[1].comment, "");  // the variation's text is skipped with it
    EXPECT_EQ(utf8(doc.moves[2].comment), "两个\r\n注解\r\n合在一起");
    ASSERT_EQ(importPgnGame(path, 2, doc, message), 0);
    EXPECT_EQ(utf8(doc.info.result), "黑方胜");
    EXPECT_EQ(doc.info.notes, "WXF");
    ASSERT_EQ(importPgnGame(path, 3, doc, message), 0);
    EXPECT_EQ(utf8(doc.info.result), "和棋");
}

TEST_F(PgnCollectionFile, FenTagGivesTheStart) {
    GameDocument doc;
    std::string message;
    ASSERT_EQ(importPgnText("[FEN \"3k5/9/9/9/9/9/9/9/4R4/4K4 b - - 0 1\"]\n\n1. ... K4+1 *\n", 1, doc, message), 0)
        << utf8(message);
    EXPECT_EQ(writeFen(doc.startBoard, doc.startSide), "3k5/9/9/9/9/9/9/9/4R4/4K4 b - - 0 1");
    ASSERT_EQ(doc.moves.size(), 1u);
    EXPECT_EQ(doc.moves[0].move, packMove(5, 9, 5, 8));
}

void expectRefused(const std::string& text, int index, const std::string& expected) {
    GameDocument doc;
    doc.info.notes = "kept";
    std::string message;
    EXPECT_EQ(importPgnText(text, index, doc, message), 2) << text;
    EXPECT_EQ(utf8(message), expected) << text;
    EXPECT_EQ(doc, (GameDocument{{}, 0, 0, {}, GameInfo{"", "", "", "", "", "kept"}, {}}));
}

TEST_F(PgnCollectionFile, RefusalsNameTheGamePlyAndMoveAndChangeNothing) {
    expectRefused(COLLECTION, 4, "第4局 第3步 马二进四 不合规则");
    expectRefused(COLLECTION, 5, "没有第5局");
    expectRefused("1. C2=5 H8+7 2. H2+4 *\n", 1, "第1局 第3步 H2+4 不合规则");
    expectRefused("1. h2e2 h9g7 2. h0h5 *\n", 1, "第1局 第3步 h0h5 不合规则");
    // Bytes that read as no text are shown as bytes.
    expectRefused("1. " + gbk("炮二平五") + " \xFF\xFE\x80 *\n", 1, "第1局 第2步 无法识别的字节 FF FE 80 不合规则");
    expectRefused("1. " + gbk("炮二平五") + " \x07 *\n", 1, "第1局 第2步 无法识别的字节 07 不合规则");
    // A position set-up would refuse: a Red elephant off its points; Red in check with Black to move.
    expectRefused("[FEN \"3k5/9/9/9/9/9/9/9/4B4/4K4 w - - 0 1\"]\n\n*\n", 1, "第1局 开局局面不合规则");
    expectRefused("[FEN \"4k4/9/9/9/9/9/9/9/4r4/4K4 b - - 0 1\"]\n\n*\n", 1, "第1局 开局局面不合规则");
    GameDocument doc;
    std::string message;
    expectRefused("[FEN \"not a fen\"]\n\n*\n", 1, "第1局: FEN 标记不是正确的局面");
    EXPECT_EQ(importPgnGame(dir.file("none.pgn"), 1, doc, message), 1);
}

TEST_F(PgnCollectionFile, HugeCommentsAndEndlessVariationsAreRefusedOrSkipped) {
    std::string huge = "1. h2e2 {";
    for (int i = 0; i < 1100; ++i) huge += std::string(1000, 'x') + "\n";
    huge += "} h9g7 *\n";
    expectRefused(huge, 1, "第1局: 注释太长，一局棋容纳不下");
    // Many comments, each small, adding up past what a game may hold.
    std::string many = "1. h2e2 h9g7";
    for (int i = 0; i < 2000; ++i) many += " {" + std::string(600, 'c') + "}\n";
    expectRefused(many + " *\n", 1, "第1局: 注释太长，一局棋容纳不下");
    // Variations nested a hundred thousand deep and never closed: the moves before them stand.
    GameDocument doc;
    std::string message;
    ASSERT_EQ(importPgnText("1. h2e2 h9g7 " + std::string(100000, '(') + " 2. h0g2\n", 1, doc, message), 0);
    EXPECT_EQ(doc.moves.size(), 2u);
}

TEST_F(PgnCollectionFile, TooManyMovesAreRefused) {
    std::string text;
    for (int i = 0; i < 8200; ++i) text += "h0g2 h9g7 g2h0 g7h9 ";
    expectRefused(text + "*\n", 1, "第1局: 着法太多，一局棋容纳不下");
}

}  // namespace

namespace {

// The listing reads the tags only; it must find the games a full read finds, with the same tags and move counts.
void expectListingAsFullRead(const std::string& file) {
    std::vector<PgnGameSummary> listed;
    std::string error;
    ASSERT_TRUE(listPgnGames(file, listed, error)) << error;
    PgnReader reader;
    ASSERT_TRUE(reader.open(file));
    PgnGame g;
    std::size_t n = 0;
    while (reader.next(g)) {
        ASSERT_LT(n, listed.size()) << file;
        const PgnGameSummary& s = listed[n++];
        EXPECT_EQ(s.index, g.index);
        EXPECT_EQ(s.red, g.tag("Red"));
        EXPECT_EQ(s.black, g.tag("Black"));
        EXPECT_EQ(s.result, g.tag("Result"));
        EXPECT_EQ(s.date, g.tag("Date"));
        EXPECT_EQ(s.event, g.tag("Event"));
        EXPECT_EQ(s.plies, static_cast<int>(g.gbkTexts.size())) << file << " game " << g.index;
    }
    EXPECT_EQ(n, listed.size()) << file;
}

}  // namespace

TEST_F(PgnCollectionFile, ListingFindsWhatAFullReadFinds) {
    // Brackets inside comments and variations, a result inside a comment, a game of tags alone.
    const std::string tricky = dir.file("tricky.pgn");
    writeBytes(tricky, bytesOf("[Event \"a\"]\n\n1. h2e2 {x\n[Event \"not a tag\"] 1-0\n} h9g7 (1... b9c7\n[Red \"no\"]\n) "
                               "2. h0g2 *\n[Event \"tags alone\"]\n\n[Event \"b\"]\n[Red \"r\"]\n1. c3c4 ; 0-1 g6g5\n"
                               "g6g5 1-0\n"));
    expectListingAsFullRead(tricky);
    expectListingAsFullRead(path);
    for (const char* name : {"ccpd-openings.pgn.gz", "ccpd-endgames.pgn.gz"}) {
        const std::string file = std::string(MORLAN_SHARED_DATA) + "/" + name;
        if (!std::filesystem::exists(file)) GTEST_SKIP() << "no collection at " << file;
        expectListingAsFullRead(file);
    }
}

TEST_F(PgnCollectionFile, OpensAGameFarIntoTheFileWholeAfterSteppingOverTheRest) {
    GameDocument doc;
    std::string message;
    ASSERT_EQ(importPgnGame(path, 3, doc, message), 0) << message;
    EXPECT_EQ(movesOf(doc), std::vector<PackedMove>(std::begin(OPENING), std::end(OPENING)));
}

TEST_F(PgnCollectionFile, HeldCollectionListsAsTheFileAndStopsWhenCancelled) {
    std::string many;
    for (int i = 0; i < 600; ++i) many += std::string(COLLECTION) + "\n";
    const std::string plain = dir.file("many.pgn"), packed = dir.file("many.pgn.gz");
    writeBytes(plain, bytesOf(many.c_str()));
    gzFile gz = gzopen(packed.c_str(), "wb");
    ASSERT_NE(gz, nullptr);
    ASSERT_EQ(gzwrite(gz, many.data(), static_cast<unsigned>(many.size())), static_cast<int>(many.size()));
    gzclose(gz);
    // Two gzip members: the trailer tells only the last one's size, so the
    // held text must grow past what it first expected.
    const std::string twice = dir.file("twice.pgn.gz");
    const Bytes member = readBytes(packed);
    Bytes twiceBytes = member;
    twiceBytes.insert(twiceBytes.end(), member.begin(), member.end());
    writeBytes(twice, twiceBytes);
    std::vector<PgnGameSummary> listed;
    std::string error;
    ASSERT_TRUE(listPgnGames(plain, listed, error)) << error;
    ASSERT_EQ(listed.size(), 2400u);
    for (const std::string& file : {plain, packed, twice}) {
        PgnCollection held;
        std::vector<int> told;
        ASSERT_TRUE(readPgnCollection(file, held, error, [&told](int p) { told.push_back(p); return true; })) << error;
        const std::size_t copies = file == twice ? 2 : 1;
        EXPECT_EQ(held.text.size(), copies * many.size()) << file;
        EXPECT_EQ(held.text.view().substr(0, many.size()), many) << file;
        EXPECT_EQ(held.text.view().substr(held.text.size() - many.size()), many) << file;
        ASSERT_EQ(held.games.size(), copies * listed.size()) << file;
        EXPECT_EQ(held.games.back().event, listed.back().event);
        EXPECT_FALSE(held.cancelled);
        ASSERT_FALSE(told.empty());
        EXPECT_TRUE(std::is_sorted(told.begin(), told.end())) << file;
        EXPECT_GE(told.front(), 0);
        EXPECT_LE(told.back(), 1000);
        EXPECT_GT(told.back(), 500) << "the listing's half is told too";
        // Cancelled while reading, then while listing: nothing is opened and no error is shown.
        for (const int stopAt : {0, 550}) {
            PgnCollection stopped;
            error.clear();
            EXPECT_FALSE(readPgnCollection(file, stopped, error, [stopAt](int p) { return p < stopAt; }));
            EXPECT_TRUE(stopped.cancelled) << file << " " << stopAt;
            EXPECT_TRUE(error.empty()) << error;
        }
    }
}
