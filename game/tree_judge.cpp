#include "game/tree_judge.h"
#include "engine/board_move.h"

namespace {

struct Played {
    int node;
    int from, to;
    BoardPiece captured;
};

}  // namespace

JudgedTree judgeTree(const MoveTree& read, const Board90& start, Side side, const NodeJudge& judge) {
    JudgedTree out;
    out.tree.setComment(MoveTree::ROOT, read.comment(MoveTree::ROOT));
    std::vector<int> mapped;  // the judged tree's node for each node read, by id
    Board90 board = start;
    std::vector<Played> played;
    auto mappedOf = [&](int n) -> int& {
        if (static_cast<std::size_t>(n) >= mapped.size()) mapped.resize(static_cast<std::size_t>(n) + 1, MoveTree::NONE);
        return mapped[static_cast<std::size_t>(n)];
    };
    mappedOf(MoveTree::ROOT) = MoveTree::ROOT;
    auto onMainLine = [&](int n) {
        for (; n != MoveTree::ROOT; n = read.parent(n))
            if (read.firstChild(read.parent(n)) != n) return false;
        return true;
    };
    read.walk(
        [&](int n) {
            const Side toMove = static_cast<Side>((side + read.depth(n) - 1) & 1);
            const PackedMove m = judge(board, toMove, n);
            const int parent = mappedOf(read.parent(n));
            const int node = m == 0 || parent == MoveTree::NONE ? MoveTree::NONE : out.tree.appendChild(parent, m);
            if (node == MoveTree::NONE) {
                if (out.refusedPly < 0 && read.firstChild(read.parent(n)) == n && onMainLine(n)) {
                    out.refusedPly = read.depth(n);
                    out.refusedNode = n;
                    out.refusedBoard = board;
                    out.refusedSide = toMove;
                }
                ++out.cutBranches;
                return false;
            }
            mappedOf(n) = node;
            out.tree.setComment(node, read.comment(n));
            const GridPoint f = moveFrom(m), t = moveTo(m);
            played.push_back({n, boardIndex(f.file, f.rank), boardIndex(t.file, t.rank), playOnBoard(board, m)});
            return true;
        },
        [&](int n) {
            if (played.empty() || played.back().node != n) return;
            const Played& p = played.back();
            board[p.from] = board[p.to];
            board[p.to] = p.captured;
            played.pop_back();
        });
    out.cutMoves = read.moveCount() - out.tree.moveCount();
    return out;
}
