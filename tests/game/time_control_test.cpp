#include <gtest/gtest.h>

#include <vector>

#include "game/move_budget.h"
#include "game/time_control.h"

namespace {

TimeControl sudden(std::int64_t base) { return {TimeControlKind::Sudden, base, 0, 0, 0}; }
TimeControl increment(std::int64_t base, std::int64_t inc) { return {TimeControlKind::Increment, base, inc, 0, 0}; }
TimeControl byoyomi(std::int64_t base, std::int64_t period) { return {TimeControlKind::Byoyomi, base, 0, period, 0}; }
TimeControl stages(int moves, std::int64_t time) { return {TimeControlKind::MovesInTime, time, 0, 0, moves}; }

// A side plays moves taking the given times; the clock after them.
struct ClockCase {
    const char* name;
    TimeControl control;
    std::vector<std::int64_t> spent;
    std::int64_t mainAfter;
    int movesToGoAfter;
    bool flagged;
};

const ClockCase CLOCK_CASES[] = {
    {"sudden spends the base", sudden(10000), {3000, 4000}, 3000, 0, false},
    {"sudden: exactly the base is in time", sudden(10000), {10000}, 0, 0, false},
    {"sudden: a millisecond over flags", sudden(10000), {4000, 6001}, 0, 0, true},
    {"increment is added after the move", increment(60000, 1000), {5000, 5000}, 52000, 0, false},
    {"increment does not save a move over the base", increment(2000, 1000), {2500}, 0, 0, true},
    {"increment: spending the base then gaining it", increment(2000, 1000), {2000, 1000}, 1000, 0, false},
    {"byoyomi spends the base first", byoyomi(10000, 5000), {4000}, 6000, 0, false},
    {"byoyomi: a move past the base uses a period", byoyomi(10000, 5000), {12000}, 0, 0, false},
    {"byoyomi: the period is renewed each move", byoyomi(0, 5000), {5000, 5000, 4999}, 0, 0, false},
    {"byoyomi: over the period flags", byoyomi(10000, 5000), {8000, 7001}, 0, 0, true},
    {"moves in time: a stage's time comes back", stages(2, 10000), {3000, 3000}, 14000, 2, false},
    {"moves in time: unused time carries over", stages(3, 9000), {1000, 1000, 1000, 1000}, 14000, 2, false},
    {"moves in time: over the stage flags", stages(2, 10000), {6000, 4001}, 0, 1, true},
    {"a flagged clock stays flagged", sudden(1000), {1001, 0}, 0, 0, true},
};

TEST(TimeControlTest, ChargesEachKindAndFlags) {
    for (const ClockCase& c : CLOCK_CASES) {
        SideClock clock = startClock(c.control);
        bool inTime = true;
        for (std::int64_t ms : c.spent) inTime = chargeMove(c.control, clock, ms) && inTime;
        EXPECT_EQ(clock.mainMs, c.mainAfter) << c.name;
        EXPECT_EQ(clock.movesToGo, c.movesToGoAfter) << c.name;
        EXPECT_EQ(clock.flagged, c.flagged) << c.name;
        EXPECT_EQ(inTime, !c.flagged) << c.name;
    }
}

TEST(TimeControlTest, UnlimitedNeverFlags) {
    TimeControl none;
    SideClock clock = startClock(none);
    EXPECT_TRUE(chargeMove(none, clock, 100LL * 3600 * 1000));
    EXPECT_FALSE(readClock(none, clock, 1LL << 40).flagged);
}

struct ReadingCase {
    const char* name;
    TimeControl control;
    std::int64_t thinking;
    ClockReading expected;
};

const ReadingCase READING_CASES[] = {
    {"counting down the base", sudden(60000), 1500, {58500, 0, false, false}},
    {"the base gone: flag", sudden(60000), 60001, {0, 0, false, true}},
    {"byoyomi before the periods", byoyomi(10000, 30000), 4000, {6000, 30000, false, false}},
    {"byoyomi in the period", byoyomi(10000, 30000), 25000, {0, 15000, true, false}},
    {"byoyomi past the period", byoyomi(10000, 30000), 40001, {0, 0, true, true}},
};

TEST(TimeControlTest, ReadsARunningClock) {
    for (const ReadingCase& c : READING_CASES) {
        ClockReading r = readClock(c.control, startClock(c.control), c.thinking);
        EXPECT_EQ(r.mainMs, c.expected.mainMs) << c.name;
        EXPECT_EQ(r.periodMs, c.expected.periodMs) << c.name;
        EXPECT_EQ(r.inPeriod, c.expected.inPeriod) << c.name;
        EXPECT_EQ(r.flagged, c.expected.flagged) << c.name;
    }
}

struct TextCase {
    TimeControl control;
    const char* stored;
    const char* pgn;
};

const TextCase TEXT_CASES[] = {
    {TimeControl{}, "none", "-"},
    {sudden(600000), "sudden 600000", "600"},
    {increment(60000, 1000), "increment 60000 1000", "60+1"},
    {increment(500, 100), "increment 500 100", "0.5+0.1"},
    {byoyomi(600000, 30000), "byoyomi 600000 30000", "600+30b"},
    {stages(40, 5400000), "moves 40 5400000", "40/5400"},
};

TEST(TimeControlTest, StoredAndPgnFormsReadBack) {
    for (const TextCase& c : TEXT_CASES) {
        EXPECT_EQ(timeControlText(c.control), c.stored);
        EXPECT_EQ(pgnTimeControl(c.control), c.pgn);
        EXPECT_EQ(parseTimeControl(c.stored), c.control) << c.stored;
        EXPECT_EQ(parsePgnTimeControl(c.pgn), c.control) << c.pgn;
    }
}

TEST(TimeControlTest, DamagedTextsReadAsNothing) {
    for (const char* text : {"", "sudden", "sudden -5", "sudden 0", "increment 1000", "moves 0 1000",
                             "moves 40 1000 7", "hourglass 60000", "byoyomi 1000 0"})
        EXPECT_FALSE(parseTimeControl(text)) << text;
    for (const char* tag : {"", "+", "60+", "abc", "40/", "/300", "0", "1:2"})
        EXPECT_FALSE(parsePgnTimeControl(tag)) << tag;
    EXPECT_EQ(parsePgnTimeControl("40/5400:900"), stages(40, 5400000));
}

// Whatever the clock, the budget never reaches the flag, and a move
// played in the whole budget leaves the side in time.
TEST(MoveBudgetTest, NeverPlansPastTheFlag) {
    const TimeControl controls[] = {sudden(60000), increment(60000, 1000), byoyomi(0, 1000),
                                    byoyomi(5000, 10000), stages(1, 3000), stages(40, 60000)};
    for (const TimeControl& control : controls) {
        SideClock clock = startClock(control);
        for (int move = 0; move < 300 && !clock.flagged; ++move) {
            if (control.kind == TimeControlKind::Sudden && clock.mainMs < 200) break;  // sudden death runs out
            MoveBudget b = moveBudget(control, clock);
            ASSERT_GT(b.targetMs, 0) << timeControlText(control);
            ASSERT_LE(b.targetMs, b.maxMs);
            ASSERT_LT(b.maxMs + MOVE_OVERHEAD_MS, timeUntilFlag(control, clock, 0) + 1) << timeControlText(control);
            ASSERT_TRUE(chargeMove(control, clock, b.maxMs + MOVE_OVERHEAD_MS)) << timeControlText(control) << move;
        }
    }
}

struct BudgetCase {
    const char* name;
    TimeControl control;
    SideClock clock;
    std::int64_t target;
};

const BudgetCase BUDGET_CASES[] = {
    {"a thirtieth of the base and most of the increment", increment(60000, 1000), {60000, 0, false}, 2690},
    {"sudden death: a thirtieth", sudden(300000), {300000, 0, false}, 9940},
    {"in the periods: most of one", byoyomi(0, 10000), {0, 0, false}, 7940},
    {"the stage's last move may take its time", stages(40, 60000), {3000, 1, false}, 2850},
};

TEST(MoveBudgetTest, SharesOfTheTimeLeft) {
    for (const BudgetCase& c : BUDGET_CASES) EXPECT_EQ(moveBudget(c.control, c.clock).targetMs, c.target) << c.name;
    EXPECT_EQ(moveBudget(TimeControl{}, SideClock{}).maxMs, 0);
}

}  // namespace
