// PGN variations: read in parentheses, nested, with comments, in the three
// notations; branches cut at a move the rules refuse; written back in the
// same form and read again to the same tree.
#include <gtest/gtest.h>

#include "game/pgn_collection.h"
#include "game/pgn_writer.h"
#include "text_support.h"
#include "tree_text.h"

namespace {

struct TreeCase {
    const char* what;
    const char* pgn;   // UTF-8
    const char* tree;  // treeText of the tree read
    int mainLine;
    const char* notes;  // UTF-8
};

const TreeCase CASES[] = {
    {"Chinese, a variation for Black's reply with its comment",
     "1. 炮二平五 马８进７ (1. ... 炮８平５ {还架中炮} 2. 马二进三) 2. 马二进三 *",
     "1:h2e2 2:h9g7 3:h0g2 2:h7e7{还架中炮} 3:h0g2", 3, ""},
    {"Chinese, nested, the comment before a variation's first move going to it",
     "1. 炮二平五 (1. 相三进五 ({对兵局} 1. 兵七进一 卒７进１) 1. ... 卒７进１) 1. ... 马８进７ *",
     "1:h2e2 2:h9g7 1:g0e2 2:g6g5 1:c3c4{对兵局} 2:g6g5", 2, ""},
    {"WXF", "1. C2.5 H8+7 (1. ... C8.5) 2. H2+3 *", "1:h2e2 2:h9g7 3:h0g2 2:h7e7", 3, ""},
    {"coordinates, two variations of one move", "1. h2e2 h9g7 (1. ... h7e7) (1. ... b9c7 2. h0g2) 2. h0g2 *",
     "1:h2e2 2:h9g7 3:h0g2 2:h7e7 2:b9c7 3:h0g2", 3, ""},
    {"a refused move cuts its branch, the rest stays",
     "1. 炮二平五 (1. 帅五进二 马８进７) (1. 兵七进一) 马８进７ *", "1:h2e2 2:h9g7 1:c3c4", 2,
     "1 个变着含不合规则的着法，已略去"},
    {"a variation left open at the end of the game", "1. h2e2 h9g7 (1. ... h7e7 2. h0g2", "1:h2e2 2:h9g7 2:h7e7 3:h0g2",
     2, ""},
};

TEST(PgnTree, VariationsReadAsTheirTreeAndWriteBackTheSame) {
    for (const TreeCase& c : CASES) {
        GameDocument doc;
        std::string message;
        ASSERT_EQ(importPgnText(gbk(c.pgn), 1, doc, message), 0) << c.what << ": " << utf8(message);
        EXPECT_EQ(utf8(treeText(doc.tree)), c.tree) << c.what;
        EXPECT_EQ(static_cast<int>(doc.moves.size()), c.mainLine) << c.what;
        EXPECT_EQ(utf8(doc.info.notes), c.notes) << c.what;
        const std::string written = encodePgn(doc);
        GameDocument back;
        ASSERT_EQ(importPgnText(written, 1, back, message), 0) << c.what << ": " << utf8(message) << "\n" << written;
        EXPECT_TRUE(back.tree == doc.tree) << c.what << "\n" << written;
        EXPECT_EQ(back.moves, doc.moves) << c.what;
    }
}

TEST(PgnTree, VariationsAreWrittenAfterTheMoveTheyReplaceAndNumbered) {
    GameDocument doc;
    std::string message;
    ASSERT_EQ(importPgnText(gbk(CASES[0].pgn), 1, doc, message), 0);
    const std::string text = encodePgn(doc);
    EXPECT_NE(text.find("1. 炮二平五 马８进７ (1. ... 炮８平５ {还架中炮} 2. 马二进三)\n2. 马二进三\n*"),
              std::string::npos)
        << text;
}

TEST(PgnTree, AMainLineThatDoesNotReplayStillRefusesTheGame) {
    GameDocument doc;
    doc.info.notes = "kept";
    std::string message;
    EXPECT_EQ(importPgnText(gbk("1. 炮二平五 (1. 兵七进一) 马８进７ 2. 帅五进二 *"), 1, doc, message), 2);
    EXPECT_EQ(utf8(message), "第1局 第3步 帅五进二 不合规则");
    EXPECT_EQ(doc.info.notes, "kept");
}

}  // namespace
