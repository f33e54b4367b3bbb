// Time controls of a game: what each side is given (包干, 加秒, 读秒,
// 步数限时, or no limit), the arithmetic of charging a move to a side's
// clock, and when its flag falls. All times are milliseconds measured by
// the program on a monotonic clock, never taken from an engine's report.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

enum class TimeControlKind : std::uint8_t {
    Unlimited = 0,    // 不限时: the computer's per-move levels decide
    Sudden = 1,       // 包干: one base time for the whole game
    Increment = 2,    // 加秒: base, and an increment after every move
    Byoyomi = 3,      // 读秒: base, then a period for each move, renewed each move
    MovesInTime = 4,  // 步数限时: so many moves in so much time, repeated
};

struct TimeControl {
    TimeControlKind kind = TimeControlKind::Unlimited;
    std::int64_t baseMs = 0;       // every kind but Unlimited; MovesInTime's time per stage
    std::int64_t incrementMs = 0;  // Increment
    std::int64_t periodMs = 0;     // Byoyomi
    int moves = 0;                 // MovesInTime: moves per stage

    bool unlimited() const { return kind == TimeControlKind::Unlimited; }
    // A control whose numbers make sense for its kind (base > 0, ...).
    bool valid() const;
    friend bool operator==(const TimeControl&, const TimeControl&) = default;
};

// One side's clock between moves.
struct SideClock {
    std::int64_t mainMs = 0;  // base time left (0 once a 读秒 side is in its periods)
    int movesToGo = 0;        // MovesInTime: moves left in this stage; 0 otherwise
    bool flagged = false;     // the side's time ran out

    friend bool operator==(const SideClock&, const SideClock&) = default;
};

SideClock startClock(const TimeControl& control);

// Charges a move that took spentMs. Answers false, and marks the clock
// flagged, when the move took longer than the side had: past the base time
// (包干, 加秒 before its increment, 步数限时 before the stage's end) or past
// the base time and one period (读秒). A flagged clock stays flagged.
bool chargeMove(const TimeControl& control, SideClock& clock, std::int64_t spentMs);

// What a clock shows while its side has spent thinkingMs on the move.
struct ClockReading {
    std::int64_t mainMs = 0;    // base time left, never below 0
    std::int64_t periodMs = 0;  // 读秒: the period left once the base is gone
    bool inPeriod = false;      // 读秒 and the base time is used up
    bool flagged = false;
};
ClockReading readClock(const TimeControl& control, const SideClock& clock, std::int64_t thinkingMs);

// How long the side may still think on this move before its flag falls
// (0 when flagged); for Unlimited, a very large number.
std::int64_t timeUntilFlag(const TimeControl& control, const SideClock& clock, std::int64_t thinkingMs);

// The stored form, a short text read back by parseTimeControl: "none",
// "sudden 600000", "increment 60000 1000", "byoyomi 600000 30000",
// "moves 40 5400000". Unknown or damaged text reads as nothing.
std::string timeControlText(const TimeControl& control);
std::optional<TimeControl> parseTimeControl(const std::string& text);

// The PGN TimeControl tag's value, in seconds: "-" (no limit), "600",
// "60+1", "40/5400"; 读秒 has no standard form and is written "600+30b"
// (read back the same way). A control that cannot be written exactly in
// whole seconds is written in seconds with decimals ("0.5+0.1").
std::string pgnTimeControl(const TimeControl& control);
std::optional<TimeControl> parsePgnTimeControl(const std::string& value);
