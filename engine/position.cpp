#include <cstring>
#include <memory>

#include "engine/engine.h"
#include "engine/move_tables.h"

Engine::Engine() {
    std::memset(board, BORDER, sizeof board);
    std::memset(pieceSquares, 0, sizeof pieceSquares);
    std::memset(pieceValues, 0, sizeof pieceValues);
    std::memset(scratchMoves, 0, sizeof scratchMoves);
    std::memset(scratchDefences, 0, sizeof scratchDefences);
    std::memset(searchStack.data(), 0, sizeof searchStack);
    initPieceKeys();
    const MoveTables& t = MoveTables::instance();
    kingSteps = t.kingSteps();
    advisorSteps = t.advisorSteps();
    elephantTargets = t.elephantTargets();
    elephantEyes = t.elephantEyes();
    horseTargets = t.horseTargets();
    horseLegs = t.horseLegs();
    redPawnSteps = t.redPawnSteps();
    blackPawnSteps = t.blackPawnSteps();
    horseLegByDelta = t.horseLegByDelta();
}

Engine& plainEngine() {
    static const std::unique_ptr<Engine> instance = std::make_unique<Engine>();
    return *instance;
}

namespace {
constexpr int KIND_COUNT[7] = {1, 2, 2, 2, 2, 2, 5};
}

void Engine::setPosition(const Board90& board90, Side side) {
    std::memset(board, BORDER, sizeof board);
    int counters[14] = {};
    for (int rank = 0; rank < 10; ++rank) {
        for (int file = 0; file < 9; ++file) {
            BoardPiece g = board90[boardIndex(file, rank)];
            Square256 sq = squareAt(file, rank);
            // Out-of-range codes and pieces beyond a kind's count are
            // caller errors; they are left off the board rather than
            // overwriting another piece's code.
            if (g < 0 || g >= 14 || counters[g] >= KIND_COUNT[g % 7]) {
                board[sq] = EMPTY;
            } else {
                board[sq] = static_cast<std::int8_t>(FIRST_CODE[g] + counters[g]++);
            }
        }
    }
    sideToMove = side;
    rebuildPieceSquares();
}

void Engine::rebuildPieceSquares() {
    std::memset(pieceSquares, 0, sizeof pieceSquares);
    for (int sq = 51; sq <= 203; ++sq) {
        std::int8_t c = board[sq];
        if (c >= 0 && c < 32) pieceSquares[c] = static_cast<std::uint8_t>(sq);
    }
}

void Engine::computeHash() {
    hashLow = hashHigh = 0;
    for (int sq = 51; sq <= 203; ++sq) {
        std::int8_t c = board[sq];
        if (c < 0 || c >= 32) continue;
        hashLow ^= pieceKeys[c][sq].low;
        hashHigh ^= pieceKeys[c][sq].high;
    }
    if (sideToMove == SIDE_BLACK) {
        hashLow ^= SIDE_KEY.low;
        hashHigh ^= SIDE_KEY.high;
    }
}

std::uint64_t Engine::getHashKey() {
    computeHash();
    return hashKey();
}

Board90& Engine::exportBoard90(Board90& out) const {
    for (int rank = 0; rank < 10; ++rank) {
        for (int file = 0; file < 9; ++file) {
            std::int8_t c = board[squareAt(file, rank)];
            out[boardIndex(file, rank)] = (c >= 0 && c < 32) ? BOARD90_CODE[c] : NO_PIECE;
        }
    }
    return out;
}

void Engine::initPieceKeys() {
    std::memset(pieceKeys, 0, sizeof pieceKeys);
    for (int c = 0; c < 32; ++c) {
        for (int rank = 0; rank < 10; ++rank) {
            for (int file = 0; file < 9; ++file) {
                pieceKeys[c][squareAt(file, rank)] = ZOBRIST_TABLE[zobristIndex(BOARD90_CODE[c], file, rank)];
            }
        }
    }
}

Engine::SavedState Engine::makeMove(EngineMove move) {
    const Square256 from = moveSource(move), to = moveTarget(move);
    const std::int8_t piece = board[from];
    const std::int8_t captured = board[to];
    SavedState saved{captured, hashLow, hashHigh, materialScore};
    board[from] = EMPTY;
    board[to] = piece;
    pieceSquares[piece] = to;
    hashLow ^= pieceKeys[piece][from].low ^ pieceKeys[piece][to].low ^ SIDE_KEY.low;
    hashHigh ^= pieceKeys[piece][from].high ^ pieceKeys[piece][to].high ^ SIDE_KEY.high;
    materialScore = static_cast<std::int16_t>(materialScore + pieceValues[piece][to] - pieceValues[piece][from]);
    if (captured != EMPTY) {
        pieceSquares[captured] = 0;
        hashLow ^= pieceKeys[captured][to].low;
        hashHigh ^= pieceKeys[captured][to].high;
        materialScore = static_cast<std::int16_t>(materialScore - pieceValues[captured][to]);
    }
    sideToMove ^= 1;
    ++ply;
    return saved;
}

void Engine::unmakeMove(EngineMove move, const SavedState& saved) {
    const Square256 from = moveSource(move), to = moveTarget(move);
    const std::int8_t piece = board[to];
    board[from] = piece;
    board[to] = saved.captured;
    pieceSquares[piece] = from;
    if (saved.captured != EMPTY) pieceSquares[saved.captured] = to;
    hashLow = saved.hashLow;
    hashHigh = saved.hashHigh;
    materialScore = saved.materialScore;
    sideToMove ^= 1;
    --ply;
}

void Engine::makeNullMove() {
    sideToMove ^= 1;
    hashLow ^= SIDE_KEY.low;
    hashHigh ^= SIDE_KEY.high;
    ++ply;
}

void Engine::unmakeNullMove() {
    sideToMove ^= 1;
    hashLow ^= SIDE_KEY.low;
    hashHigh ^= SIDE_KEY.high;
    --ply;
}

EngineMove Engine::toEngineMove(PackedMove packed) {
    if (packed == 0) return 0;
    const unsigned b0 = packed & 0xFF, b1 = (packed >> 8) & 0xFF, b2 = (packed >> 16) & 0xFF, b3 = packed >> 24;
    const unsigned from = (b0 + 16 * b1 + 51) & 0xFF;
    const unsigned to = (b2 + 16 * b3 + 51) & 0xFF;
    return static_cast<EngineMove>(to << 8 | from);
}

PackedMove Engine::toPackedMove(EngineMove move) {
    if (move == 0) return 0;
    const int from = moveSource(move), to = moveTarget(move);
    return packMove(squareFile(from), squareRank(from), squareFile(to), squareRank(to));
}
