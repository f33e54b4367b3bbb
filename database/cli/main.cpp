// morlan-db: a games database from the command line.
//   morlan-db import DB FILES...      PGN collections, XQF records, folders of them
//   morlan-db moves DB [FEN]          the moves played from a position, most played first
//   morlan-db games DB [FEN] [FILTERS] the games (that reached the position)
//   morlan-db export DB FILE.pgn [FEN] [FILTERS]
//   morlan-db check DB                every game's index entries against its moves
// FILTERS: --red NAME --black NAME --player NAME --event TEXT --from DATE
// --to DATE --result 1-0|0-1|1/2-1/2 --limit N. Names match in simplified and
// traditional characters alike. Exit status 0, 1 when an input was refused
// or a check failed, 2 for a usage error or a database that cannot be used.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "database/database_check.h"
#include "database/games_database.h"
#include "database/games_import.h"
#include "engine/fen.h"
#include "game/file_access.h"
#include "game/gbk.h"
#include "game/pgn_writer.h"

namespace {

constexpr const char* USAGE =
    "usage: morlan-db import DB FILES...\n"
    "       morlan-db moves DB [FEN]\n"
    "       morlan-db games DB [FEN] [--red NAME] [--black NAME] [--player NAME] [--event TEXT]\n"
    "                 [--from DATE] [--to DATE] [--result 1-0|0-1|1/2-1/2] [--limit N]\n"
    "       morlan-db export DB FILE.pgn [FEN] [the same filters]\n"
    "       morlan-db check DB\n";

std::string out(const std::string& gbk) { return gbkToUtf8Lossy(gbk); }

bool openDatabase(GamesDatabase& db, const std::string& path) {
    std::string error;
    if (db.open(path, error)) return true;
    std::fprintf(stderr, "morlan-db: %s: %s\n", path.c_str(), out(error).c_str());
    return false;
}

int importCommand(const std::string& path, const std::vector<std::string>& files) {
    GamesDatabase db;
    if (!openDatabase(db, path)) return 2;
    GamesImport import(db);
    ImportReport report;
    const bool whole = import.importPaths(files, report);
    for (const std::string& line : report.refusals) std::printf("refused: %s\n", out(line).c_str());
    std::printf("%ld imported, %ld duplicates, %ld refused\n", report.imported, report.duplicates, report.refused);
    if (!whole) std::fprintf(stderr, "morlan-db: %s\n", out(report.error).c_str());
    return !whole ? 2 : report.refused > 0 ? 1 : 0;
}

struct Query {
    GameFilter filter;
    bool ok = true;
};

const char* resultOption(const std::string& v, int& result) {
    const GameResult r = resultOfText(v);
    if (r == RESULT_IN_PLAY) return "--result takes 1-0, 0-1 or 1/2-1/2";
    result = r;
    return nullptr;
}

// Reads [FEN] and the filters from args[from...].
Query readQuery(const std::vector<std::string>& args, std::size_t from) {
    Query q;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        const char* problem = nullptr;
        if (a.rfind("--", 0) == 0 && !hasValue) {
            problem = "an option without its value";
        } else if (a == "--red") {
            q.filter.red = utf8ToGbkLossy(args[++i]);
        } else if (a == "--black") {
            q.filter.black = utf8ToGbkLossy(args[++i]);
        } else if (a == "--player") {
            q.filter.player = utf8ToGbkLossy(args[++i]);
        } else if (a == "--event") {
            q.filter.event = utf8ToGbkLossy(args[++i]);
        } else if (a == "--from" || a == "--to") {
            const int day = dayOfDate(args[++i]);
            if (day == 0) problem = "a date is written like 2001.05.12 or 2001";
            (a == "--from" ? q.filter.fromDay : q.filter.toDay) = day % 10000 == 0 && a == "--to" ? day + 1231 : day;
        } else if (a == "--result") {
            problem = resultOption(args[++i], q.filter.result);
        } else if (a == "--limit") {
            q.filter.limit = std::atoi(args[++i].c_str());
            if (q.filter.limit <= 0) problem = "--limit takes a number above 0";
        } else if (a.rfind("--", 0) == 0 || q.filter.atPosition) {
            problem = "an unknown option";
        } else {
            std::string error;
            q.filter.atPosition = readFen(a, q.filter.board, q.filter.side, error);
            if (!q.filter.atPosition) {
                std::fprintf(stderr, "morlan-db: bad FEN: %s\n", error.c_str());
                q.ok = false;
                return q;
            }
        }
        if (problem) {
            std::fprintf(stderr, "morlan-db: %s: %s\n", a.c_str(), problem);
            q.ok = false;
            return q;
        }
    }
    return q;
}

