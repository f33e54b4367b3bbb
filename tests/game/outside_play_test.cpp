// Computer play with an engine outside the program: its moves reach the
// board through the rule book like the built-in engine's, move-now and
// stop reach it, an illegal answer is never played, and a failing engine
// hands its search to the built-in engine.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "engine/engine.h"
#include "engine/service.h"
#include "fake_shell_support.h"
#include "game/game.h"
#include "game/outside_engine.h"

namespace {

constexpr SearchRequest DEPTH_2{LIMIT_DEPTH, 2, 0};
constexpr PackedMove CENTRAL_CANNON = packMove(1, 2, 4, 2);
constexpr PackedMove HORSE_REPLY = packMove(1, 9, 2, 7);
constexpr PackedMove ROOK_THROUGH_CANNON = packMove(0, 0, 0, 5);  // blocked by the pawn
constexpr int MODE_ITEM_HUMAN_COMPUTER = 0, MODE_ITEM_TWO_HUMANS = 1, MODE_ITEM_DEMO = 2;
constexpr int SIDE_ITEM_BLACK = 1;

// Records what the game asks; the test answers for it.
class FakeOutsideEngine final : public OutsideEngine {
public:
    bool refuseSearches = false;
    std::vector<OutsideSearch> searches;
    int moveNowCalls = 0;
    int abandonCalls = 0;
    int shownCalls = 0;

    bool startSearch(const OutsideSearch& s) override {
        if (refuseSearches) return false;
        searches.push_back(s);
        return true;
    }
    void moveNow() override { ++moveNowCalls; }
    void abandon() override { ++abandonCalls; }
    void moveShown() override { ++shownCalls; }
};

class OutsidePlayTest : public ::testing::Test {
protected:
    FakeOutsideEngine player;
    FakeOutsideEngine analyst;
    Game game;
    FakeShell shell{game};

