// The game's life: results and the end-of-game message, the hundred-ply
// rule, title and "*", new game and set-up.
#include <gtest/gtest.h>

#include "board_support.h"
#include "fake_shell_support.h"
#include "game/game.h"
#include "game/gbk.h"

namespace {

constexpr PackedMove RED_HORSE_OUT = packMove(1, 0, 2, 2);
constexpr PackedMove RED_HORSE_BACK = packMove(2, 2, 1, 0);
constexpr PackedMove BLACK_HORSE_OUT = packMove(1, 9, 2, 7);
constexpr PackedMove BLACK_HORSE_BACK = packMove(2, 7, 1, 9);
constexpr PackedMove CANNON_TAKES_HORSE = packMove(7, 2, 7, 9);

const std::string RED_WINS_MESSAGE = std::string(GBK_RED_WINS) + "|" + GBK_CAPTION_NOTICE;
const std::string DRAW_MESSAGE = std::string(GBK_DRAW) + "|" + GBK_CAPTION_NOTICE;

class GameTest : public ::testing::Test {
protected:
    Game game;
    FakeShell shell{game};
    void SetUp() override {
        shell.radio[0] = 1;  // two humans: nothing here wants the computer
        game.newGame();
        shell.clearLog();
    }
    // Quiet horse moves, out and back, starting with the side to move.
    void shuffle(int plies) {
        for (int i = 0; i < plies; ++i) {
            const bool red = game.sideToMove() == SIDE_RED;
            const bool out = game.board()[red ? boardIndex(1, 0) : boardIndex(1, 9)] != NO_PIECE;
            game.makeMove(red ? (out ? RED_HORSE_OUT : RED_HORSE_BACK)
                              : (out ? BLACK_HORSE_OUT : BLACK_HORSE_BACK));
        }
    }
    void startFrom(const Board90& board, Side side) {
        game.setModified(true);
        game.setBoard(board, side);
        game.commitStartPosition();
    }
};

TEST_F(GameTest, HundredPliesWithoutCaptureDraw) {
    shuffle(99);
    EXPECT_EQ(game.checkResult(), RESULT_IN_PLAY);
    shuffle(1);
    EXPECT_EQ(game.checkResult(), RESULT_DRAW);
    game.idle();
    EXPECT_EQ(game.result(), RESULT_DRAW);
    EXPECT_EQ(shell.count("clockGameOver"), 1);
    EXPECT_EQ(shell.info.result, GBK_DRAW);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0], DRAW_MESSAGE);

    game.undo();  // one ply back: in play again, the clock goes on
    game.idle();
    EXPECT_EQ(game.result(), RESULT_IN_PLAY);
    EXPECT_EQ(shell.count("clockGameResumed"), 1);
    EXPECT_EQ(shell.info.result, GBK_IN_PLAY);
}

TEST_F(GameTest, HundredPliesCountFromTheLatestCapture) {
    game.makeMove(CANNON_TAKES_HORSE);
    shuffle(99);
    EXPECT_EQ(game.checkResult(), RESULT_IN_PLAY);
    shuffle(1);
    EXPECT_EQ(game.checkResult(), RESULT_DRAW);
}

TEST_F(GameTest, HundredPliesCountFromASetUpStart) {
    shuffle(60);
    game.enterSetup();
    shell.setupOpen = false;
    startFrom(game.board(), game.sideToMove());
    shuffle(99);
    EXPECT_EQ(game.checkResult(), RESULT_IN_PLAY);
    shuffle(1);
    EXPECT_EQ(game.checkResult(), RESULT_DRAW);
}

TEST_F(GameTest, EndOfGameMessageOncePerNewPosition) {
    Board90 b = blackMatedBoard();
    b[boardIndex(1, 9)] = NO_PIECE;
    b[boardIndex(1, 5)] = 4;  // the rook still has to go up
    startFrom(b, SIDE_RED);
    EXPECT_TRUE(game.tryUserMove(packMove(1, 5, 1, 9)));
    game.idle();
    game.idle();
    game.idle();
    EXPECT_EQ(game.result(), RESULT_RED_WINS);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0], RED_WINS_MESSAGE);

    game.undo();
    game.idle();
    EXPECT_EQ(game.result(), RESULT_IN_PLAY);
    game.redo();
    game.idle();
    game.idle();
    EXPECT_EQ(shell.messages.size(), 2u);
    EXPECT_EQ(shell.count("clockGameOver"), 2);
    EXPECT_EQ(shell.count("clockGameResumed"), 1);
}

