#include <array>

#include "engine/engine.h"

namespace {

// Base values by PieceType; the pawn's entry is replaced by the computed value.
constexpr std::array<std::int16_t, 7> MATERIAL_VALUES = {20000, 400, 400, 880, 2000, 960, 90};
constexpr std::array<std::uint8_t, 7> IS_MAJOR = {0, 0, 0, 1, 1, 1, 0};

// Positional bonus by PieceType, rank (0 = Red's back rank) and file, from Red's side.
constexpr std::int16_t POSITION_TABLES[7][10][9] = {
    {   // king
        {0, 0, 0, 10, 50, 10, 0, 0, 0},
        {0, 0, 0, -80, -80, -80, 0, 0, 0},
        {0, 0, 0, -90, -90, -90, 0, 0, 0},
        {}, {}, {}, {}, {}, {}, {},
    },
    {   // advisor
        {}, {0, 0, 0, 0, 30, 0, 0, 0, 0}, {}, {}, {}, {}, {}, {}, {}, {},
    },
    {   // elephant
        {}, {}, {-20, 0, 0, 0, 30, 0, 0, 0, -20}, {}, {}, {}, {}, {}, {}, {},
    },
    {   // horse
        {0, -30, 20, 0, 20, 0, 20, -30, 0},
        {-30, 20, 40, 50, -100, 50, 40, 20, -30},
        {50, 40, 60, 70, 40, 70, 60, 40, 50},
        {40, 60, 100, 70, 100, 70, 100, 60, 40},
        {20, 100, 130, 140, 150, 140, 130, 100, 20},
        {20, 120, 110, 150, 160, 150, 110, 120, 20},
        {50, 200, 120, 190, 120, 190, 120, 200, 50},
        {40, 100, 110, 150, 110, 150, 110, 100, 40},
        {20, 80, 150, 90, 60, 90, 150, 80, 20},
        {20, 20, 20, 80, 20, 80, 20, 20, 20},
    },
    {   // rook
        {-60, 60, 40, 120, 0, 120, 40, 60, -60},
        {50, 80, 60, 120, 0, 120, 60, 80, 50},
        {-20, 80, 40, 120, 120, 120, 40, 80, -20},
        {40, 90, 40, 120, 140, 120, 40, 90, 40},
        {80, 120, 120, 140, 150, 140, 120, 120, 80},
        {80, 110, 110, 140, 150, 140, 110, 110, 80},
        {60, 130, 130, 160, 160, 160, 130, 130, 60},
        {60, 80, 70, 140, 160, 140, 70, 80, 60},
        {60, 120, 90, 160, 330, 160, 90, 120, 60},
        {60, 80, 70, 130, 140, 130, 70, 80, 60},
    },
    {   // cannon
        {0, 0, 10, 30, 30, 30, 10, 0, 0},
        {0, 10, 20, 20, 20, 20, 20, 10, 0},
        {10, 0, 40, 30, 50, 30, 40, 0, 10},
        {0, 0, 0, 0, 0, 0, 0, 0, 0},
        {-10, 0, 30, 0, 40, 0, 30, 0, -10},
        {0, 0, 0, 0, 40, 0, 0, 0, 0},
        {0, 30, 30, 20, 40, 20, 30, 30, 0},
        {10, 10, 0, -50, -40, -50, 0, 10, 10},
        {20, 20, 0, -40, -70, -40, 0, 20, 20},
        {40, 40, 0, -50, -60, -50, 0, 40, 40},
    },
    {   // pawn
        {}, {}, {},
        {-20, 0, -20, 0, 60, 0, -20, 0, -20},
        {30, 0, 40, 0, 70, 0, 40, 0, 30},
        {100, 180, 220, 350, 400, 350, 220, 180, 100},
        {200, 270, 300, 400, 420, 400, 350, 270, 200},
        {200, 300, 450, 550, 550, 550, 450, 300, 200},
        {200, 300, 500, 650, 700, 650, 500, 300, 200},
        {0, 0, 0, 20, 40, 20, 0, 0, 0},
    },
};

constexpr int ADVISOR_A = 1, ADVISOR_B = 2;  // Red advisor codes; Black adds 16
constexpr int CANNON_A = 9, CANNON_B = 10;

bool isAdvisor(std::int8_t cell, int colourBase) {
    return cell == ADVISOR_A + colourBase || cell == ADVISOR_B + colourBase;
}

// First piece from sq toward D (a border cell if none).
template <int D> std::int8_t firstPieceFrom(const Engine& e, int sq) {
    sq += D;
    while (e.board[sq] == EMPTY) sq += D;
    return e.board[sq];
}

// The cannon-against-walled-king terms for one attacking colour, whose
// cannons step TOWARD the defending king's home rank; the defender's
// codes start at defenderBase.
template <int TOWARD> int cannonTerms(const Engine& e, int cannonBase, int defenderBase) {
    constexpr int HOME_RANK = TOWARD > 0 ? 9 : 0;
    constexpr int HOME = squareAt(4, HOME_RANK);
    constexpr int FRONT = squareAt(4, TOWARD > 0 ? 8 : 1);
    const int kingCode = defenderBase;
    int bonus = 0;
    for (int code : {cannonBase + CANNON_A, cannonBase + CANNON_B}) {
        const int sq = e.pieceSquares[code];
        if (sq == 0) continue;
        const int file = squareFile(sq);
        if (file == 4) {
            if (firstPieceFrom<TOWARD>(e, sq) == kingCode && isAdvisor(e.board[HOME - 1], defenderBase) &&
                isAdvisor(e.board[HOME + 1], defenderBase))
                bonus += 500;
        } else if (squareRank(sq) == HOME_RANK && file != 3 && file != 5) {
            const std::int8_t first = file <= 2 ? firstPieceFrom<+1>(e, sq) : firstPieceFrom<-1>(e, sq);
            if (first == kingCode && isAdvisor(e.board[FRONT], defenderBase)) bonus += 300;
        }
    }
    return bonus;
}

}  // namespace

