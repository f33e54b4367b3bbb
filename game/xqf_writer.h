// Writing XQF records, so that a game goes back to the record-keeping
// programs it may have come from: version 0x0A, the last one without keys,
// which every program that reads XQF reads. The whole tree is written with
// every comment; the game's notes become the comment on the start position,
// Red, Black, date and site the header's texts (each cut to the 15 bytes the
// header has room for), the result its result byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/file_access.h"
#include "game/game_document.h"

inline constexpr std::uint8_t XQF_WRITTEN_VERSION = 0x0A;

// The file's bytes; false when the start position has more pieces of a kind
// than the header has slots for (set-up never allows that).
bool encodeXqf(const GameDocument& doc, std::vector<std::uint8_t>& bytes);

// Writes encodeXqf(doc) to path with the atomic replacement of the other
// saves; false when it could not be written (the old file is then as it was).
bool writeXqf(const std::string& path, const GameDocument& doc, const WriteFunction& write = {});
