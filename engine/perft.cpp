#include "engine/perft.h"

namespace {

// Board-only make and take-back: perft needs neither keys nor scores.
struct BoardMove {
    Engine& e;
    int from, to;
    std::int8_t piece, captured;
    BoardMove(Engine& engine, const MoveEntry& m) : e(engine), from(m.from), to(m.to) {
        piece = e.board[from];
        captured = e.board[to];
        if (captured != EMPTY) e.pieceSquares[captured] = 0;
        e.board[to] = piece;
        e.board[from] = EMPTY;
        e.pieceSquares[piece] = static_cast<std::uint8_t>(to);
        e.sideToMove ^= 1;
    }
    ~BoardMove() {
        e.sideToMove ^= 1;
        e.board[from] = piece;
        e.board[to] = captured;
        e.pieceSquares[piece] = static_cast<std::uint8_t>(from);
        if (captured != EMPTY) e.pieceSquares[captured] = static_cast<std::uint8_t>(to);
    }
};

bool leavesKingSafe(const Engine& e) { return !e.isInCheck(e.sideToMove ^ 1); }

std::uint64_t countTree(Engine& e, int depth) {
    MoveEntry list[MOVE_LIST_SIZE];
    const int n = e.generateMoves(e.sideToMove, list);
    std::uint64_t nodes = 0;
    for (int i = 0; i < n; ++i) {
        BoardMove made(e, list[i]);
        if (!leavesKingSafe(e)) continue;
        nodes += depth <= 1 ? 1 : countTree(e, depth - 1);
    }
    return nodes;
}

}  // namespace

std::uint64_t perft(Engine& engine, int depth) {
    if (depth <= 0) return 1;
    return countTree(engine, depth);
}

std::vector<PerftDivision> perftDivide(Engine& engine, int depth) {
    std::vector<PerftDivision> out;
    MoveEntry list[MOVE_LIST_SIZE];
    const int n = engine.generateMoves(engine.sideToMove, list);
    for (int i = 0; i < n; ++i) {
        BoardMove made(engine, list[i]);
        if (!leavesKingSafe(engine)) continue;
        std::uint64_t below = depth <= 1 ? 1 : countTree(engine, depth - 1);
        out.push_back({Engine::toPackedMove(list[i].move()), below});
    }
    return out;
}

std::vector<PackedMove> legalMoves(Engine& engine) {
    std::vector<PackedMove> out;
    for (const auto& d : perftDivide(engine, 1)) out.push_back(d.move);
    return out;
}
