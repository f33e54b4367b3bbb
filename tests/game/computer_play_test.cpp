// Computer play with the real thinking engine at a small fixed depth: when
// the computer moves, demo play, finished games, set-up, stop requests and
// background thinking.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "engine/engine.h"
#include "engine/service.h"
#include "engine/think.h"
#include "board_support.h"
#include "fake_shell_support.h"
#include "game/game.h"

namespace {

constexpr SearchRequest DEPTH_2{LIMIT_DEPTH, 2, 0};
constexpr PackedMove CENTRAL_CANNON = packMove(1, 2, 4, 2);
constexpr int MODE_ITEM_HUMAN_COMPUTER = 0, MODE_ITEM_TWO_HUMANS = 1, MODE_ITEM_DEMO = 2;
constexpr int SIDE_ITEM_RED = 0, SIDE_ITEM_BLACK = 1;

class ComputerPlayTest : public ::testing::Test {
protected:
    Game game;
    FakeShell shell{game};

    void SetUp() override {
        thinkingEngine().abandonAndWait();
        thinkingEngine().setLimits(DEPTH_2);
        game.setUseBook(false);
        game.setPonderEnabled(false);
    }
    void TearDown() override { thinkingEngine().abandonAndWait(); }

    // One pass of the program's idle loop, with move animation switched off:
    // a computer move's slide ends at the view's step.
    void idlePass() {
        thinkingEngine().pollEngine();
        shell.endAnimation();
        game.idle();
    }
    // Idle passes until done() holds; false after 30 seconds.
    bool runUntil(const std::function<bool()>& done) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            idlePass();
        }
        return true;
    }
    // Polls the engine only, until the running search has handed back.
    bool waitForMove() {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!shell.animating) {
            if (std::chrono::steady_clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            thinkingEngine().pollEngine();
        }
        return true;
    }
    void setUpPosition(const Board90& board, Side firstMover) {
        game.enterSetup();
        shell.setupOpen = false;
        game.setModified(true);
        game.setBoard(board, firstMover);
        game.commitStartPosition();
        game.resumePlay();
    }
    bool engineIdle() const { return thinkingEngine().state() == STATE_IDLE; }
};

TEST_F(ComputerPlayTest, ComputerAnswersTheUsersMove) {
    shell.radio[0] = MODE_ITEM_HUMAN_COMPUTER;
    shell.radio[1] = SIDE_ITEM_BLACK;
    game.newGame();
    EXPECT_EQ(game.thinkingStatus(), THINKING_IDLE);  // the user moves first
    ASSERT_TRUE(game.tryUserMove(CENTRAL_CANNON));
    game.computerMove();  // as the board view does after a legal move
    EXPECT_EQ(game.thinkingStatus(), THINKING_MOVE);
    ASSERT_TRUE(waitForMove());
    EXPECT_EQ(game.moveCount(), 2);
    EXPECT_EQ(game.sideToMove(), SIDE_RED);
    EXPECT_EQ(shell.animatedMove, game.recordEntry(1)->move);
    EXPECT_TRUE(isBlackPiece(game.board()[boardIndex(moveTo(shell.animatedMove).file,
                                                     moveTo(shell.animatedMove).rank)]));
    EXPECT_EQ(game.thinkingStatus(), THINKING_IDLE);

    const int shown = shell.searchResultsShown;
    shell.clearLog();
    shell.endAnimation();
    EXPECT_EQ(shell.searchResultsShown, shown + 1);
    EXPECT_EQ(shell.lastSkip, 1);
    EXPECT_TRUE(game.modified());
    EXPECT_EQ(shell.count("moveSound") + shell.count("captureSound"), 1);
    idlePass();
    EXPECT_TRUE(engineIdle());  // mode 1: the user's turn again
}

TEST_F(ComputerPlayTest, ComputerOnRedStartsANewGame) {
    shell.radio[0] = MODE_ITEM_HUMAN_COMPUTER;
    shell.radio[1] = SIDE_ITEM_RED;
    game.newGame();
    ASSERT_TRUE(waitForMove());
    EXPECT_EQ(game.moveCount(), 1);
    EXPECT_EQ(game.sideToMove(), SIDE_BLACK);
}

