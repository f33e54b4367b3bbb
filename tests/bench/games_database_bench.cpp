// Prints how fast a games database answers: the explorer's query at the
// start position, 10 plies deep and at a rare position, the games of a
// position, and a players' filter; and, with --import, how long a
// collection takes to import.
//   games_database_bench DB                      (a database made by morlan-db import)
//   games_database_bench --import DB FILES...    (imports first, into a new DB)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "database/games_database.h"
#include "database/games_import.h"
#include "database/position_key.h"
#include "engine/fen.h"
#include "game/gbk.h"

namespace {

constexpr int RUNS = 20;

double msSince(std::chrono::steady_clock::time_point t) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count();
}

template <typename F>
void measure(const char* what, F&& query) {
    std::vector<double> times;
    std::size_t found = 0;
    for (int i = 0; i < RUNS; ++i) {
        const auto t = std::chrono::steady_clock::now();
        found = query();
        times.push_back(msSince(t));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %7.2f ms, best %7.2f ms (%zu found, %d runs)\n", what, times[times.size() / 2],
                times.front(), found, RUNS);
}

// The position after the most played move at each ply, plies deep.
void followMostPlayed(const GamesDatabase& db, int plies, Board90& board, Side& side) {
    std::uint64_t key = 0;
    for (int i = 0; i < plies; ++i) {
        PositionStats s;
        if (!db.positionStats(board, side, s) || s.moves.empty()) return;
        playOnBoard(board, s.moves.front().move, key);
        side ^= 1;
    }
}

// A position deep in the last game: reached by one game or few.
void rarePosition(const GamesDatabase& db, Board90& board, Side& side) {
    StoredGame g;
    if (!db.loadGame(db.gameCount(), g)) return;
    board = g.startBoard;
    side = g.startSide;
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < g.moves.size() && i < 30; ++i, side ^= 1) playOnBoard(board, g.moves[i], key);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: games_database_bench DB | --import DB FILES...\n");
        return 2;
    }
    const bool importFirst = std::string(argv[1]) == "--import";
    const std::string path = argv[importFirst ? 2 : 1];
    GamesDatabase db;
    std::string error;
    if (importFirst) std::filesystem::remove(path);
    if (!db.open(path, error)) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        return 1;
    }
    if (importFirst) {
        const auto t = std::chrono::steady_clock::now();
        const std::clock_t cpu = std::clock();
        ImportReport report;
        GamesImport(db).importPaths({argv + 3, argv + argc}, report);
        std::printf("import: %.1f s (%.1f s of processor time), %ld imported, %ld duplicates, %ld refused, %lld bytes\n",
                    msSince(t) / 1000, static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC, report.imported,
                    report.duplicates, report.refused,
                    static_cast<long long>(std::filesystem::file_size(path)));
        for (const std::string& r : report.refusals) std::printf("  refused: %s\n", gbkToUtf8Lossy(r).c_str());
    }
    std::printf("%s: %ld games\n", path.c_str(), db.gameCount());

    Board90 ten = INITIAL_BOARD, rare = INITIAL_BOARD;
    Side tenSide = SIDE_RED, rareSide = SIDE_RED;
    followMostPlayed(db, 10, ten, tenSide);
    rarePosition(db, rare, rareSide);
    auto moves = [&](const Board90& b, Side s) {
        return [&db, b, s] {
            PositionStats st;
            db.positionStats(b, s, st);
            return static_cast<std::size_t>(st.games);
        };
    };
    measure("moves at the start position", moves(INITIAL_BOARD, SIDE_RED));
    measure("moves 10 plies deep (most played line)", moves(ten, tenSide));
    measure("moves at a rare position (ply 30)", moves(rare, rareSide));
    auto games = [&](GameFilter f) {
        return [&db, f] {
            std::vector<GameRow> rows;
            db.findGames(f, rows);
            return rows.size();
        };
    };
    GameFilter atTen;
    atTen.atPosition = true;
    atTen.board = ten;
    atTen.side = tenSide;
    measure("games 10 plies deep", games(atTen));
    GameFilter player;
    player.player = utf8ToGbkLossy("许银川");
    measure("games of a player (许银川, either side)", games(player));
    GameFilter all;
    measure("every game (the database window's list)", games(all));
    std::printf("10 plies deep: %s\n", writeFen(ten, tenSide).c_str());
    return 0;
}
