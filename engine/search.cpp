// The alpha-beta search: the root iteration, the inner nodes with their
// null move and check and forced-move extensions, the capture search, the
// staged move picker and the repetition rules.
#include "engine/search.h"

#include <algorithm>

#include "engine/best_entry.h"
#include "engine/engine.h"

namespace {

// Beyond this ply a node of the main search is a horizon node whatever
// its depth: the remaining records are left to the capture search, which
// stops at the last record itself.
constexpr int HORIZON_PLY = 96;
// Extensions stop below this ply.
constexpr int EXTENSION_PLY = 32;

// Scores beyond the mate threshold move one point toward zero per ply.
inline int mateDistance(int v) {
    if (v > MATE_THRESHOLD) return v - 1;
    if (v < -MATE_THRESHOLD) return v + 1;
    return v;
}

// The ordering keys of a list: the material-and-position balance after
// each move, from the mover's view.
void computeKeys(const Engine& e, PlyRecord& r) {
    const int base = e.materialScore;
    const bool black = e.sideToMove == SIDE_BLACK;
    const std::int8_t* board = e.board;
    const int count = r.count;
    for (int i = 0; i < count; ++i) {
        MoveEntry& m = r.moves[i];
        const int piece = board[m.from];
        const int captured = board[m.to];
        const std::int16_t* values = e.pieceValues[piece];
        int key = base + values[m.to] - values[m.from];
        if (captured != EMPTY) key -= e.pieceValues[captured][m.to];
        m.key = static_cast<std::int16_t>(black ? -key : key);
    }
}

// Brings the entry with the highest key from index on to index: the first
// entry strictly above the best so far wins.
inline void selectBest(PlyRecord& r, int index) {
    const int best = firstBestIndex(r.moves, index, r.count);
    if (best != index) {
        const MoveEntry t = r.moves[index];
        r.moves[index] = r.moves[best];
        r.moves[best] = t;
    }
}

inline void setEntry(MoveEntry& entry, EngineMove m) {
    entry.from = moveSource(m);
    entry.to = moveTarget(m);
    entry.key = 0;
}

// The root list in order of its keys, highest first; equal keys keep
// their order (insertion sort: stable and allocation-free).
void sortRootList(PlyRecord& r) {
    for (int i = 1; i < r.count; ++i) {
        const MoveEntry m = r.moves[i];
        int j = i - 1;
        while (j >= 0 && r.moves[j].key < m.key) {
            r.moves[j + 1] = r.moves[j];
            --j;
        }
        r.moves[j + 1] = m;
    }
}

// A position marked on the path while its move's subtree is searched.
class PathMark {
public:
    PathMark(RepetitionTable& table, std::uint32_t low, std::uint32_t high) : table_(table), low_(low) {
        wrote_ = table.isFree(low);
        if (wrote_) table.mark(low, high, MARK_PATH);
    }
    ~PathMark() {
        if (wrote_) table_.clearSlot(low_);
    }
    PathMark(const PathMark&) = delete;
    PathMark& operator=(const PathMark&) = delete;

private:
    RepetitionTable& table_;
    std::uint32_t low_;
    bool wrote_;
};

}  // namespace

int Engine::repetitionVerdict(EngineMove move, std::int8_t mover) {
    if (!tables->repetition.contains(hashLow, hashHigh)) return REP_NONE;
    if (isInCheck(sideToMove)) return REP_FORBIDDEN;  // perpetual check
    const int from = moveSource(move), to = moveTarget(move);
    const std::int8_t standing = board[to];
    // Was the mover attacked where it stood, or its own king in check?
    // Then the move is an escape: a side answering check again and again is
    // never the one that chases, it is the checker who must change.
    // (A repeated position is never reached by a capture, so the to-square
    // held nothing before the move.)
    board[from] = mover;
    board[to] = EMPTY;
    pieceSquares[mover] = static_cast<std::uint8_t>(from);
    const bool wasAttacked = isAttackedByOfficer(static_cast<PieceCode>(mover)) ||
                             isInCheck(static_cast<Side>(sideToMove ^ 1));
    board[to] = standing;
    board[from] = EMPTY;
    pieceSquares[mover] = static_cast<std::uint8_t>(to);
    if (wasAttacked) return REP_NONE;
    if (KING_OR_PAWN[mover]) return REP_CAPPED;
    return threatensUnprotectedPiece(static_cast<PieceCode>(mover)) ? REP_FORBIDDEN : REP_CAPPED;
}

