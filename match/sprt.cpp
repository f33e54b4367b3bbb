#include "match/sprt.h"

#include <cmath>

namespace {

constexpr double ELO_LIMIT = 1000;

// N (s1 - s0) (2 mean - s0 - s1) / (2 variance): the log-likelihood ratio
// of two normal means under the samples' own variance.
double ratio(const SprtSettings& settings, const ScoreSpread& s) {
    if (s.samples == 0 || s.variance <= 0) return 0;
    const double s0 = scoreOfElo(settings.elo0);
    const double s1 = scoreOfElo(settings.elo1);
    return s.samples * (s1 - s0) * (2 * s.mean - s0 - s1) / (2 * s.variance);
}

}  // namespace

bool SprtSettings::valid() const {
    const bool elos = std::isfinite(elo0) && std::isfinite(elo1) && elo0 < elo1 && elo0 >= -ELO_LIMIT &&
                      elo1 <= ELO_LIMIT;
    const bool rates = alpha > 0 && alpha < 1 && beta > 0 && beta < 1 && alpha + beta < 1;
    return elos && rates;
}

SprtBounds sprtBounds(const SprtSettings& settings) {
    return {std::log(settings.beta / (1 - settings.alpha)), std::log((1 - settings.beta) / settings.alpha)};
}

double sprtRatio(const SprtSettings& settings, const GameTally& tally) {
    return ratio(settings, spreadOfGames(tally));
}

double sprtRatio(const SprtSettings& settings, const PairTally& tally) {
    return ratio(settings, spreadOfPairs(tally));
}

SprtDecision sprtDecision(const SprtSettings& settings, double ratio) {
    const SprtBounds bounds = sprtBounds(settings);
    if (ratio >= bounds.upper) return SprtDecision::AcceptH1;
    if (ratio <= bounds.lower) return SprtDecision::AcceptH0;
    return SprtDecision::Continue;
}
