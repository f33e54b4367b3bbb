// A short run of the demo soak (the long one is tests/soak/demo_soak.cpp):
// the computer finishes every game against itself with legal moves only.
#include <gtest/gtest.h>

#include "demo_soak_support.h"

TEST(DemoSoak, TwentyGamesEndByTheRulesWithLegalMovesOnly) {
    SoakOptions options;
    options.games = 20;
    const SoakReport report = runDemoSoak(options);
    std::printf("%s\n", report.summary().c_str());
    EXPECT_EQ(report.games, 20);
    EXPECT_EQ(report.illegalMoves, 0);
    EXPECT_EQ(report.stalled, 0);
    EXPECT_EQ(report.unfinished, 0);
    EXPECT_EQ(report.refused, 0);
    EXPECT_EQ(report.redWins + report.blackWins + report.hundredPlyDraws + report.otherDraws, 20);
    EXPECT_GT(report.plies, 20 * options.openingPlies);
}
