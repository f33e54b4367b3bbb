// Moves in the notation of the World Xiangqi Federation (WXF), ASCII or
// full-width: a piece letter (K A E/B H/N R C P), the file 1..9 counted
// from the mover's right, an operator (+ forward, - backward, = or .
// sideways) and the destination file or the number of steps: C2=5, H8+7,
// C2.5. Two like pieces on one file are told apart by + or - before the
// letter (+P+1), or by a/b or +/- after it (Pa+1, C+.5); three or more
// by their number from the front (2P=4), or, pawns only, by their number
// and their file (25=4).
#pragma once

#include <string_view>

#include "engine/types.h"

// True when text (GBK) has the shape of a WXF move, whatever the board.
bool looksLikeWxfMove(std::string_view text);

// The legal move the text names for side on board, or 0.
PackedMove judgeWxfMove(const Board90& board, Side side, std::string_view text);
