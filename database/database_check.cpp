#include "database/database_check.h"

#include <algorithm>
#include <sqlite3.h>
#include <tuple>

#include "database/position_key.h"
#include "database/sqlite_statement.h"

namespace {

using Entry = std::tuple<std::uint64_t, int, int>;  // key, ply, move

std::vector<Entry> expectedEntries(const StoredGame& g) {
    std::vector<Entry> out;
    std::vector<std::uint64_t> seen;
    Board90 board = g.startBoard;
    std::uint64_t key = positionKey(board, g.startSide);
    for (std::size_t ply = 0; ply <= g.moves.size(); ++ply) {
        if (std::find(seen.begin(), seen.end(), key) == seen.end()) {
            seen.push_back(key);
            out.emplace_back(key, static_cast<int>(ply), compactMove(ply < g.moves.size() ? g.moves[ply] : 0));
        }
        if (ply < g.moves.size()) playOnBoard(board, g.moves[ply], key);
    }
    std::sort(out.begin(), out.end());
    return out;
}

void checkGame(const GamesDatabase& db, std::int64_t id, std::vector<Entry> found, DatabaseCheck& check) {
    StoredGame g;
    if (id > 0 && !db.loadGame(id, g)) {
        check.problems.push_back("game " + std::to_string(id) + ": index entries without a readable game");
        return;
    }
    std::sort(found.begin(), found.end());
    if (found != expectedEntries(g))
        check.problems.push_back("game " + std::to_string(id) + ": index entries differ from its moves");
}

}  // namespace

DatabaseCheck checkDatabase(const GamesDatabase& db) {
    DatabaseCheck check;
    sqlite3* h = db.handle();
    {
        SqliteStatement s(h, "PRAGMA quick_check");
        if (!s.step() || s.bytes(0) != "ok") check.problems.push_back("SQLite's check: " + s.bytes(0));
    }
    std::vector<std::int64_t> ids;
    {
        SqliteStatement s(h, "SELECT id FROM games ORDER BY id");
        while (s.step()) ids.push_back(s.integer(0));
    }
    check.games = static_cast<long>(ids.size());
    SqliteStatement s(h, "SELECT game, key, ply, move FROM occurrences ORDER BY game");
    std::size_t next = 0;  // the next game expected to have entries
    std::int64_t current = -1;
    std::vector<Entry> entries;
    auto finish = [&] {
        if (current < 0) return;
        while (next < ids.size() && ids[next] < current) {
            check.problems.push_back("game " + std::to_string(ids[next]) + ": no index entries");
            ++next;
        }
        if (next < ids.size() && ids[next] == current) ++next;
        checkGame(db, current, std::move(entries), check);
        entries.clear();
    };
    while (s.step()) {
        const std::int64_t game = s.integer(0);
        if (game != current) {
            finish();
            current = game;
        }
        entries.emplace_back(static_cast<std::uint64_t>(s.integer(1)), static_cast<int>(s.integer(2)),
                             static_cast<int>(s.integer(3)));
        ++check.entries;
    }
    finish();
    for (; next < ids.size(); ++next) check.problems.push_back("game " + std::to_string(ids[next]) + ": no index entries");
    SqliteStatement missing(h, "SELECT count(*) FROM occurrences o LEFT JOIN positions p ON p.key=o.key "
                               "WHERE p.key IS NULL");
    if (missing.step() && missing.integer(0) > 0)
        check.problems.push_back(std::to_string(missing.integer(0)) + " index entries without their board");
    return check;
}
