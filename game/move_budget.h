// How long a side plans to think on its next move under a time control:
// a share of the base time left plus most of the increment or period,
// never more than can be spent before the flag with a safety reserve.
#pragma once

#include <cstdint>

#include "game/time_control.h"

struct MoveBudget {
    std::int64_t targetMs = 0;  // what the move should normally take
    std::int64_t maxMs = 0;     // never think longer than this
};

// The moves a sudden-death or increment control is planned to last: the
// share of the base time each move may take.
constexpr int PLANNED_MOVES_TO_GO = 30;
// What moving a piece costs besides thinking (the reply reaching the
// game, the board drawing it): kept off every budget.
constexpr std::int64_t MOVE_OVERHEAD_MS = 60;

// What the game keeps back from the time until the flag when it hands the
// engine its limit: a tenth of it, at least three overheads (the poll that
// stops the think may come late on a busy machine).
constexpr std::int64_t flagReserve(std::int64_t untilFlag) {
    return untilFlag / 10 > 3 * MOVE_OVERHEAD_MS ? untilFlag / 10 : 3 * MOVE_OVERHEAD_MS;
}

// For Unlimited, an empty budget (both 0): the per-move levels decide.
MoveBudget moveBudget(const TimeControl& control, const SideClock& clock);
