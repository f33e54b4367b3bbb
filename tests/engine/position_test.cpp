#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "board_support.h"

namespace {

using namespace bp;

TEST(Position, InitialPieceSquares) {
    auto e = engineAt(INITIAL_BOARD, SIDE_RED);
    EXPECT_EQ(e->pieceSquares[0], 55);
    EXPECT_EQ(e->pieceSquares[16], 199);
    const int redPawns[] = {99, 101, 103, 105, 107}, blackPawns[] = {147, 149, 151, 153, 155};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(e->pieceSquares[11 + i], redPawns[i]);
        EXPECT_EQ(e->pieceSquares[27 + i], blackPawns[i]);
    }
    EXPECT_EQ(e->board[squareAt(0, 0)], 7);  // first rook in scan order
    EXPECT_EQ(e->board[squareAt(8, 0)], 8);
    EXPECT_EQ(e->board[0], BORDER);
    EXPECT_EQ(e->board[squareAt(4, 4)], EMPTY);
}

TEST(Position, ExportGivesBackTheLoadedBoard) {
    Board90 b = boardWith({{4, 0, RK}, {3, 9, BK}, {0, 5, RR}, {8, 6, BP}, {2, 0, RE}});
    auto e = engineAt(b, SIDE_BLACK);
    Board90 out;
    EXPECT_EQ(e->exportBoard90(out), b);
    auto init = engineAt(INITIAL_BOARD, SIDE_RED);
    EXPECT_EQ(init->exportBoard90(out), INITIAL_BOARD);
}

TEST(Position, KeyIgnoresWhichOfTwoLikePiecesStandsWhere) {
    Board90 a = INITIAL_BOARD;
    auto e1 = engineAt(a, SIDE_RED);
    // Swapping the red rooks changes their codes but not the key.
    std::swap(e1->board[squareAt(0, 0)], e1->board[squareAt(8, 0)]);
    e1->rebuildPieceSquares();
    auto e2 = engineAt(a, SIDE_RED);
    EXPECT_EQ(e1->getHashKey(), e2->getHashKey());
}

TEST(Position, SideToMoveChangesTheKeyBySideKey) {
    auto red = engineAt(INITIAL_BOARD, SIDE_RED);
    auto black = engineAt(INITIAL_BOARD, SIDE_BLACK);
    EXPECT_EQ(red->getHashKey() ^ black->getHashKey(), SIDE_KEY.value());
}

TEST(Position, ZobristValuesAreFixed) {
    // Opening books are keyed with these values: they must never change.
    EXPECT_EQ(ZOBRIST_TABLE[0].value(), 0x93D425333A0F26BEull);
    EXPECT_EQ(ZOBRIST_TABLE[1259].value(), 0xBEE63A1173CC0C35ull);
    EXPECT_EQ(SIDE_KEY.value(), 0x743FE516B49C1FCEull);
    auto e = engineAt(INITIAL_BOARD, SIDE_RED);
    EXPECT_EQ(e->getHashKey(), 0x92CB5659187C4027ull);
}

// Everything makeMove changes, for comparing before and after.
struct Snapshot {
    std::int8_t board[256];
    std::uint8_t pieceSquares[32];
    std::uint8_t side;
    std::int8_t ply;
    std::uint64_t key;
    std::int16_t material;
    explicit Snapshot(const Engine& e) : side(e.sideToMove), ply(e.ply), key(e.hashKey()), material(e.materialScore) {
        std::memcpy(board, e.board, sizeof board);
        std::memcpy(pieceSquares, e.pieceSquares, sizeof pieceSquares);
    }
    bool operator==(const Snapshot& o) const {
        return !std::memcmp(board, o.board, sizeof board) && !std::memcmp(pieceSquares, o.pieceSquares, sizeof pieceSquares) &&
               side == o.side && ply == o.ply && key == o.key && material == o.material;
    }
};

TEST(Position, MakeUnmakeRestoresEverythingForQuietMovesAndCaptures) {
    auto e = engineAt(INITIAL_BOARD, SIDE_RED);
    const Snapshot before(*e);
    const EngineMove quiet = sqMove(1, 2, 4, 2);    // cannon to the centre
    const EngineMove capture = sqMove(1, 2, 1, 9);  // cannon takes the horse
    for (EngineMove m : {quiet, capture}) {
        auto saved = e->makeMove(m);
        EXPECT_FALSE(Snapshot(*e) == before);
        e->unmakeMove(m, saved);
        EXPECT_TRUE(Snapshot(*e) == before);
    }
    e->makeNullMove();
    EXPECT_EQ(e->hashKey() ^ before.key, SIDE_KEY.value());
    e->unmakeNullMove();
    EXPECT_TRUE(Snapshot(*e) == before);
}

TEST(Position, IncrementalKeyAndScoreMatchAFreshComputation) {
    std::mt19937 rng(12345);
    for (int game = 0; game < 40; ++game) {
        auto e = engineAt(INITIAL_BOARD, SIDE_RED);
        for (int ply = 0; ply < 120; ++ply) {
            if (!e->pieceSquares[0] || !e->pieceSquares[16]) break;
            MoveEntry list[MOVE_LIST_SIZE];
            int n = e->generateMoves(e->sideToMove, list);
            if (n == 0) break;
            e->makeMove(list[rng() % n].move());
            const std::uint64_t key = e->hashKey();
            const std::int16_t material = e->materialScore;
            e->computeHash();
            e->computeMaterialScore();
            ASSERT_EQ(e->hashKey(), key) << "game " << game << " ply " << ply;
            ASSERT_EQ(e->materialScore, material) << "game " << game << " ply " << ply;
        }
    }
}

TEST(Position, MoveConversions) {
    EXPECT_EQ(Engine::toEngineMove(0), 0);
    EXPECT_EQ(Engine::toPackedMove(0), 0u);
    for (int f = 0; f < 9; ++f)
        for (int r = 0; r < 10; ++r) {
            PackedMove m = packMove(f, r, 8 - f, 9 - r);
            if (m == 0) continue;
            EXPECT_EQ(Engine::toPackedMove(Engine::toEngineMove(m)), m);
        }
    EXPECT_EQ(Engine::toEngineMove(packMove(1, 2, 4, 2)), sqMove(1, 2, 4, 2));
}

TEST(Position, SetPositionLeavesSurplusPiecesOff) {
    // Three red rooks cannot all get codes: the third stays off rather than
    // taking another piece's code.
    Board90 b = boardWith({{4, 0, RK}, {4, 9, BK}, {0, 0, RR}, {1, 0, RR}, {2, 0, RR}});
    auto e = engineAt(b, SIDE_RED);
    EXPECT_EQ(e->board[squareAt(2, 0)], EMPTY);
    EXPECT_EQ(e->pieceSquares[9], 0);
}

}  // namespace
