#include "game/engine_clock.h"

#include <algorithm>

namespace {

// One side's share of the picture: its time left and its increment.
void describeSide(const TimeControl& control, const ClockReading& reading, EngineClock& out, Side side) {
    std::int64_t& time = out.timeMs[side & 1];
    std::int64_t& increment = out.incrementMs[side & 1];
    time = reading.mainMs;
    switch (control.kind) {
    case TimeControlKind::Increment: increment = control.incrementMs; break;
    case TimeControlKind::Byoyomi:
        time = reading.inPeriod ? reading.periodMs : reading.mainMs + control.periodMs;
        increment = control.periodMs;
        break;
    default: break;
    }
}

}  // namespace

EngineClock engineClock(const GameClocks& clocks, Side mover, std::int64_t now) {
    EngineClock out;
    const TimeControl& own = clocks.control(mover);
    if (own.unlimited()) return out;
    out.timed = true;
    const ClockReading reading = clocks.reading(mover, now);
    describeSide(own, reading, out, mover);
    const Side other = mover == SIDE_RED ? SIDE_BLACK : SIDE_RED;
    if (clocks.control(other).unlimited()) {
        // An opponent without a limit: shown the mover's own picture.
        out.timeMs[other & 1] = out.timeMs[mover & 1];
        out.incrementMs[other & 1] = out.incrementMs[mover & 1];
    } else {
        describeSide(clocks.control(other), clocks.reading(other, now), out, other);
    }
    if (own.kind == TimeControlKind::MovesInTime) out.movesToGo = std::max(clocks.clock(mover).movesToGo, 1);
    out.untilFlagMs = mover == clocks.turn() ? clocks.untilFlag(now) : timeUntilFlag(own, clocks.clock(mover), 0);
    if (own.kind == TimeControlKind::Byoyomi && reading.inPeriod)
        out.moveTimeMs = std::max<std::int64_t>(reading.periodMs - PERIOD_MARGIN_MS, 1);
    return out;
}

EngineClock engineClock(const TimeControl (&controls)[2], const SideClock (&clocks)[2], Side mover) {
    EngineClock out;
    const TimeControl& own = controls[mover & 1];
    if (own.unlimited()) return out;
    out.timed = true;
    const ClockReading reading = readClock(own, clocks[mover & 1], 0);
    describeSide(own, reading, out, mover);
    const Side other = mover == SIDE_RED ? SIDE_BLACK : SIDE_RED;
    if (controls[other & 1].unlimited()) {
        out.timeMs[other & 1] = out.timeMs[mover & 1];
        out.incrementMs[other & 1] = out.incrementMs[mover & 1];
    } else {
        describeSide(controls[other & 1], readClock(controls[other & 1], clocks[other & 1], 0), out, other);
    }
    if (own.kind == TimeControlKind::MovesInTime) out.movesToGo = std::max(clocks[mover & 1].movesToGo, 1);
    out.untilFlagMs = timeUntilFlag(own, clocks[mover & 1], 0);
    if (own.kind == TimeControlKind::Byoyomi && reading.inPeriod)
        out.moveTimeMs = std::max<std::int64_t>(reading.periodMs - PERIOD_MARGIN_MS, 1);
    return out;
}