TEST_F(ComputerPlayTest, ComputerOnRedMovesForBlackAfterSetUp) {
    // The side group says who makes the first move, not which colour the
    // computer takes: after a set-up with Black to move it plays Black.
    shell.radio[0] = MODE_ITEM_HUMAN_COMPUTER;
    shell.radio[1] = SIDE_ITEM_RED;
    game.newGame();
    thinkingEngine().abandonAndWait();
    setUpPosition(INITIAL_BOARD, SIDE_BLACK);
    ASSERT_TRUE(waitForMove());
    EXPECT_EQ(game.moveCount(), 1);
    const GridPoint to = moveTo(game.recordEntry(0)->move);
    EXPECT_TRUE(isBlackPiece(game.board()[boardIndex(to.file, to.rank)]));
}

TEST_F(ComputerPlayTest, DemoPlaysOnFromTheIdlePass) {
    shell.radio[0] = MODE_ITEM_DEMO;
    game.newGame();
    ASSERT_TRUE(waitForMove());
    // The slide's end shows the move but starts nothing itself ...
    shell.endAnimation();
    EXPECT_TRUE(engineIdle());
    EXPECT_EQ(game.moveCount(), 1);
    // ... the next idle pass judges the position and goes on.
    game.idle();
    EXPECT_EQ(game.thinkingStatus(), THINKING_MOVE);
    ASSERT_TRUE(runUntil([&] { return game.moveCount() >= 6; }));
    // The moves alternate: replaying them from the start is legal.
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_RED;
    for (int i = 0; i < game.moveCount(); ++i) {
        Engine& rules = plainEngine();
        rules.setPosition(board, side);
        ASSERT_TRUE(rules.tryMove(game.recordEntry(i)->move)) << "ply " << i;
        rules.exportBoard90(board);
        side = side == SIDE_RED ? SIDE_BLACK : SIDE_RED;
    }
}

TEST_F(ComputerPlayTest, ACutShortSlideDoesNotRestartTheDemo) {
    shell.radio[0] = MODE_ITEM_DEMO;
    game.newGame();
    ASSERT_TRUE(waitForMove());
    shell.clearLog();
    // Another command needs the board (undo, new position): the move is
    // shown, and demo play does not go on behind that command's back.
    game.finishAnimation();
    EXPECT_FALSE(shell.animating);
    EXPECT_TRUE(game.modified());
    EXPECT_EQ(shell.count("moveSound") + shell.count("captureSound"), 1);
    game.idle();
    game.idle();
    EXPECT_TRUE(engineIdle());
}

TEST_F(ComputerPlayTest, ComputerMoveDuringASlideStartsOneSearch) {
    shell.radio[0] = MODE_ITEM_DEMO;
    game.newGame();
    ASSERT_TRUE(waitForMove());
    shell.clearLog();
    game.computerMove();  // finishes the slide first
    EXPECT_EQ(shell.count("busyCursor"), 1);
    EXPECT_EQ(game.thinkingStatus(), THINKING_MOVE);
    ASSERT_TRUE(waitForMove());
    EXPECT_EQ(game.moveCount(), 2);
}

TEST_F(ComputerPlayTest, ComputerMoveDuringASearchShowsThatMoveFirst) {
    shell.radio[0] = MODE_ITEM_HUMAN_COMPUTER;
    shell.radio[1] = SIDE_ITEM_BLACK;
    game.newGame();
    thinkingEngine().setLimits({LIMIT_TIME, 0, 60});
    game.computerMove();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const int shown = shell.searchResultsShown;
    game.computerMove();  // e.g. 电脑演示 chosen while the computer thinks
    // The stopped search's move is played and shown before the next search
    // starts, so its result is read while the engine is idle.
    EXPECT_EQ(game.moveCount(), 1);
    EXPECT_FALSE(shell.animating);
    EXPECT_EQ(shell.searchResultsShown, shown + 1);
    EXPECT_EQ(game.thinkingStatus(), THINKING_MOVE);
    game.moveNow();
    EXPECT_EQ(game.moveCount(), 2);
}

