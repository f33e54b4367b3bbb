// The two clocks of a game under time controls: each side's control and
// clock between moves, whose turn it is, the time spent on the move being
// thought about, and the time each mover had left after its move. Times are
// milliseconds of a monotonic clock that the game reads and hands in, so
// that the clocks themselves never look at a watch.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/types.h"
#include "game/time_control.h"

// The program's monotonic clock in milliseconds.
std::int64_t steadyMillis();

class GameClocks {
public:
    void setControl(Side side, const TimeControl& control);
    const TimeControl& control(Side side) const { return controls_[side & 1]; }
    // Either side plays under a time control.
    bool limited() const { return !controls_[0].unlimited() || !controls_[1].unlimited(); }

    // Fresh clocks, toMove's turn, stopped.
    void restart(Side toMove);
    // Runs or stops the clock of the side whose turn it is.
    void setRunning(bool run, std::int64_t now);
    bool running() const { return runningSince_ >= 0; }
    Side turn() const { return turn_; }
    // The time spent on the move being thought about.
    std::int64_t spent(std::int64_t now) const;
    const SideClock& clock(Side side) const { return clocks_[side & 1]; }
    // What the side's clock shows now.
    ClockReading reading(Side side, std::int64_t now) const;
    // How long the side whose turn it is may still think before its flag falls.
    std::int64_t untilFlag(std::int64_t now) const;
    // The flag of the side whose turn it is has fallen (never without a control).
    bool flagFell(std::int64_t now) const;

    // mover played ply number ply (0 the first move of the record): its
    // time on the move is charged (none when it was not mover's turn) and
    // the other side's turn begins, its clock running as this one ran.
    // False when the mover's flag fell on the move.
    bool moveMade(Side mover, int ply, std::int64_t now);
    // The main time the mover of ply had left after it; -1 when unknown.
    std::int64_t leftAfter(int ply) const;

private:
    TimeControl controls_[2];
    SideClock clocks_[2];
    Side turn_ = SIDE_RED;
    std::int64_t spentBefore_ = 0;   // of this turn, up to the last stop
    std::int64_t runningSince_ = -1;  // -1: stopped
    std::vector<std::int64_t> leftAfter_;
};

// The end-of-game message when loser's flag fell (GBK): "红方超时，判负",
// or the draw when the other side has nothing left to attack with.
std::string timeEndText(Side loser, bool drawn);
