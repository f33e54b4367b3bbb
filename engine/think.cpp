// Iterative deepening under the depth and time limits, the answer from
// background thinking, and what the interface reads afterwards.
#include "engine/think.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <cstring>

#include "engine/engine.h"
#include "engine/search.h"

std::uint32_t currentThreadCpuMillis(void*) {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(t.tv_sec) * 1000u +
                                      static_cast<std::uint64_t>(t.tv_nsec) / 1000000u);
}

int mateMoves(int score) {
    if (score > MATE_THRESHOLD) return std::max(1, (MATE_SCORE - score) / 2);
    // Mated in N: the opponent's mate in N seen one ply earlier, 30000 - 2N - 2.
    if (score < -MATE_THRESHOLD) return -std::max(1, (MATE_SCORE + score) / 2 - 1);
    return 0;
}

namespace {

// Whether the move is one the generator gives in the current position.
bool isGenerated(Engine& e, EngineMove m) {
    const int n = e.generateMoves(e.sideToMove, e.scratchMoves);
    for (int i = 0; i < n; ++i)
        if (e.scratchMoves[i].move() == m) return true;
    return false;
}

// A mate score ends the deepening once the iteration was deep enough to
// have seen every shorter line: a mate first met through extensions in a
// shallow iteration may not be the quickest one. (29871, one below the
// mate threshold, is the stop rule's own bound.)
bool mateSettled(int score, int depth) {
    if (score <= 29871 && score >= -29871) return false;
    const int moves = std::abs(mateMoves(score));
    return 2 * moves - 1 <= depth;
}

bool ponderAnswers(const PonderRecord& p, const SearchRequest& active, std::uint32_t low, std::uint32_t high) {
    if (!p.isValid() || p.limits.flags != active.flags) return false;
    if (active.limitsTime() && p.limits.seconds < active.seconds) return false;
    if (active.limitsDepth() && p.limits.depth < active.depth) return false;
    return p.keyAfter[0] == low && p.keyAfter[1] == high;
}

}  // namespace

void Engine::think() {
    initPieceValues();
    computeHash();
    computeMaterialScore();
    ply = 0;
    searchAge = static_cast<std::uint8_t>((searchAge + 1) & 15);
    std::memset(&stats, 0, sizeof stats);
    exportBoard90(stats.board);
    stats.side = sideToMove;
    bestEngineMove = 0;
    if (useBook && bookProbe) {
        const EngineMove m = toEngineMove(bookProbe(hashKey()));
        // A book move the generator does not know is ignored; the search runs.
        if (m != 0 && isGenerated(*this, m) && !isBanned(m)) {
            bestEngineMove = m;
            publishedStats = stats;
            return;
        }
    }
    if (!tables) {  // the plain instance cannot search
        publishedStats = stats;
        return;
    }
    std::memset(searchStack.data(), 0, sizeof searchStack);
    const PlyRecord& root = searchStack[0];
    for (stats.depth = 1;; ++stats.depth) {
        const int score = searchRoot(stats.depth, -INFINITE_SCORE, INFINITE_SCORE);
        stats.score = static_cast<std::int16_t>(score);
        if (stopRequested() && stats.depth > 1) return;
        stats.elapsed = static_cast<std::int32_t>(workerTime() - startTime);
        if (sideToMove == SIDE_BLACK) stats.score = static_cast<std::int16_t>(-score);
        IterationLine& line = stats.lines[stats.iterations++];
        line.length = root.pvLength;
        std::memcpy(line.moves, root.pv, sizeof(EngineMove) * static_cast<std::size_t>(root.pvLength));
        bestEngineMove = root.pvLength > 0 ? root.pv[0] : 0;
        publishedStats = stats;
        if (iterationReport) iterationReport(*this, iterationContext);
        if (mateSettled(score, stats.depth) || onlyOneMove) return;
        if (activeLimits.limitsDepth() && stats.depth >= activeLimits.depth) return;
        if (activeLimits.limitsTime() && stats.elapsed > timeLimitMs() / 3) return;
        if (stats.depth >= MAX_SEARCH_DEPTH) return;
    }
}

void Engine::thinkJob() {
    startTime = workerTime();
    computeHash();
    if (ponderAnswers(ponderRecord, activeLimits, hashLow, hashHigh)) {
        bestEngineMove = ponderRecord.preparedReply;
        return;
    }
    think();
}

void Engine::exportResult(SearchResult& out) const {
    const SearchStats& s = publishedStats;
    out.board = s.board;
    out.side = s.side;
    out.score = s.score;
    out.elapsed = static_cast<std::uint32_t>(s.elapsed);
    out.depth = static_cast<std::uint8_t>(s.depth);
    out.maxPly = static_cast<std::uint8_t>(s.maxPly);
    out.nodes = static_cast<std::uint32_t>(s.counters.nodes);
    out.alphaRaises = static_cast<std::uint32_t>(s.counters.alphaRaises);
    out.listGenerations = static_cast<std::uint32_t>(s.counters.listGenerations);
    out.quiescenceNodes = static_cast<std::uint32_t>(s.counters.quiescenceNodes);
    out.checkExtensions = static_cast<std::uint32_t>(s.counters.checkExtensions);
    out.hashCutoffs = static_cast<std::uint32_t>(s.counters.hashCutoffs);
    out.iterations = static_cast<std::uint8_t>(s.iterations);
    for (int i = 0; i < 128; ++i) {
        const IterationLine& from = s.lines[i];
        SearchResultLine& to = out.lines[i];
        to.length = static_cast<std::uint8_t>(from.length);
        for (int j = 0; j < from.length; ++j) to.moves[j] = toPackedMove(from.moves[j]);
    }
}

void Engine::exportPonder(PonderExport& out) const {
    const PonderRecord& p = ponderRecord;
    out.limits = p.limits;
    out.keyBefore[0] = p.keyBefore[0];
    out.keyBefore[1] = p.keyBefore[1];
    out.guessedMove = toPackedMove(p.guessedMove);
    out.keyAfter[0] = p.keyAfter[0];
    out.keyAfter[1] = p.keyAfter[1];
    out.preparedReply = toPackedMove(p.preparedReply);
}