EngineMove Engine::nextMove(PlyRecord& r) {
    const PlyRecord& root = searchStack[0];
    if (r.singleMode) {
        if (r.current != 0) return 0;
        r.current = 1;
        const EngineMove m = r.hashMoves[0];
        if (followingPV && ply < root.pvLength && m != root.pv[ply]) followingPV = false;
        return m;
    }
    if (!r.preListDone) {
        r.preListDone = true;
        int n = 0;
        EngineMove pvMove = 0;
        if (followingPV && ply < root.pvLength) {
            pvMove = root.pv[ply];
            setEntry(r.moves[n++], pvMove);
        }
        for (EngineMove h : r.hashMoves)
            if (h != 0 && h != pvMove) setEntry(r.moves[n++], h);
        r.count = static_cast<std::int8_t>(n);
    }
    if (!r.fullListDone) {
        // Pre-list moves come from tables and lines: only those that fit
        // the position are handed out.
        while (r.current < r.count) {
            const EngineMove m = r.moves[r.current++].move();
            if (moveFitsBoard(board, m, sideToMove)) return m;
        }
        r.fullListDone = true;
        ++stats.counters.listGenerations;
        r.current = 0;
        r.count = generateMoves(sideToMove, r.moves);
        computeKeys(*this, r);
    }
    if (r.current >= r.count) return 0;
    selectBest(r, r.current);
    return r.moves[r.current++].move();
}

std::int16_t Engine::quiesce(PlyRecord& r, int alpha, int beta) {
    if (ply > stats.maxPly) stats.maxPly = ply;
    const bool redToMove = sideToMove == SIDE_RED;
    if (pieceSquares[0] == 0) return redToMove ? -MATE_SCORE : MATE_SCORE;
    if (pieceSquares[16] == 0) return redToMove ? MATE_SCORE : -MATE_SCORE;
    const int stand = evaluate();
    if (stand >= beta) return static_cast<std::int16_t>(stand);
    if (&r == &searchStack[SEARCH_STACK_SIZE - 1]) return static_cast<std::int16_t>(stand);
    if (stand > alpha) alpha = stand;
    ++stats.counters.quiescenceNodes;
    r.count = generateCaptures(sideToMove, r.moves);
    if (r.count <= 0) return static_cast<std::int16_t>(stand);
    computeKeys(*this, r);
    PlyRecord& child = (&r)[1];
    int best = stand;
    for (int i = 0; i < r.count; ++i) {
        selectBest(r, i);
        const EngineMove m = r.moves[i].move();
        const SavedState saved = makeMove(m);
        ++stats.counters.nodes;
        const int v = -quiesce(child, -beta, -alpha);
        unmakeMove(m, saved);
        if (v >= beta) return static_cast<std::int16_t>(v);
        if (v > best) {
            best = v;
            if (v > alpha) alpha = v;
        }
    }
    return static_cast<std::int16_t>(mateDistance(best));
}

std::int16_t Engine::search(PlyRecord& r, int depth, int alpha, int beta) {
    r.pvLength = 0;
    // The first iteration always runs to its end: its move is the one played
    // when a stop comes early, and a move judged on cut-short subtrees could
    // leave the king to be taken.
    if (stats.depth > 1 && stopRequested()) return 0;
    const bool redToMove = sideToMove == SIDE_RED;
    if (pieceSquares[0] == 0) return redToMove ? -MATE_SCORE : MATE_SCORE;
    if (pieceSquares[16] == 0) return redToMove ? MATE_SCORE : -MATE_SCORE;
    const int h = probe(depth, alpha, beta, r.hashMoves);
    if (h < PROBE_MISS) {
        ++stats.counters.hashCutoffs;
        return static_cast<std::int16_t>(h);
    }
    // A forced entry whose move does not fit the board (a key collision)
    // counts as a miss.
    bool forced = h == PROBE_FORCED && moveFitsBoard(board, r.hashMoves[0], sideToMove);
    if (depth <= 0 || ply >= HORIZON_PLY) {
        if (ply >= EXTENSION_PLY) return quiesce(r, alpha, beta);
        if (isInCheck(sideToMove)) {
            ++stats.counters.checkExtensions;
            depth = 1;
        } else if (!forced) {
            return quiesce(r, alpha, beta);
        }
    }
    PlyRecord& child = (&r)[1];
    if (ply > 1 && depth > 2 && !inNullMove && !followingPV && !isInCheck(sideToMove)) {
        makeNullMove();
        inNullMove = true;
        const int v = -search(child, depth - 3 > 1 ? depth - 3 : 1, -beta, 1 - beta);
        inNullMove = false;
        unmakeNullMove();
        if (v >= beta) return static_cast<std::int16_t>(v);
        forced = false;
    }
    if (forced && ply < EXTENSION_PLY) {
        r.singleMode = true;
        ++depth;
    } else {
        r.singleMode = r.preListDone = r.fullListDone = false;
    }
    int best = -INFINITE_SCORE;
    EngineMove bestMove = 0;
    std::uint8_t bound = BOUND_UPPER;
    bool pvs = false;
    int notLosing = 0;
    r.current = 0;
    RepetitionTable& rep = tables->repetition;
    for (EngineMove m = nextMove(r); m != 0; m = nextMove(r)) {
        const std::int8_t mover = board[moveSource(m)];
        const SavedState saved = makeMove(m);
        ++stats.counters.nodes;
        const int verdict = repetitionVerdict(m, mover);
        int v = 0;
        if (verdict != REP_FORBIDDEN) {
            PathMark mark(rep, hashLow, hashHigh);
            if (pvs) {
                v = -search(child, depth - 1, -alpha - 1, -alpha);
                if (v > alpha && v < beta) v = -search(child, depth - 1, -beta, -alpha);
            } else {
                v = -search(child, depth - 1, -beta, -alpha);
            }
            if (verdict == REP_CAPPED && v > 0) v = 0;
        }
        unmakeMove(m, saved);
        if (verdict == REP_FORBIDDEN) {
            followingPV = false;
            continue;
        }
        if (v >= beta) {
            v = mateDistance(v);
            store(depth, BOUND_LOWER, v, m, false);
            return static_cast<std::int16_t>(v);
        }
        if (v > best) {
            best = v;
            bestMove = m;
            if (v > alpha) {
                ++stats.counters.alphaRaises;
                bound = BOUND_EXACT;
                alpha = v;
                pvs = v > -MATE_THRESHOLD;
                adoptLine(r, m, child);
                if (child.pvLength == 0 && depth > 1) {
                    const SavedState again = makeMove(m);
                    extractLine(r.pvLength, r.pv, std::min(depth - 1, SEARCH_STACK_SIZE - ply + 1 - r.pvLength));
                    unmakeMove(m, again);
                }
            }
        }
        if (notLosing < 2 && v > -MATE_THRESHOLD) ++notLosing;
        followingPV = false;
    }
    if (r.current == 0) return -MATE_SCORE;
    best = mateDistance(best);
    store(depth, bound, best, bestMove, notLosing == 1);
    return static_cast<std::int16_t>(best);
}

