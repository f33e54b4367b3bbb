// XQF records: the versions and their keys, the tree walk that keeps every
// branch, the texts, the refusals of damaged files, the writer checked by a
// reader of its own, and the shared samples when they are there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "engine/fen.h"
#include "file_test_support.h"
#include "game/xqf_file.h"
#include "text_support.h"
#include "xqf_builder.h"

namespace {

namespace fs = std::filesystem;

// Position codes as the format writes them: file from Red's left, then rank.
constexpr int code(char file, int rank) { return (file - 'a') * 10 + rank; }
XqfBuildRecord move(const char* m, bool next = true, bool variation = false, std::string comment = {}) {
    return {code(m[0], m[1] - '0'), code(m[2], m[3] - '0'), next, variation, std::move(comment)};
}

// 炮二平五 马８进７ 马二进三, with a variation 车９平８ for Black's reply.
XqfBuilder openingWithVariation(int version) {
    XqfBuilder b;
    b.version = version;
    b.red = gbk("许银川");
    b.black = gbk("吕钦");
    b.date = "2001";
    b.site = gbk("广州");
    b.title = gbk("五羊杯");
    b.event = gbk("第一轮");
    b.commentator = gbk("某人");
    b.result = 3;
    b.openingComment = gbk("中炮对屏风马");
    b.records = {move("h2e2", true, false, gbk("好")), move("h9g7", true, true), move("h0g2", false),
                 move("i9i8", false)};
    return b;
}

int decode(const XqfBuilder& b, GameDocument& doc, std::string& message, XqfSummary* summary = nullptr) {
    const Bytes bytes = b.bytes();
    return decodeXqf(bytes, doc, message, summary);
}

TEST(XqfFile, EveryVersionAndKeyReadsTheSameGame) {
    // 0x0A plain; 0x0B keys without rotating the slots; 0x0C keys with a zero stream key; 0x10 and 0x12 hidden.
    const std::array<std::uint8_t, 9> zeroStream = {0, 0, 0, 0, 0, 0xB4, 0xBD, 0x05, 0x8A};
    for (int version : {0x0A, 0x0B, 0x0C, 0x10, 0x12}) {
        for (bool plainStream : {false, true}) {
            XqfBuilder b = openingWithVariation(version);
            if (plainStream) b.keyBytes = zeroStream;
            GameDocument doc;
            std::string message;
            XqfSummary summary;
            ASSERT_EQ(decode(b, doc, message, &summary), 0) << version << " " << utf8(message);
            EXPECT_EQ(summary.version, version);
            EXPECT_EQ(summary.variations, 1);
            EXPECT_EQ(summary.treeMoves, 4);
            EXPECT_EQ(summary.comments, 2);
            EXPECT_EQ(doc.startBoard, INITIAL_BOARD);
            EXPECT_EQ(doc.startSide, SIDE_RED);
            ASSERT_EQ(doc.moves.size(), 3u) << version;
            EXPECT_EQ(doc.moves[0], (DocumentMove{packMove(1, 2, 4, 2), gbk("好")}));
            EXPECT_EQ(doc.moves[1].move, packMove(1, 9, 2, 7));
            EXPECT_EQ(doc.moves[2].move, packMove(1, 0, 2, 2));
            EXPECT_EQ(doc.currentPly, 3);
            EXPECT_EQ(doc.info.redPlayer, gbk("许银川"));
            EXPECT_EQ(doc.info.blackPlayer, gbk("吕钦"));
            EXPECT_EQ(doc.info.date, "2001");
            EXPECT_EQ(doc.info.place, gbk("广州"));
            EXPECT_EQ(doc.info.result, gbk("和棋"));
            EXPECT_EQ(doc.info.notes, gbk("五羊杯\r\n第一轮\r\n评注：某人\r\n中炮对屏风马"));
        }
    }
}

TEST(XqfFile, WalksDeepAndWideTreesAndKeepsEveryBranch) {
    XqfBuilder b;
    // Main line h2e2 h9g7; below h9g7 three alternatives for Red, each with
    // its own reply; then two alternatives to h9g7 itself.
    b.records = {move("h2e2"), move("h9g7", true, true), move("h0g2", true, true), move("i9h9", false),
                 move("b0c2", true, true), move("b9c7", false), move("i0i1", false),
                 move("b9c7", false, true), move("i9i8", false)};
    GameDocument doc;
    std::string message;
    XqfSummary summary;
    ASSERT_EQ(decode(b, doc, message, &summary), 0) << utf8(message);
    EXPECT_EQ(summary.treeMoves, 9);
    EXPECT_EQ(summary.variations, 4);
    ASSERT_EQ(doc.moves.size(), 4u);
    EXPECT_EQ(doc.moves[3].move, packMove(0, 9, 1, 9));  // i9h9: the rook one file toward the centre
    // h9g7's children in file order: h0g2 (main), b0c2, i0i1; the start's: h2e2 only; h2e2's: h9g7, b9c7, i9i8.
    const MoveTree& t = doc.tree;
    const int h9g7 = t.child(t.child(MoveTree::ROOT, 0), 0);
    EXPECT_EQ(t.childCount(h9g7), 3);
    EXPECT_EQ(t.move(t.child(h9g7, 2)), packMove(0, 0, 0, 1));  // i0i1
    EXPECT_EQ(t.childCount(t.child(MoveTree::ROOT, 0)), 3);
    EXPECT_EQ(t.moveCount(), 9);
    // A chain of ten thousand alternatives, one deep each, does not recurse.
    XqfBuilder wide;
    wide.records = {move("h2e2", false, true)};
    for (int i = 0; i < 10000; ++i) wide.records.push_back(move(i % 2 ? "b2e2" : "h2e2", false, i < 9999));
    ASSERT_EQ(decode(wide, doc, message, &summary), 0);
    EXPECT_EQ(summary.variations, 10000);
    EXPECT_EQ(doc.moves.size(), 1u);
}

TEST(XqfFile, SetUpPositionsAndTheSideToMove) {
    XqfBuilder b;
    b.slots.fill(200);  // off the board
    b.slots[4] = code('e', 0);
    b.slots[20] = code('d', 9);
    b.slots[0] = code('a', 5);   // a Red rook
    b.slots[16] = code('i', 8);  // a Black rook
    b.records = {move("i8i0", true), move("e0e1", false)};  // Black starts, Red steps out of check
    GameDocument doc;
    std::string message;
    ASSERT_EQ(decode(b, doc, message), 0) << utf8(message);
    EXPECT_EQ(writeFen(doc.startBoard, doc.startSide), "3k5/8r/9/9/R8/9/9/9/9/4K4 b - - 0 1");
    EXPECT_EQ(doc.moves.size(), 2u);
    // Without moves the header's side byte decides.
    b.records.clear();
    b.startHasNext = false;
    b.sideByte = 1;
    ASSERT_EQ(decode(b, doc, message), 0);
    EXPECT_EQ(doc.startSide, SIDE_BLACK);
    EXPECT_TRUE(doc.moves.empty());
}

void expectRefused(const Bytes& bytes, const std::string& expected, const char* what) {
    GameDocument doc;
    doc.info.notes = "kept";
    std::string message;
    EXPECT_EQ(decodeXqf(bytes, doc, message), 2) << what;
    EXPECT_EQ(utf8(message), expected) << what;
    EXPECT_EQ(doc.info.notes, "kept") << what;
    EXPECT_TRUE(doc.moves.empty()) << what;
}

TEST(XqfFile, DamagedAndHostileFilesAreRefusedAndChangeNothing) {
    for (int version : {0x0A, 0x12}) {
        const Bytes good = openingWithVariation(version).bytes();
        expectRefused(Bytes(good.begin(), good.begin() + 0x3FF), "不是 XQF 棋谱", "short header");
        Bytes other = good;
        other[1] = 'R';
        expectRefused(other, "不是 XQF 棋谱", "signature");
        for (std::size_t cut = 0x400; cut < good.size(); cut += 3)
            expectRefused(Bytes(good.begin(), good.begin() + static_cast<long>(cut)), "棋谱数据不完整或已损坏", "truncated");
        XqfBuilder b = openingWithVariation(version);
        b.records.back().next = true;  // promises a move that never comes
        expectRefused(b.bytes(), "棋谱数据不完整或已损坏", "missing record");
        b = openingWithVariation(version);
        b.slots[0] = b.slots[1];  // two pieces on one point
        expectRefused(b.bytes(), "开局局面不合规则", "shared point");
        b = openingWithVariation(version);
        b.slots[20] = 200;  // no Black king
        expectRefused(b.bytes(), "开局局面不合规则", "no king");
        // A refused move is named in the notation when it says exactly that
        // move, else by its piece and points, counted from the mover's side.
        struct RefusedMove {
            std::size_t record;  // 1: Black's first move, 2: Red's second
            const char* move;
            const char* expected;
        };
        constexpr RefusedMove REFUSED[] = {
            {2, "h0h5", "第3步 马从二路第一行到二路第六行 不合规则"},  // a horse does not go so
            {2, "i0i5", "第3步 车一进五 不合规则"},                    // past its own pawn
            {1, "b9b4", "第2步 马从２路第１行到２路第６行 不合规则"},
            {1, "d9d7", "第2步 士从４路第１行到４路第３行 不合规则"},
        };
        for (const RefusedMove& r : REFUSED) {
            b = openingWithVariation(version);
            const XqfBuildRecord kept = b.records[r.record];
            b.records[r.record] = move(r.move, kept.next, kept.variation);
            expectRefused(b.bytes(), r.expected, r.move);
        }
        b = openingWithVariation(version);
        b.records[0].from = 95;
        expectRefused(b.bytes(), "第1步 从棋盘外到五路第三行（起点无子） 不合规则", "off the board");
        b = openingWithVariation(version);
        b.records[2] = move("a1a2", false);
        expectRefused(b.bytes(), "第3步 从九路第二行到九路第三行（起点无子） 不合规则", "an empty point");
    }
    // A comment length past the end of the file, in both kinds of record.
    XqfBuilder b = openingWithVariation(0x0A);
    b.openingComment.clear();
    b.records[0].comment = "x";
    Bytes bytes = b.bytes();
    bytes[0x400 + 8 + 4] = 0xFF;  // the first move's comment length, low byte
    expectRefused(bytes, "棋谱数据不完整或已损坏", "old comment length");
    b = openingWithVariation(0x12);
    bytes = b.bytes();
    bytes[0x400 + 4 + 3] ^= 0x80;  // the start comment's length word, high byte
    expectRefused(bytes, "棋谱数据不完整或已损坏", "new comment length");
    // A comment of a megabyte and more: the game could not be kept.
    b = openingWithVariation(0x12);
    b.records[0].comment = std::string(1100000, 'a');
    expectRefused(b.bytes(), "棋谱太大，无法保存", "huge comment");
}

TEST(XqfFile, ANewerVersionIsReadAsTheLastKnownAndSaysSo) {
    XqfBuilder b = openingWithVariation(0x12);
    Bytes bytes = b.bytes();
    bytes[2] = 0x13;
    GameDocument doc;
    std::string message;
    ASSERT_EQ(decodeXqf(bytes, doc, message), 0) << utf8(message);
    EXPECT_EQ(doc.moves.size(), 3u);
    EXPECT_TRUE(utf8(doc.info.notes).ends_with("中炮对屏风马\r\nXQF 版本较新，按已知的版本读取"));
}

TEST(XqfFile, ZeroBytesInTextsAreDropped) {
    XqfBuilder b = openingWithVariation(0x12);
    b.records[0].comment = std::string("a\0b", 3);
    b.red = std::string("r\0", 2);
    GameDocument doc;
    std::string message;
    ASSERT_EQ(decode(b, doc, message), 0);
    EXPECT_EQ(doc.moves[0].comment, "ab");
    EXPECT_EQ(doc.info.redPlayer, "r");
}

TEST(XqfFile, MissingFileIsResultOne) {
    GameDocument doc;
    std::string message;
    EXPECT_EQ(importXqf("/nonexistent/x.xqf", doc, message), 1);
}

// ---- the shared samples: every one against its README line ----

struct SampleLine {
    int version = 0, mainLine = 0, variationMoves = 0, comments = 0;
    bool setUp = false;
};

int number(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    return std::stoi(text, nullptr, 0);
}

std::map<std::string, SampleLine> sampleTable(const fs::path& readme) {
    std::map<std::string, SampleLine> table;
    std::ifstream in(readme);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> cells;
        std::stringstream row(line);
        for (std::string cell; std::getline(row, cell, '|');) {
            const std::size_t a = cell.find_first_not_of(' '), z = cell.find_last_not_of(' ');
            cells.push_back(a == std::string::npos ? "" : cell.substr(a, z - a + 1));
        }
        if (cells.size() < 9 || cells[2].rfind("0x", 0) != 0) continue;
        table[cells[1]] = {number(cells[2]), number(cells[5]), number(cells[6]), number(cells[7]), cells[4] == "set-up"};
    }
    return table;
}

