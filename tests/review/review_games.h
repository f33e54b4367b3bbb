// Games the review tests analyse.
#pragma once

#include <string>
#include <vector>

#include "engine/types.h"

// A game from the start position in which Red hangs a rook at move 9
// (车二进一, taken at once) and, far behind, walks into a mate in two at
// move 45 (马一退三); it ends with Red mated at move 48. The other moves
// are the engine's own choices at depth 6.
inline constexpr const char* PLANTED_BLUNDERS =
    "h2e2 h9g7 h0g2 i9h9 i0h0 b9c7 h0h6 b7a7 h6h7 h9h7 b0c2 h7h1 e2e1 a9b9 a0b0 h1g1 e3e4 g1g0 e4e5 g9e7 "
    "e5d5 a7a3 e1e4 b9b4 e4c4 g7e8 c4g4 g6g5 c3c4 b4b3 g4d4 g0g1 d0e1 b3c3 d4d1 g1g0 g2i1 g0i0 c2d0 c3c1 "
    "b2i2 a3e3 i2e2 c1d1 i1g0 d1e1 f0e1 i0g0";
constexpr int ROOK_HANGING_MOVE = 8;   // index of h6h7
constexpr int MATE_WALKING_MOVE = 44;  // index of i1g0

std::vector<PackedMove> coordinateMoves(const std::string& text);