    void SetUp() override {
        thinkingEngine().abandonAndWait();
        thinkingEngine().setLimits(DEPTH_2);
        game.setUseBook(false);
        game.setPonderEnabled(false);
        shell.radio[0] = MODE_ITEM_TWO_HUMANS;
        game.newGame();
        game.setOutsideEngines(&player, &analyst);
    }
    void TearDown() override {
        game.stopThinking();
        thinkingEngine().abandonAndWait();
    }
    // The engine answers, and the idle pass takes the answer.
    void answer(FakeOutsideEngine& from, PackedMove move) {
        game.onOutsideMoveFound(&from, move);
        game.idle();
    }
    bool builtInIdle() const { return thinkingEngine().state() == STATE_IDLE; }
    bool waitForBuiltInMove() {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!shell.animating) {
            if (std::chrono::steady_clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            thinkingEngine().pollEngine();
        }
        return true;
    }
};

TEST_F(OutsidePlayTest, AComputerMoveIsAskedOfThePlayerWithTheRecordAndLimits) {
    ASSERT_TRUE(game.tryUserMove(CENTRAL_CANNON));
    shell.clearLog();
    game.computerMove();
    ASSERT_EQ(player.searches.size(), 1u);
    EXPECT_TRUE(analyst.searches.empty());
    const OutsideSearch& s = player.searches[0];
    EXPECT_FALSE(s.analysis);
    EXPECT_EQ(s.startBoard, INITIAL_BOARD);
    EXPECT_EQ(s.startSide, SIDE_RED);
    ASSERT_EQ(s.moves.size(), 1u);
    EXPECT_EQ(s.moves[0], CENTRAL_CANNON);
    EXPECT_EQ(s.limits, DEPTH_2);
    EXPECT_EQ(game.thinkingStatus(), THINKING_MOVE);
    EXPECT_TRUE(builtInIdle());
    EXPECT_EQ(shell.count("busyCursor"), 1);
    EXPECT_EQ(shell.searchResultsCleared, 1);
}

TEST_F(OutsidePlayTest, TheAnswerIsPlayedSlidAndShownThroughTheEngine) {
    ASSERT_TRUE(game.tryUserMove(CENTRAL_CANNON));
    game.computerMove();
    const int builtInResults = shell.searchResultsShown;
    game.onOutsideMoveFound(&player, HORSE_REPLY);
    EXPECT_EQ(game.moveCount(), 1);  // the answer waits for the idle pass
    game.idle();
    EXPECT_EQ(game.moveCount(), 2);
    EXPECT_EQ(game.recordEntry(1)->move, HORSE_REPLY);
    EXPECT_EQ(game.thinkingStatus(), THINKING_IDLE);
    EXPECT_EQ(shell.animatedMove, HORSE_REPLY);
    shell.clearLog();
    shell.endAnimation();
    // The outside engine shows its own lines; the built-in engine's stale
    // result is not put in the situation window.
    EXPECT_EQ(player.shownCalls, 1);
    EXPECT_EQ(shell.searchResultsShown, builtInResults);
    EXPECT_TRUE(game.modified());
    EXPECT_EQ(shell.count("moveSound"), 1);
}

TEST_F(OutsidePlayTest, IllegalOrStrayAnswersNeverReachTheRecord) {
    game.computerMove();
    // From an engine that was not asked, and from the analyst: dropped.
    answer(analyst, CENTRAL_CANNON);
    EXPECT_EQ(game.moveCount(), 0);
    EXPECT_EQ(game.thinkingStatus(), THINKING_MOVE);
    // An illegal move from the asked engine: refused, nothing slides.
    answer(player, ROOK_THROUGH_CANNON);
    EXPECT_EQ(game.moveCount(), 0);
    EXPECT_EQ(game.board(), INITIAL_BOARD);
    EXPECT_FALSE(shell.animating);
    EXPECT_EQ(game.thinkingStatus(), THINKING_IDLE);
    // A late second answer of the same search is dropped as well.
    answer(player, CENTRAL_CANNON);
    EXPECT_EQ(game.moveCount(), 0);
}

TEST_F(OutsidePlayTest, MoveNowAndStopReachTheSearchingEngine) {
    game.computerMove();
    game.moveNow();
    EXPECT_EQ(player.moveNowCalls, 1);
    EXPECT_EQ(game.thinkingStatus(), THINKING_MOVE);  // until the answer comes
    answer(player, CENTRAL_CANNON);
    EXPECT_EQ(game.moveCount(), 1);
    shell.endAnimation();

    game.computerMove();
    game.stopThinking();
    EXPECT_EQ(player.abandonCalls, 1);
    EXPECT_EQ(game.thinkingStatus(), THINKING_IDLE);
    answer(player, HORSE_REPLY);  // the stopped search's answer
    EXPECT_EQ(game.moveCount(), 1);
}

TEST_F(OutsidePlayTest, AnalysisRunsOnTheAnalystUntilStopped) {
    game.analyse();
    ASSERT_EQ(analyst.searches.size(), 1u);
    EXPECT_TRUE(analyst.searches[0].analysis);
    EXPECT_TRUE(player.searches.empty());
    EXPECT_EQ(game.thinkingStatus(), THINKING_ANALYSIS);
    // No second analysis, no background thinking beside it.
    game.setPonderEnabled(true);
    game.analyse();
    game.idle();
    EXPECT_EQ(analyst.searches.size(), 1u);
    EXPECT_TRUE(builtInIdle());
    // An analysis never plays a move.
    answer(analyst, CENTRAL_CANNON);
    EXPECT_EQ(game.moveCount(), 0);
    // A new position ends it, as undo and record navigation stop thinking.
    game.stopThinking();
    EXPECT_EQ(analyst.abandonCalls, 1);
    EXPECT_EQ(game.thinkingStatus(), THINKING_IDLE);
}

TEST_F(OutsidePlayTest, DemoAndHumanAgainstComputerUseThePlayer) {
    shell.radio[0] = MODE_ITEM_DEMO;
    game.computerMove();
    answer(player, CENTRAL_CANNON);
    shell.endAnimation();
    game.idle();  // judges the position and goes on
    ASSERT_EQ(player.searches.size(), 2u);
    EXPECT_EQ(player.searches[1].moves.size(), 1u);
    answer(player, HORSE_REPLY);
    EXPECT_EQ(game.moveCount(), 2);
    shell.endAnimation();

    shell.radio[0] = MODE_ITEM_HUMAN_COMPUTER;
    shell.radio[1] = SIDE_ITEM_BLACK;
    game.idle();
    EXPECT_EQ(player.searches.size(), 2u);  // mode 1: the user's turn
}

TEST_F(OutsidePlayTest, AFailingPlayerHandsItsSearchToTheBuiltInEngine) {
    game.computerMove();
    game.onOutsideEngineFailed(&player);
    EXPECT_EQ(player.abandonCalls, 1);
    EXPECT_EQ(game.outsidePlayer(), nullptr);
    EXPECT_EQ(game.outsideAnalyst(), &analyst);
    EXPECT_EQ(game.thinkingStatus(), THINKING_MOVE);  // now the built-in engine's
    ASSERT_TRUE(waitForBuiltInMove());
    EXPECT_EQ(game.moveCount(), 1);
    shell.endAnimation();
    // A failing analyst while idle: dropped, nothing started.
    game.onOutsideEngineFailed(&analyst);
    EXPECT_EQ(game.outsideAnalyst(), nullptr);
    EXPECT_TRUE(builtInIdle());
    EXPECT_EQ(game.thinkingStatus(), THINKING_IDLE);
}

TEST_F(OutsidePlayTest, AnEngineThatCannotStartLeavesTheMoveToTheBuiltInEngine) {
    player.refuseSearches = true;
    game.computerMove();
    EXPECT_EQ(game.outsideSearching(), nullptr);
    EXPECT_EQ(game.thinkingStatus(), THINKING_MOVE);
    ASSERT_TRUE(waitForBuiltInMove());
    EXPECT_EQ(game.moveCount(), 1);
}

TEST_F(OutsidePlayTest, ReplacingTheSearchingEngineAbandonsItsSearch) {
    game.computerMove();
    FakeOutsideEngine other;
    game.setOutsideEngines(&player, &other);  // the player stays: its search too
    EXPECT_EQ(game.outsideSearching(), &player);
    game.setOutsideEngines(nullptr, &other);
    EXPECT_EQ(player.abandonCalls, 1);
    EXPECT_EQ(game.thinkingStatus(), THINKING_IDLE);
    game.setOutsideEngines(nullptr, nullptr);
}

}  // namespace
