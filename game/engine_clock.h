// What an engine outside the program is told of the game's clocks before
// it thinks about a move: both sides' time left and increments, the moves
// to the next time control, and how long it has before its flag falls.
#pragma once

#include <cstdint>

#include "engine/types.h"
#include "game/game_clocks.h"

struct EngineClock {
    bool timed = false;                    // the mover plays under a time control
    std::int64_t timeMs[2] = {0, 0};       // by Side: the time to share out
    std::int64_t incrementMs[2] = {0, 0};  // by Side: what each move adds back
    int movesToGo = 0;                     // the mover's moves to the next control, 0 none
    std::int64_t moveTimeMs = 0;           // > 0: a fixed time for this move (读秒 in its periods)
    std::int64_t untilFlagMs = 0;          // the mover's time before its flag falls
};

// Kept off a 读秒 period when the move is given the period as a fixed time.
constexpr std::int64_t PERIOD_MARGIN_MS = 500;

// The clocks as an outside engine sees them, mover to move, at time now.
// 读秒 before the periods: the base time left and one period, with the
// period as the increment (every later move gets one); in the periods: a
// fixed time of the period left less the margin.
EngineClock engineClock(const GameClocks& clocks, Side mover, std::int64_t now);

// The same picture from two clocks between moves, the mover about to
// think: for a caller that keeps its own clocks (a match's games).
EngineClock engineClock(const TimeControl (&controls)[2], const SideClock (&clocks)[2], Side mover);