TEST(XqfSamples, EverySampleReadsWholeAsItsReadmeSays) {
    const fs::path dir = fs::path(MORLAN_SHARED_DATA) / "xqf";
    if (!fs::exists(dir / "README.md")) GTEST_SKIP() << "no shared XQF samples at " << dir;
    const std::map<std::string, SampleLine> table = sampleTable(dir / "README.md");
    ASSERT_EQ(table.size(), 52u);
    for (const auto& [name, line] : table) {
        GameDocument doc;
        std::string message;
        XqfSummary summary;
        ASSERT_EQ(importXqf((dir / name).string(), doc, message, &summary), 0) << name << ": " << utf8(message);
        EXPECT_EQ(summary.version, line.version) << name;
        EXPECT_EQ(static_cast<int>(doc.moves.size()), line.mainLine) << name;
        EXPECT_EQ(summary.treeMoves - line.mainLine, line.variationMoves) << name;
        EXPECT_EQ(summary.comments, line.comments) << name;
        EXPECT_EQ(doc.startBoard != INITIAL_BOARD, line.setUp) << name;
        // Every variation move of the samples is legal: the whole tree is kept.
        EXPECT_EQ(doc.tree.moveCount(), line.mainLine + line.variationMoves) << name;
        EXPECT_EQ(summary.cutBranches, 0) << name;
    }
}

TEST(XqfSamples, TheWorkedExamplesDecodeExactly) {
    const fs::path dir = fs::path(MORLAN_SHARED_DATA) / "xqf";
    if (!fs::exists(dir / "README.md")) GTEST_SKIP() << "no shared XQF samples at " << dir;
    GameDocument doc;
    std::string message;
    ASSERT_EQ(importXqf((dir / "车炮类_附局6.XQF").string(), doc, message), 0);
    EXPECT_EQ(writeFen(doc.startBoard, doc.startSide), "2ba5/4ak3/4b4/5C3/2p6/6R2/9/B8/4r2p1/5K3 w - - 0 1");
    std::string line;
    for (const DocumentMove& m : doc.moves) line += writeCoordinateMove(m.move) + " ";
    EXPECT_EQ(line, "g4f4 f8f9 f6e6 f9e9 f4f9 ");
    ASSERT_EQ(importXqf((dir / "马兵类_定式01.XQF").string(), doc, message), 0);
    EXPECT_TRUE(utf8(doc.info.notes).ends_with("　　这是马成杀的最基本定式。\r\n")) << utf8(doc.info.notes);
}

}  // namespace
