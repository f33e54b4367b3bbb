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

// For Unlimited, an empty budget (both 0): the per-move levels decide.
MoveBudget moveBudget(const TimeControl& control, const SideClock& clock);
