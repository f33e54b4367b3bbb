#include "database/games_database.h"

#include <algorithm>
#include <map>
#include <sqlite3.h>

#include "database/database_texts.h"
#include "database/position_key.h"
#include "database/sqlite_statement.h"
#include "game/chinese_variants.h"
#include "game/record_import.h"

namespace {

// 'MrDB': tells the program's databases from other SQLite files.
constexpr int APPLICATION_ID = 0x4D724442;
constexpr int SCHEMA_VERSION = 1;
constexpr int COMPACT_FREE_PAGES = 8192;  // 32 MB of 4 KB pages

constexpr const char* SCHEMA = R"(
CREATE TABLE games(
  id INTEGER PRIMARY KEY, source BLOB, number INTEGER,
  red BLOB, black BLOB, event BLOB, site BLOB, date BLOB, day INTEGER, year INTEGER,
  result INTEGER, plies INTEGER, start BLOB, moves BLOB, tags BLOB, comments BLOB, digest INTEGER);
CREATE INDEX games_digest ON games(digest);
CREATE TABLE positions(key INTEGER, board BLOB, PRIMARY KEY(key, board)) WITHOUT ROWID;
CREATE TABLE occurrences(
  key INTEGER, game INTEGER, ply INTEGER, move INTEGER, result INTEGER, year INTEGER,
  PRIMARY KEY(key, game)) WITHOUT ROWID;
CREATE TABLE pending_positions(key INTEGER, board BLOB);
CREATE TABLE pending_occurrences(key INTEGER, game INTEGER, ply INTEGER, move INTEGER, result INTEGER, year INTEGER);
)";

// An import writes each batch's index entries to the pending tables (in
// the order they come, which is fast) and moves them into the position
// tables, sorted by key, at its end: keeping a key-ordered tree in order
// row by row would write most of its pages again for every batch. Opening a
// database moves what a killed import left pending.
constexpr const char* SETTLE_PENDING = R"(
BEGIN IMMEDIATE;
INSERT OR IGNORE INTO positions SELECT key, board FROM pending_positions ORDER BY key, board;
INSERT OR IGNORE INTO occurrences SELECT key, game, ply, move, result, year FROM pending_occurrences ORDER BY key, game;
DELETE FROM pending_positions;
DELETE FROM pending_occurrences;
COMMIT;
)";

std::string sqliteMessage(sqlite3* db) { return db ? sqlite3_errmsg(db) : "out of memory"; }

void foldedContains(sqlite3_context* context, int, sqlite3_value** values) {
    const auto* text = static_cast<const char*>(sqlite3_value_blob(values[0]));
    const auto* needle = static_cast<const char*>(sqlite3_value_blob(values[1]));
    const std::string_view t(text ? text : "", static_cast<std::size_t>(sqlite3_value_bytes(values[0])));
    const std::string_view n(needle ? needle : "", static_cast<std::size_t>(sqlite3_value_bytes(values[1])));
    sqlite3_result_int(context, containsText(foldVariants(t), n) ? 1 : 0);
}

int pragmaValue(sqlite3* db, const char* sql) {
    SqliteStatement s(db, sql);
    return s.step() ? static_cast<int>(s.integer(0)) : -1;
}

bool hasTables(sqlite3* db) {
    SqliteStatement s(db, "SELECT count(*) FROM sqlite_master");
    return s.step() && s.integer(0) > 0;
}

GameRow rowOf(const SqliteStatement& s, bool withPosition) {
    GameRow r;
    r.id = s.integer(0);
    r.red = s.bytes(1);
    r.black = s.bytes(2);
    r.event = s.bytes(3);
    r.date = s.bytes(4);
    r.site = s.bytes(5);
    r.result = static_cast<GameResult>(s.integer(6));
    r.plies = static_cast<int>(s.integer(7));
    if (withPosition) {
        r.ply = static_cast<int>(s.integer(8));
        r.next = expandMove(static_cast<int>(s.integer(9)));
    }
    return r;
}

void addGame(MoveStats& m, int result, int year) {
    ++m.games;
    m.redWins += result == RESULT_RED_WINS;
    m.draws += result == RESULT_DRAW;
    m.blackWins += result == RESULT_BLACK_WINS;
    if (year > 0) {
        ++m.datedGames;
        m.yearSum += year;
    }
}

}  // namespace

void registerFoldedContains(sqlite3* db) {
    sqlite3_create_function(db, "folded_contains", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, foldedContains,
                            nullptr, nullptr);
}

GamesDatabase::~GamesDatabase() { close(); }

void GamesDatabase::close() {
    if (db) sqlite3_close_v2(db);
    db = nullptr;
    filePath.clear();
}

