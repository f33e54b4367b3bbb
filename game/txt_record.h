// The text record (".txt"): the moves in Chinese notation, numbered, as
// formatRecord writes them. It keeps neither the start position nor the
// comments nor the game's texts, and is read back from the initial position.
#pragma once

#include <string>

#include "game/game_document.h"

// What a document would lose in a text record beyond its comments and texts.
enum class TxtLoss {
    None,
    Start,  // it starts from another position: the moves would not replay from the initial one
    Moves,  // its moves do not come back as they are (notation that reads as another move, or past 1 MB)
};

struct TxtRecord {
    // The record text of doc's moves from its start position; a text that
    // would pass the 1 MB limit is cut as formatRecord cuts it.
    static std::string encode(const GameDocument& doc);

    // Reads a record text into doc: 0 read, 2 a token that is neither a
    // move number nor a legal move (doc unchanged). A text without tokens
    // is an empty game. The text ends at its first zero byte.
    static int decode(const std::string& text, GameDocument& doc);

    // Whether doc's moves come back from the text encode writes.
    static TxtLoss loss(const GameDocument& doc);
};
