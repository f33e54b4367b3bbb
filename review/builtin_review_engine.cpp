#include "review/builtin_review_engine.h"

#include <cmath>

#include "engine/engine.h"
#include "engine/service.h"
#include "game/score_scale.h"

BuiltinReviewEngine::BuiltinReviewEngine() : engine(makeThinkingEngine()) {
    engine->setUseBook(false);
    engine->setPonderEnabled(false);
    engine->iterationReport = recordIteration;
    engine->iterationContext = this;
}

void BuiltinReviewEngine::recordIteration(const Engine& e, void* self) {
    auto& scores = static_cast<BuiltinReviewEngine*>(self)->iterationScores;
    const int i = e.stats.iterations - 1;
    if (i >= 0 && i < static_cast<int>(scores.size())) scores[static_cast<std::size_t>(i)] = e.stats.score;
}

int BuiltinReviewEngine::settledScore(const std::int16_t* scores, int iterations) {
    if (iterations <= 0) return 0;
    const int last = scores[iterations - 1];
    if (iterations == 1 || mateMoves(last) != 0) return last;
    const int before = scores[iterations - 2];
    if (mateMoves(before) != 0) return last;
    return (last + before) / 2;
}

BuiltinReviewEngine::~BuiltinReviewEngine() {
    engine->abandonAndWait();
    engine->shutdownEngine();
}

std::string BuiltinReviewEngine::name() const { return "Morlan"; }

bool BuiltinReviewEngine::analyse(const ReviewPosition& position, const ReviewLimit& requested, Finished finished) {
    if (engine->state() != STATE_IDLE) return false;
    const ReviewLimit limit = clampedLimit(requested);
    engine->loadHistory(position.startBoard, position.startSide, position.moves.data(),
                        static_cast<int>(position.moves.size()));
    engine->setPosition(position.board, position.side);
    if (limit.byDepth()) {
        engine->setLimits({LIMIT_DEPTH, static_cast<std::int8_t>(limit.depth), 0});
        engine->moveTimeMs = -1;
    } else {
        const int seconds = (limit.moveTimeMs + 999) / 1000;
        engine->setLimits({LIMIT_TIME, 0, static_cast<std::int16_t>(seconds)});
        engine->moveTimeMs = limit.moveTimeMs;
    }
    return engine->startThink([this, finished = std::move(finished)] { deliver(finished); });
}

void BuiltinReviewEngine::deliver(const Finished& finished) {
    const SearchStats& s = engine->publishedStats;
    PositionAnalysis a;
    a.ok = true;
    const int red = s.iterations > 0 ? settledScore(iterationScores.data(), s.iterations) : s.score;
    const int mover = s.side == SIDE_RED ? red : -red;
    const int mate = mateMoves(mover);
    a.score = mate != 0 ? ReviewScore::mateIn(mate) : ReviewScore::cp(centipawnsFromPoints(mover));
    a.bestMove = engine->bestMove();
    a.depth = s.depth;
    if (s.iterations > 0) {
        const IterationLine& line = s.lines[s.iterations - 1];
        for (int i = 0; i < line.length; ++i) a.line.push_back(Engine::toPackedMove(line.moves[i]));
    }
    if (finished) finished(a);
}

void BuiltinReviewEngine::poll() { engine->pollEngine(); }

void BuiltinReviewEngine::cancel() { engine->abandonAndWait(); }
