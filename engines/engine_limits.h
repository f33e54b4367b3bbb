// How long an outside engine may think about one move.
#pragma once

#include <QString>

#include "engine/think.h"
#include "game/engine_clock.h"

struct EngineLimits {
    int moveTimeMs = 0;  // 0: no time limit
    int depth = 0;       // 0: no depth limit
    // The game's clocks when it has a time control: the engine shares out
    // its own time (a fixed moveTimeMs, when set, comes first).
    EngineClock clock{};
    // None of them: the engine searches until stop() (an analysis).
    bool infinite() const { return moveTimeMs <= 0 && depth <= 0 && !clocked(); }
    bool clocked() const { return clock.timed && moveTimeMs <= 0; }

    // The limits of a level: the 2, 6 and 18 seconds of the fixed levels
    // and the custom level's depth and seconds, as SearchRequest holds them.
    static EngineLimits fromRequest(const SearchRequest& request);
    // The game's clocks in place of the level; a 读秒 move in its periods
    // becomes a fixed time.
    static EngineLimits fromClock(const EngineClock& clock);
};

// The protocol's "go" line for the limits, in milliseconds. UCI: "go
// movetime T", "go wtime W btime B winc I binc I [movestogo M]" (Red is
// UCI's white). UCCI: "go time T movestogo 1" for a fixed time, "go time T
// increment I opptime T2 oppincrement I2" or "go time T movestogo M
// opptime T2 oppmovestogo M" for clocks. The protocol counts UCCI times in
// seconds unless the engine took "usemillisec"; the client offers it that
// option, and the UCCI engines at hand without it (fairy-stockfish) read
// milliseconds, so milliseconds it is.
QString goCommandLine(const EngineLimits& limits, Side mover, bool uci);
