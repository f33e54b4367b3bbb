// The clock commands of PGN comments: "[%clk 0:09:58]" after a move gives
// the time its mover had left. The writer puts one before the move's own
// comment; the reader takes them out of the comment text (with the
// "[%emt ...]" of the time a move took), so that players never see them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// "[%clk h:mm:ss]" of a time left in milliseconds (whole seconds, down).
std::string clockCommand(std::int64_t ms);

// Takes every clock command out of a comment and trims what is left;
// answers the time of the last "[%clk ...]", nothing when there was none
// or it was not a time.
std::optional<std::int64_t> takeClockCommands(std::string& comment);
