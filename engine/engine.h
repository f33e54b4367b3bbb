// The engine: its own fast position (16x16 mailbox, piece list, Zobrist
// key, running score), move generation and check tests, evaluation, and
// the small fixed-depth search that decides whether a game is over.
// Two instances exist: plainEngine() for the game model, and the thinking
// instance with its worker thread.
#pragma once

#include <cstdint>

#include "engine/pieces.h"
#include "engine/search_stack.h"
#include "engine/types.h"
#include "engine/zobrist.h"

class Engine {
public:
    Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // What makeMove saves so that unmakeMove can restore it exactly.
    struct SavedState {
        std::int8_t captured;
        std::uint32_t hashLow;
        std::uint32_t hashHigh;
        std::int16_t materialScore;
    };

    // ---- position (position.cpp) ----
    void setPosition(const Board90& board90, Side side);
    void rebuildPieceSquares();
    void computeHash();
    std::uint64_t getHashKey();
    std::uint64_t hashKey() const { return static_cast<std::uint64_t>(hashHigh) << 32 | hashLow; }
    Board90& exportBoard90(Board90& out) const;
    void initPieceKeys();
    SavedState makeMove(EngineMove move);
    void unmakeMove(EngineMove move, const SavedState& saved);
    void makeNullMove();
    void unmakeNullMove();
    static EngineMove toEngineMove(PackedMove packed);
    static PackedMove toPackedMove(EngineMove move);

    // ---- evaluation (evaluate.cpp) ----
    void computePawnValue();
    void initPieceValues();
    void computeMaterialScore();
    std::int16_t evaluate() const;

    // ---- move generation and tests (movegen.cpp) ----
    std::int8_t generateMoves(Side side, MoveEntry* list) const;
    std::int8_t generateCaptures(Side side, MoveEntry* list) const;
    std::int8_t generatePieceMoves(int piece, MoveEntry* list) const;
    std::int8_t generateProtections(Side side, MoveEntry* list) const;
    bool isInCheck(Side side) const;
    bool isAttackedByOfficer(PieceCode piece);
    bool threatensUnprotectedPiece(PieceCode piece);
    bool tryMove(PackedMove packed);
    bool hasNoAttackingMaterial() const;
    GameResult gameStatus();
    std::int16_t fixedDepthSearch(int recordIndex, int depth, int alpha, int beta);

    // ---- position members ----
    std::int8_t board[256];
    std::uint8_t pieceSquares[32];
    std::uint8_t sideToMove = SIDE_RED;
    std::int8_t ply = 0;
    std::uint32_t hashLow = 0;
    std::uint32_t hashHigh = 0;
    std::int16_t materialScore = 0;
    std::int16_t pieceValues[32][256];
    ZobristKey pieceKeys[32][256];
    // The pawn's base value, computed per instance from its own position.
    std::int16_t pawnValue = 90;

    // ---- shared step tables ----
    const std::uint8_t* kingSteps;
    const std::uint8_t* advisorSteps;
    const std::uint8_t* elephantTargets;
    const std::uint8_t* elephantEyes;
    const std::uint8_t* horseTargets;
    const std::uint8_t* horseLegs;
    const std::uint8_t* redPawnSteps;
    const std::uint8_t* blackPawnSteps;
    const std::int8_t* horseLegByDelta;

    // ---- scratch lists for the move test and the repetition rules ----
    MoveEntry scratchMoves[MOVE_LIST_SIZE];
    MoveEntry scratchDefences[MOVE_LIST_SIZE];

    SearchStack searchStack;

};

// The instance without a worker thread, used by the game model to judge
// moves and positions. Created on first use, kept until exit.
Engine& plainEngine();
