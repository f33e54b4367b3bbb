#include "game/repetition_terms.h"

#include <algorithm>

#include "engine/engine.h"
#include "game/rules.h"

namespace repetition_terms {

namespace {

constexpr Side sideOf(BoardPiece p) { return isRedPiece(p) ? SIDE_RED : SIDE_BLACK; }

constexpr int cellOf(int square) { return boardIndex(squareFile(square), squareRank(square)); }

constexpr PackedMove cellMove(int from, int to) { return packMove(from % 9, from / 9, to % 9, to / 9); }

Board90 played(const Board90& board, int from, int to) {
    Board90 after = board;
    after[to] = after[from];
    after[from] = NO_PIECE;
    return after;
}

bool contains(const std::vector<Capture>& list, Capture c) {
    return std::find(list.begin(), list.end(), c) != list.end();
}

}  // namespace

std::vector<Capture> legalCaptures(const Board90& board, Side side) {
    Engine& engine = plainEngine();
    engine.setPosition(board, side);
    MoveEntry list[MOVE_LIST_SIZE];
    const int n = engine.generateCaptures(side, list);
    std::vector<Capture> out;
    for (int i = 0; i < n; ++i) {
        const Capture c{cellOf(list[i].from), cellOf(list[i].to)};
        if (isLegalMove(board, side, cellMove(c.from, c.to))) out.push_back(c);
    }
    return out;
}

bool givesCheck(const Board90& after, Side mover) {
    Engine& engine = plainEngine();
    const Side other = static_cast<Side>(mover ^ 1);
    engine.setPosition(after, other);
    return engine.isInCheck(other);
}

bool isProtected(const Board90& board, int attacker, int victim) {
    const Side defender = sideOf(board[victim]);
    for (const Capture& c : legalCaptures(played(board, attacker, victim), defender))
        if (c.to == victim) return true;
    return false;
}

bool cannotBeChased(BoardPiece victim, int cell) {
    const int kind = victim % PIECE_KINDS;
    if (kind == 0) return true;
    if (kind != 6) return false;
    const int rank = cell / 9;
    return isRedPiece(victim) ? rank <= 4 : rank >= 5;
}

bool threatens(const Board90& board, int attacker, int victim) {
    const BoardPiece a = board[attacker], v = board[victim];
    if (a == NO_PIECE || v == NO_PIECE || sideOf(a) == sideOf(v)) return false;
    if (attacksWithoutChasing(a) || cannotBeChased(v, victim)) return false;
    if (!contains(legalCaptures(board, sideOf(a)), {attacker, victim})) return false;
    if (a % PIECE_KINDS == v % PIECE_KINDS && contains(legalCaptures(board, sideOf(v)), {victim, attacker}))
        return false;
    return chasesEvenProtected(a, v) || !isProtected(board, attacker, victim);
}

std::vector<int> chasedCells(const Board90& before, PackedMove move, const Board90& after) {
    const GridPoint f = moveFrom(move), t = moveTo(move);
    const int from = boardIndex(f.file, f.rank), to = boardIndex(t.file, t.rank);
    const Side mover = sideOf(after[to]);
    std::vector<int> chased;
    if (givesCheck(after, mover)) return chased;
    for (const Capture& c : legalCaptures(after, mover)) {
        if (!threatens(after, c.from, c.to)) continue;
        // The same piece, before the move, on the square it came from.
        const int earlier = c.from == to ? from : c.from;
        if (before[earlier] == after[c.from] && before[c.to] == after[c.to] && threatens(before, earlier, c.to))
            continue;
        if (std::find(chased.begin(), chased.end(), c.to) == chased.end()) chased.push_back(c.to);
    }
    return chased;
}

}  // namespace repetition_terms