TEST_F(ComputerPlayTest, AFinishedGameMakesComputerMoveDoNothing) {
    shell.radio[0] = MODE_ITEM_TWO_HUMANS;
    game.newGame();
    setUpPosition(blackMatedBoard(), SIDE_BLACK);
    game.idle();
    ASSERT_EQ(game.result(), RESULT_RED_WINS);
    shell.clearLog();
    game.computerMove();
    EXPECT_TRUE(engineIdle());
    EXPECT_EQ(shell.count("busyCursor"), 0);
    // An analysis asked for directly still runs.
    game.analyse();
    EXPECT_EQ(game.thinkingStatus(), THINKING_ANALYSIS);
    const int shown = shell.searchResultsShown;
    ASSERT_TRUE(runUntil([&] { return engineIdle(); }));
    EXPECT_EQ(shell.searchResultsShown, shown + 1);
    EXPECT_EQ(shell.lastSkip, 0);
    EXPECT_EQ(game.moveCount(), 0);
}

TEST_F(ComputerPlayTest, NoComputerPlayWhileSetUpIsOpen) {
    shell.radio[0] = MODE_ITEM_DEMO;
    game.newGame();
    game.stopThinking();
    game.enterSetup();
    ASSERT_TRUE(shell.setupOpen);
    shell.clearLog();
    game.computerMove();
    game.analyse();
    EXPECT_TRUE(engineIdle());
    EXPECT_EQ(shell.count("busyCursor"), 0);
}

TEST_F(ComputerPlayTest, StopThinkingPlaysNothingAndMoveNowPlays) {
    shell.radio[0] = MODE_ITEM_TWO_HUMANS;
    game.newGame();
    thinkingEngine().setLimits({LIMIT_TIME, 0, 60});
    game.computerMove();
    game.stopThinking();
    EXPECT_TRUE(engineIdle());
    EXPECT_FALSE(shell.animating);
    EXPECT_EQ(game.moveCount(), 0);

    game.computerMove();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    game.moveNow();
    EXPECT_TRUE(engineIdle());
    EXPECT_TRUE(shell.animating);
    EXPECT_EQ(game.moveCount(), 1);
}

TEST_F(ComputerPlayTest, BackgroundThinkingRunsOncePerPositionAndStrength) {
    shell.radio[0] = MODE_ITEM_TWO_HUMANS;
    game.newGame();
    game.setPonderEnabled(true);
    ASSERT_TRUE(game.tryUserMove(CENTRAL_CANNON));
    game.idle();
    EXPECT_EQ(game.thinkingStatus(), THINKING_PONDER);
    const int shown = shell.ponderRecordsShown;
    ASSERT_TRUE(runUntil([&] { return shell.ponderRecordsShown > shown; }));
    // Done at these limits: not again on the same position.
    game.idle();
    game.idle();
    EXPECT_TRUE(engineIdle());
    // Stronger limits think it over again; weaker ones do not.
    thinkingEngine().setLimits({LIMIT_DEPTH, 3, 0});
    game.idle();
    EXPECT_EQ(game.thinkingStatus(), THINKING_PONDER);
    ASSERT_TRUE(runUntil([&] { return engineIdle(); }));
    thinkingEngine().setLimits(DEPTH_2);
    game.idle();
    EXPECT_TRUE(engineIdle());
    // A switch between depth and time limits counts as a change.
    thinkingEngine().setLimits({LIMIT_TIME, 0, 1});
    game.idle();
    EXPECT_EQ(game.thinkingStatus(), THINKING_PONDER);
}

TEST_F(ComputerPlayTest, BackgroundThinkingWaitsForItsConditions) {
    shell.radio[0] = MODE_ITEM_TWO_HUMANS;
    game.newGame();
    game.idle();
    EXPECT_TRUE(engineIdle());  // switched off
    game.setPonderEnabled(true);
    shell.animating = true;
    game.idle();
    EXPECT_TRUE(engineIdle());
    shell.animating = false;
    shell.setupOpen = true;
    game.idle();
    EXPECT_TRUE(engineIdle());
    shell.setupOpen = false;
    setUpPosition(blackMatedBoard(), SIDE_BLACK);
    game.idle();
    EXPECT_EQ(game.result(), RESULT_RED_WINS);
    EXPECT_TRUE(engineIdle());
}

