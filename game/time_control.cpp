#include "game/time_control.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <sstream>

namespace {

constexpr std::int64_t NO_FLAG = std::numeric_limits<std::int64_t>::max() / 4;

struct KindName {
    TimeControlKind kind;
    const char* name;
};
constexpr KindName KIND_NAMES[] = {
    {TimeControlKind::Unlimited, "none"},        {TimeControlKind::Sudden, "sudden"},
    {TimeControlKind::Increment, "increment"},   {TimeControlKind::Byoyomi, "byoyomi"},
    {TimeControlKind::MovesInTime, "moves"},
};

// A number of seconds as the PGN tag writes it: whole where it is whole.
std::string seconds(std::int64_t ms) {
    if (ms % 1000 == 0) return std::to_string(ms / 1000);
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(ms) / 1000.0);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    return s;
}

// Seconds, whole or with up to three decimals, as milliseconds.
std::optional<std::int64_t> parseSeconds(const std::string& text) {
    if (text.empty() || text.size() > 12) return std::nullopt;
    std::int64_t whole = 0, fraction = 0;
    int digits = 0;
    bool point = false;
    for (char c : text) {
        if (c == '.' && !point) { point = true; continue; }
        if (c < '0' || c > '9') return std::nullopt;
        if (!point) whole = whole * 10 + (c - '0');
        else if (digits < 3) { fraction = fraction * 10 + (c - '0'); ++digits; }
    }
    while (digits < 3) { fraction *= 10; ++digits; }
    return whole * 1000 + fraction;
}

}  // namespace

bool TimeControl::valid() const {
    constexpr std::int64_t MAX_MS = 100LL * 3600 * 1000;  // a hundred hours
    auto inRange = [](std::int64_t ms) { return ms >= 0 && ms <= MAX_MS; };
    switch (kind) {
    case TimeControlKind::Unlimited: return true;
    case TimeControlKind::Sudden: return baseMs > 0 && inRange(baseMs);
    case TimeControlKind::Increment: return baseMs > 0 && inRange(baseMs) && inRange(incrementMs);
    case TimeControlKind::Byoyomi: return inRange(baseMs) && periodMs > 0 && inRange(periodMs);
    case TimeControlKind::MovesInTime: return baseMs > 0 && inRange(baseMs) && moves > 0 && moves <= 1000;
    }
    return false;
}

SideClock startClock(const TimeControl& control) {
    SideClock clock;
    clock.mainMs = control.unlimited() ? 0 : control.baseMs;
    clock.movesToGo = control.kind == TimeControlKind::MovesInTime ? control.moves : 0;
    return clock;
}

bool chargeMove(const TimeControl& control, SideClock& clock, std::int64_t spentMs) {
    if (control.unlimited()) return true;
    if (clock.flagged) return false;
    if (spentMs < 0) spentMs = 0;
    if (spentMs > timeUntilFlag(control, clock, 0)) {
        clock.flagged = true;
        clock.mainMs = 0;
        return false;
    }
    clock.mainMs = spentMs >= clock.mainMs ? 0 : clock.mainMs - spentMs;
    switch (control.kind) {
    case TimeControlKind::Increment: clock.mainMs += control.incrementMs; break;
    case TimeControlKind::MovesInTime:
        if (--clock.movesToGo <= 0) {
            clock.mainMs += control.baseMs;
            clock.movesToGo = control.moves;
        }
        break;
    default: break;
    }
    return true;
}

std::int64_t timeUntilFlag(const TimeControl& control, const SideClock& clock, std::int64_t thinkingMs) {
    if (control.unlimited()) return NO_FLAG;
    if (clock.flagged) return 0;
    std::int64_t allowed = clock.mainMs;
    if (control.kind == TimeControlKind::Byoyomi) allowed += control.periodMs;
    return allowed > thinkingMs ? allowed - thinkingMs : 0;
}

ClockReading readClock(const TimeControl& control, const SideClock& clock, std::int64_t thinkingMs) {
    ClockReading reading;
    if (control.unlimited()) return reading;
    reading.flagged = clock.flagged || timeUntilFlag(control, clock, thinkingMs) == 0;
    if (thinkingMs < 0) thinkingMs = 0;
    reading.mainMs = clock.mainMs > thinkingMs ? clock.mainMs - thinkingMs : 0;
    if (control.kind == TimeControlKind::Byoyomi && !clock.flagged) {
        reading.inPeriod = reading.mainMs == 0;
        std::int64_t overflow = thinkingMs > clock.mainMs ? thinkingMs - clock.mainMs : 0;
        reading.periodMs = overflow < control.periodMs ? control.periodMs - overflow : 0;
    }
    return reading;
}

