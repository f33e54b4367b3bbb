// The record's tree in the game: 保留变着 off and on, the question before
// a record's continuation is dropped, entering and editing variations along
// the line shown, and the question before a one-line format drops them.
#include <gtest/gtest.h>

#include <filesystem>

#include "fake_shell_support.h"
#include "file_test_support.h"
#include "game/game.h"
#include "game/game_file.h"
#include "game/pgn_collection.h"
#include "text_support.h"
#include "tree_text.h"

namespace {

const PackedMove CANNON = readCoordinateMove("h2e2"), HORSE = readCoordinateMove("h9g7"),
                 RED_HORSE = readCoordinateMove("h0g2"), OTHER_CANNON = readCoordinateMove("b2e2"),
                 BLACK_CANNON = readCoordinateMove("h7e7"), LEFT_HORSE = readCoordinateMove("b0c2");

class GameTreeTest : public ::testing::Test {
protected:
    TempDir dir;
    Game game;
    FakeShell shell{game};
    void SetUp() override {
        shell.radio[0] = 1;  // two humans
        game.setPonderEnabled(false);
        game.newGame();
    }
    // h2e2 h9g7 h0g2 played, then two plies taken back.
    void playAndTakeBack() {
        for (PackedMove m : {CANNON, HORSE, RED_HORSE}) ASSERT_TRUE(game.tryUserMove(m));
        game.undo();
        game.undo();
    }
    std::string line() const {
        std::string out;
        for (int i = 0; i < game.recordSize(); ++i) out += writeCoordinateMove(game.recordEntry(i)->move) + " ";
        return out;
    }
};

struct PastPlyCase {
    const char* what;
    bool keep;            // 保留变着
    bool fromRecord;      // the moves came from a PGN record
    int reviewed;         // a review marked the first this many moves
    bool branched;        // the continuation holds a variation (b0c2 beside h0g2)
    TailAnswer answer;
    bool played;
    const char* tree;     // after h7e7 is played at ply 2
    const char* asked;    // the question's log entry, or ""
};

const PastPlyCase PAST_PLY[] = {
    {"off, a game of one's own: dropped as always", false, false, 0, false, TailAnswer::KeepAsVariation, true,
     "1:h2e2 2:h7e7", ""},
    {"on: kept as a variation", true, false, 0, false, TailAnswer::Drop, true, "1:h2e2 2:h9g7 3:h0g2 2:h7e7", ""},
    {"off, a record: asked, kept", false, true, 0, false, TailAnswer::KeepAsVariation, true,
     "1:h2e2 2:h9g7 3:h0g2 2:h7e7", "askDropTail 2"},
    {"off, a record: asked, dropped", false, true, 0, false, TailAnswer::Drop, true, "1:h2e2 2:h7e7",
     "askDropTail 2"},
    {"off, a record: asked, cancelled", false, true, 0, false, TailAnswer::Cancel, false, "1:h2e2 2:h9g7 3:h0g2",
     "askDropTail 2"},
    {"off, review marks on the continuation: asked, dropped", false, false, 3, false, TailAnswer::Drop, true,
     "1:h2e2 2:h7e7", "askDropTail 2"},
    {"off, review marks before the ply only: dropped as always", false, false, 1, false,
     TailAnswer::KeepAsVariation, true, "1:h2e2 2:h7e7", ""},
    {"off, a variation in the continuation: asked, kept", false, false, 0, true, TailAnswer::KeepAsVariation, true,
     "1:h2e2 2:h9g7 3:h0g2 3:b0c2 2:h7e7", "askDropTail 2"},
};

TEST_F(GameTreeTest, AMoveAtAPastPlyFollowsTheSettingAndTheAnswer) {
    const std::string pgn = dir.file("g.pgn");
    writeBytes(pgn, bytesOf("1. h2e2 h9g7 2. h0g2 *\n"));
    for (const PastPlyCase& c : PAST_PLY) {
        game.setKeepVariations(false);
        game.newGame();
        if (c.fromRecord) {
            ASSERT_TRUE(game.openFile(pgn));
            EXPECT_TRUE(game.keepVariations()) << c.what;  // a record turns it on for its game
            game.goToPly(1);
        } else {
            playAndTakeBack();
        }
        if (c.branched) {
            game.setKeepVariations(true);
            game.redo();
            ASSERT_TRUE(game.tryUserMove(LEFT_HORSE));
            game.goToNode(game.tree().mainLine()[0]);
        }
        shell.reviewedMoves = c.reviewed;
        game.setKeepVariations(c.keep);
        shell.tailAnswer = c.answer;
        shell.clearLog();
        EXPECT_EQ(game.tryUserMove(BLACK_CANNON), c.played) << c.what;
        EXPECT_EQ(treeText(game.tree()), c.tree) << c.what;
        EXPECT_EQ(shell.count(c.asked), *c.asked ? 1 : 0) << c.what;
        EXPECT_EQ(game.moveCount(), c.played ? 2 : 1) << c.what;
        // The line shown ends with the move just played, or is as it was.
        EXPECT_EQ(line(), c.played ? "h2e2 h7e7 " : "h2e2 h9g7 h0g2 ") << c.what;
    }
}

TEST_F(GameTreeTest, PlayingTheLinesOwnNextMoveOrAVariationsMoveEntersIt) {
    game.setKeepVariations(true);
    playAndTakeBack();
    ASSERT_TRUE(game.tryUserMove(HORSE));  // the line's next move: its tail stays
    EXPECT_EQ(game.recordSize(), 3);
    game.undo();
    ASSERT_TRUE(game.tryUserMove(BLACK_CANNON));
    game.undo();
    ASSERT_TRUE(game.tryUserMove(HORSE));  // back into the first line, h0g2 after it
    EXPECT_EQ(line(), "h2e2 h9g7 h0g2 ");
    EXPECT_EQ(game.tree().moveCount(), 4);
    // enterVariation steps into the k-th move; undo and redo walk the line it shows.
    game.goToPly(1);
    ASSERT_TRUE(game.enterVariation(1));
    EXPECT_EQ(line(), "h2e2 h7e7 ");
    EXPECT_FALSE(game.enterVariation(0));  // nothing after h7e7
    game.undo();
    game.redo();
    EXPECT_EQ(game.moveCount(), 2);
    EXPECT_EQ(game.recordEntry(1)->move, BLACK_CANNON);
}

TEST_F(GameTreeTest, EditsKeepTheLineShownInStep) {
    game.setKeepVariations(true);
    playAndTakeBack();
    ASSERT_TRUE(game.tryUserMove(BLACK_CANNON));
    const int variation = game.currentNode();
    game.setComment(1, "c");  // as the information window edits it
    ASSERT_TRUE(game.promoteVariation(variation));
    EXPECT_EQ(treeText(game.tree()), "1:h2e2 2:h7e7{c} 2:h9g7 3:h0g2");
    game.goToPly(3);  // stays on the line shown: h2e2 h7e7
    EXPECT_EQ(game.moveCount(), 2);
    game.goToNode(game.tree().lineThrough(MoveTree::ROOT)[0]);
    ASSERT_TRUE(game.enterVariation(1));
    game.redo();
    EXPECT_EQ(game.moveCount(), 3);
    game.removeVariation(game.lineNode(1));  // h9g7 with h0g2 under it, shown at h0g2
    EXPECT_EQ(treeText(game.tree()), "1:h2e2 2:h7e7{c}");
    EXPECT_EQ(game.moveCount(), 1);
    EXPECT_EQ(line(), "h2e2 h7e7 ");
    EXPECT_TRUE(game.modified());
}

struct SaveCase {
    const char* name;
    LineSaveAnswer answer;
    bool saved;
    const char* call;
};

const SaveCase SAVES[] = {
    {"g.sav", LineSaveAnswer::Continue, true, "askSaveLineOnly"},
    {"g.txt", LineSaveAnswer::Cancel, false, "askSaveLineOnly"},
    {"h.sav", LineSaveAnswer::SaveAsPgn, false, "saveAsPgn"},
    {"g.pgn", LineSaveAnswer::Cancel, true, ""},
    {"g.xqf", LineSaveAnswer::Cancel, true, ""},
};

TEST_F(GameTreeTest, AOneLineFormatAsksBeforeVariationsAreLeftOut) {
    game.setKeepVariations(true);
    playAndTakeBack();
    ASSERT_TRUE(game.tryUserMove(BLACK_CANNON));
    for (const SaveCase& c : SAVES) {
        shell.lineSaveAnswer = c.answer;
        shell.clearLog();
        const std::string path = dir.file(c.name);
        EXPECT_EQ(game.saveFile(path), c.saved) << c.name;
        EXPECT_EQ(shell.count(c.call), *c.call ? 1 : 0) << c.name;
        EXPECT_EQ(std::filesystem::exists(path), c.saved) << c.name;
    }
    // The trees come back whole from PGN and XQF, the line shown from the game file.
    for (const char* name : {"g.pgn", "g.xqf"}) {
        ASSERT_TRUE(game.openFile(dir.file(name))) << name;
        EXPECT_EQ(treeText(game.tree()), "1:h2e2 2:h9g7 3:h0g2 2:h7e7") << name;
    }
    ASSERT_TRUE(game.openFile(dir.file("g.sav")));
    EXPECT_EQ(treeText(game.tree()), "1:h2e2 2:h7e7");
}

}  // namespace
