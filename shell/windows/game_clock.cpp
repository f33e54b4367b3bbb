#include "shell/windows/game_clock.h"

#include "shell/platform/shown_text.h"

#include <cstdio>

std::int64_t clockReading(std::int64_t now) { return now == 0 ? 1 : now; }

void GameClock::reset(std::int64_t now) {
    now = clockReading(now);
    running = false;
    redStart = redPausedAt = blackStart = blackPausedAt = now;
}

void GameClock::restart(std::int64_t now) {
    reset(now);
    running = true;
}

void GameClock::stop(std::int64_t now) {
    pause(now);
    running = false;
}

void GameClock::pause(std::int64_t now) {
    now = clockReading(now);
    if (redPausedAt == 0) redPausedAt = now;
    if (blackPausedAt == 0) blackPausedAt = now;
}

void GameClock::tick(Side sideToMove, std::int64_t now) {
    now = clockReading(now);
    if (sideToMove == SIDE_RED) {
        if (redPausedAt == 0) return;
        redStart += now - redPausedAt;
        redPausedAt = 0;
        if (blackPausedAt == 0) blackPausedAt = now;
    } else {
        if (blackPausedAt == 0) return;
        blackStart += now - blackPausedAt;
        blackPausedAt = 0;
        if (redPausedAt == 0) redPausedAt = now;
    }
}

std::int64_t GameClock::redElapsed(std::int64_t now) const {
    return (redPausedAt != 0 ? redPausedAt : clockReading(now)) - redStart;
}

std::int64_t GameClock::blackElapsed(std::int64_t now) const {
    return (blackPausedAt != 0 ? blackPausedAt : clockReading(now)) - blackStart;
}

std::string formatClock(std::int64_t elapsed) {
    const long long hours = elapsed / 3600000;
    const long long minutes = (elapsed / 60000) % 60;
    const long long seconds = (elapsed / 1000) % 60;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", hours, minutes, seconds);
    return text;
}

std::string formatRemaining(const ClockReading& reading) {
    // A started second counts as left: the flag falls when 0:00 shows.
    const auto upward = [](std::int64_t ms) { return (ms + 999) / 1000; };
    char text[48];
    if (reading.inPeriod) {
        const long long s = upward(reading.periodMs);
        std::snprintf(text, sizeof text, " %lld:%02lld", s / 60, s % 60);
        return shownText(QT_TRANSLATE_NOOP("Texts", "读秒")).toStdString() + text;
    }
    const long long s = upward(reading.mainMs);
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, (s / 60) % 60, s % 60);
    return text;
}
