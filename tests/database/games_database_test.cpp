// The games database: what an import keeps, skips and refuses; queries
// against counts replayed here; a killed import; the round trip through
// PGN export.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include <sqlite3.h>

#include "database/database_check.h"
#include "database/games_database.h"
#include "database/games_import.h"
#include "database/position_key.h"
#include "engine/fen.h"
#include "game/gbk.h"
#include "game/record_import.h"
#include "game/pgn_moves.h"
#include "game/pgn_reader.h"
#include "game/pgn_writer.h"

namespace fs = std::filesystem;

namespace {

struct Folder {
    fs::path path = fs::temp_directory_path() / ("morlan-db-test-" + std::to_string(::getpid()) + "-" +
                                                 std::to_string(counter++));
    Folder() { fs::create_directories(path); }
    ~Folder() { fs::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
    static inline int counter = 0;
};

void writeText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string game(const std::string& red, const std::string& date, const std::string& moves,
                 const std::string& result = "1-0", const std::string& fen = "") {
    std::string t = "[Event \"Test\"]\n[Red \"" + red + "\"]\n[Black \"B\"]\n[Date \"" + date + "\"]\n[Result \"" +
                    result + "\"]\n";
    if (!fen.empty()) t += "[FEN \"" + fen + "\"]\n";
    return t + "\n" + moves + " " + result + "\n\n";
}


StoredGame loaded(const GamesDatabase& db, std::int64_t id) {
    StoredGame g;
    EXPECT_TRUE(db.loadGame(id, g));
    return g;
}

TEST(GamesImport, SkipsDuplicatesAndRefusesGamesThatDoNotReplay) {
    Folder f;
    const std::string path = f.file("set.pgn");
    writeText(path, game("A", "2001.01.01", "1. h2e2 h9g7 2. h0g2") +
                        game("A", "2001.01.01", "1. h2e2 h9g7 2. h0g2") +  // the same: skipped
                        game("A", "2002.01.01", "1. h2e2 h9g7 2. h0g2") +  // another date: kept
                        game("A", "2001.01.01", "1. h2e2 h9g7 2. h0h5") +  // a move the rules refuse
                        game("A", "", "1. a0a1", "*", "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABN w") +
                        game("吕钦", "1990", "1. c3c4 {a comment} g6g5 {another}", "1/2-1/2"));
    GamesDatabase db;
    std::string error;
    ASSERT_TRUE(db.open(f.file("games.db"), error));
    GamesImport import(db);
    ImportReport report;
    EXPECT_TRUE(import.importPaths({path, f.file("absent.pgn")}, report));
    EXPECT_EQ(report.imported, 3);
    EXPECT_EQ(report.duplicates, 1);
    EXPECT_EQ(report.refused, 3);  // the bad move, the bad FEN, the absent file
    ASSERT_EQ(report.refusals.size(), 3u);
    EXPECT_NE(report.refusals[0].find(path + " " + formatMessage(GBK_RECORD_GAME, 4)), std::string::npos);
    EXPECT_NE(report.refusals[1].find(formatMessage(GBK_RECORD_GAME, 5)), std::string::npos);
    EXPECT_EQ(db.gameCount(), 3);
    const StoredGame last = loaded(db, 3);
    EXPECT_EQ(last.result, RESULT_DRAW);
    ASSERT_EQ(last.comments.size(), 2u);
    EXPECT_EQ(last.comments[0], "a comment");
    EXPECT_EQ(checkDatabase(db).problems, std::vector<std::string>{});

    // A second import of the same file adds nothing.
    ImportReport again;
    GamesImport(db).importPaths({path}, again);
    EXPECT_EQ(again.imported, 0);
    EXPECT_EQ(again.duplicates, 4);
}

TEST(GamesImport, AFolderOfXqfRecords) {
    const fs::path dir = fs::path(MORLAN_SHARED_DATA) / "xqf";
    if (!fs::is_directory(dir)) GTEST_SKIP() << "no XQF samples in " << dir;
    Folder f;
    GamesDatabase db;
    std::string error;
    ASSERT_TRUE(db.open(f.file("x.db"), error));
    ImportReport report;
    GamesImport(db).importPaths({dir.string()}, report);
    long records = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        std::string ext = e.path().extension().string();
        for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        records += ext == ".xqf";
    }
    EXPECT_EQ(report.imported + report.duplicates + report.refused, records);
    EXPECT_GT(report.imported, 0);
    EXPECT_TRUE(checkDatabase(db).problems.empty());
}

// What the index must say, replayed here from the collection itself.
struct Expected {
    int games = 0;
    std::map<PackedMove, std::array<int, 4>> moves;  // count, red wins, draws, black wins
};

using PositionId = std::pair<std::uint64_t, std::string>;

std::map<PositionId, Expected> replayCollection(const std::string& path, std::vector<PositionId>& sample) {
    std::map<PositionId, Expected> out;
    std::set<std::string> seenGames;
    PgnReader reader;
    EXPECT_TRUE(reader.open(path));
    PgnGame g;
    std::vector<PackedMove> moves;
    while (reader.next(g)) {
        moves.clear();
        if (!g.error.empty() || judgePgnMoves(g, moves) < g.gbkTexts.size()) continue;
        std::string id = writeFen(g.startBoard, g.startSide) + "|" + g.tag("Red") + "|" + g.tag("Black") + "|" +
                         g.tag("Date") + "|";
        for (PackedMove m : moves) id += writeCoordinateMove(m);
        if (!seenGames.insert(id).second) continue;
        const std::string result = g.tag("Result");
        const int r = result == "1-0" ? 1 : result == "1/2-1/2" ? 2 : result == "0-1" ? 3 : 0;
        Board90 board = g.startBoard;
        Side side = g.startSide;
        std::set<PositionId> here;
        for (std::size_t ply = 0; ply <= moves.size(); ++ply) {
            const PositionId p{positionKey(board, side), packPosition(board, side)};
            if (here.insert(p).second) {
                Expected& e = out[p];
                ++e.games;
                if (ply < moves.size()) {
                    auto& m = e.moves[moves[ply]];
                    ++m[0];
                    if (r) ++m[r];
                }
                if (ply == 10 && sample.size() < 40) sample.push_back(p);
            }
            if (ply == moves.size()) break;
            std::uint64_t key = 0;
            playOnBoard(board, moves[ply], key);
            side ^= 1;
        }
    }
    return out;
}

TEST(GamesQueries, AgreeWithTheGamesReplayed) {
    const std::string path = std::string(MORLAN_SHARED_DATA) + "/ccpd-openings.pgn.gz";
    if (!fs::exists(path)) GTEST_SKIP() << "no collection at " << path;
    std::vector<PositionId> sample{{positionKey(INITIAL_BOARD, SIDE_RED), packPosition(INITIAL_BOARD, SIDE_RED)}};
    const auto expected = replayCollection(path, sample);
    Folder f;
    GamesDatabase db;
    std::string error;
    ASSERT_TRUE(db.open(f.file("o.db"), error));
    ImportReport report;
    GamesImport(db, 100).importPaths({path}, report);
    ASSERT_GT(sample.size(), 10u);
    for (const PositionId& p : sample) {
        Board90 board;
        Side side;
        ASSERT_TRUE(unpackPosition(p.second, board, side));
        const Expected& e = expected.at(p);
        PositionStats stats;
        ASSERT_TRUE(db.positionStats(board, side, stats));
        EXPECT_EQ(stats.games, e.games) << writeFen(board, side);
        ASSERT_EQ(stats.moves.size(), e.moves.size()) << writeFen(board, side);
        for (std::size_t i = 0; i < stats.moves.size(); ++i) {
            const MoveStats& m = stats.moves[i];
            const auto& want = e.moves.at(m.move);
            EXPECT_EQ((std::array<int, 4>{m.games, m.redWins, m.draws, m.blackWins}), want);
            if (i > 0) {
                EXPECT_GE(stats.moves[i - 1].games, m.games);
            }
        }
        GameFilter filter;
        filter.atPosition = true;
        filter.board = board;
        filter.side = side;
        std::vector<GameRow> rows;
        ASSERT_TRUE(db.findGames(filter, rows));
        EXPECT_EQ(static_cast<int>(rows.size()), e.games);
        for (const GameRow& r : rows) {  // each game's own moves lead there at the ply given
            const StoredGame g = loaded(db, r.id);
            Board90 b = g.startBoard;
            std::uint64_t key = 0;
            for (int i = 0; i < r.ply; ++i) playOnBoard(b, g.moves[static_cast<std::size_t>(i)], key);
            EXPECT_EQ(b, board);
        }
    }
    // The same board with the other side to move is another position.
    PositionStats other;
    ASSERT_TRUE(db.positionStats(INITIAL_BOARD, SIDE_BLACK, other));
    EXPECT_EQ(other.games, 0);
}

TEST(GamesQueries, FiltersMatchSimplifiedAndTraditionalNames) {
    Folder f;
    const std::string path = f.file("names.pgn");
    writeText(path, game("許銀川", "1999.05.01", "1. h2e2") + game("许银川", "2003", "1. b2e2") +
                        game("胡荣华", "1985.10.10", "1. c3c4", "0-1"));
    GamesDatabase db;
    std::string error;
    ASSERT_TRUE(db.open(f.file("n.db"), error));
    ImportReport report;
    GamesImport(db).importPaths({path}, report);
    struct Case {
        const char* red;
        int fromDay, toDay, result;
        std::size_t found;
    };
    constexpr Case CASES[] = {
        {"许银川", 0, 0, -1, 2}, {"許銀川", 0, 0, -1, 2}, {"银", 0, 0, -1, 2},         {"", 19990101, 0, -1, 2},
        {"", 0, 19991231, -1, 2}, {"", 0, 0, RESULT_BLACK_WINS, 1}, {"川", 20000101, 0, -1, 1},
    };
    for (const Case& c : CASES) {
        GameFilter filter;
        filter.red = utf8ToGbkLossy(c.red);
        filter.fromDay = c.fromDay;
        filter.toDay = c.toDay;
        filter.result = c.result;
        std::vector<GameRow> rows;
        ASSERT_TRUE(db.findGames(filter, rows));
        EXPECT_EQ(rows.size(), c.found) << c.red << " " << c.fromDay << " " << c.toDay;
    }
}

// The child imports and is killed in the middle of a batch; what it
// committed before must be there whole, and nothing of the batch it was in.
TEST(GamesImport, AKilledImportLeavesEveryCommittedBatchWhole) {
    Folder f;
    const std::string path = f.file("many.pgn");
    std::string text;
    for (int i = 0; i < 300; ++i) text += game("P" + std::to_string(i), "2000", "1. h2e2 h9g7 2. h0g2 i9h9");
    writeText(path, text);
    const std::string dbPath = f.file("k.db");
    constexpr int BATCH = 10;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        GamesDatabase db;
        std::string error;
        if (!db.open(dbPath, error)) _exit(3);
        GamesImport import(db, BATCH);
        ImportReport report;
        import.importPaths({path}, report, [](const ImportProgress& p) {
            if (p.games >= 128) std::raise(SIGKILL);  // 120 committed, 7 in the open batch
            return true;
        });
        _exit(4);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    GamesDatabase db;
    std::string error;
    ASSERT_TRUE(db.open(dbPath, error)) << error;
    EXPECT_EQ(db.gameCount(), 120);
    const DatabaseCheck check = checkDatabase(db);
    EXPECT_EQ(check.problems, std::vector<std::string>{});
    EXPECT_EQ(check.entries, 120 * 5);
    PositionStats stats;
    ASSERT_TRUE(db.positionStats(INITIAL_BOARD, SIDE_RED, stats));
    EXPECT_EQ(stats.games, 120);
}

TEST(GamesDatabase, RefusesFilesThatAreNotItsDatabases) {
    Folder f;
    const std::string text = f.file("text.db"), other = f.file("other.db");
    writeText(text, "not a database at all, just some text that is long enough to be read as a header....");
    {
        sqlite3* h = nullptr;
        sqlite3_open(other.c_str(), &h);
        sqlite3_exec(h, "CREATE TABLE t(x)", nullptr, nullptr, nullptr);
        sqlite3_close(h);
    }
    for (const std::string& path : {text, other}) {
        const auto before = fs::file_size(path);
        GamesDatabase db;
        std::string error;
        EXPECT_FALSE(db.open(path, error)) << path;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(fs::file_size(path), before);
    }
}

TEST(GamesExport, ReadsBackAsTheSameGames) {
    Folder f;
    const std::string path = f.file("in.pgn");
    writeText(path, game("许银川", "2001.01.01", "1. h2e2 {中炮} h9g7 2. h0g2", "1-0") +
                        game("A", "", "1. a0a1", "*", "3k5/9/9/9/9/9/9/9/9/R3K4 w"));
    GamesDatabase db;
    std::string error;
    ASSERT_TRUE(db.open(f.file("e.db"), error));
    ImportReport report;
    GamesImport(db).importPaths({path}, report);
    ASSERT_EQ(report.imported, 2);
    std::string text;
    for (std::int64_t id = 1; id <= 2; ++id) {
        const StoredGame g = loaded(db, id);
        text += encodePgnTagged(g.tags, documentOf(g), g.openingComment);
    }
    writeText(f.file("out.pgn"), text);
    ImportReport back;
    GamesImport(db).importPaths({f.file("out.pgn")}, back);
    EXPECT_EQ(back.duplicates, 2);  // the same start, moves, players and date
    EXPECT_EQ(back.imported, 0);
    EXPECT_EQ(loaded(db, 1).comments[0], utf8ToGbkLossy("中炮"));
}

}  // namespace