TEST_F(GameTest, ResultWaitsWhileAnAnimationRunsOrSetUpIsOpen) {
    startFrom(blackMatedBoard(), SIDE_BLACK);
    shell.animating = true;
    game.idle();
    EXPECT_EQ(game.result(), RESULT_IN_PLAY);
    shell.animating = false;
    shell.setupOpen = true;
    game.idle();
    EXPECT_EQ(game.result(), RESULT_IN_PLAY);
    EXPECT_EQ(game.positionKey(), 0u);
    shell.setupOpen = false;
    EXPECT_NE(game.positionKey(), 0u);
    game.idle();
    EXPECT_EQ(game.result(), RESULT_RED_WINS);
}

TEST_F(GameTest, TitleCarriesFileNameAndModifiedMark) {
    EXPECT_EQ(shell.title, std::string("Morlan - ") + GBK_UNTITLED);
    EXPECT_EQ(game.fileName(), GBK_UNTITLED);
    EXPECT_FALSE(game.modified());

    game.setTitle("/x/y.sav");
    EXPECT_EQ(shell.title, "Morlan - y.sav");
    EXPECT_EQ(game.fileName(), "/x/y.sav");
    game.setModified(true);
    game.setModified(true);
    EXPECT_EQ(shell.title, "Morlan - y.sav*");
    EXPECT_TRUE(game.modified());
    game.setTitle("/x/z.txt");  // a new name keeps the mark while modified
    EXPECT_EQ(shell.title, "Morlan - z.txt*");
    game.setModified(false);
    EXPECT_EQ(shell.title, "Morlan - z.txt");
    EXPECT_FALSE(game.modified());
}

TEST_F(GameTest, NewGameStartsAfresh) {
    game.makeMove(CANNON_TAKES_HORSE);
    game.setTitle("/x/y.sav");
    game.setModified(true);
    shell.info.redPlayer = "someone";
    game.newGame();
    EXPECT_EQ(game.board(), INITIAL_BOARD);
    EXPECT_EQ(game.recordSize(), 0);
    EXPECT_EQ(game.sideToMove(), SIDE_RED);
    EXPECT_FALSE(game.modified());
    EXPECT_EQ(shell.title, std::string("Morlan - ") + GBK_UNTITLED);
    EXPECT_TRUE(shell.info.redPlayer.empty());
    EXPECT_EQ(shell.info.result, GBK_IN_PLAY);
    // "%d年%d月%d日": ends with 日, holds 年 and 月
    EXPECT_NE(shell.info.date.find("\xC4\xEA"), std::string::npos);
    EXPECT_NE(shell.info.date.find("\xD4\xC2"), std::string::npos);
    EXPECT_EQ(shell.info.date.substr(shell.info.date.size() - 2), "\xC8\xD5");
    EXPECT_EQ(shell.count("clockResetAndStart"), 1);
}

TEST_F(GameTest, SetupKeepsThePiecesAndEmptiesTheRecord) {
    game.makeMove(CANNON_TAKES_HORSE);
    game.makeMove(BLACK_HORSE_OUT);
    game.setTitle("/x/y.sav");
    game.setModified(true);
    const Board90 shown = game.board();
    game.enterSetup();
    EXPECT_TRUE(shell.setupOpen);
    EXPECT_EQ(game.board(), shown);
    EXPECT_EQ(game.recordSize(), 0);
    EXPECT_EQ(game.moveCount(), 0);
    EXPECT_EQ(game.fileName(), GBK_UNTITLED);
    EXPECT_TRUE(game.modified());
    EXPECT_EQ(shell.count("clockReset"), 1);
}

TEST_F(GameTest, SetupCompletionMakesANewStart) {
    game.enterSetup();
    shell.setupOpen = false;
    Board90 b = INITIAL_BOARD;
    b[boardIndex(0, 0)] = NO_PIECE;  // without Red's left rook
    startFrom(b, SIDE_BLACK);
    EXPECT_EQ(game.startBoard(), b);
    EXPECT_EQ(game.startSide(), SIDE_BLACK);
    EXPECT_TRUE(game.tryUserMove(BLACK_HORSE_OUT));
    EXPECT_TRUE(game.tryUserMove(RED_HORSE_OUT));
    game.goToPly(0);
    EXPECT_EQ(game.board(), b);
    EXPECT_EQ(game.sideToMove(), SIDE_BLACK);
}

}  // namespace
