// The "go" line an outside engine gets from the game's clocks: UCI and
// UCCI for every kind of time control.
#include <gtest/gtest.h>

#include "engines/engine_limits.h"
#include "game/engine_clock.h"

namespace {

constexpr TimeControl SUDDEN{TimeControlKind::Sudden, 600'000, 0, 0, 0};
constexpr TimeControl INCREMENT{TimeControlKind::Increment, 60'000, 1'000, 0, 0};
constexpr TimeControl BYOYOMI{TimeControlKind::Byoyomi, 600'000, 0, 30'000, 0};
constexpr TimeControl PERIODS{TimeControlKind::Byoyomi, 0, 0, 30'000, 0};
constexpr TimeControl STAGES{TimeControlKind::MovesInTime, 5'400'000, 0, 0, 40};

struct GoCase {
    const char* name;
    TimeControl red, black;
    std::int64_t redSpent;  // red's first move took this long; black then thinks
    std::int64_t thinking;  // the mover has thought this long already
    bool uci;
    const char* line;
};

constexpr GoCase GO_CASES[] = {
    {"UCI increment", INCREMENT, INCREMENT, -1, 0, true, "go wtime 60000 btime 60000 winc 1000 binc 1000"},
    {"UCI sudden, red thought 5 s", SUDDEN, SUDDEN, -1, 5'000, true, "go wtime 595000 btime 600000 winc 0 binc 0"},
    {"UCI black after red's 4 s", INCREMENT, INCREMENT, 4'000, 0, true,
     "go wtime 57000 btime 60000 winc 1000 binc 1000"},
    {"UCI moves in time", STAGES, STAGES, -1, 0, true,
     "go wtime 5400000 btime 5400000 winc 0 binc 0 movestogo 40"},
    {"UCI 读秒 before the periods", BYOYOMI, BYOYOMI, -1, 0, true,
     "go wtime 630000 btime 630000 winc 30000 binc 30000"},
    {"UCI 读秒 in the periods", PERIODS, PERIODS, -1, 10'000, true, "go movetime 19500"},
    {"UCI handicap, black unlimited", INCREMENT, {}, -1, 0, true, "go wtime 60000 btime 60000 winc 1000 binc 1000"},
    {"UCCI increment", INCREMENT, INCREMENT, -1, 0, false,
     "go time 60000 increment 1000 opptime 60000 oppincrement 1000"},
    {"UCCI black, its own time first", SUDDEN, INCREMENT, 4'000, 0, false,
     "go time 60000 increment 1000 opptime 596000 oppincrement 0"},
    {"UCCI moves in time", STAGES, STAGES, -1, 0, false,
     "go time 5400000 movestogo 40 opptime 5400000 oppmovestogo 40"},
    {"UCCI 读秒 in the periods", PERIODS, PERIODS, -1, 0, false, "go time 29500 movestogo 1"},
};

TEST(EngineGoLine, FromTheGameClocks) {
    for (const GoCase& c : GO_CASES) {
        GameClocks clocks;
        clocks.setControl(SIDE_RED, c.red);
        clocks.setControl(SIDE_BLACK, c.black);
        clocks.restart(SIDE_RED);
        std::int64_t now = 1000;
        clocks.setRunning(true, now);
        Side mover = SIDE_RED;
        if (c.redSpent >= 0) {
            now += c.redSpent;
            clocks.moveMade(SIDE_RED, 0, now);
            mover = SIDE_BLACK;
        }
        now += c.thinking;
        const EngineClock clock = engineClock(clocks, mover, now);
        ASSERT_TRUE(clock.timed) << c.name;
        EXPECT_EQ(clock.untilFlagMs, clocks.untilFlag(now)) << c.name;
        const EngineLimits limits = EngineLimits::fromClock(clock);
        EXPECT_EQ(goCommandLine(limits, mover, c.uci).toStdString(), c.line) << c.name;
    }
}

TEST(EngineGoLine, WithoutAControlTheLevelDecides) {
    GameClocks clocks;
    clocks.restart(SIDE_RED);
    EXPECT_FALSE(engineClock(clocks, SIDE_RED, 0).timed);
    const EngineLimits level = EngineLimits::fromRequest({LIMIT_TIME, 0, 2});
    EXPECT_EQ(goCommandLine(level, SIDE_RED, true).toStdString(), "go movetime 2000");
    EXPECT_EQ(goCommandLine(level, SIDE_RED, false).toStdString(), "go time 2000 movestogo 1");
    EXPECT_EQ(goCommandLine(EngineLimits{}, SIDE_RED, true).toStdString(), "go infinite");
}

}  // namespace
