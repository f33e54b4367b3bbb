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

// The picture from both sides' controls and clocks, by Side, each side
// having spent thinking[side] on the move it is thinking about.
EngineClock describeClocks(const TimeControl (&controls)[2], const SideClock (&clocks)[2],
                           const std::int64_t (&thinking)[2], Side mover) {
    EngineClock out;
    const int own = mover & 1, other = own ^ 1;
    const TimeControl& control = controls[own];
    if (control.unlimited()) return out;
    out.timed = true;
    const ClockReading reading = readClock(control, clocks[own], thinking[own]);
    describeSide(control, reading, out, mover);
    if (controls[other].unlimited()) {
        // An opponent without a limit: shown the mover's own picture.
        out.timeMs[other] = out.timeMs[own];
        out.incrementMs[other] = out.incrementMs[own];
    } else {
        describeSide(controls[other], readClock(controls[other], clocks[other], thinking[other]), out,
                     static_cast<Side>(other));
    }
    if (control.kind == TimeControlKind::MovesInTime) out.movesToGo = std::max(clocks[own].movesToGo, 1);
    out.untilFlagMs = timeUntilFlag(control, clocks[own], thinking[own]);
    if (control.kind == TimeControlKind::Byoyomi && reading.inPeriod)
        out.moveTimeMs = std::max<std::int64_t>(reading.periodMs - PERIOD_MARGIN_MS, 1);
    return out;
}

}  // namespace

EngineClock engineClock(const GameClocks& clocks, Side mover, std::int64_t now) {
    const TimeControl controls[2] = {clocks.control(SIDE_BLACK), clocks.control(SIDE_RED)};
    const SideClock sides[2] = {clocks.clock(SIDE_BLACK), clocks.clock(SIDE_RED)};
    std::int64_t thinking[2] = {0, 0};
    thinking[clocks.turn() & 1] = clocks.spent(now);
    return describeClocks(controls, sides, thinking, mover);
}

EngineClock engineClock(const TimeControl (&controls)[2], const SideClock (&clocks)[2], Side mover) {
    constexpr std::int64_t NONE[2] = {0, 0};
    return describeClocks(controls, clocks, NONE, mover);
}
