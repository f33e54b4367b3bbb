// morlan-make-xqf-library OUT [MOVES]: writes a synthetic opening library as
// an XQF record, for measuring how the program copes with the largest
// records players keep (real ones reach 1 MB and over 200,000 moves). The
// tree grows like a library: a main line of 300 plies, then side lines of 1
// to 40 plies branching off nodes chosen at random, every move legal and
// every fiftieth one commented, until it holds MOVES moves (250,000 unless
// told). The same seed gives the same file.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/board_move.h"
#include "engine/perft.h"
#include "game/xqf_writer.h"

namespace {

struct Grower {
    MoveTree& tree;
    std::mt19937 rng{20261209};
    std::vector<Board90> boards{INITIAL_BOARD};  // the position after each node
    int target;

    // Adds a line of up to plies random legal moves below node; false once the tree is full.
    bool growLine(int node, int plies) {
        Engine& engine = plainEngine();
        for (int ply = 0; ply < plies; ++ply) {
            if (tree.moveCount() >= target) return false;
            const Side side = static_cast<Side>(tree.depth(node) & 1);
            engine.setPosition(boards[static_cast<std::size_t>(node)], side);
            const std::vector<PackedMove> legal = legalMoves(engine);
            if (legal.empty()) return true;
            const PackedMove m = legal[rng() % legal.size()];
            if (tree.childWithMove(node, m) != MoveTree::NONE) return true;  // already a branch
            const int child = tree.appendChild(node, m);
            if (child == MoveTree::NONE) return false;
            Board90 board = boards[static_cast<std::size_t>(node)];
            playOnBoard(board, m);
            boards.resize(static_cast<std::size_t>(child) + 1);
            boards[static_cast<std::size_t>(child)] = board;
            if (tree.moveCount() % 50 == 0) tree.setComment(child, "\xD7\xA2\xBD\xE2");  // 注解
            node = child;
        }
        return true;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: morlan-make-xqf-library OUT [MOVES]\n");
        return 2;
    }
    GameDocument doc;
    doc.startBoard = INITIAL_BOARD;
    doc.startSide = SIDE_RED;
    Grower grower{doc.tree, {}, {}, 0};
    grower.target = argc > 2 ? std::atoi(argv[2]) : 250000;
    grower.growLine(MoveTree::ROOT, 300);
    while (grower.growLine(static_cast<int>(grower.rng() % grower.boards.size()), 1 + grower.rng() % 40)) {}
    for (int node : doc.tree.mainLine()) doc.moves.push_back({doc.tree.move(node), doc.tree.comment(node)});
    if (!writeXqf(argv[1], doc)) {
        std::fprintf(stderr, "morlan-make-xqf-library: %s: cannot be written\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d moves, %zu plies on the main line, %d variations\n", argv[1], doc.tree.moveCount(),
                doc.moves.size(), doc.tree.variationCount());
    return 0;
}
