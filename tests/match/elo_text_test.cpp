#include <gtest/gtest.h>

#include "match/elo_text.h"

namespace {

// What a player reads in the standings for known results.
struct TextCase {
    GameTally tally;  // wins, draws, losses
    const char* text;
};

const TextCase TEXT_CASES[] = {
    {{880, 1863, 759}, "Elo +12.0 +/- 7.9, LOS 99.9%"},  // as cutechess printed it (issue 543)
    {{759, 1863, 880}, "Elo -12.0 +/- 7.9, LOS 0.1%"},   // the same match seen from the loser
    {{}, "Elo -"},
    {{4, 0, 0}, "Elo +inf +/- inf, LOS 97.7%"},
    {{0, 6, 0}, "Elo 0.0 +/- 0.0, LOS 50.0%"},
    {{1, 999, 1}, "Elo 0.0 +/- 1.0, LOS 50.0%"},  // 1.96 sqrt(0.0005 / 1001) 1600 / ln 10 = 0.96
};

TEST(EloTextTest, StandingsLineFromKnownResults) {
    for (const TextCase& c : TEXT_CASES) EXPECT_EQ(eloText(eloFromGames(c.tally)), c.text);
}

TEST(EloTextTest, SprtLineShowsRatioBoundsAndHypotheses) {
    EXPECT_EQ(sprtText({0, 5, 0.05, 0.05}, sprtRatio({0, 5, 0.05, 0.05}, GameTally{880, 1863, 759})),
              "LLR 2.95 (-2.94, 2.94) [0.0, 5.0]");
    EXPECT_EQ(sprtText({-5, 0, 0.05, 0.10}, -0.5), "LLR -0.50 (-2.25, 2.89) [-5.0, 0.0]");
}

}  // namespace
