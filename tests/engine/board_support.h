// Small helpers for building positions in engine tests.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/fen.h"

struct Placement {
    int file, rank;
    BoardPiece piece;
};

inline Board90 boardWith(std::initializer_list<Placement> pieces) {
    Board90 b;
    b.fill(NO_PIECE);
    for (const auto& p : pieces) b[boardIndex(p.file, p.rank)] = p.piece;
    return b;
}

inline std::unique_ptr<Engine> engineAt(const Board90& board, Side side) {
    auto e = std::make_unique<Engine>();
    e->setPosition(board, side);
    e->initPieceValues();
    e->computeHash();
    e->computeMaterialScore();
    return e;
}

inline std::unique_ptr<Engine> engineAtFen(const std::string& fen) {
    Board90 board;
    Side side;
    std::string error;
    EXPECT_TRUE(readFen(fen, board, side, error)) << fen << ": " << error;
    return engineAt(board, side);
}

// Board90 codes by name, to keep positions readable.
namespace bp {
constexpr BoardPiece RK = 0, RA = 1, RE = 2, RH = 3, RR = 4, RC = 5, RP = 6;
constexpr BoardPiece BK = 7, BA = 8, BE = 9, BH = 10, BR = 11, BC = 12, BP = 13;
}  // namespace bp

inline EngineMove sqMove(int ff, int fr, int tf, int tr) { return makeEngineMove(squareAt(ff, fr), squareAt(tf, tr)); }
