// How long an outside engine may think about one move.
#pragma once

#include "engine/think.h"

struct EngineLimits {
    int moveTimeMs = 0;  // 0: no time limit
    int depth = 0;       // 0: no depth limit
    // Neither set: the engine searches until stop() (an analysis).
    bool infinite() const { return moveTimeMs <= 0 && depth <= 0; }

    // The limits of a level: the 2, 6 and 18 seconds of the fixed levels
    // and the custom level's depth and seconds, as SearchRequest holds them.
    static EngineLimits fromRequest(const SearchRequest& request);
};
