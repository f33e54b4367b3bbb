#include "match/elo_stats.h"

#include <cmath>
#include <limits>
#include <numeric>

namespace {

// The two-sided 95% quantile of the standard normal distribution.
constexpr double Z_95 = 1.959963984540054;
constexpr double INF = std::numeric_limits<double>::infinity();

double normalCdf(double x) { return 0.5 * std::erfc(-x / std::sqrt(2.0)); }

constexpr std::array<double, 3> GAME_SCORES = {0.0, 0.5, 1.0};
constexpr std::array<double, 5> PAIR_SCORES = {0.0, 0.25, 0.5, 0.75, 1.0};

template <std::size_t N>
ScoreSpread spread(const std::array<int, N>& counts, const std::array<double, N>& scores) {
    ScoreSpread s;
    s.samples = std::accumulate(counts.begin(), counts.end(), 0);
    if (s.samples == 0) return s;
    const double n = s.samples;
    s.mean = 0;
    for (std::size_t i = 0; i < N; ++i) s.mean += counts[i] * scores[i] / n;
    for (std::size_t i = 0; i < N; ++i) s.variance += counts[i] * (scores[i] - s.mean) * (scores[i] - s.mean) / n;
    return s;
}

EloEstimate estimate(const ScoreSpread& s) {
    EloEstimate e;
    e.samples = s.samples;
    if (s.samples == 0) return e;
    const double mean = s.mean;
    const double deviation = std::sqrt(s.variance / s.samples);
    e.score = mean;
    e.elo = eloOfScore(mean);
    const double low = mean - Z_95 * deviation;
    const double high = mean + Z_95 * deviation;
    e.errorMargin = (low <= 0 || high >= 1) ? INF : (eloOfScore(high) - eloOfScore(low)) / 2;
    if (deviation > 0)
        e.superiority = normalCdf((mean - 0.5) / deviation);
    else
        e.superiority = mean > 0.5 ? 1.0 : mean < 0.5 ? 0.0 : 0.5;
    return e;
}

}  // namespace

void GameTally::add(GamePoints points) {
    switch (points) {
        case GamePoints::Win: ++wins; break;
        case GamePoints::Draw: ++draws; break;
        case GamePoints::Loss: ++losses; break;
    }
}

int PairTally::pairs() const { return std::accumulate(counts.begin(), counts.end(), 0); }

void PairTally::add(GamePoints first, GamePoints second) {
    ++counts[static_cast<int>(first) + static_cast<int>(second)];
}

double scoreOfElo(double elo) { return 1.0 / (1.0 + std::pow(10.0, -elo / 400.0)); }

double eloOfScore(double score) {
    if (score <= 0) return -INF;
    if (score >= 1) return INF;
    return -400.0 * std::log10(1.0 / score - 1.0);
}

ScoreSpread spreadOfGames(const GameTally& tally) {
    return spread<3>({tally.losses, tally.draws, tally.wins}, GAME_SCORES);
}

ScoreSpread spreadOfPairs(const PairTally& tally) { return spread<5>(tally.counts, PAIR_SCORES); }

EloEstimate eloFromGames(const GameTally& tally) {
    EloEstimate e = estimate(spreadOfGames(tally));
    const int decisive = tally.wins + tally.losses;
    e.superiority = decisive == 0 ? 0.5 : normalCdf((tally.wins - tally.losses) / std::sqrt(double(decisive)));
    return e;
}

EloEstimate eloFromPairs(const PairTally& tally) {
    return estimate(spreadOfPairs(tally));
}
