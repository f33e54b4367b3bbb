// XQF trees: branches cut at a move the rules refuse, trees past the
// limits, and the writer: each file it writes is read by a second reader
// made from the format's description and by the program's reader, and must
// give back the same tree; the shared samples do most of it.
#include <gtest/gtest.h>

#include <filesystem>

#include "file_test_support.h"
#include "game/rules.h"
#include "game/xqf_file.h"
#include "game/xqf_writer.h"
#include "text_support.h"
#include "tree_text.h"
#include "xqf_builder.h"
#include "xqf_reference_reader.h"

namespace {

namespace fs = std::filesystem;

constexpr int code(char file, int rank) { return (file - 'a') * 10 + rank; }
XqfBuildRecord rec(const char* m, bool next, bool variation = false, std::string comment = {}) {
    return {code(m[0], m[1] - '0'), code(m[2], m[3] - '0'), next, variation, std::move(comment)};
}

struct CutCase {
    const char* what;
    std::vector<XqfBuildRecord> records;
    const char* kept;
    int cut;
};

// h2e2 h9g7 h0g2 as the main line; the alternatives below break the rules in turn.
const CutCase CUTS[] = {
    {"a king that walks two points, with a reply under it",
     {rec("h2e2", true), rec("h9g7", true, true), rec("h0g2", false), rec("e9e7", true), rec("h0g2", false)},
     "1:h2e2 2:h9g7 3:h0g2", 1},
    {"two bad branches and a good one between them",
     {rec("h2e2", true), rec("h9g7", true, true), rec("h0g2", false, false), rec("a9a2", false, true),
      rec("b9c7", false, true), rec("e9e7", false)},
     "1:h2e2 2:h9g7 3:h0g2 2:b9c7", 2},
    {"the record that repeats the move before it",
     {rec("h2e2", true), rec("h9g7", true), rec("h0g2", false, true), rec("h9g7", true), rec("h0g2", false)},
     "1:h2e2 2:h9g7 3:h0g2", 1},
    {"a point off the board",
     {rec("h2e2", true), rec("h9g7", true, true), rec("h0g2", false), {95, 3, false, false, {}}},
     "1:h2e2 2:h9g7 3:h0g2", 1},
};

TEST(XqfTree, ABranchWithAMoveTheRulesRefuseIsCutAndCounted) {
    for (const CutCase& c : CUTS) {
        XqfBuilder b;
        b.records = c.records;
        GameDocument doc;
        std::string message;
        XqfSummary summary;
        ASSERT_EQ(decodeXqf(b.bytes(), doc, message, &summary), 0) << c.what << ": " << utf8(message);
        EXPECT_EQ(treeText(doc.tree), c.kept) << c.what;
        EXPECT_EQ(summary.cutBranches, c.cut) << c.what;
        EXPECT_EQ(summary.treeMoves, static_cast<int>(c.records.size())) << c.what;
        EXPECT_EQ(utf8(doc.info.notes), std::to_string(c.cut) + " 个变着含不合规则的着法，已略去") << c.what;
    }
}

TEST(XqfTree, ATreeDeeperThanALineCanBeIsRefused) {
    XqfBuilder b;
    for (int i = 0; i <= MOVE_TREE_MAX_DEPTH; ++i) b.records.push_back(rec(i % 4 < 2 ? (i % 2 ? "h9g7" : "h0g2") : (i % 2 ? "g7h9" : "g2h0"), true));
    b.records.back().next = false;
    GameDocument doc;
    doc.info.notes = "kept";
    std::string message;
    EXPECT_EQ(decodeXqf(b.bytes(), doc, message), 2);
    EXPECT_EQ(utf8(message), "棋谱太大，无法保存");
    EXPECT_EQ(doc.info.notes, "kept");
}

// Writes doc, reads the bytes with the second reader and the program's,
// and checks that both see doc's tree.
void expectWrittenWhole(const GameDocument& doc, const std::string& what) {
    Bytes bytes;
    ASSERT_TRUE(encodeXqf(doc, bytes)) << what;
    const ReferenceXqf ref = readReferenceXqf(bytes);
    EXPECT_EQ(ref.version, 0x0A) << what;
    EXPECT_TRUE(ref.whole) << what;
    ASSERT_EQ(static_cast<int>(ref.records.size()), doc.tree.moveCount() + 1) << what;
    EXPECT_EQ(ref.records[0].comment, doc.info.notes) << what;
    std::size_t i = 1;
    doc.tree.walk(
        [&](int n) {
            const GridPoint f = moveFrom(doc.tree.move(n)), t = moveTo(doc.tree.move(n));
            const ReferenceXqfRecord expected{(8 - f.file) * 10 + f.rank, (8 - t.file) * 10 + t.rank,
                                              doc.tree.firstChild(n) != MoveTree::NONE,
                                              doc.tree.nextSibling(n) != MoveTree::NONE, doc.tree.comment(n)};
            EXPECT_EQ(ref.records[i++], expected) << what << " record " << i - 1;
            return true;
        },
        [](int) {});
    Board90 board;
    board.fill(NO_PIECE);
    constexpr BoardPiece SLOTS[32] = {4, 3, 2, 1, 0, 1, 2, 3, 4, 5, 5, 6, 6, 6, 6, 6,
                                      11, 10, 9, 8, 7, 8, 9, 10, 11, 12, 12, 13, 13, 13, 13, 13};
    for (int s = 0; s < 32; ++s)
        if (ref.codes[s] < 90) board[boardIndex(8 - ref.codes[s] / 10, ref.codes[s] % 10)] = SLOTS[s];
    EXPECT_EQ(board, doc.startBoard) << what;
    GameDocument back;
    std::string message;
    ASSERT_EQ(decodeXqf(bytes, back, message), 0) << what << ": " << utf8(message);
    EXPECT_TRUE(back.tree == doc.tree) << what;
    EXPECT_EQ(back.moves, doc.moves) << what;
    EXPECT_EQ(back.startSide, doc.startSide) << what;
    EXPECT_EQ(back.info.redPlayer, doc.info.redPlayer) << what;
    EXPECT_EQ(back.info.result, doc.info.result) << what;
}

TEST(XqfTree, AWrittenGameFromASetUpPositionReadsBackWithItsTexts) {
    XqfBuilder b;
    b.slots.fill(200);
    b.slots[4] = code('e', 0);
    b.slots[20] = code('d', 9);
    b.slots[0] = code('a', 5);
    b.slots[16] = code('i', 8);
    b.red = gbk("红方棋手");
    b.result = 2;
    b.openingComment = gbk("　　开局\r\n");
    b.records = {rec("i8i0", true, true, gbk("将军")), rec("e0e1", false), rec("i8i7", false, false, "\r\n")};
    GameDocument doc;
    std::string message;
    ASSERT_EQ(decodeXqf(b.bytes(), doc, message), 0) << utf8(message);
    expectWrittenWhole(doc, "set-up");
    // A name past the header's 15 bytes is cut before a character, never inside one.
    doc.info.redPlayer = gbk("一二三四五六七八");
    Bytes bytes;
    ASSERT_TRUE(encodeXqf(doc, bytes));
    GameDocument back;
    ASSERT_EQ(decodeXqf(bytes, back, message), 0);
    EXPECT_EQ(utf8(back.info.redPlayer), "一二三四五六七");
}

TEST(XqfSamples, EveryTreeCountsAsTheSecondReaderSaysAndWritesBackWhole) {
    const fs::path dir = fs::path(MORLAN_SHARED_DATA) / "xqf";
    if (!fs::exists(dir / "README.md")) GTEST_SKIP() << "no shared XQF samples at " << dir;
    int files = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
        if (e.path().extension() == ".md") continue;
        const std::string name = e.path().filename().string();
        const Bytes bytes = readBytes(e.path().string());
        const ReferenceXqf ref = readReferenceXqf(bytes);
        ASSERT_TRUE(ref.whole) << name;
        GameDocument doc;
        std::string message;
        XqfSummary summary;
        ASSERT_EQ(decodeXqf(bytes, doc, message, &summary), 0) << name << ": " << utf8(message);
        EXPECT_EQ(summary.treeMoves, static_cast<int>(ref.records.size()) - 1) << name;
        EXPECT_EQ(doc.tree.moveCount(), summary.treeMoves) << name;
        expectWrittenWhole(doc, name);
        ++files;
    }
    EXPECT_EQ(files, 52);
}

}  // namespace
