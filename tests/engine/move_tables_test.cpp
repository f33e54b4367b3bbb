#include <vector>

#include <gtest/gtest.h>

#include "engine/move_tables.h"
#include "engine/pieces.h"

namespace {

std::vector<int> listOf(const std::uint8_t* table, int file, int rank) {
    std::vector<int> out;
    for (const std::uint8_t* p = table + 16 * squareAt(file, rank); *p; ++p) out.push_back(*p);
    return out;
}

std::vector<int> squares(std::initializer_list<std::pair<int, int>> points) {
    std::vector<int> out;
    for (auto [f, r] : points) out.push_back(squareAt(f, r));
    return out;
}

const MoveTables& T() { return MoveTables::instance(); }

TEST(MoveTables, KingStepsKeepToThePalaceInTableOrder) {
    EXPECT_EQ(listOf(T().kingSteps(), 4, 1), squares({{5, 1}, {3, 1}, {4, 2}, {4, 0}}));
    EXPECT_EQ(listOf(T().kingSteps(), 3, 0), squares({{4, 0}, {3, 1}}));
    EXPECT_EQ(listOf(T().kingSteps(), 5, 9), squares({{4, 9}, {5, 8}}));
    EXPECT_EQ(listOf(T().kingSteps(), 4, 7), squares({{5, 7}, {3, 7}, {4, 8}}));
    EXPECT_TRUE(listOf(T().kingSteps(), 4, 3).empty());
}

TEST(MoveTables, AdvisorSteps) {
    EXPECT_EQ(listOf(T().advisorSteps(), 4, 8), squares({{5, 9}, {3, 9}, {5, 7}, {3, 7}}));
    EXPECT_EQ(listOf(T().advisorSteps(), 3, 9), squares({{4, 8}}));
    EXPECT_EQ(listOf(T().advisorSteps(), 5, 0), squares({{4, 1}}));
    EXPECT_TRUE(listOf(T().advisorSteps(), 4, 0).empty());
}

TEST(MoveTables, ElephantsNeverCrossTheRiverAndEyesRunParallel) {
    EXPECT_EQ(listOf(T().elephantTargets(), 2, 4), squares({{4, 2}, {0, 2}}));
    EXPECT_EQ(listOf(T().elephantEyes(), 2, 4), squares({{3, 3}, {1, 3}}));
    EXPECT_EQ(listOf(T().elephantTargets(), 2, 5), squares({{4, 7}, {0, 7}}));
    EXPECT_EQ(listOf(T().elephantTargets(), 4, 2), squares({{6, 4}, {2, 4}, {6, 0}, {2, 0}}));
    for (int r = 0; r < 10; ++r)
        for (int f = 0; f < 9; ++f)
            for (int t : listOf(T().elephantTargets(), f, r)) EXPECT_EQ(squareRank(t) <= 4, r <= 4) << f << "," << r;
}

TEST(MoveTables, HorseTargetsAndLegs) {
    EXPECT_EQ(listOf(T().horseTargets(), 0, 0), squares({{1, 2}, {2, 1}}));
    EXPECT_EQ(listOf(T().horseLegs(), 0, 0), squares({{0, 1}, {1, 0}}));
    EXPECT_EQ(listOf(T().horseTargets(), 4, 4).size(), 8u);
    EXPECT_EQ(listOf(T().horseTargets(), 8, 9), squares({{7, 7}, {6, 8}}));
    EXPECT_EQ(listOf(T().horseLegs(), 8, 9), squares({{8, 8}, {7, 9}}));
}

TEST(MoveTables, PawnSteps) {
    EXPECT_EQ(listOf(T().redPawnSteps(), 4, 3), squares({{4, 4}}));
    EXPECT_EQ(listOf(T().redPawnSteps(), 4, 5), squares({{4, 6}, {5, 5}, {3, 5}}));
    EXPECT_EQ(listOf(T().redPawnSteps(), 0, 9), squares({{1, 9}}));
    EXPECT_EQ(listOf(T().redPawnSteps(), 8, 9), squares({{7, 9}}));
    EXPECT_TRUE(listOf(T().redPawnSteps(), 1, 3).empty());
    EXPECT_TRUE(listOf(T().redPawnSteps(), 4, 2).empty());
    EXPECT_EQ(listOf(T().blackPawnSteps(), 4, 6), squares({{4, 5}}));
    EXPECT_EQ(listOf(T().blackPawnSteps(), 4, 4), squares({{4, 3}, {5, 4}, {3, 4}}));
    EXPECT_EQ(listOf(T().blackPawnSteps(), 0, 0), squares({{1, 0}}));
    EXPECT_TRUE(listOf(T().blackPawnSteps(), 1, 6).empty());
}

TEST(MoveTables, EveryListedSquareIsOnTheBoard) {
    const std::uint8_t* tables[] = {T().kingSteps(), T().advisorSteps(), T().elephantTargets(), T().elephantEyes(),
                                    T().horseTargets(), T().horseLegs(), T().redPawnSteps(), T().blackPawnSteps()};
    for (const std::uint8_t* t : tables) {
        for (int sq = 0; sq < 256; ++sq) {
            for (int i = 0; i < 16; ++i) {
                int v = t[16 * sq + i];
                if (v) {
                    EXPECT_TRUE(isPlayingSquare(sq) && isPlayingSquare(v)) << sq << " -> " << v;
                }
            }
            EXPECT_EQ(t[16 * sq + 15], 0);
        }
    }
}

TEST(MoveTables, HorseLegByDeltaHasExactlyEightEntries) {
    const std::int8_t* t = T().horseLegByDelta();
    const std::pair<int, int> expected[] = {{14, -1}, {18, 1}, {31, 16}, {33, 16},
                                            {223, -16}, {225, -16}, {238, -1}, {242, 1}};
    int nonZero = 0;
    for (int i = 0; i < 256; ++i) nonZero += t[i] != 0;
    EXPECT_EQ(nonZero, 8);
    for (auto [index, leg] : expected) EXPECT_EQ(t[index], leg) << index;
    EXPECT_EQ(t[0], 0);
}

}  // namespace