bool GamesDatabase::open(const std::string& path, std::string& error) {
    close();
    sqlite3* opened = nullptr;
    if (sqlite3_open_v2(path.c_str(), &opened, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        error = formatMessage(GBK_DB_CANNOT_OPEN, 0, sqliteMessage(opened));
        sqlite3_close_v2(opened);
        return false;
    }
    db = opened;
    sqlite3_busy_timeout(db, 2000);
    if (!prepareSchema(error)) {
        close();
        return false;
    }
    // Committed batches survive the program being killed; WAL lets a query
    // read while an import writes.
    runSql(db, "PRAGMA synchronous=NORMAL; PRAGMA cache_size=-65536; PRAGMA temp_store=MEMORY");
    registerFoldedContains(db);
    if (!settlePending()) {
        error = formatMessage(GBK_DB_WRITE_FAILED, 0, sqliteMessage(db));
        close();
        return false;
    }
    filePath = path;
    return true;
}

bool GamesDatabase::settlePending() {
    SqliteStatement any(db, "SELECT (SELECT count(*) FROM pending_positions) + (SELECT count(*) FROM pending_occurrences)");
    if (!any.step()) return false;
    if (any.integer(0) == 0) return true;
    if (!runSql(db, SETTLE_PENDING)) {
        runSql(db, "ROLLBACK");
        return false;
    }
    // The pending tables' pages are free now; when they are most of the
    // file, it is written anew without them.
    const int freePages = pragmaValue(db, "PRAGMA freelist_count"), pages = pragmaValue(db, "PRAGMA page_count");
    if (freePages > COMPACT_FREE_PAGES && freePages * 2 > pages) runSql(db, "VACUUM");
    return true;
}

bool GamesDatabase::prepareSchema(std::string& error) {
    const int id = pragmaValue(db, "PRAGMA application_id");
    if (id < 0) {  // not an SQLite file at all
        error = GBK_DB_NOT_A_DATABASE;
        return false;
    }
    if (id == 0 && !hasTables(db)) {
        if (!runSql(db, "PRAGMA journal_mode=WAL")) {
            error = formatMessage(GBK_DB_CANNOT_OPEN, 0, sqliteMessage(db));
            return false;
        }
        const std::string sql = std::string("BEGIN;") + SCHEMA + "PRAGMA application_id=" +
                                std::to_string(APPLICATION_ID) + "; PRAGMA user_version=" +
                                std::to_string(SCHEMA_VERSION) + "; COMMIT;";
        if (!runSql(db, sql.c_str())) {
            error = formatMessage(GBK_DB_WRITE_FAILED, 0, sqliteMessage(db));
            runSql(db, "ROLLBACK");
            return false;
        }
        return true;
    }
    if (id != APPLICATION_ID) {
        error = GBK_DB_NOT_A_DATABASE;
        return false;
    }
    if (pragmaValue(db, "PRAGMA user_version") > SCHEMA_VERSION) {
        error = GBK_DB_NEWER;
        return false;
    }
    return true;
}

long GamesDatabase::gameCount() const {
    if (!db) return 0;
    SqliteStatement s(db, "SELECT count(*) FROM games");
    return s.step() ? static_cast<long>(s.integer(0)) : 0;
}

int GamesDatabase::positionState(std::uint64_t key, const std::string& packed) const {
    SqliteStatement s(db, "SELECT DISTINCT board FROM positions WHERE key=? LIMIT 2");
    s.bind(1, static_cast<std::int64_t>(key));
    if (!s.step()) return -1;
    const bool same = s.bytes(0) == packed;
    if (s.step()) return 2;
    return same ? 0 : 1;
}

// Only for a key two positions share: the game is replayed to the ply.
bool GamesDatabase::reachesPosition(std::int64_t id, int ply, const Board90& board, Side side) const {
    StoredGame game;
    if (!loadGame(id, game) || ply < 0 || static_cast<std::size_t>(ply) > game.moves.size()) return false;
    Board90 b = game.startBoard;
    std::uint64_t key = 0;
    for (int i = 0; i < ply; ++i) playOnBoard(b, game.moves[static_cast<std::size_t>(i)], key);
    return b == board && (game.startSide ^ (ply & 1)) == side;
}

bool GamesDatabase::positionStats(const Board90& board, Side side, PositionStats& stats) const {
    stats = {};
    if (!db) return false;
    const std::uint64_t key = positionKey(board, side);
    const int state = positionState(key, packPosition(board, side));
    if (state < 0 || state == 1) return true;
    std::map<int, MoveStats> byMove;
    if (state == 0) {
        SqliteStatement s(db,
                          "SELECT move, count(*), sum(result=1), sum(result=3), sum(result=2), sum(year>0), "
                          "sum(year) FROM occurrences WHERE key=? GROUP BY move");
        s.bind(1, static_cast<std::int64_t>(key));
        while (s.step()) {
            MoveStats& m = byMove[static_cast<int>(s.integer(0))];
            m.games = static_cast<int>(s.integer(1));
            m.redWins = static_cast<int>(s.integer(2));
            m.draws = static_cast<int>(s.integer(3));
            m.blackWins = static_cast<int>(s.integer(4));
            m.datedGames = static_cast<int>(s.integer(5));
            m.yearSum = s.integer(6);
        }
        if (s.failed()) return false;
    } else {
        SqliteStatement s(db, "SELECT game, ply, move, result, year FROM occurrences WHERE key=?");
        s.bind(1, static_cast<std::int64_t>(key));
        while (s.step())
            if (reachesPosition(s.integer(0), static_cast<int>(s.integer(1)), board, side))
                addGame(byMove[static_cast<int>(s.integer(2))], static_cast<int>(s.integer(3)),
                        static_cast<int>(s.integer(4)));
        if (s.failed()) return false;
    }
    for (auto& [compact, m] : byMove) {
        stats.games += m.games;
        if (compact == 0) continue;
        m.move = expandMove(compact);
        stats.moves.push_back(m);
    }
    std::stable_sort(stats.moves.begin(), stats.moves.end(),
                     [](const MoveStats& a, const MoveStats& b) { return a.games > b.games; });
    return true;
}

bool GamesDatabase::findGames(const GameFilter& f, std::vector<GameRow>& rows) const {
    rows.clear();
    if (!db) return false;
    std::uint64_t key = 0;
    int state = 0;
    if (f.atPosition) {
        key = positionKey(f.board, f.side);
        state = positionState(key, packPosition(f.board, f.side));
        if (state < 0 || state == 1) return true;
    }
    std::string sql = "SELECT g.id, g.red, g.black, g.event, g.date, g.site, g.result, g.plies";
    sql += f.atPosition ? ", o.ply, o.move FROM occurrences o JOIN games g ON g.id=o.game WHERE o.key=?1"
                        : " FROM games g WHERE 1";
    if (!f.red.empty()) sql += " AND folded_contains(g.red, ?2)";
    if (!f.black.empty()) sql += " AND folded_contains(g.black, ?3)";
    if (!f.player.empty()) sql += " AND (folded_contains(g.red, ?4) OR folded_contains(g.black, ?4))";
    if (!f.event.empty()) sql += " AND folded_contains(g.event, ?5)";
    if (f.fromDay > 0) sql += " AND g.day >= ?6";
    if (f.toDay > 0) sql += " AND g.day > 0 AND g.day <= ?7";
    if (f.result >= 0) sql += " AND g.result = ?8";
    sql += " ORDER BY g.id";
    // A shared key's games are checked one by one, so the limit comes after.
    if (f.limit > 0 && state != 2) sql += " LIMIT ?9";
    SqliteStatement s(db, sql);
    if (!s.ok()) return false;
    s.bind(1, static_cast<std::int64_t>(key));
    s.bind(2, foldVariants(f.red));
    s.bind(3, foldVariants(f.black));
    s.bind(4, foldVariants(f.player));
    s.bind(5, foldVariants(f.event));
    s.bind(6, static_cast<std::int64_t>(f.fromDay));
    s.bind(7, static_cast<std::int64_t>(f.toDay));
    s.bind(8, static_cast<std::int64_t>(f.result));
    s.bind(9, static_cast<std::int64_t>(f.limit));
    while (s.step()) {
        GameRow r = rowOf(s, f.atPosition);
        if (state == 2 && !reachesPosition(r.id, r.ply, f.board, f.side)) continue;
        rows.push_back(std::move(r));
        if (f.limit > 0 && rows.size() >= static_cast<std::size_t>(f.limit)) break;
    }
    return !s.failed();
}

bool GamesDatabase::loadGame(std::int64_t id, StoredGame& game) const {
    if (!db) return false;
    SqliteStatement s(db, "SELECT source, number, tags, start, moves, comments, result FROM games WHERE id=?");
    s.bind(1, id);
    if (!s.step()) return false;
    StoredGame g;
    g.id = id;
    g.source = s.bytes(0);
    g.number = static_cast<int>(s.integer(1));
    std::vector<std::pair<std::string, std::string>> comments;
    if (!decodeTexts(s.bytes(2), g.tags) || !unpackPosition(s.bytes(3), g.startBoard, g.startSide) ||
        !decodeMoves(s.bytes(4), g.moves) || !decodeTexts(s.bytes(5), comments))
        return false;
    g.comments.assign(g.moves.size(), {});
    for (auto& [ply, text] : comments) {
        const int at = std::atoi(ply.c_str());
        if (at == 0) g.openingComment = std::move(text);
        else if (at > 0 && static_cast<std::size_t>(at) <= g.moves.size()) g.comments[static_cast<std::size_t>(at - 1)] = std::move(text);
    }
    g.result = static_cast<GameResult>(s.integer(6));
    game = std::move(g);
    return true;
}
