// Positions and moves in the text form other Xiangqi programs use: FEN
// ranks from Black's back rank down, files from Red's left (letter a =
// file 8) to Red's right (letter i = file 0), and moves like "h2e2".
#pragma once

#include <string>
#include <string_view>

#include "engine/types.h"

extern const char* const START_FEN;

// Reads a FEN; on failure returns false, sets error and leaves the outputs alone.
bool readFen(std::string_view text, Board90& board, Side& side, std::string& error);
std::string writeFen(const Board90& board, Side side);

// "h2e2" and back; readCoordinateMove returns 0 for malformed text.
std::string writeCoordinateMove(PackedMove move);
PackedMove readCoordinateMove(std::string_view text);

// The board as eight lines of text, Black's back rank first.
std::string boardDiagram(const Board90& board);
