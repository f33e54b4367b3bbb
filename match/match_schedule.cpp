#include "match/match_schedule.h"

#include <algorithm>

#include "match/seeded_order.h"

std::vector<std::pair<int, int>> matchPairings(MatchFormat format, int players) {
    std::vector<std::pair<int, int>> pairings;
    if (players < 2) return pairings;
    switch (format) {
    case MatchFormat::Match:
        pairings.emplace_back(0, 1);
        break;
    case MatchFormat::RoundRobin:
        for (int i = 0; i < players; ++i)
            for (int j = i + 1; j < players; ++j) pairings.emplace_back(i, j);
        break;
    case MatchFormat::Gauntlet:
        for (int j = 1; j < players; ++j) pairings.emplace_back(0, j);
        break;
    }
    return pairings;
}

std::vector<ScheduledGame> matchSchedule(const MatchSettings& settings, int openingCount) {
    const auto pairings = matchPairings(settings.format, static_cast<int>(settings.players.size()));
    const int rounds = (std::max(settings.gamesPerPairing, 1) + 1) / 2;
    const std::vector<int> order = openingCount > 0 ? seededOrder(openingCount, settings.openings.shuffle, settings.seed)
                                                    : std::vector<int>{};
    std::vector<ScheduledGame> games;
    int pair = 0;
    // Round by round, so every pairing of a tournament meets the same
    // openings and a stopped tournament has played its pairings evenly.
    for (int round = 0; round < rounds; ++round) {
        const int opening = order.empty() ? 0 : order[static_cast<std::size_t>(round % openingCount)];
        for (const auto& [first, second] : pairings) {
            const int index = static_cast<int>(games.size());
            games.push_back({index, first, second, opening, pair});
            games.push_back({index + 1, second, first, opening, pair});
            ++pair;
        }
    }
    return games;
}

bool inShard(const ScheduledGame& game, int shard, int shards) {
    if (shards <= 1) return true;
    return game.pair % shards == shard - 1;
}