void Engine::computePawnValue() {
    int phase = 0;
    for (int c = 0; c < 32; ++c) {
        PieceType t = pieceTypeOf(static_cast<PieceCode>(c));
        if (pieceSquares[c] != 0 && IS_MAJOR[t]) phase += MATERIAL_VALUES[t];
    }
    const float factor = 0.00716f;
    pawnValue = static_cast<std::int16_t>(200.0 - phase * static_cast<double>(factor));
}

void Engine::initPieceValues() {
    computePawnValue();
    for (int c = 0; c < 32; ++c) {
        const PieceType t = pieceTypeOf(static_cast<PieceCode>(c));
        const int base = t == PAWN ? pawnValue : MATERIAL_VALUES[t];
        for (int rank = 0; rank < 10; ++rank) {
            for (int file = 0; file < 9; ++file) {
                int v = c < 16 ? base + POSITION_TABLES[t][rank][file] : -(base + POSITION_TABLES[t][9 - rank][8 - file]);
                pieceValues[c][squareAt(file, rank)] = static_cast<std::int16_t>(v);
            }
        }
    }
}

void Engine::computeMaterialScore() {
    std::int16_t sum = 0;
    for (int sq = 51; sq <= 203; ++sq) {
        std::int8_t c = board[sq];
        if (c >= 0 && c < 32) sum = static_cast<std::int16_t>(sum + pieceValues[c][sq]);
    }
    materialScore = sum;
}

std::int16_t Engine::evaluate() const {
    int a = materialScore;
    if (pieceSquares[16] == BLACK_KING_HOME) a += cannonTerms<+16>(*this, 0, 16);
    if (pieceSquares[0] == RED_KING_HOME) a -= cannonTerms<-16>(*this, 16, 0);
    std::int16_t score = static_cast<std::int16_t>(a);
    return sideToMove == SIDE_RED ? score : static_cast<std::int16_t>(-score);
}
