// Counting the legal move tree, for checking the generators against other
// programs. Legal = a generated move that does not leave the mover's king
// attacked (facing kings included), as the game's move test decides.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/engine.h"

std::uint64_t perft(Engine& engine, int depth);

struct PerftDivision {
    PackedMove move;
    std::uint64_t nodes;
};
// The root moves with the count below each, in generation order.
std::vector<PerftDivision> perftDivide(Engine& engine, int depth);

// The legal moves of the side to move, in generation order.
std::vector<PackedMove> legalMoves(Engine& engine);
