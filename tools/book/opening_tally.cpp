// Opening statistics for the book.
#include "tools/book/opening_tally.h"

#include <algorithm>
#include <set>
#include <utility>

#include "engine/board_move.h"
#include "engine/engine.h"

std::uint64_t positionKey(const Board90& board, Side side) {
    Engine& engine = plainEngine();
    engine.setPosition(board, side);
    return engine.getHashKey();
}

void OpeningTally::addGame(const Board90& start, Side side, const std::vector<PackedMove>& moves) {
    Board90 board = start;
    std::set<std::uint64_t> seenPositions;
    std::set<std::pair<std::uint64_t, PackedMove>> seenMoves;
    const std::size_t count = std::min(moves.size(), std::size_t(limits.plies));
    for (std::size_t ply = 0; ply < count; ++ply) {
        const std::uint64_t key = positionKey(board, side);
        const PackedMove move = moves[ply];
        if (seenPositions.insert(key).second) ++positions[key].games;
        if (seenMoves.insert({key, move}).second) ++positions[key].moves[move];
        playOnBoard(board, move);
        side ^= 1;
    }
}

std::vector<BookRecord> OpeningTally::records() const {
    std::vector<BookRecord> out;
    for (const auto& [key, position] : positions) {
        if (position.games < limits.minGames) continue;
        BookRecord record{std::uint32_t(key), std::uint32_t(key >> 32), {}};
        for (const auto& [move, n] : position.moves) {
            if (n >= limits.minPlays) record.moves.push_back({move, std::int16_t(std::min(n, 32767))});
        }
        if (record.moves.empty()) continue;
        // Heaviest first; equal weights in move order, so the output is the
        // same on every run.
        std::stable_sort(record.moves.begin(), record.moves.end(),
                         [](const BookMove& a, const BookMove& b) { return a.weight > b.weight; });
        if (record.moves.size() > std::size_t(MAX_BOOK_MOVES)) record.moves.resize(MAX_BOOK_MOVES);
        out.push_back(std::move(record));
    }
    std::sort(out.begin(), out.end(), [](const BookRecord& a, const BookRecord& b) {
        return std::pair(a.hashHigh, a.hashLow) < std::pair(b.hashHigh, b.hashLow);
    });
    return out;
}

int OpeningTally::plays(std::uint64_t key, PackedMove move) const {
    const auto p = positions.find(key);
    if (p == positions.end()) return 0;
    const auto m = p->second.moves.find(move);
    return m == p->second.moves.end() ? 0 : m->second;
}
