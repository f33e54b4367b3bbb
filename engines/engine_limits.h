// How long an outside engine may think about one move.
#pragma once

#include "engine/think.h"

#include <cstdint>

// Both sides' clocks, for an engine that keeps its own time (a match
// under a clock): the engine is told what is left and plans its moves.
struct EngineClock {
    std::int64_t timeMs[2] = {-1, -1};  // by Side; -1: no clock
    std::int64_t incrementMs[2] = {0, 0};
    std::int64_t periodMs = 0;  // 读秒: every move's period once the base is gone
    int movesToGo = 0;          // 0: the rest of the game
    bool set() const { return timeMs[0] >= 0 || timeMs[1] >= 0; }
};

struct EngineLimits {
    int moveTimeMs = 0;  // 0: no time limit
    int depth = 0;       // 0: no depth limit
    EngineClock clock;   // when set, the engine plans its time from it
    // None set: the engine searches until stop() (an analysis).
    bool infinite() const { return moveTimeMs <= 0 && depth <= 0 && !clock.set(); }

    // The limits of a level: the 2, 6 and 18 seconds of the fixed levels
    // and the custom level's depth and seconds, as SearchRequest holds them.
    static EngineLimits fromRequest(const SearchRequest& request);
};
