#include <gtest/gtest.h>

#include <set>

#include "match/match_adjudicator.h"
#include "match/match_schedule.h"
#include "match/match_standings.h"
#include "match/seeded_order.h"

namespace {

MatchSettings settingsFor(MatchFormat format, int players, int games, int shard = 1, int shards = 1) {
    MatchSettings s;
    s.format = format;
    for (int i = 0; i < players; ++i) {
        MatchPlayer p;
        p.name = QStringLiteral("P%1").arg(i);
        s.players.push_back(p);
    }
    s.gamesPerPairing = games;
    s.shard = shard;
    s.shards = shards;
    return s;
}

struct Played {
    int red, black, opening;
    friend bool operator==(const Played&, const Played&) = default;
};

struct ScheduleCase {
    const char* what;
    MatchFormat format;
    int players, games, openings, shard, shards;
    std::vector<Played> expected;  // the games of the shard, in order
};

const ScheduleCase SCHEDULES[] = {
    {"a match swaps colours on each opening", MatchFormat::Match, 2, 4, 2, 1, 1,
     {{0, 1, 0}, {1, 0, 0}, {0, 1, 1}, {1, 0, 1}}},
    {"an odd number of games is rounded up to whole pairs", MatchFormat::Match, 2, 3, 0, 1, 1,
     {{0, 1, 0}, {1, 0, 0}, {0, 1, 0}, {1, 0, 0}}},
    {"openings come round again when there are fewer than pairs", MatchFormat::Match, 2, 6, 2, 1, 1,
     {{0, 1, 0}, {1, 0, 0}, {0, 1, 1}, {1, 0, 1}, {0, 1, 0}, {1, 0, 0}}},
    {"a round robin meets every pairing on the same opening in a round", MatchFormat::RoundRobin, 3, 2, 3, 1, 1,
     {{0, 1, 0}, {1, 0, 0}, {0, 2, 0}, {2, 0, 0}, {1, 2, 0}, {2, 1, 0}}},
    {"a gauntlet plays the first against each other", MatchFormat::Gauntlet, 3, 4, 2, 1, 1,
     {{0, 1, 0}, {1, 0, 0}, {0, 2, 0}, {2, 0, 0}, {0, 1, 1}, {1, 0, 1}, {0, 2, 1}, {2, 0, 1}}},
    {"shard 1 of 2 takes the even pairs", MatchFormat::Match, 2, 8, 4, 1, 2,
     {{0, 1, 0}, {1, 0, 0}, {0, 1, 2}, {1, 0, 2}}},
    {"shard 2 of 2 takes the odd pairs", MatchFormat::Match, 2, 8, 4, 2, 2,
     {{0, 1, 1}, {1, 0, 1}, {0, 1, 3}, {1, 0, 3}}},
    {"shard 3 of 3 of a round robin", MatchFormat::RoundRobin, 3, 2, 1, 3, 3, {{1, 2, 0}, {2, 1, 0}}},
};

TEST(MatchSchedule, GamesColoursOpeningsAndShards) {
    for (const ScheduleCase& c : SCHEDULES) {
        const MatchSettings s = settingsFor(c.format, c.players, c.games, c.shard, c.shards);
        std::vector<Played> got;
        for (const ScheduledGame& g : matchSchedule(s, c.openings))
            if (inShard(g, c.shard, c.shards)) got.push_back({g.red, g.black, g.opening});
        EXPECT_EQ(got, c.expected) << c.what;
    }
}

TEST(MatchSchedule, ShardsSplitTheScheduleIntoWholePairsWithoutOverlap) {
    for (int shards : {2, 3, 5}) {
        const MatchSettings s = settingsFor(MatchFormat::RoundRobin, 4, 6);
        const auto schedule = matchSchedule(s, 7);
        std::multiset<int> seen;
        for (int k = 1; k <= shards; ++k)
            for (const ScheduledGame& g : schedule)
                if (inShard(g, k, shards)) {
                    seen.insert(g.index);
                    // Both games of a pair go to the same shard (the pentanomial needs them together).
                    EXPECT_TRUE(inShard(schedule[static_cast<std::size_t>(g.pair * 2 + (g.index % 2 == 0 ? 1 : 0))], k, shards));
                }
        EXPECT_EQ(seen.size(), schedule.size()) << shards;
        for (const ScheduledGame& g : schedule) EXPECT_EQ(seen.count(g.index), 1u) << shards << " game " << g.index;
    }
}

TEST(MatchSchedule, ShuffledOpeningsAreAPermutationFixedByTheSeed) {
    const std::vector<int> a = seededOrder(50, true, 7), b = seededOrder(50, true, 7), c = seededOrder(50, true, 8);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    EXPECT_NE(a, seededOrder(50, false, 7));
    EXPECT_EQ(std::set<int>(a.begin(), a.end()).size(), 50u);
    EXPECT_EQ(*std::max_element(a.begin(), a.end()), 49);
}

struct StandingsCase {
    const char* what;
    std::vector<GameResult> results;  // of games 0, 1, ... of a two-player match
    int wins, draws, losses;          // the first player's
    std::array<int, 5> pentanomial;
};

const StandingsCase STANDINGS[] = {
    {"a won pair and a split pair", {RESULT_RED_WINS, RESULT_RED_WINS, RESULT_DRAW, RESULT_BLACK_WINS}, 2, 1, 1, {0, 0, 1, 1, 0}},
    {"the first wins both colours", {RESULT_RED_WINS, RESULT_BLACK_WINS}, 2, 0, 0, {0, 0, 0, 0, 1}},
    {"a pair half played counts in W/D/L only", {RESULT_BLACK_WINS, RESULT_RED_WINS, RESULT_DRAW}, 0, 1, 2, {1, 0, 0, 0, 0}},
    {"two draws", {RESULT_DRAW, RESULT_DRAW}, 0, 2, 0, {0, 0, 1, 0, 0}},
};

TEST(MatchStandings, PointsAndPentanomialFromTheFirstPlayersView) {
    const MatchSettings s = settingsFor(MatchFormat::Match, 2, 8);
    const auto schedule = matchSchedule(s, 0);
    for (const StandingsCase& c : STANDINGS) {
        std::vector<FinishedGame> games;
        for (std::size_t i = 0; i < c.results.size(); ++i) games.push_back({static_cast<int>(i), c.results[i]});
        const MatchStandings m = computeStandings(s, schedule, games);
        ASSERT_EQ(m.pairings.size(), 1u);
        const PairingStanding& p = m.pairings[0];
        EXPECT_EQ(p.wins, c.wins) << c.what;
        EXPECT_EQ(p.draws, c.draws) << c.what;
        EXPECT_EQ(p.losses, c.losses) << c.what;
        EXPECT_EQ(p.pentanomial, c.pentanomial) << c.what;
        EXPECT_EQ(m.gamesDone, static_cast<int>(c.results.size())) << c.what;
        const PlayerStanding& first = m.players[0].player == 0 ? m.players[0] : m.players[1];
        EXPECT_DOUBLE_EQ(first.points(), c.wins + 0.5 * c.draws) << c.what;
    }
}

struct AdjudicationCase {
    const char* what;
    Adjudication rules;
    std::vector<std::optional<int>> scores;  // each engine move's own-view score, Red first
    GameResult expected;
};

constexpr Adjudication RESIGN{true, 500, 2, false, 0, 0, 0};
constexpr Adjudication DRAW{false, 0, 0, true, 10, 2, 3};

const AdjudicationCase ADJUDICATIONS[] = {
    {"both see Red winning for two moves each", RESIGN, {600, -600, 700, -550}, RESULT_RED_WINS},
    {"both see Black winning", RESIGN, {-600, 600, -700, 900}, RESULT_BLACK_WINS},
    {"one engine disagrees", RESIGN, {600, -600, 700, 100}, RESULT_IN_PLAY},
    {"not yet enough moves", RESIGN, {600, -600, 700}, RESULT_IN_PLAY},
    {"a move without a score breaks the run", RESIGN, {600, std::nullopt, 700, -600}, RESULT_IN_PLAY},
    {"a mate score counts as lost", RESIGN, {MATE_SCORE_CP - 3, -(MATE_SCORE_CP - 4), 800, -800}, RESULT_RED_WINS},
    {"level for two moves each after the move", DRAW, {0, 5, -10, 3, 2}, RESULT_DRAW},
    {"level but too early", DRAW, {0, 5, -10, 3}, RESULT_IN_PLAY},
    {"one score beyond the margin", DRAW, {0, 5, -10, 30, 2}, RESULT_IN_PLAY},
};

TEST(MatchAdjudicator, ResignAndDrawNeedBothEnginesForTheWholeRun) {
    for (const AdjudicationCase& c : ADJUDICATIONS) {
        MatchAdjudicator a(c.rules);
        Side mover = SIDE_RED;
        for (const auto& score : c.scores) {
            a.addScore(mover, score);
            mover ^= 1;
        }
        // The fullMove is that of the last ply played from the standard start.
        const int fullMove = (static_cast<int>(c.scores.size()) + 1) / 2;
        EXPECT_EQ(a.verdict(fullMove), c.expected) << c.what;
    }
}

}  // namespace