bool Engine::isBanned(EngineMove move) const {
    for (int i = 0; i < bannedCount; ++i)
        if (bannedMoves[i] == move) return true;
    return false;
}

namespace {

// The root list without the banned moves, in its order.
std::int8_t withoutBannedMoves(const Engine& engine, MoveEntry* list, int count) {
    int kept = 0;
    for (int i = 0; i < count; ++i)
        if (!engine.isBanned(list[i].move())) list[kept++] = list[i];
    return static_cast<std::int8_t>(kept);
}

}  // namespace

std::int16_t Engine::searchRoot(int depth, int alpha, int beta) {
    followingPV = true;
    onlyOneMove = false;
    inNullMove = false;
    ++stats.counters.listGenerations;
    PlyRecord& root = searchStack[0];
    PlyRecord& child = searchStack[1];
    if (root.count <= 0) {
        root.count = generateMoves(sideToMove, root.moves);
        if (bannedCount > 0) root.count = withoutBannedMoves(*this, root.moves, root.count);
        if (root.count <= 0) return -MATE_SCORE;
        for (int i = 0; i < root.count; ++i) root.moves[i].key = 0;
    }
    if (root.pvLength > 0)
        for (int i = 0; i < root.count; ++i)
            if (root.moves[i].move() == root.pv[0]) root.moves[i].key = INFINITE_SCORE;
    sortRootList(root);
    bool pvs = false;
    int notLosing = 0;
    EngineMove lastResort = 0;
    RepetitionTable& rep = tables->repetition;
    for (int i = 0; i < root.count; ++i) {
        const EngineMove m = root.moves[i].move();
        const std::int8_t mover = board[moveSource(m)];
        const SavedState saved = makeMove(m);
        ++stats.counters.nodes;
        const int verdict = repetitionVerdict(m, mover);
        if (verdict == REP_FORBIDDEN && lastResort == 0 && !isInCheck(static_cast<Side>(sideToMove ^ 1)))
            lastResort = m;
        int g = -MATE_SCORE;
        if (verdict != REP_FORBIDDEN) {
            PathMark mark(rep, hashLow, hashHigh);
            if (pvs) {
                g = -search(child, depth - 1, -alpha - 1, -alpha);
                if (g > alpha && g < beta) g = -search(child, depth - 1, -beta, -alpha);
            } else {
                g = -search(child, depth - 1, -beta, -alpha);
            }
            if (verdict == REP_CAPPED && g > 0) g = 0;
        }
        root.moves[i].key = static_cast<std::int16_t>(g);
        if (verdict != REP_FORBIDDEN && g > alpha) {
            ++stats.counters.alphaRaises;
            alpha = g;
            pvs = g > -MATE_THRESHOLD;
            adoptLine(root, m, child);
            // The line is read on from the position after the move.
            if (child.pvLength == 0 && depth > 1) extractLine(root.pvLength, root.pv, depth - 1);
        }
        unmakeMove(m, saved);
        if (verdict != REP_FORBIDDEN && notLosing < 2 && g > -MATE_THRESHOLD) ++notLosing;
        followingPV = false;
    }
    // Every move that is not forbidden leaves the king en prise (or there is
    // none): a forbidden repetition is still a legal move, and the one to play.
    if (alpha <= -(MATE_SCORE - 1) && lastResort != 0) {
        root.pv[0] = lastResort;
        root.pvLength = 1;
        alpha = -MATE_SCORE;
    }
    onlyOneMove = notLosing == 1;
    alpha = mateDistance(alpha);
    store(depth, BOUND_EXACT, alpha, root.pvLength > 0 ? root.pv[0] : 0, notLosing == 1);
    return static_cast<std::int16_t>(alpha);
}
