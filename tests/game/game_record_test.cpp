// The record: moves, captures, undo, redo, the redo tail and record
// navigation.
#include <gtest/gtest.h>

#include "fake_shell_support.h"
#include "game/game.h"

namespace {

// Red cannon on file 八 takes the Black horse behind the Black cannon.
constexpr PackedMove CANNON_TAKES_HORSE = packMove(7, 2, 7, 9);
// Black rook takes that cannon back.
constexpr PackedMove ROOK_TAKES_CANNON = packMove(8, 9, 7, 9);
// Quiet horse moves, out and back, for both sides.
constexpr PackedMove RED_HORSE_OUT = packMove(1, 0, 2, 2);
constexpr PackedMove RED_HORSE_BACK = packMove(2, 2, 1, 0);
constexpr PackedMove BLACK_HORSE_OUT = packMove(1, 9, 2, 7);
constexpr PackedMove BLACK_HORSE_BACK = packMove(2, 7, 1, 9);

class GameRecordTest : public ::testing::Test {
protected:
    Game game;
    FakeShell shell{game};
    void SetUp() override { game.newGame(); }
};

TEST_F(GameRecordTest, MakeMoveAppendsAndUndoRestoresCaptures) {
    const Board90 before = game.board();
    game.makeMove(CANNON_TAKES_HORSE);
    ASSERT_EQ(game.recordSize(), 1);
    EXPECT_EQ(game.recordEntry(0)->captured, 10);
    EXPECT_EQ(game.board()[boardIndex(7, 9)], 5);
    EXPECT_EQ(game.board()[boardIndex(7, 2)], NO_PIECE);
    EXPECT_EQ(game.sideToMove(), SIDE_BLACK);
    EXPECT_EQ(game.lastCaptureCount(), 1);

    game.makeMove(ROOK_TAKES_CANNON);
    game.makeMove(RED_HORSE_OUT);
    EXPECT_EQ(game.lastCaptureCount(), 2);

    game.undo();  // a quiet move leaves the capture count
    EXPECT_EQ(game.lastCaptureCount(), 2);
    game.undo();  // back to the count after the earlier capture
    EXPECT_EQ(game.lastCaptureCount(), 1);
    EXPECT_EQ(game.board()[boardIndex(7, 9)], 5);
    EXPECT_EQ(game.board()[boardIndex(8, 9)], 11);
    game.undo();
    EXPECT_EQ(game.lastCaptureCount(), 0);
    EXPECT_EQ(game.board(), before);
    EXPECT_EQ(game.sideToMove(), SIDE_RED);
    EXPECT_EQ(game.recordSize(), 3);  // all kept as redo tail
    EXPECT_EQ(game.recordEntry(3), nullptr);
    EXPECT_EQ(game.recordEntry(-1), nullptr);
}

TEST_F(GameRecordTest, RedoTailIsReplayedAndCutByANewMove) {
    game.makeMove(CANNON_TAKES_HORSE);
    game.makeMove(ROOK_TAKES_CANNON);
    const Board90 after = game.board();
    game.undo();
    game.undo();
    game.undo();  // at ply 0: nothing
    EXPECT_EQ(game.moveCount(), 0);
    game.redo();
    game.redo();
    EXPECT_EQ(game.board(), after);
    EXPECT_EQ(game.lastCaptureCount(), 2);
    game.redo();  // at the record's end: nothing
    EXPECT_EQ(game.moveCount(), 2);
    EXPECT_EQ(game.board(), after);

    game.undo();
    game.makeMove(BLACK_HORSE_OUT);
    EXPECT_EQ(game.recordSize(), 2);
    EXPECT_EQ(game.recordEntry(1)->move, BLACK_HORSE_OUT);
    game.redo();
    EXPECT_EQ(game.moveCount(), 2);
}

TEST_F(GameRecordTest, GoToPlyRebuildsFromTheStart) {
    const PackedMove moves[] = {CANNON_TAKES_HORSE, BLACK_HORSE_OUT, RED_HORSE_OUT, ROOK_TAKES_CANNON};
    for (PackedMove m : moves) game.makeMove(m);
    const Board90 end = game.board();

    game.goToPly(0);
    EXPECT_EQ(game.board(), INITIAL_BOARD);
    EXPECT_EQ(game.moveCount(), 0);
    EXPECT_EQ(game.recordSize(), 4);
    EXPECT_EQ(game.lastCaptureCount(), 0);

    game.goToPly(2);
    EXPECT_EQ(game.moveCount(), 2);
    EXPECT_EQ(game.lastCaptureCount(), 1);
    EXPECT_EQ(game.sideToMove(), SIDE_RED);

    game.goToPly(99);
    EXPECT_EQ(game.moveCount(), 4);
    EXPECT_EQ(game.board(), end);
    EXPECT_EQ(game.lastCaptureCount(), 4);

    game.goToPly(-3);
    EXPECT_EQ(game.moveCount(), 0);
    EXPECT_EQ(game.board(), INITIAL_BOARD);
}

TEST_F(GameRecordTest, UserMovesAreJudged) {
    EXPECT_FALSE(game.tryUserMove(packMove(1, 0, 1, 2)));  // a horse cannot go straight
    EXPECT_FALSE(game.tryUserMove(BLACK_HORSE_OUT));       // not Black's turn
    EXPECT_EQ(game.recordSize(), 0);
    EXPECT_EQ(game.board(), INITIAL_BOARD);
    EXPECT_TRUE(game.tryUserMove(CANNON_TAKES_HORSE));
    EXPECT_EQ(game.moveCount(), 1);
    EXPECT_TRUE(game.tryUserMove(ROOK_TAKES_CANNON));
    EXPECT_EQ(game.lastCaptureCount(), 2);
}

}  // namespace
