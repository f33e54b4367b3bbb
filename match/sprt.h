// The sequential probability ratio test of a match: play on until the
// results show, with the error rates asked for, that the first player is
// elo0 (H0) or elo1 (H1) Elo stronger than the second. The log-likelihood
// ratio uses the normal approximation on the logistic Elo scale, from
// single games (trinomial) or from colour-swapped pairs (pentanomial).
#pragma once

#include "match/elo_stats.h"

struct SprtSettings {
    double elo0 = 0;
    double elo1 = 5;
    double alpha = 0.05;  // the chance of accepting H1 when H0 holds
    double beta = 0.05;   // the chance of accepting H0 when H1 holds

    // elo0 < elo1, both within ±1000; alpha and beta within (0, 1) and
    // alpha + beta < 1, so the lower bound lies below the upper.
    bool valid() const;
    friend bool operator==(const SprtSettings&, const SprtSettings&) = default;
};

enum class SprtDecision { Continue, AcceptH0, AcceptH1 };

struct SprtBounds {
    double lower = 0;  // log(beta / (1 - alpha)): at or below, H0 is accepted
    double upper = 0;  // log((1 - beta) / alpha): at or above, H1 is accepted
};

SprtBounds sprtBounds(const SprtSettings& settings);

// The log-likelihood ratio of H1 against H0. It is 0 while every result
// is the same (no games yet, or only draws, or only wins): without a
// spread the approximation would claim certainty after a handful of games,
// so the match plays on until results differ.
double sprtRatio(const SprtSettings& settings, const GameTally& tally);
double sprtRatio(const SprtSettings& settings, const PairTally& tally);

SprtDecision sprtDecision(const SprtSettings& settings, double ratio);
