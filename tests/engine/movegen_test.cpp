#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "board_support.h"

namespace {

using namespace bp;

// The moves a generator writes, as a vector.
template <typename Generate> std::vector<EngineMove> listed(Generate generate) {
    MoveEntry list[MOVE_LIST_SIZE];
    const int n = generate(list);
    std::vector<EngineMove> out;
    for (int i = 0; i < n; ++i) out.push_back(list[i].move());
    return out;
}

std::vector<EngineMove> movesOf(const Engine& e, Side side) {
    return listed([&](MoveEntry* l) { return e.generateMoves(side, l); });
}
std::vector<EngineMove> capturesOf(const Engine& e, Side side) {
    return listed([&](MoveEntry* l) { return e.generateCaptures(side, l); });
}
std::vector<EngineMove> pieceMovesOf(const Engine& e, int code) {
    return listed([&](MoveEntry* l) { return e.generatePieceMoves(code, l); });
}

bool contains(const std::vector<EngineMove>& v, EngineMove m) { return std::find(v.begin(), v.end(), m) != v.end(); }

TEST(MoveGeneration, InitialPositionOrder) {
    auto e = engineAt(INITIAL_BOARD, SIDE_RED);
    auto moves = movesOf(*e, SIDE_RED);
    ASSERT_EQ(moves.size(), 44u);
    EXPECT_EQ(moves[0], sqMove(0, 0, 0, 1));
    EXPECT_EQ(moves[1], sqMove(0, 0, 0, 2));
    EXPECT_EQ(moves.back(), sqMove(4, 0, 4, 1));
    // Pieces come rooks, cannons, horses, pawns, advisors, elephants, king.
    auto firstOf = [&](int file, int rank) {
        return std::find_if(moves.begin(), moves.end(), [&](EngineMove m) { return moveSource(m) == squareAt(file, rank); }) -
               moves.begin();
    };
    const std::pair<int, int> order[] = {{0, 0}, {8, 0}, {1, 2}, {7, 2}, {1, 0}, {7, 0}, {0, 3}, {2, 3},
                                         {4, 3}, {6, 3}, {8, 3}, {3, 0}, {5, 0}, {2, 0}, {6, 0}, {4, 0}};
    for (std::size_t i = 1; i < std::size(order); ++i)
        EXPECT_LT(firstOf(order[i - 1].first, order[i - 1].second), firstOf(order[i].first, order[i].second)) << i;
    auto caps = capturesOf(*e, SIDE_RED);
    ASSERT_EQ(caps.size(), 2u);
    EXPECT_EQ(caps[0], sqMove(1, 2, 1, 9));
    EXPECT_EQ(caps[1], sqMove(7, 2, 7, 9));
    EXPECT_FALSE(e->isInCheck(SIDE_RED));
    EXPECT_FALSE(e->isInCheck(SIDE_BLACK));
    EXPECT_EQ(movesOf(*e, SIDE_BLACK).size(), 44u);
}

TEST(MoveGeneration, SliderDirectionsAndQuietBeforeCapture) {
    // Red rook on (4,4); a black horse three squares toward +1 at (7,4).
    auto e = engineAt(boardWith({{3, 0, RK}, {5, 9, BK}, {4, 4, RR}, {7, 4, BH}}), SIDE_RED);
    auto m = pieceMovesOf(*e, 7);
    ASSERT_GE(m.size(), 3u);
    EXPECT_EQ(m[0], sqMove(4, 4, 5, 4));
    EXPECT_EQ(m[1], sqMove(4, 4, 6, 4));
    EXPECT_EQ(m[2], sqMove(4, 4, 7, 4));  // the capture ends the +1 direction
    EXPECT_EQ(m[3], sqMove(4, 4, 4, 5));  // then +16
    EXPECT_EQ(m.back(), sqMove(4, 4, 4, 0));  // -16 last
}

TEST(MoveGeneration, CannonNeedsAScreen) {
    // Red cannon (4,2); black pawn (4,5) directly in its way, black rook (4,8) beyond.
    auto e = engineAt(boardWith({{3, 0, RK}, {5, 9, BK}, {4, 2, RC}, {4, 5, BP}, {4, 8, BR}}), SIDE_RED);
    auto m = pieceMovesOf(*e, 9);
    EXPECT_FALSE(contains(m, sqMove(4, 2, 4, 5)));
    EXPECT_TRUE(contains(m, sqMove(4, 2, 4, 8)));
    EXPECT_TRUE(contains(m, sqMove(4, 2, 4, 4)));
    auto caps = capturesOf(*e, SIDE_RED);
    EXPECT_EQ(caps, std::vector<EngineMove>{sqMove(4, 2, 4, 8)});
}

TEST(MoveGeneration, HorseLegAndElephantEyeBlock) {
    // Red horse (1,0) with its forward leg (1,1) taken by a black pawn: both
    // moves across it go; the side step over (2,0) stays.
    auto horse = engineAt(boardWith({{4, 0, RK}, {3, 9, BK}, {1, 0, RH}, {1, 1, BP}}), SIDE_RED);
    EXPECT_EQ(pieceMovesOf(*horse, 5), std::vector<EngineMove>{sqMove(1, 0, 3, 1)});
    // Elephant (2,0) with the eye (3,1) taken by its own advisor.
    auto elephant = engineAt(boardWith({{4, 0, RK}, {3, 9, BK}, {2, 0, RE}, {3, 1, RA}}), SIDE_RED);
    EXPECT_EQ(pieceMovesOf(*elephant, 3), std::vector<EngineMove>{sqMove(2, 0, 0, 2)});
}

TEST(MoveGeneration, ProtectionsTargetOwnPiecesOnly) {
    // Red rook (0,0) defends its king along rank 0 and the horse (0,4) up the
    // file; the cannon (0,8) defends the horse over the black pawn (0,6); the
    // king defends its advisor (the advisor cannot step onto the king).
    auto e = engineAt(boardWith({{4, 0, RK}, {3, 9, BK}, {4, 1, RA}, {0, 0, RR}, {0, 4, RH}, {0, 6, BP}, {0, 8, RC}}),
                      SIDE_RED);
    std::vector<EngineMove> got = listed([&](MoveEntry* l) { return e->generateProtections(SIDE_RED, l); });
    EXPECT_EQ(got, (std::vector<EngineMove>{sqMove(0, 0, 4, 0), sqMove(0, 0, 0, 4), sqMove(0, 8, 0, 4),
                                             sqMove(4, 0, 4, 1)}));
}

TEST(MoveGeneration, FacingKings) {
    auto e = engineAt(boardWith({{4, 0, RK}, {4, 9, BK}, {0, 0, RR}, {8, 9, BR}}), SIDE_RED);
    auto red = movesOf(*e, SIDE_RED), black = movesOf(*e, SIDE_BLACK);
    EXPECT_EQ(red.back(), sqMove(4, 0, 4, 9));
    EXPECT_EQ(black.back(), sqMove(4, 9, 4, 0));
    EXPECT_TRUE(e->isInCheck(SIDE_RED));
    EXPECT_TRUE(e->isInCheck(SIDE_BLACK));
    EXPECT_EQ(capturesOf(*e, SIDE_RED).back(), sqMove(4, 0, 4, 9));
    EXPECT_EQ(pieceMovesOf(*e, 0).back(), sqMove(4, 0, 4, 9));
}

TEST(MoveGeneration, PawnsBeforeAndAfterTheRiver) {
    auto e = engineAt(boardWith({{3, 0, RK}, {5, 9, BK}, {0, 3, RP}, {4, 6, RP}, {2, 9, RP}}), SIDE_RED);
    EXPECT_EQ(pieceMovesOf(*e, 11), std::vector<EngineMove>{sqMove(0, 3, 0, 4)});
    EXPECT_EQ(pieceMovesOf(*e, 12), (std::vector<EngineMove>{sqMove(4, 6, 4, 7), sqMove(4, 6, 5, 6), sqMove(4, 6, 3, 6)}));
    EXPECT_EQ(pieceMovesOf(*e, 13), (std::vector<EngineMove>{sqMove(2, 9, 3, 9), sqMove(2, 9, 1, 9)}));
}

TEST(CheckDetection, PawnsBesideAndInFrontOfTheKing) {
    auto check = [](int pf, int pr) {
        auto e = engineAt(boardWith({{3, 0, RK}, {4, 9, BK}, {pf, pr, RP}}), SIDE_BLACK);
        return e->isInCheck(SIDE_BLACK);
    };
    EXPECT_TRUE(check(3, 9));
    EXPECT_TRUE(check(5, 9));
    EXPECT_TRUE(check(4, 8));
    auto above = engineAt(boardWith({{3, 0, RK}, {4, 8, BK}, {4, 9, RP}}), SIDE_BLACK);
    EXPECT_FALSE(above->isInCheck(SIDE_BLACK));
}

TEST(CheckDetection, SlidersHorsesAndCannonScreens) {
    auto rook = engineAt(boardWith({{4, 0, RK}, {3, 9, BK}, {3, 2, RR}}), SIDE_BLACK);
    EXPECT_TRUE(rook->isInCheck(SIDE_BLACK));
    auto cannonNoScreen = engineAt(boardWith({{4, 0, RK}, {3, 9, BK}, {3, 2, RC}}), SIDE_BLACK);
    EXPECT_FALSE(cannonNoScreen->isInCheck(SIDE_BLACK));
    auto cannonScreen = engineAt(boardWith({{4, 0, RK}, {3, 9, BK}, {3, 2, RC}, {3, 5, BP}}), SIDE_BLACK);
    EXPECT_TRUE(cannonScreen->isInCheck(SIDE_BLACK));
    auto horse = engineAt(boardWith({{5, 0, RK}, {4, 9, BK}, {3, 7, RH}}), SIDE_BLACK);
    EXPECT_TRUE(horse->isInCheck(SIDE_BLACK));
    // The horse's own leg (3,8) blocks; a piece next to the king does not.
    auto legBlocked = engineAt(boardWith({{5, 0, RK}, {4, 9, BK}, {3, 7, RH}, {3, 8, BA}}), SIDE_BLACK);
    EXPECT_FALSE(legBlocked->isInCheck(SIDE_BLACK));
    auto kingSideBlock = engineAt(boardWith({{5, 0, RK}, {4, 9, BK}, {3, 7, RH}, {4, 8, BA}}), SIDE_BLACK);
    EXPECT_TRUE(kingSideBlock->isInCheck(SIDE_BLACK));
}

TEST(AttackTests, OfficerAttacksIgnoreKingsAndPawns) {
    // Black advisor (4,8) is attacked only by a red pawn and the red king's line.
    auto byPawn = engineAt(boardWith({{3, 0, RK}, {5, 9, BK}, {4, 8, BA}, {4, 7, RP}}), SIDE_RED);
    EXPECT_FALSE(byPawn->isAttackedByOfficer(17));
    auto byRook = engineAt(boardWith({{3, 0, RK}, {5, 9, BK}, {4, 8, BA}, {0, 8, RR}}), SIDE_RED);
    EXPECT_TRUE(byRook->isAttackedByOfficer(17));
}

TEST(AttackTests, ThreatensUnprotectedPiece) {
    // Red rook (0,5) can take a black horse (0,8); black king (4,9).
    auto undefended = engineAt(boardWith({{4, 0, RK}, {4, 9, BK}, {0, 5, RR}, {0, 8, BH}}), SIDE_RED);
    EXPECT_TRUE(undefended->threatensUnprotectedPiece(7));
    // A black rook on (0,9) defends it.
    auto defended = engineAt(boardWith({{4, 0, RK}, {4, 9, BK}, {0, 5, RR}, {0, 8, BH}, {0, 9, BR}}), SIDE_RED);
    EXPECT_FALSE(defended->threatensUnprotectedPiece(7));
    // The king counts as a defender: a black advisor on (3,9) next to the king at (4,9)... rook takes from (3,5).
    auto kingDefends = engineAt(boardWith({{4, 0, RK}, {4, 9, BK}, {3, 5, RR}, {3, 9, BA}}), SIDE_RED);
    EXPECT_FALSE(kingDefends->threatensUnprotectedPiece(7));
}

TEST(MoveTest, TryMoveRefusesIllegalMoves) {
    Board90 b = boardWith({{4, 0, RK}, {3, 9, BK}, {4, 3, RR}, {4, 7, BR}});
    auto tryOne = [&](PackedMove m) {
        auto e = engineAt(b, SIDE_RED);
        return e->tryMove(m);
    };
    EXPECT_TRUE(tryOne(packMove(4, 3, 4, 7)));    // rook takes rook
    EXPECT_FALSE(tryOne(packMove(4, 3, 5, 4)));   // not a rook move
    EXPECT_FALSE(tryOne(packMove(4, 3, 0, 3)));   // leaves the king to the black rook
    EXPECT_FALSE(tryOne(packMove(4, 0, 3, 0)));   // king steps onto the black king's open file
    EXPECT_TRUE(tryOne(packMove(4, 0, 5, 0)));
    EXPECT_FALSE(tryOne(0));
}

TEST(MoveTest, TryMoveRefusesPointsOffTheBoard) {
    // Rank 16 is 256 squares on: (0,3)->(0,16) converts to the same engine
    // move as the legal (0,3)->(0,0), so only the board test refuses it.
    Board90 b = boardWith({{4, 0, RK}, {3, 9, BK}, {0, 3, RR}});
    ASSERT_EQ(Engine::toEngineMove(packMove(0, 3, 0, 16)), Engine::toEngineMove(packMove(0, 3, 0, 0)));
    EXPECT_TRUE(engineAt(b, SIDE_RED)->tryMove(packMove(0, 3, 0, 0)));
    for (PackedMove m : {packMove(0, 3, 0, 16), packMove(0, 3, 0, 17), packMove(0, 3, 0, 18), packMove(0, 3, 9, 3),
                         packMove(0, 3, -1, 3), packMove(0, 19, 0, 1), packMove(0, 3, 0, 10)})
        EXPECT_FALSE(engineAt(b, SIDE_RED)->tryMove(m)) << std::hex << m;
}

TEST(GameStatus, Verdicts) {
    auto bare = engineAt(boardWith({{4, 0, RK}, {3, 9, BK}, {3, 0, RA}, {2, 9, BE}}), SIDE_RED);
    EXPECT_EQ(bare->gameStatus(), RESULT_DRAW);
    // Red king (4,0) mated by black rooks on ranks 0 and 1.
    Board90 mated = boardWith({{4, 0, RK}, {3, 9, BK}, {0, 0, BR}, {8, 1, BR}});
    EXPECT_EQ(engineAt(mated, SIDE_RED)->gameStatus(), RESULT_BLACK_WINS);
    EXPECT_EQ(engineAt(mated, SIDE_BLACK)->gameStatus(), RESULT_IN_PLAY);
    // The mirrored case.
    Board90 blackMated = boardWith({{4, 9, BK}, {3, 0, RK}, {0, 9, RR}, {8, 8, RR}});
    EXPECT_EQ(engineAt(blackMated, SIDE_BLACK)->gameStatus(), RESULT_RED_WINS);
    // Stalemate loses too: black king (3,9) hemmed in with no move.
    Board90 stalemate = boardWith({{3, 9, BK}, {5, 0, RK}, {4, 8, RP}});
    EXPECT_EQ(engineAt(stalemate, SIDE_BLACK)->gameStatus(), RESULT_RED_WINS);
    EXPECT_EQ(engineAt(INITIAL_BOARD, SIDE_RED)->gameStatus(), RESULT_IN_PLAY);
}

TEST(GameStatus, NoAttackingMaterial) {
    EXPECT_TRUE(engineAt(boardWith({{4, 0, RK}, {4, 9, BK}, {3, 0, RA}, {2, 0, RE}}), SIDE_RED)->hasNoAttackingMaterial());
    EXPECT_FALSE(engineAt(boardWith({{4, 0, RK}, {4, 9, BK}, {0, 6, BP}}), SIDE_RED)->hasNoAttackingMaterial());
}

}  // namespace
