// The game under time controls, on a clock the test moves by hand: the flag
// falling ends the game (either colour, the draw when the winner has nothing
// to attack with), the clock stops while the game is not in play at the end
// of its record, and the computer's think gets its time from the clock.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/service.h"
#include "fake_shell_support.h"
#include "file_test_support.h"
#include "game/game.h"
#include "game/gbk.h"
#include "game/move_budget.h"

namespace {

std::int64_t fakeNow = 0;
std::int64_t fakeClock() { return fakeNow; }

constexpr PackedMove RED_HORSE_OUT = packMove(1, 0, 2, 2);
constexpr PackedMove BLACK_HORSE_OUT = packMove(1, 9, 2, 7);

constexpr TimeControl TEN_SECONDS{TimeControlKind::Sudden, 10'000, 0, 0, 0};
constexpr TimeControl PERIODS_ONLY{TimeControlKind::Byoyomi, 0, 0, 5'000, 0};

// Kings, a red rook on a1 and a black one on i10, each side with an advisor.
Board90 bareBoard(bool redRook, bool blackRook) {
    Board90 b;
    b.fill(NO_PIECE);
    b[boardIndex(4, 0)] = 0;
    b[boardIndex(4, 1)] = 1;
    b[boardIndex(3, 9)] = 7;
    b[boardIndex(4, 8)] = 8;
    if (redRook) b[boardIndex(0, 0)] = 4;
    if (blackRook) b[boardIndex(8, 9)] = 11;
    return b;
}

class GameClocksTest : public ::testing::Test {
protected:
    Game game;
    FakeShell shell{game};
    void SetUp() override {
        fakeNow = 1'000'000;
        game.setClockSource(fakeClock);
        shell.radio[0] = 1;  // two humans
        game.newGame();
        shell.clearLog();
    }
    void pass(std::int64_t ms) {
        game.idle();
        fakeNow += ms;
        game.idle();
    }
    std::int64_t redLeft() const { return game.clocks().reading(SIDE_RED, fakeNow).mainMs; }
};

struct FlagCase {
    const char* name;
    TimeControl control;
    bool fromBare;        // the bare board, with the rooks below
    bool redRook, blackRook;
    Side loser;
    bool lateMove;        // the loser's move arrives after its flag, before an idle pass
    GameResult result;
    const char* text;     // after the loser's name
};

constexpr FlagCase FLAG_CASES[] = {
    {"red runs out", TEN_SECONDS, false, false, false, SIDE_RED, false, RESULT_BLACK_WINS, GBK_TIME_LOSES},
    {"black runs out", TEN_SECONDS, false, false, false, SIDE_BLACK, false, RESULT_RED_WINS, GBK_TIME_LOSES},
    {"red's move comes late", TEN_SECONDS, false, false, false, SIDE_RED, true, RESULT_BLACK_WINS, GBK_TIME_LOSES},
    {"red runs out, black has nothing to attack with", TEN_SECONDS, true, true, false, SIDE_RED, false, RESULT_DRAW,
     GBK_TIME_DRAWN},
    {"black runs out, red has nothing to attack with", TEN_SECONDS, true, false, true, SIDE_BLACK, false, RESULT_DRAW,
     GBK_TIME_DRAWN},
    {"black runs out, red's rook wins", TEN_SECONDS, true, true, true, SIDE_BLACK, false, RESULT_RED_WINS,
     GBK_TIME_LOSES},
    {"black over its period", PERIODS_ONLY, false, false, false, SIDE_BLACK, false, RESULT_RED_WINS, GBK_TIME_LOSES},
};

TEST_F(GameClocksTest, FlagFallEndsTheGame) {
    for (const FlagCase& c : FLAG_CASES) {
        SCOPED_TRACE(c.name);
        game.setTimeControls(c.control, c.control);
        game.newGame();
        if (c.fromBare) {
            game.setBoard(bareBoard(c.redRook, c.blackRook), SIDE_RED);
            game.commitStartPosition();
        }
        shell.clearLog();
        if (c.loser == SIDE_BLACK) {
            pass(1'000);
            game.makeMove(c.fromBare && c.redRook ? packMove(0, 0, 0, 1) : c.fromBare ? packMove(4, 1, 5, 2)
                                                                                    : RED_HORSE_OUT);
        }
        pass(4'000);
        EXPECT_EQ(game.result(), RESULT_IN_PLAY) << "still in time";
        const int before = game.recordSize();
        if (c.lateMove) {
            fakeNow += 20'000;
            game.makeMove(RED_HORSE_OUT);
            game.idle();
        } else {
            pass(20'000);
        }
        EXPECT_EQ(game.result(), c.result);
        EXPECT_EQ(game.lastEnd().reason, EndReason::Time);
        EXPECT_EQ(game.recordSize(), before + (c.lateMove ? 1 : 0)) << "the late move stays in the record";
        ASSERT_EQ(shell.messages.size(), 1u);
        const std::string side = c.loser == SIDE_RED ? GBK_RED_SIDE : GBK_BLACK_SIDE;
        EXPECT_EQ(shell.messages[0], side + c.text + "|" + GBK_CAPTION_NOTICE);
        // Looking at the position again does not reopen a game lost on time.
        game.undo();
        game.redo();
        game.idle();
        EXPECT_EQ(game.result(), c.result);
    }
}

TEST_F(GameClocksTest, NewGameRestartsTheClocks) {
    game.setTimeControls(TEN_SECONDS, TEN_SECONDS);
    pass(30'000);
    ASSERT_EQ(game.result(), RESULT_BLACK_WINS);
    game.newGame();
    game.idle();
    EXPECT_EQ(game.result(), RESULT_IN_PLAY);
    EXPECT_EQ(redLeft(), 10'000);
}

// Each case stops the clock of the side to move and lets it go again.
struct PauseCase {
    const char* name;
    void (*stop)(Game&, FakeShell&);
    void (*go)(Game&, FakeShell&);
};

constexpr PauseCase PAUSE_CASES[] = {
    {"browsing back", [](Game& g, FakeShell&) { g.undo(); }, [](Game& g, FakeShell&) { g.redo(); }},
    {"a review holds the record", [](Game& g, FakeShell&) { g.lockRecord("review"); },
     [](Game& g, FakeShell&) { g.unlockRecord(); }},
    {"set-up is open", [](Game&, FakeShell& s) { s.setupOpen = true; }, [](Game&, FakeShell& s) { s.setupOpen = false; }},
    {"a move slides", [](Game&, FakeShell& s) { s.animating = true; }, [](Game&, FakeShell& s) { s.animating = false; }},
    {"a dialog of the program", [](Game& g, FakeShell&) { g.holdClocks(); }, [](Game&, FakeShell&) {}},
};

TEST_F(GameClocksTest, TheClockStopsWhileTheGameIsNotInPlayAtItsEnd) {
    for (const PauseCase& c : PAUSE_CASES) {
        SCOPED_TRACE(c.name);
        game.setTimeControls(TEN_SECONDS, TEN_SECONDS);
        game.newGame();
        game.makeMove(RED_HORSE_OUT);
        game.makeMove(BLACK_HORSE_OUT);  // no time passed: red's turn, 10 s
        pass(2'000);
        ASSERT_EQ(redLeft(), 8'000);
        c.stop(game, shell);
        if (c.stop != PAUSE_CASES[4].stop) game.idle();  // a held clock sees no idle pass until the dialog ends
        fakeNow += 60'000;
        if (c.stop != PAUSE_CASES[4].stop) game.idle();
        EXPECT_EQ(redLeft(), 8'000);
        EXPECT_EQ(game.result(), RESULT_IN_PLAY);
        c.go(game, shell);
        pass(1'000);
        EXPECT_EQ(redLeft(), 7'000) << "the clock runs again";
    }
}

TEST_F(GameClocksTest, TheMoveChargesTheMoverAndTheOtherClockRuns) {
    const TimeControl increment{TimeControlKind::Increment, 60'000, 2'000, 0, 0};
    game.setTimeControls(increment, increment);
    game.newGame();
    pass(5'000);
    game.makeMove(RED_HORSE_OUT);
    pass(3'000);
    EXPECT_EQ(game.clocks().clock(SIDE_RED).mainMs, 57'000);
    EXPECT_EQ(game.clocks().reading(SIDE_BLACK, fakeNow).mainMs, 57'000);
    EXPECT_EQ(game.clocks().leftAfter(0), 57'000);
}

// The built-in engine thinks as long as the clock's budget allows.
TEST_F(GameClocksTest, TheClockLimitReachesTheThink) {
    Engine& engine = thinkingEngine();
    const TimeControl increment{TimeControlKind::Increment, 60'000, 1'000, 0, 0};
    struct {
        const char* name;
        TimeControl control;
        std::int64_t thoughtBefore;  // the clock ran this long before the computer was asked
    } cases[] = {{"60+1 fresh", increment, 0}, {"10 s, 9.5 s gone", TEN_SECONDS, 9'500}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        game.setTimeControls(c.control, c.control);
        game.newGame();
        game.setUseBook(false);
        pass(c.thoughtBefore);
        game.computerMove();
        const MoveBudget budget = moveBudget(c.control, startClock(c.control));
        const std::int64_t untilFlag = c.control.baseMs - c.thoughtBefore;
        EXPECT_TRUE(engine.wallClockJob.load());
        EXPECT_EQ(engine.clockLimitMs, std::min(budget.maxMs, untilFlag - flagReserve(untilFlag)));
        EXPECT_LE(engine.clockLimitMs + 3 * MOVE_OVERHEAD_MS, untilFlag) << "never up to the flag";
        EXPECT_EQ(engine.timeLimitMs(), engine.clockLimitMs);
        game.stopThinking();
    }
    game.setTimeControls({}, {});
    game.newGame();
    game.computerMove();
    EXPECT_EQ(engine.clockLimitMs, -1) << "不限时: the level decides";
    EXPECT_FALSE(engine.wallClockJob.load());
    game.stopThinking();
}

// A timed game saved as PGN keeps its control and every mover's clock;
// opened again, the clocks leave the comments and the control is in the notes.
TEST_F(GameClocksTest, APgnSaveKeepsTheClocks) {
    const TimeControl increment{TimeControlKind::Increment, 60'000, 1'000, 0, 0};
    game.setTimeControls(increment, increment);
    game.newGame();
    pass(4'000);
    game.makeMove(RED_HORSE_OUT);
    pass(2'500);
    game.makeMove(BLACK_HORSE_OUT);
    TempDir dir;
    const std::string path = dir.file("timed.pgn");
    ASSERT_TRUE(game.saveFile(path));
    const Bytes bytes = readBytes(path);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("[TimeControl \"60+1\"]"), std::string::npos) << text;
    EXPECT_NE(text.find("{[%clk 0:00:57]}"), std::string::npos) << text;
    EXPECT_NE(text.find("{[%clk 0:00:58]}"), std::string::npos) << text;
    ASSERT_TRUE(game.openFile(path));
    EXPECT_TRUE(game.recordEntry(0)->comment.empty());
    EXPECT_TRUE(game.recordEntry(1)->comment.empty());
    EXPECT_NE(shell.info.notes.find(std::string(GBK_TIME_CONTROL_LABEL) + "60+1"), std::string::npos);
}

}  // namespace
