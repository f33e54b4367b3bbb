#include "database/games_import.h"

#include <algorithm>
#include <filesystem>
#include <sqlite3.h>
#include <system_error>
#include <tuple>

#include "database/database_texts.h"
#include "database/position_key.h"
#include "database/sqlite_statement.h"
#include "game/gbk.h"
#include "game/pgn_moves.h"
#include "game/pgn_reader.h"
#include "game/record_format.h"
#include "game/record_import.h"
#include "game/refused_move_text.h"
#include "game/xqf_file.h"

namespace {

constexpr int NOTIFY_EVERY = 64;  // games between two calls of the observer

// One row of the position index.
struct Occurrence {
    std::uint64_t key;
    std::int64_t game;
    int ply, move, result, year;
};

std::uint64_t fnv(std::uint64_t h, std::string_view bytes) {
    for (char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
    return (h ^ 0xFF) * 0x100000001B3ULL;  // a separator, so "ab"+"c" differs from "a"+"bc"
}

// What makes two games the same: start, moves, players and date.
std::int64_t digestOf(const std::string& start, const std::string& moves, const StoredGame& g) {
    std::uint64_t h = 0xCBF29CE484222325ULL;
    for (const std::string& part : {start, moves, g.tag("Red"), g.tag("Black"), g.tag("Date")}) h = fnv(h, part);
    return static_cast<std::int64_t>(h);
}

std::string commentsBlob(const StoredGame& g) {
    std::vector<std::pair<std::string, std::string>> texts;
    if (!g.openingComment.empty()) texts.emplace_back("0", g.openingComment);
    for (std::size_t i = 0; i < g.comments.size(); ++i)
        if (!g.comments[i].empty()) texts.emplace_back(std::to_string(i + 1), g.comments[i]);
    return encodeTexts(texts);
}

std::string lowerName(const std::filesystem::path& p) {
    std::string name = p.filename().string();
    for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return name;
}

bool isRecordFile(const std::filesystem::path& p) {
    const std::string name = lowerName(p);
    auto ends = [&](std::string_view s) { return name.size() >= s.size() && name.ends_with(s); };
    return ends(".pgn") || ends(".pgn.gz") || ends(".xqf");
}

// The files the paths name, folders searched through, each folder's files in name order.
std::vector<std::string> filesOf(const std::vector<std::string>& paths) {
    std::vector<std::string> files;
    for (const std::string& path : paths) {
        std::error_code ec;
        if (!std::filesystem::is_directory(path, ec)) {
            files.push_back(path);
            continue;
        }
        std::vector<std::string> found;
        for (auto it = std::filesystem::recursive_directory_iterator(path, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            if (it->is_regular_file(ec) && isRecordFile(it->path())) found.push_back(it->path().string());
        std::sort(found.begin(), found.end());
        files.insert(files.end(), found.begin(), found.end());
    }
    return files;
}

std::uint32_t boardHash(const std::string& packed) {
    std::uint32_t h = 2166136261u;
    for (char c : packed) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

std::string gameOfFile(const std::string& path, int number) {
    return formatMessage(GBK_DB_GAME_OF_FILE, number, path);
}

}  // namespace

struct GamesImport::Batch {
    explicit Batch(sqlite3* h)
        : insertGame(h,
                     "INSERT INTO games(source, number, red, black, event, site, date, day, year, result, plies, "
                     "start, moves, tags, comments, digest) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
          sameDigest(h, "SELECT start, moves, red, black, date FROM games WHERE digest=?"),
          insertPosition(h, "INSERT INTO pending_positions(key, board) VALUES(?,?)"),
          insertOccurrence(h, "INSERT INTO pending_occurrences(key, game, ply, move, result, year) VALUES(?,?,?,?,?,?)") {}

    SqliteStatement insertGame, sameDigest, insertPosition, insertOccurrence;
    bool open = false;
    int games = 0;
    std::vector<Occurrence> occurrences;  // in game order, as they are written
    // Boards new to the database: key, a hash of the board, the board.
    std::vector<std::tuple<std::uint64_t, std::uint32_t, std::string>> positions;
    // The boards the database holds, as key and a hash of the board, sorted;
    // read at the first batch.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> known;
    bool knownRead = false;
};

GamesImport::GamesImport(GamesDatabase& database, int batchGames)
    : db(database), batchSize(std::max(1, batchGames)), batch(std::make_unique<Batch>(database.handle())) {}

GamesImport::~GamesImport() {
    ImportReport ignored;
    commit(ignored);
}

bool GamesImport::failed(ImportReport& report) {
    report.error = formatMessage(GBK_DB_WRITE_FAILED, 0, sqlite3_errmsg(db.handle()));
    if (batch->open) runSql(db.handle(), "ROLLBACK");
    batch->open = false;
    batch->games = 0;
    batch->occurrences.clear();
    batch->positions.clear();
    return false;
}

bool GamesImport::begin(ImportReport& report) {
    if (batch->open) return true;
    if (!runSql(db.handle(), "BEGIN IMMEDIATE") || !readKnown()) return failed(report);
    batch->open = true;
    return true;
}

bool GamesImport::isDuplicate(const StoredGame& g, std::int64_t digest) {
    SqliteStatement& s = batch->sameDigest;
    s.bind(1, digest);
    const std::string start = packPosition(g.startBoard, g.startSide), moves = encodeMoves(g.moves);
    bool same = false;
    while (!same && s.step())
        same = s.bytes(0) == start && s.bytes(1) == moves && s.bytes(2) == g.tag("Red") &&
               s.bytes(3) == g.tag("Black") && s.bytes(4) == g.tag("Date");
    s.reset();
    return same;
}

bool GamesImport::add(StoredGame g, ImportReport& report) {
    if (!batch->insertGame.ok() || !begin(report)) return failed(report);
    const std::string start = packPosition(g.startBoard, g.startSide), moves = encodeMoves(g.moves);
    const std::int64_t digest = digestOf(start, moves, g);
    if (isDuplicate(g, digest)) {
        ++report.duplicates;
        return true;
    }
    const std::string date = g.tag("Date");
    const int year = yearOfDate(date), result = static_cast<int>(g.result);
    SqliteStatement& s = batch->insertGame;
    s.bind(1, g.source);
    s.bind(2, static_cast<std::int64_t>(g.number));
    s.bind(3, g.tag("Red"));
    s.bind(4, g.tag("Black"));
    s.bind(5, g.tag("Event"));
    s.bind(6, g.tag("Site"));
    s.bind(7, date);
    s.bind(8, static_cast<std::int64_t>(dayOfDate(date)));
    s.bind(9, static_cast<std::int64_t>(year));
    s.bind(10, static_cast<std::int64_t>(result));
    s.bind(11, static_cast<std::int64_t>(g.moves.size()));
    s.bind(12, start);
    s.bind(13, moves);
    s.bind(14, encodeTexts(g.tags));
    s.bind(15, commentsBlob(g));
    s.bind(16, digest);
    if (!s.run()) return failed(report);
    const std::int64_t id = sqlite3_last_insert_rowid(db.handle());

    // Every position of the game once, at its first arrival.
    Board90 board = g.startBoard;
    Side side = g.startSide;
    std::uint64_t key = positionKey(board, side);
    std::vector<std::uint64_t> seen;
    for (std::size_t ply = 0; ply <= g.moves.size(); ++ply) {
        if (std::find(seen.begin(), seen.end(), key) == seen.end()) {
            seen.push_back(key);
            const PackedMove next = ply < g.moves.size() ? g.moves[ply] : 0;
            batch->occurrences.push_back({key, id, static_cast<int>(ply), compactMove(next), result, year});
            std::string packed = packPosition(board, side);
            const std::uint32_t hash = boardHash(packed);
            const std::pair<std::uint64_t, std::uint32_t> entry{key, hash};
            if (!std::binary_search(batch->known.begin(), batch->known.end(), entry))
                batch->positions.emplace_back(key, hash, std::move(packed));
        }
        if (ply < g.moves.size()) {
            playOnBoard(board, g.moves[ply], key);
            side ^= 1;
        }
    }
    ++report.imported;
    if (++batch->games >= batchSize) return commit(report);
    return true;
}

bool GamesImport::readKnown() {
    if (batch->knownRead) return true;
    SqliteStatement s(db.handle(), "SELECT key, board FROM positions UNION ALL SELECT key, board FROM pending_positions");
    while (s.step()) batch->known.emplace_back(static_cast<std::uint64_t>(s.integer(0)), boardHash(s.bytes(1)));
    if (s.failed()) return false;
    std::sort(batch->known.begin(), batch->known.end());
    batch->knownRead = true;
    return true;
}

bool GamesImport::commit(ImportReport& report) {
    if (!batch->open) return true;
    auto& positions = batch->positions;
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end(),
                                [](const auto& a, const auto& b) {
                                    return std::get<0>(a) == std::get<0>(b) && std::get<1>(a) == std::get<1>(b);
                                }),
                    positions.end());
    std::vector<std::pair<std::uint64_t, std::uint32_t>> added;
    for (const auto& [key, hash, packed] : positions) {
        batch->insertPosition.bind(1, static_cast<std::int64_t>(key));
        batch->insertPosition.bind(2, packed);
        if (!batch->insertPosition.run()) return failed(report);
        added.emplace_back(key, hash);
    }
    SqliteStatement& s = batch->insertOccurrence;
    for (const Occurrence& o : batch->occurrences) {
        s.bind(1, static_cast<std::int64_t>(o.key));
        s.bind(2, o.game);
        s.bind(3, static_cast<std::int64_t>(o.ply));
        s.bind(4, static_cast<std::int64_t>(o.move));
        s.bind(5, static_cast<std::int64_t>(o.result));
        s.bind(6, static_cast<std::int64_t>(o.year));
        if (!s.run()) return failed(report);
    }
    if (!runSql(db.handle(), "COMMIT")) return failed(report);
    const std::size_t before = batch->known.size();
    batch->known.insert(batch->known.end(), added.begin(), added.end());
    std::inplace_merge(batch->known.begin(), batch->known.begin() + static_cast<std::ptrdiff_t>(before),
                       batch->known.end());
    batch->open = false;
    batch->games = 0;
    batch->occurrences.clear();
    batch->positions.clear();
    return true;
}

bool GamesImport::notify() {
    return !observer || !*observer || (*observer)(progress);
}

bool GamesImport::importPaths(const std::vector<std::string>& paths, ImportReport& report,
                              const ImportObserver& observe) {
    observer = &observe;
    const std::vector<std::string> files = filesOf(paths);
    progress = {};
    for (const std::string& f : files) {
        std::error_code ec;
        const auto size = std::filesystem::file_size(f, ec);
        if (!ec) progress.bytesTotal += static_cast<std::int64_t>(size);
    }
    std::int64_t before = 0;
    bool whole = true;
    for (const std::string& f : files) {
        progress.file = f;
        progress.bytesDone = before;
        if (!notify()) report.cancelled = true;
        if (report.cancelled || !(whole = importFile(f, report))) break;
        std::error_code ec;
        const auto size = std::filesystem::file_size(f, ec);
        before += ec ? 0 : static_cast<std::int64_t>(size);
    }
    if (whole && !commit(report)) whole = false;
    if (!db.settlePending() && whole) {
        report.error = formatMessage(GBK_DB_WRITE_FAILED, 0, sqlite3_errmsg(db.handle()));
        whole = false;
    }
    observer = nullptr;
    return whole && !report.cancelled;
}

bool GamesImport::importFile(const std::string& path, ImportReport& report) {
    const RecordFormat format = recordFormatOf(path);
    if (format == RecordFormat::Pgn) return importPgn(path, report);
    if (format == RecordFormat::Xqf) return importXqfFile(path, report);
    ++report.refused;
    report.refusals.push_back(path + ": " + GBK_NOT_A_RECORD);
    return true;
}

bool GamesImport::importPgn(const std::string& path, ImportReport& report) {
    PgnReader reader;
    if (!reader.open(path)) {
        ++report.refused;
        report.refusals.push_back(path + ": " + reader.error());
        return true;
    }
    const std::int64_t start = progress.bytesDone;
    PgnGame game;
    std::vector<PackedMove> moves;
    while (reader.next(game)) {
        if (++progress.games % NOTIFY_EVERY == 0) {
            progress.bytesDone = start + reader.fileOffset();
            if (!notify()) {
                report.cancelled = true;
                return true;
            }
        }
        const std::string label = gameOfFile(path, game.index);
        if (!game.error.empty()) {
            ++report.refused;
            report.refusals.push_back(label + ": " + game.error);
            continue;
        }
        moves.clear();
        const std::size_t read = judgePgnMoves(game, moves);
        if (read < game.gbkTexts.size()) {
            ++report.refused;
            report.refusals.push_back(label + ": " +
                                      formatMessage(GBK_RECORD_BAD_MOVE, static_cast<int>(read + 1),
                                                    writtenMoveText(game.writtenTexts[read], game.gbkTexts[read])));
            continue;
        }
        StoredGame stored = storedGameOf(game, moves);
        stored.source = path;
        if (!add(std::move(stored), report)) return false;
    }
    if (!reader.error().empty()) {
        ++report.refused;
        report.refusals.push_back(path + ": " + reader.error());
    }
    return true;
}

bool GamesImport::importXqfFile(const std::string& path, ImportReport& report) {
    GameDocument doc;
    std::string message;
    ++progress.games;
    if (importXqf(path, doc, message) != 0) {
        ++report.refused;
        report.refusals.push_back(gameOfFile(path, 1) + ": " + message);
        return true;
    }
    StoredGame stored = storedGameOf(doc);
    stored.source = path;
    stored.number = 1;
    return add(std::move(stored), report);
}
