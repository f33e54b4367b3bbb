// Writing moves in WXF notation, the form English-speaking players use:
// C2=5, H8+7, R1-2. Two like pieces on one file are named by + (front) or
// - (rear) in place of the file (R+=4, C--1). Pawns are numbered from the
// front with their file after the number (15=4, 25=4) when three or more
// share a file, or when another file holds two or more of them too, so
// that every text names one pawn. judgeWxfMove reads all of these back.
#pragma once

#include <string>

#include "engine/types.h"

// The text of move m played on board: four ASCII characters, or empty for
// move 0 and for a move that does not start on a piece.
std::string formatWxfMove(const Board90& board, PackedMove m);
