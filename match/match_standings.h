// What the finished games of a match add up to: each player's points and
// W/D/L, and for each pairing its W/D/L seen from the first player and the
// pentanomial counts of its complete game pairs.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "engine/types.h"
#include "match/elo_stats.h"
#include "match/match_schedule.h"

struct FinishedGame {
    int index = 0;
    GameResult result = RESULT_IN_PLAY;  // RESULT_RED_WINS, RESULT_BLACK_WINS, RESULT_DRAW
};

struct PlayerStanding {
    int player = 0;
    int wins = 0, draws = 0, losses = 0;
    int games() const { return wins + draws + losses; }
    double points() const { return wins + 0.5 * draws; }
};

struct PairingStanding {
    int first = 0, second = 0;  // players' indices; counts from first's view
    int wins = 0, draws = 0, losses = 0;
    // Complete pairs by first's score in the pair: 0, 0.5, 1, 1.5, 2.
    std::array<int, 5> pentanomial{};
};

struct MatchStandings {
    std::vector<PlayerStanding> players;   // best first
    std::vector<PairingStanding> pairings; // in the order of matchPairings
    int gamesDone = 0;
    int gamesTotal = 0;  // of this shard
};

// A pairing's results as the statistics count them.
GameTally gameTally(const PairingStanding& pairing);
PairTally pairTally(const PairingStanding& pairing);

MatchStandings computeStandings(const MatchSettings& settings, const std::vector<ScheduledGame>& schedule,
                                const std::vector<FinishedGame>& games);

// The table printed after each game: one line per player; for each
// pairing its results, the Elo from games and from pairs, and the SPRT.
QString standingsText(const MatchSettings& settings, const MatchStandings& standings);
