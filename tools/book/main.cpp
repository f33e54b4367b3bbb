// morlan-make-book GAMES.pgn[.gz] OUTPUT [--plies N] [--min-games N] [--min-plays N]
// Builds the opening book from a game collection: every move is read with
// the game's notation and checked with its rules; for each position of the
// first plies (by the engine's key, so transpositions merge) it counts how
// often each move was played. Writes OUTPUT in the compressed resource form.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/book.h"
#include "game/pgn_reader.h"
#include "game/text_move_judge.h"
#include "tools/book/opening_tally.h"

namespace {

struct Counts {
    long games = 0;
    long used = 0;
    long otherStart = 0;
    long cutShort = 0;  // a move within the opening that could not be read
};

bool parseOptions(int argc, char** argv, BookThresholds& t) {
    for (int i = 3; i + 1 < argc; i += 2) {
        const int value = std::atoi(argv[i + 1]);
        if (value <= 0) return false;
        if (std::strcmp(argv[i], "--plies") == 0) t.plies = value;
        else if (std::strcmp(argv[i], "--min-games") == 0) t.minGames = value;
        else if (std::strcmp(argv[i], "--min-plays") == 0) t.minPlays = value;
        else return false;
    }
    return argc >= 3 && argc % 2 == 1;
}

bool tallyGames(const char* path, OpeningTally& tally, const BookThresholds& t, Counts& counts) {
    PgnReader reader;
    if (!reader.open(path)) {
        std::fprintf(stderr, "morlan-make-book: %s: %s\n", path, reader.error().c_str());
        return false;
    }
    PgnGame game;
    while (reader.next(game)) {
        ++counts.games;
        // Only games from the usual start say something about the opening.
        if (!game.error.empty() || game.startBoard != INITIAL_BOARD || game.startSide != SIDE_RED) {
            ++counts.otherStart;
            continue;
        }
        std::vector<PackedMove> moves;
        const std::size_t read = judgeTextMoves(game.startBoard, game.startSide, game.moveTexts, moves);
        if (read < game.moveTexts.size() && read < std::size_t(t.plies)) ++counts.cutShort;
        tally.addGame(game.startBoard, game.startSide, moves);
        ++counts.used;
    }
    if (!reader.error().empty()) {
        std::fprintf(stderr, "morlan-make-book: %s: %s\n", path, reader.error().c_str());
        return false;
    }
    return true;
}

bool writeFile(const char* path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    BookThresholds t;
    if (!parseOptions(argc, argv, t)) {
        std::fprintf(stderr,
                     "usage: morlan-make-book GAMES.pgn[.gz] OUTPUT [--plies N] [--min-games N] [--min-plays N]\n");
        return 2;
    }
    OpeningTally tally(t);
    Counts counts;
    if (!tallyGames(argv[1], tally, t, counts)) return 1;
    const std::vector<BookRecord> records = tally.records();
    long moves = 0;
    for (const BookRecord& r : records) moves += long(r.moves.size());
    const std::vector<std::uint8_t> inflated = encodeBookRecords(records);
    const std::vector<std::uint8_t> resource = packBookResource(inflated);
    if (resource.empty() || !writeFile(argv[2], resource)) {
        std::fprintf(stderr, "morlan-make-book: cannot write %s\n", argv[2]);
        return 1;
    }
    const std::uint64_t start = positionKey(INITIAL_BOARD, SIDE_RED);
    std::printf("%ld games read, %ld used (%ld from another start skipped, %ld cut short in the opening)\n",
                counts.games, counts.used, counts.otherStart, counts.cutShort);
    std::printf("thresholds: first %d plies, at least %d games per position, %d plays per move\n", t.plies,
                t.minGames, t.minPlays);
    std::printf("%zu positions, %ld moves, %zu bytes (%zu stored)\n", records.size(), moves, inflated.size(),
                resource.size());
    long startMoves = 0, startTotal = 0, heaviest = 0;
    for (const BookRecord& r : records) {
        if (r.hashLow != std::uint32_t(start) || r.hashHigh != std::uint32_t(start >> 32)) continue;
        startMoves = long(r.moves.size());
        for (const BookMove& m : r.moves) startTotal += m.weight;
        heaviest = r.moves.front().weight;
    }
    // 炮二平五 in the start position: the cannon from (1, 2) to (4, 2).
    std::printf("start position: %ld moves, weights %ld in all, heaviest %ld; 炮二平五 weight %d\n", startMoves,
                startTotal, heaviest, tally.plays(start, packMove(1, 2, 4, 2)));
    return 0;
}