std::string timeControlText(const TimeControl& c) {
    std::string text = "none";
    for (const KindName& k : KIND_NAMES)
        if (k.kind == c.kind) text = k.name;
    switch (c.kind) {
    case TimeControlKind::Unlimited: break;
    case TimeControlKind::Sudden: text += " " + std::to_string(c.baseMs); break;
    case TimeControlKind::Increment:
        text += " " + std::to_string(c.baseMs) + " " + std::to_string(c.incrementMs);
        break;
    case TimeControlKind::Byoyomi: text += " " + std::to_string(c.baseMs) + " " + std::to_string(c.periodMs); break;
    case TimeControlKind::MovesInTime: text += " " + std::to_string(c.moves) + " " + std::to_string(c.baseMs); break;
    }
    return text;
}

std::optional<TimeControl> parseTimeControl(const std::string& text) {
    std::istringstream in(text);
    std::string name;
    in >> name;
    TimeControl c;
    bool known = false;
    for (const KindName& k : KIND_NAMES)
        if (name == k.name) { c.kind = k.kind; known = true; }
    if (!known) return std::nullopt;
    std::int64_t a = 0, b = 0;
    switch (c.kind) {
    case TimeControlKind::Unlimited: break;
    case TimeControlKind::Sudden:
        if (!(in >> a)) return std::nullopt;
        c.baseMs = a;
        break;
    case TimeControlKind::Increment:
        if (!(in >> a >> b)) return std::nullopt;
        c.baseMs = a, c.incrementMs = b;
        break;
    case TimeControlKind::Byoyomi:
        if (!(in >> a >> b)) return std::nullopt;
        c.baseMs = a, c.periodMs = b;
        break;
    case TimeControlKind::MovesInTime:
        if (!(in >> a >> b) || a > 1000) return std::nullopt;
        c.moves = static_cast<int>(a), c.baseMs = b;
        break;
    }
    std::string rest;
    if (in >> rest) return std::nullopt;
    if (!c.valid()) return std::nullopt;
    return c;
}

std::string pgnTimeControl(const TimeControl& c) {
    switch (c.kind) {
    case TimeControlKind::Unlimited: return "-";
    case TimeControlKind::Sudden: return seconds(c.baseMs);
    case TimeControlKind::Increment: return seconds(c.baseMs) + "+" + seconds(c.incrementMs);
    case TimeControlKind::Byoyomi: return seconds(c.baseMs) + "+" + seconds(c.periodMs) + "b";
    case TimeControlKind::MovesInTime: return std::to_string(c.moves) + "/" + seconds(c.baseMs);
    }
    return "-";
}

std::optional<TimeControl> parsePgnTimeControl(const std::string& value) {
    TimeControl c;
    if (value == "-") return c;
    std::size_t slash = value.find('/');
    std::size_t plus = value.find('+');
    if (slash != std::string::npos) {
        // Only the first stage of a multi-stage tag ("40/5400:900") is kept.
        std::string first = value.substr(0, value.find(':'));
        int moves = 0;
        auto [end, error] = std::from_chars(first.data(), first.data() + slash, moves);
        auto base = parseSeconds(first.substr(slash + 1));
        if (error != std::errc() || end != first.data() + slash || !base) return std::nullopt;
        c.kind = TimeControlKind::MovesInTime, c.moves = moves, c.baseMs = *base;
    } else if (plus != std::string::npos) {
        std::string second = value.substr(plus + 1);
        bool byoyomi = !second.empty() && second.back() == 'b';
        if (byoyomi) second.pop_back();
        auto base = parseSeconds(value.substr(0, plus));
        auto extra = parseSeconds(second);
        if (!base || !extra) return std::nullopt;
        c.kind = byoyomi ? TimeControlKind::Byoyomi : TimeControlKind::Increment;
        c.baseMs = *base;
        (byoyomi ? c.periodMs : c.incrementMs) = *extra;
    } else {
        auto base = parseSeconds(value);
        if (!base) return std::nullopt;
        c.kind = TimeControlKind::Sudden, c.baseMs = *base;
    }
    if (!c.valid()) return std::nullopt;
    return c;
}
