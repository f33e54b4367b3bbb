#include "engine/perft.h"

#include "engine/king_exposure.h"

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

// The legality test of one node: the full check test after the move when
// the side to move is in check; otherwise none when the move cannot expose
// its king, and a test of the lines and legs it changed when it can
// (king_exposure.h).
class LegalityTest {
public:
    explicit LegalityTest(const Engine& e)
        : king_(e.pieceSquares[e.sideToMove == SIDE_RED ? 0 : 16]), inCheck_(e.isInCheck(e.sideToMove)) {}

    // Whether the move is known to be legal without making it.
    bool surelyLegal(const Engine& e, const MoveEntry& m) const {
        return !inCheck_ && !mayExposeKing(king_, m.from, m.to, e.board[m.to] != EMPTY);
    }
    // With the move made: whether it left the mover's king unattacked.
    bool leftKingSafe(const Engine& e, const BoardMove& made) const {
        if (inCheck_) return fullTest(e);
        return !e.exposedKing(made.from, made.to, made.captured != EMPTY);
    }
    static bool fullTest(const Engine& e) { return !e.isInCheck(e.sideToMove ^ 1); }

private:
    int king_;
    bool inCheck_;
};

std::uint64_t countTree(Engine& e, int depth) {
    MoveEntry list[MOVE_LIST_SIZE];
    const int n = e.generateMoves(e.sideToMove, list);
    const LegalityTest legal(e);
    std::uint64_t nodes = 0;
    if (depth <= 1) {
        for (int i = 0; i < n; ++i) {
            if (legal.surelyLegal(e, list[i])) {
                ++nodes;
                continue;
            }
            BoardMove made(e, list[i]);
            nodes += legal.leftKingSafe(e, made);
        }
        return nodes;
    }
    for (int i = 0; i < n; ++i) {
        const bool sure = legal.surelyLegal(e, list[i]);
        BoardMove made(e, list[i]);
        if (sure || legal.leftKingSafe(e, made)) nodes += countTree(e, depth - 1);
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
        if (!LegalityTest::fullTest(engine)) continue;
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
