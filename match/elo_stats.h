// What a match's results say about two players' strength: the score, the
// Elo difference with its 95% error bar, and the likelihood that the first
// player is the stronger (LOS). Games are counted one by one (wins, draws,
// losses: the trinomial view) or in pairs played on the same opening with
// colours swapped (the pentanomial view, which cancels most of an
// opening's bias and gives a truer, usually smaller, error bar).
// Everything is from the first player's side.
#pragma once

#include <array>
#include <cstdint>

// One game's result for the first player, in half points.
enum class GamePoints : std::uint8_t { Loss = 0, Draw = 1, Win = 2 };

struct GameTally {
    int wins = 0;
    int draws = 0;
    int losses = 0;

    int games() const { return wins + draws + losses; }
    void add(GamePoints points);
    friend bool operator==(const GameTally&, const GameTally&) = default;
};

// counts[k]: pairs in which the first player scored k half points (0 for
// two losses ... 4 for two wins; a win and a loss and two draws both make 2).
struct PairTally {
    std::array<int, 5> counts{};

    int pairs() const;
    void add(GamePoints first, GamePoints second);
    friend bool operator==(const PairTally&, const PairTally&) = default;
};

// The mean and the variance of one sample's score (a game's points, or a
// pair's points halved), over the samples counted.
struct ScoreSpread {
    int samples = 0;
    double mean = 0.5;
    double variance = 0;
};
ScoreSpread spreadOfGames(const GameTally& tally);
ScoreSpread spreadOfPairs(const PairTally& tally);

struct EloEstimate {
    int samples = 0;           // games, or pairs
    double score = 0.5;        // the first player's share of the points, 0..1
    double elo = 0;            // -infinity at score 0, +infinity at 1
    double errorMargin = 0;    // half the 95% interval in Elo; infinity when it reaches a score of 0 or 1
    double superiority = 0.5;  // LOS, 0..1

    bool known() const { return samples > 0; }
};

// The logistic Elo scale: the expected score of a player `elo` stronger,
// and back (-400 log10(1/score - 1)).
double scoreOfElo(double elo);
double eloOfScore(double score);

// The Elo estimate from games: the error bar from the variance of one
// game's points about their mean; LOS from wins against losses alone.
EloEstimate eloFromGames(const GameTally& tally);
// The same from pairs: the variance of one pair's points; LOS from the
// normal approximation of the mean pair score.
EloEstimate eloFromPairs(const PairTally& tally);
