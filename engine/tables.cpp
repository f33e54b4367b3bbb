// Transposition-table probe, store and walk; line extraction.
#include "engine/engine.h"

#include <cstdlib>
#include <new>

namespace {

using TT = TranspositionTable;

// Whether an entry of the current position answers a node of this depth
// and window by its score alone.
bool scoreFits(const TTEntry& e, int depth, int alpha, int beta) {
    if (e.depth < depth) return false;
    switch (e.bound()) {
    case BOUND_EXACT: return true;
    case BOUND_UPPER: return e.score <= alpha;
    case BOUND_LOWER: return e.score >= beta;
    default: return false;
    }
}

// The key after a move, computed from the key before it.
void keyAfterMove(const Engine& e, std::int8_t mover, std::int8_t captured, int from, int to, std::uint32_t& low,
                  std::uint32_t& high) {
    low ^= e.pieceKeys[mover][from].low ^ e.pieceKeys[mover][to].low ^ SIDE_KEY.low;
    high ^= e.pieceKeys[mover][from].high ^ e.pieceKeys[mover][to].high ^ SIDE_KEY.high;
    if (captured != EMPTY) {
        low ^= e.pieceKeys[captured][to].low;
        high ^= e.pieceKeys[captured][to].high;
    }
}

// Takes back, newest first, the board changes of the first count steps.
void undoBoardSteps(std::int8_t* board, const WalkStep* steps, int count) {
    for (int i = count - 1; i >= 0; --i) {
        board[moveSource(steps[i].move)] = steps[i].mover;
        board[moveTarget(steps[i].move)] = steps[i].captured;
    }
}

}  // namespace

void* SearchTables::operator new(std::size_t size) {
    void* memory = std::calloc(1, size);
    if (!memory) throw std::bad_alloc();
    return memory;
}

void SearchTables::operator delete(void* memory) { std::free(memory); }

void Engine::createSearchTables() {
    // Not make_unique: its value-initialisation would write every byte.
    if (!tables) tables.reset(new SearchTables);
}

void Engine::clearTable() {
    // A table no search has written is clear already; its pages stay untouched.
    if (!tables || !tables->searched) return;
    tables->transposition.clear();
    tables->searched = false;
}

std::int16_t Engine::probe(int depth, int alpha, int beta, EngineMove* hashMoves) {
    hashMoves[0] = hashMoves[1] = 0;
    TT& tt = tables->transposition;
    const std::uint32_t index = hashLow & TT::INDEX_MASK;
    const TTEntry& p = tt.entries[index];
    if (p.holds(hashLow, hashHigh)) {
        if (scoreFits(p, depth, alpha, beta) && !tableWalkRepeats(TT::PRIMARY, index)) return p.score;
        hashMoves[0] = p.move;
        if (p.forced()) return PROBE_FORCED;
    }
    const TTEntry& s = tt.entries[TT::HALF_SIZE + index];
    if (s.holds(hashLow, hashHigh)) {
        if (scoreFits(s, depth, alpha, beta) && !tableWalkRepeats(TT::SECONDARY, index)) return s.score;
        if (s.forced()) {
            hashMoves[0] = s.move;
            return PROBE_FORCED;
        }
        if (s.move != hashMoves[0]) hashMoves[1] = s.move;
    }
    return PROBE_MISS;
}

void Engine::store(int depth, std::uint8_t bound, int score, EngineMove move, bool forced) {
    if (stopRequested()) return;
    tables->searched = true;
    TT& tt = tables->transposition;
    TTEntry& p = tt.primary(hashLow);
    TTEntry& s = tt.secondary(hashLow);
    const std::uint8_t forcedBit = forced ? TT_FORCED_FLAG : 0;
    const auto depth8 = static_cast<std::int8_t>(depth);
    const auto score16 = static_cast<std::int16_t>(score);
    if (p.depth > depth && (p.holds(hashLow, hashHigh) || p.age() == searchAge)) {
        // The deeper entry stays; the new result takes the always-replace slot.
        const std::uint8_t kept = s.flags & (TT_AGE_MASK | 0x80);
        s = {hashLow, hashHigh, depth8, score16, move, static_cast<std::uint8_t>(kept | bound | forcedBit)};
        return;
    }
    s = p;
    const std::uint8_t kept = p.flags & 0x80;
    const auto age = static_cast<std::uint8_t>((searchAge << TT_AGE_SHIFT) & TT_AGE_MASK);
    p = {hashLow, hashHigh, depth8, score16, move, static_cast<std::uint8_t>(kept | bound | age | forcedBit)};
}

bool Engine::tableWalkRepeats(int half, std::uint32_t entryIndex) {
    TTEntry* entries = tables->transposition.half(half);
    RepetitionTable& rep = tables->repetition;
    WalkStep* steps = tables->walk;
    EngineMove m = entries[entryIndex].move;
    std::uint32_t low = hashLow, high = hashHigh;
    Side side = sideToMove;
    int count = 0;
    bool repeats = false;
    while (m != 0 && count < WALK_STEPS && moveFitsBoard(board, m, side)) {
        const int from = moveSource(m), to = moveTarget(m);
        WalkStep& step = steps[count++];
        step = {m, board[from], board[to], 0, 0, false};
        keyAfterMove(*this, step.mover, step.captured, from, to, low, high);
        step.keyLow = low;
        step.keyHigh = high;
        if (rep.contains(low, high)) {
            repeats = true;
            break;
        }
        if (!rep.isFree(low)) break;
        board[from] = EMPTY;
        board[to] = step.mover;
        rep.mark(low, high, MARK_FREE);
        step.wroteSlot = true;
        side ^= 1;
        const TTEntry& next = entries[low & TT::INDEX_MASK];
        m = next.holds(low, high) ? next.move : 0;
    }
    // Only the steps that wrote a slot also played their move.
    for (int i = count - 1; i >= 0; --i) {
        if (!steps[i].wroteSlot) continue;
        rep.clearSlot(steps[i].keyLow);
        board[moveSource(steps[i].move)] = steps[i].mover;
        board[moveTarget(steps[i].move)] = steps[i].captured;
    }
    return repeats;
}

void Engine::extractLine(std::int8_t& length, EngineMove* line, int maxMoves) {
    TT& tt = tables->transposition;
    WalkStep* steps = tables->walk;
    if (maxMoves > WALK_STEPS) maxMoves = WALK_STEPS;
    if (maxMoves > MAX_LINE_LENGTH - length) maxMoves = MAX_LINE_LENGTH - length;
    std::uint32_t low = hashLow, high = hashHigh;
    Side side = sideToMove;
    int count = 0;
    while (count < maxMoves) {
        const TTEntry& e = tt.primary(low);
        if (!e.holds(low, high) || e.move == 0 || !moveFitsBoard(board, e.move, side)) break;
        const int from = moveSource(e.move), to = moveTarget(e.move);
        WalkStep& step = steps[count++];
        step = {e.move, board[from], board[to], 0, 0, false};
        line[length++] = e.move;
        keyAfterMove(*this, step.mover, step.captured, from, to, low, high);
        board[from] = EMPTY;
        board[to] = step.mover;
        side ^= 1;
    }
    undoBoardSteps(board, steps, count);
}
