#include "game/move_budget.h"

#include <algorithm>

namespace {

// Kept back from the time until the flag: a twentieth of it, at least
// the overhead and never more than two seconds.
std::int64_t reserveOf(std::int64_t untilFlag) {
    return std::clamp<std::int64_t>(untilFlag / 20, MOVE_OVERHEAD_MS, 2000);
}

}  // namespace

MoveBudget moveBudget(const TimeControl& control, const SideClock& clock) {
    MoveBudget budget;
    if (control.unlimited()) return budget;
    const std::int64_t untilFlag = timeUntilFlag(control, clock, 0);
    const bool staged = control.kind == TimeControlKind::MovesInTime;
    const int movesToGo = staged ? std::max(clock.movesToGo, 1) : PLANNED_MOVES_TO_GO;
    // A stage's later moves each keep at least two overheads of its time.
    const std::int64_t keptForLater = staged ? (movesToGo - 1) * 2 * MOVE_OVERHEAD_MS : 0;
    const std::int64_t most = std::max<std::int64_t>(untilFlag - reserveOf(untilFlag) - keptForLater, 1);
    std::int64_t target = clock.mainMs / movesToGo;
    switch (control.kind) {
    case TimeControlKind::Increment: target += control.incrementMs * 3 / 4; break;
    case TimeControlKind::Byoyomi:
        // Each period is lost when not used, so a move in the periods takes
        // most of one; before them, the share of the base time and a part
        // of the period.
        target += clock.mainMs > 0 ? control.periodMs / 2 : control.periodMs * 4 / 5;
        break;
    default: break;
    }
    target = std::max<std::int64_t>(target - MOVE_OVERHEAD_MS, 1);
    budget.targetMs = std::min(target, most);
    budget.maxMs = std::min(std::max(target * 3, budget.targetMs), most);
    return budget;
}
