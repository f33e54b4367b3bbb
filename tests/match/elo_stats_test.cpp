#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "match/elo_stats.h"

namespace {

// Match results as chess engine-testing tools printed them, with the Elo
// difference, its 95% error bar and the LOS they reported.
struct GamesCase {
    const char* source;
    GameTally tally;  // wins, draws, losses
    double elo, margin, losPercent;
    double tolerance;  // half the printed precision, and a little more for the margin
};

// cutechess-cli prints one decimal and takes its quantile from an erf
// approximation (1.957 for 1.960), so its margins are up to 0.2% smaller.
const GamesCase GAMES_CASES[] = {
    {"cutechess issue 543, SPRT stop", {880, 1863, 759}, 12.0, 7.9, 99.9, 0.07},
    {"cutechess-cli in a C# engine's pull request", {332, 352, 316}, 5.6, 17.3, 73.5, 0.07},
    {"cutechess-cli in a Rust engine's net test", {1448, 1679, 1320}, 10.0, 8.0, 99.3, 0.07},
    {"cutechess-cli in a Rust engine's time management test", {745, 501, 678}, 12.1, 13.3, 96.2, 0.07},
};

TEST(EloStatsTest, GamesMatchPublishedFigures) {
    for (const GamesCase& c : GAMES_CASES) {
        const EloEstimate e = eloFromGames(c.tally);
        EXPECT_EQ(e.samples, c.tally.games()) << c.source;
        EXPECT_NEAR(e.elo, c.elo, c.tolerance) << c.source;
        EXPECT_NEAR(e.errorMargin, c.margin, c.tolerance) << c.source;
        EXPECT_NEAR(100 * e.superiority, c.losPercent, c.tolerance) << c.source;
    }
}

struct PairsCase {
    const char* source;
    PairTally tally;  // pairs scoring 0, 1/2, 1, 3/2, 2
    double elo, margin, losPercent;  // losPercent < 0: not printed
};

// fastchess and OpenBench print two decimals from the pentanomial counts.
const PairsCase PAIRS_CASES[] = {
    {"fastchess in a Java engine's pull request", {{283, 1151, 2214, 1221, 281}}, 2.23, 4.50, 83.40},
    {"fastchess in a Rust engine's sanity check", {{1, 22, 52, 21, 4}}, 8.69, 27.04, 73.60},
    {"OpenBench in a C engine's pull request", {{1400, 4234, 7874, 4238, 1373}}, -0.45, 2.49, -1},
};

TEST(EloStatsTest, PairsMatchPublishedFigures) {
    for (const PairsCase& c : PAIRS_CASES) {
        const EloEstimate e = eloFromPairs(c.tally);
        EXPECT_EQ(e.samples, c.tally.pairs()) << c.source;
        EXPECT_NEAR(e.elo, c.elo, 0.006) << c.source;
        EXPECT_NEAR(e.errorMargin, c.margin, 0.006) << c.source;
        if (c.losPercent >= 0) {
            EXPECT_NEAR(100 * e.superiority, c.losPercent, 0.006) << c.source;
        }
    }
}

// A pair is counted by its total: a win and a loss weigh like two draws.
TEST(EloStatsTest, PairsAreCountedByTheirTotal) {
    PairTally tally;
    tally.add(GamePoints::Win, GamePoints::Loss);
    tally.add(GamePoints::Draw, GamePoints::Draw);
    tally.add(GamePoints::Loss, GamePoints::Draw);
    tally.add(GamePoints::Win, GamePoints::Win);
    EXPECT_EQ(tally, (PairTally{{0, 1, 2, 0, 1}}));
}

// Results a short match easily has: nothing yet, all one way, only draws.
struct EdgeCase {
    const char* name;
    GameTally tally;
    double elo;
    bool marginFinite;
    double superiority;
};

const double INF = std::numeric_limits<double>::infinity();
const EdgeCase EDGE_CASES[] = {
    {"only draws", {0, 10, 0}, 0, true, 0.5},
    {"every game won", {6, 0, 0}, INF, false, 0.9928471},
    {"every game lost", {0, 0, 3}, -INF, false, 0.0416322},
    {"one loss in many draws", {0, 99, 1}, -3.4744, true, 0.1586553},
};

TEST(EloStatsTest, OneSidedResultsGiveNoFiniteBar) {
    for (const EdgeCase& c : EDGE_CASES) {
        const EloEstimate e = eloFromGames(c.tally);
        if (std::isinf(c.elo))
            EXPECT_EQ(e.elo, c.elo) << c.name;
        else
            EXPECT_NEAR(e.elo, c.elo, 1e-4) << c.name;
        EXPECT_EQ(std::isfinite(e.errorMargin), c.marginFinite) << c.name;
        EXPECT_NEAR(e.superiority, c.superiority, 1e-7) << c.name;
    }
    EXPECT_FALSE(eloFromGames({}).known());
    EXPECT_FALSE(eloFromPairs({}).known());
}

}  // namespace
