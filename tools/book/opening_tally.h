// Counts, over many games, how often each move was played in each position
// of the opening, and turns the counts into book records.
#pragma once

#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

#include "engine/book.h"
#include "engine/types.h"

struct BookThresholds {
    int plies = 24;     // positions before the first this many moves
    int minGames = 11;  // games that must have played on from a position
    int minPlays = 3;   // times a move must have been played there
};

class OpeningTally {
public:
    explicit OpeningTally(BookThresholds thresholds) : limits(thresholds) {}

    // Adds the opening of one game, replayed from (start, side). A position
    // or move met twice in one game counts once for it.
    void addGame(const Board90& start, Side side, const std::vector<PackedMove>& moves);

    // Records of the positions and moves that pass the thresholds, in
    // ascending order of (high word, low word), moves heaviest first.
    std::vector<BookRecord> records() const;

    // How often `move` was played from the position with `key` (0 if never).
    int plays(std::uint64_t key, PackedMove move) const;

private:
    struct Position {
        int games = 0;
        std::map<PackedMove, int> moves;
    };

    BookThresholds limits;
    std::unordered_map<std::uint64_t, Position> positions;
};

// The engine's key of a position (with the side-to-move key for Black).
std::uint64_t positionKey(const Board90& board, Side side);
