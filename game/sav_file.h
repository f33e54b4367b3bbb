// The game file proper (".sav"): a SectionFile of type 2 whose payload holds
// section 1 (start position), 2 (the game's texts) and 3 (the moves).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "game/game_document.h"

// A game file, its payload and the record text are at most 1 MB.
constexpr std::size_t GAME_FILE_LIMIT = 1'048'576;

struct SavFile {
    // The file bytes of doc. False when the game does not fit the limit;
    // out is then unchanged.
    static bool encode(const GameDocument& doc, std::vector<std::uint8_t>& out);

    // Reads a game file into doc: 0 read, 2 not a game (doc unchanged).
    // The game must be playable: see isPlayableDocument.
    static int decode(std::span<const std::uint8_t> file, GameDocument& doc);
};