int movesCommand(const std::string& path, const std::vector<std::string>& args) {
    if (args.size() > 4) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_RED;
    std::string error;
    if (args.size() == 4 && !readFen(args[3], board, side, error)) {
        std::fprintf(stderr, "morlan-db: bad FEN: %s\n", error.c_str());
        return 2;
    }
    GamesDatabase db;
    if (!openDatabase(db, path)) return 2;
    PositionStats stats;
    if (!db.positionStats(board, side, stats)) {
        std::fprintf(stderr, "morlan-db: the database cannot be read\n");
        return 2;
    }
    std::printf("%d games\n", stats.games);
    for (const MoveStats& m : stats.moves) {
        std::printf("%s %d %d %d %d\n", writeCoordinateMove(m.move).c_str(), m.games, m.redWins, m.draws,
                    m.blackWins);
    }
    return 0;
}

const char* resultColumn(GameResult r) { return r == RESULT_IN_PLAY ? "*" : resultTag(r); }

int gamesCommand(const std::string& path, const std::vector<std::string>& args) {
    const Query q = readQuery(args, 3);
    if (!q.ok) return 2;
    GamesDatabase db;
    if (!openDatabase(db, path)) return 2;
    std::vector<GameRow> rows;
    if (!db.findGames(q.filter, rows)) {
        std::fprintf(stderr, "morlan-db: the database cannot be read\n");
        return 2;
    }
    for (const GameRow& r : rows)
        std::printf("%lld\t%s\t%s\t%s\t%s\t%s\n", static_cast<long long>(r.id), out(r.red).c_str(),
                    out(r.black).c_str(), resultColumn(r.result), out(r.date).c_str(), out(r.event).c_str());
    return 0;
}

int exportCommand(const std::string& path, const std::vector<std::string>& args) {
    if (args.size() < 4) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    const Query q = readQuery(args, 4);
    if (!q.ok) return 2;
    GamesDatabase db;
    if (!openDatabase(db, path)) return 2;
    std::vector<GameRow> rows;
    if (!db.findGames(q.filter, rows)) {
        std::fprintf(stderr, "morlan-db: the database cannot be read\n");
        return 2;
    }
    std::string text;
    long unreadable = 0;
    for (const GameRow& r : rows) {
        StoredGame g;
        if (!db.loadGame(r.id, g)) {
            ++unreadable;
            continue;
        }
        text += encodePgnTagged(g.tags, documentOf(g), g.openingComment);
    }
    if (!replaceFile(args[3], std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))) {
        std::fprintf(stderr, "morlan-db: %s cannot be written\n", args[3].c_str());
        return 2;
    }
    std::printf("%zu games exported\n", rows.size() - static_cast<std::size_t>(unreadable));
    if (unreadable) std::printf("%ld games could not be read\n", unreadable);
    return unreadable ? 1 : 0;
}

int checkCommand(const std::string& path) {
    GamesDatabase db;
    if (!openDatabase(db, path)) return 2;
    const DatabaseCheck check = checkDatabase(db);
    for (const std::string& line : check.problems) std::printf("%s\n", line.c_str());
    std::printf("%ld games, %ld index entries, %s\n", check.games, check.entries,
                check.problems.empty() ? "whole" : "NOT whole");
    return check.problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv, argv + argc);
    if (argc == 2 && (args[1] == "--help" || args[1] == "-h")) {
        std::fputs(USAGE, stdout);
        return 0;
    }
    if (argc == 2 && args[1] == "--version") {
        std::printf("morlan-db %s\n", MORLAN_VERSION);
        return 0;
    }
    if (argc < 3) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    const std::string& command = args[1];
    if (command == "import" && argc >= 4) return importCommand(args[2], {args.begin() + 3, args.end()});
    if (command == "moves") return movesCommand(args[2], args);
    if (command == "games") return gamesCommand(args[2], args);
    if (command == "export") return exportCommand(args[2], args);
    if (command == "check" && argc == 3) return checkCommand(args[2]);
    std::fputs(USAGE, stderr);
    return 2;
}
