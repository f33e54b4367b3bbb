// A games database: one SQLite file holding games and an index of every
// position reached in every game, so that "which games reached this
// position, what was played here and how did it score" is answered from
// the index without replaying games. No Qt here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "database/stored_game.h"
#include "engine/types.h"

struct sqlite3;

// One move played from a position, over the games that reached it.
struct MoveStats {
    PackedMove move = 0;
    int games = 0, redWins = 0, draws = 0, blackWins = 0;
    int datedGames = 0;          // games whose date gives a year
    std::int64_t yearSum = 0;    // over the dated games
    double averageYear() const { return datedGames ? static_cast<double>(yearSum) / datedGames : 0.0; }
};

// The games that reached a position and what they played there, most
// played first (equal counts by move); a game counts once, with the move it
// played on its first arrival. Games that ended there play no move.
struct PositionStats {
    int games = 0;
    std::vector<MoveStats> moves;
};

// Which games a listing keeps: every given condition must hold. Texts are
// GBK and match in simplified and traditional characters alike.
struct GameFilter {
    bool atPosition = false;  // only games that reached board with side to move
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_RED;
    std::string red, black, player, event;  // contained in that tag (player: either side)
    int fromDay = 0, toDay = 0;             // yyyymmdd bounds, 0 = open
    int result = -1;                        // a GameResult, -1 any
    int limit = 0;                          // 0 = every game
};

// One game of a listing.
struct GameRow {
    std::int64_t id = 0;
    std::string red, black, event, date, site;  // GBK
    GameResult result = RESULT_IN_PLAY;
    int plies = 0;
    int ply = -1;           // with a position: the ply it first arose at
    PackedMove next = 0;    // and the move played there (0: the game ended there)
};

class GamesDatabase {
public:
    GamesDatabase() = default;
    ~GamesDatabase();
    GamesDatabase(const GamesDatabase&) = delete;
    GamesDatabase& operator=(const GamesDatabase&) = delete;

    // Opens the database at path, making a new one when the file is absent
    // or empty. False, with error (GBK), for a file that is not a database
    // of this program or cannot be opened; nothing is written to it then.
    bool open(const std::string& path, std::string& error);
    void close();
    bool isOpen() const { return db != nullptr; }
    const std::string& path() const { return filePath; }

    long gameCount() const;
    bool positionStats(const Board90& board, Side side, PositionStats& stats) const;
    bool findGames(const GameFilter& filter, std::vector<GameRow>& rows) const;
    bool loadGame(std::int64_t id, StoredGame& game) const;

    // For the importer and the checks.
    sqlite3* handle() const { return db; }
    // Moves the index entries an import left pending into the position
    // tables; false when that failed (they stay pending).
    bool settlePending();

private:
    sqlite3* db = nullptr;
    std::string filePath;

    bool prepareSchema(std::string& error);
    // Whether the key's stored board is board (0), another (1), or clashes
    // with others so each game must be checked (2); -1 when no game has it.
    int positionState(std::uint64_t key, const std::string& packed) const;
    bool reachesPosition(std::int64_t id, int ply, const Board90& board, Side side) const;
};

// The database's SQL function folded_contains(text, needle): needle is
// folded already (foldVariants), text is folded in the call.
void registerFoldedContains(sqlite3* db);
