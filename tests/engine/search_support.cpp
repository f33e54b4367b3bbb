#include "search_support.h"

#include <cstring>

#include "engine/board_move.h"
#include "engine/fen.h"
#include "engine/search.h"

std::unique_ptr<Engine> makeSearchEngine() {
    auto engine = std::make_unique<Engine>();
    engine->createSearchTables();
    engine->useBook = false;
    return engine;
}

namespace {
void prepare(Engine& engine) {
    engine.initPieceValues();
    engine.computeHash();
    engine.computeMaterialScore();
    engine.ply = 0;
}
}  // namespace

bool loadSearchPosition(Engine& engine, const std::string& fen) {
    Board90 board;
    Side side;
    std::string error;
    if (!readFen(fen, board, side, error)) return false;
    engine.setPosition(board, side);
    prepare(engine);
    engine.repetitionTable().clear();
    markHistory(engine);
    return true;
}

void markHistory(Engine& engine) {
    engine.computeHash();
    engine.repetitionTable().mark(engine.hashLow, engine.hashHigh, MARK_HISTORY);
}

bool playMove(Engine& engine, const std::string& move) {
    const PackedMove m = readCoordinateMove(move);
    Board90 board;
    engine.exportBoard90(board);
    const Side side = engine.sideToMove;
    if (m == 0 || !engine.tryMove(m)) {
        engine.setPosition(board, side);
        return false;
    }
    playOnBoard(board, m);
    engine.setPosition(board, side ^ 1);
    prepare(engine);
    return true;
}

namespace {
std::uint32_t stoppedClock(void*) { return 0; }
}  // namespace

void thinkToDepth(Engine& engine, int depth) {
    engine.setClock(stoppedClock, nullptr);
    engine.activeLimits = {LIMIT_DEPTH, static_cast<std::int8_t>(depth), 0};
    engine.startTime = engine.workerTime();
    engine.think();
}

int sideScore(const Engine& engine) {
    const int s = engine.publishedStats.score;
    return engine.publishedStats.side == SIDE_RED ? s : -s;
}

void resetSearch(Engine& engine) {
    std::memset(engine.searchStack.data(), 0, sizeof engine.searchStack);
    std::memset(&engine.stats, 0, sizeof engine.stats);
    engine.ply = 0;
}

int rootSearch(Engine& engine, int depth) {
    resetSearch(engine);
    return engine.searchRoot(depth, -INFINITE_SCORE, INFINITE_SCORE);
}

EngineMove engineMove(const std::string& move) { return Engine::toEngineMove(readCoordinateMove(move)); }

void markAfter(Engine& engine, const std::string& move) {
    const EngineMove m = engineMove(move);
    const Engine::SavedState saved = engine.makeMove(m);
    markHistory(engine);
    engine.unmakeMove(m, saved);
}

int rootScoreOf(const Engine& engine, EngineMove move) {
    const PlyRecord& root = engine.searchStack[0];
    for (int i = 0; i < root.count; ++i)
        if (root.moves[i].move() == move) return root.moves[i].key;
    return -99999;
}
