#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "board_support.h"
#include "engine/king_exposure.h"
#include "engine/perft.h"

namespace {

using namespace bp;

// Whether the move leaves the mover's king attacked, by the full check test.
bool exposes(Engine& e, const MoveEntry& m) {
    const Side mover = e.sideToMove;
    const auto saved = e.makeMove(m.move());
    const bool attacked = e.isInCheck(mover);
    e.unmakeMove(m.move(), saved);
    return attacked;
}

bool flagged(const Engine& e, const MoveEntry& m) {
    const int king = e.pieceSquares[e.sideToMove == SIDE_RED ? 0 : 16];
    return mayExposeKing(king, m.from, m.to, e.board[m.to] != EMPTY);
}

const MoveEntry* findMove(const MoveEntry* list, int n, EngineMove m) {
    for (int i = 0; i < n; ++i)
        if (list[i].move() == m) return list + i;
    return nullptr;
}

TEST(KingExposure, EveryMoveLeftUnflaggedKeepsASafeKingSafe) {
    std::mt19937 rng(16);
    int checked = 0, unflagged = 0;
    for (int game = 0; game < 60; ++game) {
        auto e = engineAt(INITIAL_BOARD, SIDE_RED);
        for (int ply = 0; ply < 150; ++ply) {
            MoveEntry list[MOVE_LIST_SIZE];
            const int n = e->generateMoves(e->sideToMove, list);
            if (!e->isInCheck(e->sideToMove)) {
                for (int i = 0; i < n; ++i) {
                    ++checked;
                    if (flagged(*e, list[i])) {
                        const auto saved = e->makeMove(list[i].move());
                        const bool targeted = e->exposedKing(list[i].from, list[i].to, saved.captured != EMPTY);
                        const bool full = e->isInCheck(e->sideToMove ^ 1);
                        e->unmakeMove(list[i].move(), saved);
                        ASSERT_EQ(targeted, full) << "move " << list[i].move();
                        continue;
                    }
                    ++unflagged;
                    Board90 board;
                    EXPECT_FALSE(exposes(*e, list[i])) << writeFen(e->exportBoard90(board), e->sideToMove);
                }
            }
            const std::vector<PackedMove> legal = legalMoves(*e);
            if (legal.empty()) break;
            e->makeMove(Engine::toEngineMove(legal[rng() % legal.size()]));
        }
    }
    EXPECT_GT(checked, 100000);
    EXPECT_GT(unflagged, checked / 4);  // the filter must also spare most moves
}

TEST(KingExposure, AMoveOffTheKingsRankIsFlaggedAFarPawnStepIsNot) {
    // A red horse on (1,0) stands between the red king (4,0) and a black
    // rook (0,0); the red pawn on (6,3) is on none of the king's lines.
    auto e = engineAt(boardWith({{4, 0, RK}, {1, 0, RH}, {0, 0, BR}, {6, 3, RP}, {3, 9, BK}}), SIDE_RED);
    ASSERT_FALSE(e->isInCheck(SIDE_RED));
    MoveEntry list[MOVE_LIST_SIZE];
    const int n = e->generateMoves(SIDE_RED, list);
    const MoveEntry* horse = findMove(list, n, sqMove(1, 0, 2, 2));
    const MoveEntry* pawn = findMove(list, n, sqMove(6, 3, 6, 4));
    ASSERT_NE(horse, nullptr);
    ASSERT_NE(pawn, nullptr);
    EXPECT_TRUE(flagged(*e, *horse));
    EXPECT_TRUE(exposes(*e, *horse));
    EXPECT_FALSE(flagged(*e, *pawn));
    EXPECT_FALSE(exposes(*e, *pawn));
}

TEST(KingExposure, AQuietStepOntoTheKingsLineIsFlaggedACaptureThereIsNot) {
    // Red king (4,0), black cannon (4,8): a red rook stepping onto file 4
    // becomes the cannon's screen. Taking a piece on file 4 opens nothing.
    auto e = engineAt(boardWith({{4, 0, RK}, {0, 4, RR}, {4, 8, BC}, {3, 9, BK}}), SIDE_RED);
    ASSERT_FALSE(e->isInCheck(SIDE_RED));
    MoveEntry list[MOVE_LIST_SIZE];
    const int n = e->generateMoves(SIDE_RED, list);
    const MoveEntry* screen = findMove(list, n, sqMove(0, 4, 4, 4));
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(flagged(*e, *screen));
    EXPECT_TRUE(exposes(*e, *screen));
    const int king = e->pieceSquares[0];
    EXPECT_FALSE(mayExposeKing(king, squareAt(0, 4), squareAt(4, 4), true));
    EXPECT_FALSE(mayExposeKing(king, squareAt(0, 4), squareAt(0, 6), false));
    EXPECT_TRUE(mayExposeKing(king, squareAt(3, 1), squareAt(2, 2), false));  // off a square diagonally beside
    EXPECT_FALSE(mayExposeKing(0, squareAt(4, 1), squareAt(4, 2), false));     // no king
}

}  // namespace