TEST_F(ComputerPlayTest, TurningBackgroundThinkingOffEndsIt) {
    shell.radio[0] = MODE_ITEM_TWO_HUMANS;
    game.newGame();
    thinkingEngine().setLimits({LIMIT_TIME, 0, 120});
    game.setPonderEnabled(true);
    game.idle();
    ASSERT_EQ(game.thinkingStatus(), THINKING_PONDER);
    game.setPonderEnabled(false);
    EXPECT_TRUE(engineIdle());
    EXPECT_FALSE(shell.checks[static_cast<int>(CheckMark::Ponder)]);
}

TEST_F(ComputerPlayTest, MenuChoicesAndTheirDefaults) {
    shell.radio[0] = shell.radio[1] = shell.radio[2] = -1;
    EXPECT_EQ(game.mode(), MODE_HUMAN_COMPUTER);
    EXPECT_FALSE(game.computerPlaysRed());
    EXPECT_EQ(game.level(), LEVEL_BEGINNER);
    game.setMode(MODE_DEMO);
    game.setComputerSide(SIDE_RED);
    game.setLevel(LEVEL_ADVANCED);
    EXPECT_EQ(shell.radio[0], MODE_ITEM_DEMO);
    EXPECT_EQ(shell.radio[1], SIDE_ITEM_RED);
    EXPECT_EQ(game.level(), LEVEL_ADVANCED);
    EXPECT_EQ(thinkingEngine().configuredLimits, (SearchRequest{LIMIT_TIME, 0, 18}));
    game.setLevel(LEVEL_INTERMEDIATE);
    EXPECT_EQ(thinkingEngine().configuredLimits, (SearchRequest{LIMIT_TIME, 0, 6}));
    game.setLevel(LEVEL_CUSTOM);  // the level dialog sends its own limits
    EXPECT_EQ(thinkingEngine().configuredLimits, (SearchRequest{LIMIT_TIME, 0, 6}));
    game.setUseBook(true);
    EXPECT_TRUE(thinkingEngine().getUseBook());
    EXPECT_TRUE(shell.checks[static_cast<int>(CheckMark::Book)]);
    game.setUseBook(false);
    EXPECT_FALSE(thinkingEngine().getUseBook());
    EXPECT_FALSE(shell.checks[static_cast<int>(CheckMark::Book)]);
}

}  // namespace

// Every iteration of the built-in engine's analysis reaches the shell in
// order, the last one as the result has it.
TEST_F(ComputerPlayTest, AnalysisShowsEachIteration) {
    shell.radio[0] = MODE_ITEM_TWO_HUMANS;
    game.newGame();
    thinkingEngine().setLimits({LIMIT_DEPTH, 4, 0});
    game.analyse();
    ASSERT_TRUE(runUntil([&] { return engineIdle() && shell.searchResultsShown > 0; }));
    ASSERT_FALSE(shell.iterationsShown.empty());
    for (std::size_t i = 1; i < shell.iterationsShown.size(); ++i)
        EXPECT_GT(shell.iterationsShown[i].depth, shell.iterationsShown[i - 1].depth);
    SearchResult result{};
    thinkingEngine().exportResult(result);
    const IterationReport& last = shell.iterationsShown.back();
    EXPECT_EQ(last.depth, 4);
    EXPECT_EQ(last.score, result.score);
    const SearchResultLine& line = result.lines[result.iterations - 1];
    ASSERT_EQ(last.length, line.length);
    for (int i = 0; i < line.length; ++i) EXPECT_EQ(last.line[i], line.moves[i]);

}

// 持续分析: the analysis has no time limit and runs until stopped; the
// level stays for the next move. Off, the level's limits hold.
TEST_F(ComputerPlayTest, NonstopAnalysisRunsUntilStopped) {
    constexpr SearchRequest LEVEL{LIMIT_TIME, 0, 2};
    for (const bool nonstop : {false, true}) {
        shell.checks[static_cast<int>(CheckMark::NonstopAnalysis)] = nonstop;
        game.newGame();
        thinkingEngine().setLimits(LEVEL);
        game.analyse();
        const SearchRequest running = thinkingEngine().activeLimits;
        EXPECT_EQ(running.limitsTime(), !nonstop);
        EXPECT_EQ(running.limitsDepth(), nonstop);
        EXPECT_EQ(thinkingEngine().configuredLimits, LEVEL);
        EXPECT_EQ(game.thinkingStatus(), THINKING_ANALYSIS);
        game.stopThinking();
        EXPECT_TRUE(engineIdle());
    }
}
