// A game as the game files hold it: start position, every move with its
// comment, the ply shown when it was saved, and the game's texts. Records
// that keep variations (PGN, XQF) also bring the whole tree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/types.h"
#include "game/game_info.h"
#include "game/move_tree.h"

struct DocumentMove {
    PackedMove move = 0;
    std::string comment;  // GBK
    // The time the mover had left after the move (a PGN's clock), -1 none.
    std::int64_t clockMs = -1;

    friend bool operator==(const DocumentMove&, const DocumentMove&) = default;
};

// A new document has every field zero or empty.
struct GameDocument {
    Board90 startBoard{};
    Side startSide = 0;
    std::int16_t currentPly = 0;        // moves played in the position shown
    std::vector<DocumentMove> moves;    // the line shown, redo tail included
    GameInfo info;
    // The whole record with its variations, moves' comments included; empty
    // when the record is the line of moves alone.
    MoveTree tree;
    // The PGN TimeControl tag's value ("60+1"); empty when the game had none.
    std::string timeControl{};

    friend bool operator==(const GameDocument&, const GameDocument&) = default;
};
