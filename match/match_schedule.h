// The games of a match in the order they are played: who has Red and
// Black, and which opening each starts from. Games come in pairs on the
// same opening with the colours swapped. A pure function of the settings
// and the number of openings, so runs, shards and resumes agree.
#pragma once

#include <vector>

#include "match/match_settings.h"

struct ScheduledGame {
    int index = 0;    // 0-based, over the whole schedule (the PGN's Round is index + 1)
    int red = 0;      // players' indices
    int black = 0;
    int opening = 0;  // into the opening list (0 when there is none)
    int pair = 0;     // index / 2: the two games of a pair share an opening

    friend bool operator==(const ScheduledGame&, const ScheduledGame&) = default;
};

// The pairings of the format as (first, second) player indices.
std::vector<std::pair<int, int>> matchPairings(MatchFormat format, int players);

// The whole schedule; openingCount 0 means the standard start for all.
// Openings are taken in turn (or in an order shuffled with the seed).
std::vector<ScheduledGame> matchSchedule(const MatchSettings& settings, int openingCount);

// The games of shard k (1-based) of n: whole game pairs, pair p going to
// shard p % n + 1.
bool inShard(const ScheduledGame& game, int shard, int shards);
