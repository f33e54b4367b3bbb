// The check a game read from a file must pass before it may replace the
// game being played: the program's own files always pass it, and a damaged
// or hand-made file cannot put the board or the engine in a state the
// rules never reach.
#pragma once

#include "game/game_document.h"

// True when every cell holds a piece code or NO_PIECE, the start position
// obeys the set-up rules (piece limits, placement squares, exactly one king
// per side, the side that has just moved not in check), and every move lies
// on the board and is legal when the record is replayed from the start.
bool isPlayableDocument(const GameDocument& doc);

// True when every cell holds a piece code or NO_PIECE and the pieces obey
// the set-up rules: piece limits, placement squares, one king a side.
bool obeysSetupRules(const Board90& board);
