// The two game clocks of the clock window, kept whether or not the window
// is open. Readings are milliseconds of a monotonic clock; a paused-at
// reading of 0 means that side's clock runs.
#pragma once

#include <cstdint>
#include <string>

#include "engine/types.h"
#include "game/time_control.h"

struct GameClock {
    bool running = false;
    std::int64_t redStart = 0;
    std::int64_t redPausedAt = 0;
    std::int64_t blackStart = 0;
    std::int64_t blackPausedAt = 0;

    // Both clocks at zero and stopped.
    void reset(std::int64_t now);
    // Reset, then running; the side to move's clock starts at the next tick.
    void restart(std::int64_t now);
    void stop(std::int64_t now);
    // Both clocks stand, still running: the next tick goes on from here.
    void pause(std::int64_t now);
    void resume() { running = true; }
    // Runs the clock of the side to move and stops the other one.
    void tick(Side sideToMove, std::int64_t now);

    std::int64_t redElapsed(std::int64_t now) const;
    std::int64_t blackElapsed(std::int64_t now) const;
};

// A reading as the clock takes it: never 0, which stands for "runs".
std::int64_t clockReading(std::int64_t now);

// "hh:mm:ss" of elapsed milliseconds; the hours take more digits past 99.
std::string formatClock(std::int64_t elapsed);

// A clock under a time control: the base time left ("0:09:58"), or in the
// 读秒 periods the period left ("读秒 0:25"), UTF-8.
std::string formatRemaining(const ClockReading& reading);
