#include <gtest/gtest.h>

#include "match/sprt.h"

namespace {

// Log-likelihood ratios on the logistic scale as chess engine-testing tools
// printed them (two decimals).
struct RatioCase {
    const char* source;
    SprtSettings settings;  // elo0, elo1, alpha, beta
    GameTally games;        // wins, draws, losses; empty when the case gives pairs
    PairTally pairs;        // pairs scoring 0, 1/2, 1, 3/2, 2
    double ratio;
};

const RatioCase RATIO_CASES[] = {
    // cutechess-cli's stop, confirmed by the SPRT script quoted there (--logistic).
    {"cutechess issue 543", {0, 5, 0.05, 0.05}, {880, 1863, 759}, {}, 2.95},
    // fastchess's own SPRT test cases for its logistic model.
    {"fastchess logistic trinomial 1", {0.5, 2.5, 0.05, 0.05}, {21404, 40708, 21184}, {}, -1.57},
    {"fastchess logistic trinomial 2", {0, 2, 0.05, 0.05}, {57433, 106593, 57030}, {}, -2.59},
    {"fastchess logistic pentanomial 1", {0.5, 2.5, 0.05, 0.05}, {}, {{223, 9863, 21279, 10037, 246}}, -3.07},
    {"fastchess logistic pentanomial 2", {0, 2, 0.05, 0.05}, {}, {{871, 26175, 55983, 26678, 821}}, -4.98},
};

TEST(SprtTest, RatiosMatchPublishedFigures) {
    for (const RatioCase& c : RATIO_CASES) {
        ASSERT_TRUE(c.settings.valid()) << c.source;
        const double ratio = c.games.games() > 0 ? sprtRatio(c.settings, c.games) : sprtRatio(c.settings, c.pairs);
        EXPECT_NEAR(ratio, c.ratio, 0.005) << c.source;
    }
}

// The bounds printed next to the ratios: (-2.94, 2.94) for 5%/5%, and
// (-2.25, 2.89) for alpha 5%, beta 10% (fastchess in a Rust engine's test).
struct BoundsCase {
    double alpha, beta, lower, upper;
};
const BoundsCase BOUNDS_CASES[] = {{0.05, 0.05, -2.94, 2.94}, {0.05, 0.10, -2.25, 2.89}};

TEST(SprtTest, BoundsMatchPublishedFigures) {
    for (const BoundsCase& c : BOUNDS_CASES) {
        const SprtBounds b = sprtBounds({0, 5, c.alpha, c.beta});
        EXPECT_NEAR(b.lower, c.lower, 0.005) << c.alpha << " " << c.beta;
        EXPECT_NEAR(b.upper, c.upper, 0.005) << c.alpha << " " << c.beta;
    }
}

TEST(SprtTest, DecidesAtTheBounds) {
    const SprtSettings s{0, 5, 0.05, 0.05};
    const double upper = sprtBounds(s).upper;
    const struct {
        double ratio;
        SprtDecision decision;
    } cases[] = {{0, SprtDecision::Continue},         {upper - 1e-9, SprtDecision::Continue},
                 {upper, SprtDecision::AcceptH1},     {7, SprtDecision::AcceptH1},
                 {-upper + 1e-9, SprtDecision::Continue}, {-upper, SprtDecision::AcceptH0}};
    for (const auto& c : cases) EXPECT_EQ(sprtDecision(s, c.ratio), c.decision) << c.ratio;
}

// Without a spread the ratio stays 0: a few draws, or a clean sweep so far,
// must not end a match.
TEST(SprtTest, NoDecisionWithoutSpread) {
    const SprtSettings s{0, 5, 0.05, 0.05};
    EXPECT_EQ(sprtRatio(s, GameTally{0, 40, 0}), 0);
    EXPECT_EQ(sprtRatio(s, GameTally{12, 0, 0}), 0);
    EXPECT_EQ(sprtRatio(s, PairTally{{0, 0, 30, 0, 0}}), 0);
    EXPECT_EQ(sprtRatio(s, GameTally{}), 0);
    // Once the results differ, a lopsided match is decided quickly.
    EXPECT_EQ(sprtDecision(s, sprtRatio(s, GameTally{30, 1, 0})), SprtDecision::AcceptH1);
}

struct SettingsCase {
    SprtSettings settings;
    bool valid;
};
const SettingsCase SETTINGS_CASES[] = {
    {{0, 5, 0.05, 0.05}, true},   {{-5, 0, 0.1, 0.2}, true},    {{5, 0, 0.05, 0.05}, false},
    {{3, 3, 0.05, 0.05}, false},  {{0, 5, 0, 0.05}, false},     {{0, 5, 0.05, 1}, false},
    {{0, 5, 0.6, 0.5}, false},    {{0, 2000, 0.05, 0.05}, false},
};

TEST(SprtTest, RefusesSettingsThatCannotDecide) {
    for (const SettingsCase& c : SETTINGS_CASES)
        EXPECT_EQ(c.settings.valid(), c.valid) << c.settings.elo0 << " " << c.settings.elo1 << " "
                                               << c.settings.alpha << " " << c.settings.beta;
}

}  // namespace
