// Legal moves chosen by a random sequence, for tests, seeds and benchmarks
// that need games nobody wrote by hand.
#pragma once

#include <random>
#include <vector>

#include "engine/engine.h"
#include "engine/perft.h"

// Plays up to plies legal moves chosen by rng from (board, side), which end
// in the position reached; fewer when a side has none.
inline std::vector<PackedMove> randomMoves(std::mt19937& rng, int plies, Board90& board, Side& side) {
    std::vector<PackedMove> moves;
    Engine& engine = plainEngine();
    for (int ply = 0; ply < plies; ++ply) {
        engine.setPosition(board, side);
        const std::vector<PackedMove> legal = legalMoves(engine);
        if (legal.empty()) break;
        const PackedMove m = legal[rng() % legal.size()];
        const GridPoint from = moveFrom(m), to = moveTo(m);
        board[boardIndex(to.file, to.rank)] = board[boardIndex(from.file, from.rank)];
        board[boardIndex(from.file, from.rank)] = NO_PIECE;
        side ^= 1;
        moves.push_back(m);
    }
    return moves;
}
