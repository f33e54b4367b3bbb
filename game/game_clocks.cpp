#include "game/game_clocks.h"

#include <chrono>

std::int64_t steadyMillis() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void GameClocks::setControl(Side side, const TimeControl& control) {
    controls_[side & 1] = control.valid() ? control : TimeControl{};
}

void GameClocks::restart(Side toMove) {
    for (int s = 0; s < 2; ++s) clocks_[s] = startClock(controls_[s]);
    turn_ = toMove;
    spentBefore_ = 0;
    runningSince_ = -1;
    leftAfter_.clear();
}

void GameClocks::setRunning(bool run, std::int64_t now) {
    if (run == running()) return;
    if (run) {
        runningSince_ = now;
        return;
    }
    spentBefore_ = spent(now);
    runningSince_ = -1;
}

std::int64_t GameClocks::spent(std::int64_t now) const {
    return spentBefore_ + (running() && now > runningSince_ ? now - runningSince_ : 0);
}

ClockReading GameClocks::reading(Side side, std::int64_t now) const {
    return readClock(control(side), clock(side), side == turn_ ? spent(now) : 0);
}

std::int64_t GameClocks::untilFlag(std::int64_t now) const {
    return timeUntilFlag(control(turn_), clock(turn_), spent(now));
}

bool GameClocks::flagFell(std::int64_t now) const {
    if (control(turn_).unlimited()) return false;
    return clock(turn_).flagged || untilFlag(now) <= 0;
}

bool GameClocks::moveMade(Side mover, int ply, std::int64_t now) {
    const bool wasRunning = running();
    const std::int64_t used = mover == turn_ ? spent(now) : 0;
    SideClock& c = clocks_[mover & 1];
    const bool inTime = control(mover).unlimited() || chargeMove(control(mover), c, used);
    if (ply >= 0) {
        leftAfter_.resize(static_cast<std::size_t>(ply), -1);
        leftAfter_.push_back(control(mover).unlimited() ? -1 : c.mainMs);
    }
    turn_ = mover == SIDE_RED ? SIDE_BLACK : SIDE_RED;
    spentBefore_ = 0;
    runningSince_ = wasRunning ? now : -1;
    return inTime;
}

std::int64_t GameClocks::leftAfter(int ply) const {
    if (ply < 0 || ply >= static_cast<int>(leftAfter_.size())) return -1;
    return leftAfter_[static_cast<std::size_t>(ply)];
}
