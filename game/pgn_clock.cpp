#include "game/pgn_clock.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr std::string_view COMMANDS[] = {"[%clk", "[%emt"};

// "h:mm:ss" with an optional fraction, or "mm:ss", as milliseconds.
std::optional<std::int64_t> parseClock(std::string_view text) {
    std::int64_t total = 0, part = 0, fraction = 0, scale = 1000;
    bool digits = false, inFraction = false;
    int colons = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            if (inFraction) {
                scale /= 10;
                fraction += (c - '0') * scale;
            } else {
                if (part > 1'000'000) return std::nullopt;
                part = part * 10 + (c - '0');
            }
            digits = true;
        } else if (c == ':' && !inFraction && digits && colons < 2) {
            total = (total + part) * 60;
            part = 0;
            digits = false;
            ++colons;
        } else if (c == '.' && !inFraction && digits) {
            inFraction = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits && !inFraction) return std::nullopt;
    return (total + part) * 1000 + fraction;
}

void trim(std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        s.clear();
        return;
    }
    s = s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::string clockCommand(std::int64_t ms) {
    const long long s = ms < 0 ? 0 : ms / 1000;
    char text[48];
    std::snprintf(text, sizeof text, "[%%clk %lld:%02lld:%02lld]", s / 3600, (s / 60) % 60, s % 60);
    return text;
}

std::optional<std::int64_t> takeClockCommands(std::string& comment) {
    std::optional<std::int64_t> clock;
    bool took = false;
    for (std::string_view command : COMMANDS) {
        for (std::size_t at = comment.find(command); at != std::string::npos; at = comment.find(command, at)) {
            const std::size_t end = comment.find(']', at);
            if (end == std::string::npos) break;
            std::string_view value(comment.data() + at + command.size(), end - at - command.size());
            while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
            while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
            if (command == COMMANDS[0]) clock = parseClock(value);
            comment.erase(at, end - at + 1);
            took = true;
        }
    }
    if (took) trim(comment);
    return clock;
}
