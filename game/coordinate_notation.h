// Moves written as coordinates, the form engine protocols use: file letter
// a..i from Red's left, rank digit 0..9 from Red's back rank, from then
// to: h2e2, H2-E2, h2-e2.
#pragma once

#include <string_view>

#include "engine/types.h"

// True when text has the shape of a coordinate move, whatever the board.
bool looksLikeCoordinateMove(std::string_view text);

// The legal move the text names for side on board, or 0.
PackedMove judgeCoordinateMove(const Board90& board, Side side, std::string_view text);
