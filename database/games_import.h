// Importing game collections into a games database: PGN files (plain or
// gzip, every notation the readers know), XQF records and whole folders of
// them. Games are written in batches, one transaction each, so a killed
// import leaves every batch committed before it whole and nothing of the
// rest.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "database/games_database.h"

constexpr int IMPORT_BATCH_GAMES = 500;

struct ImportProgress {
    std::string file;        // the file being read
    long games = 0;          // games read so far, every file together
    std::int64_t bytesDone = 0, bytesTotal = 0;  // of the files as stored
};

// Called now and then during an import; returning false stops it after
// the games read so far are committed.
using ImportObserver = std::function<bool(const ImportProgress&)>;

struct ImportReport {
    long imported = 0;
    long duplicates = 0;  // same start, moves, players and date as a game already there
    long refused = 0;     // games that do not replay, files that cannot be read
    std::vector<std::string> refusals;  // one line each (GBK): file, game number, why
    bool cancelled = false;
    std::string error;    // GBK: why the import stopped short (a write failed), empty when it did not
};

class GamesImport {
public:
    explicit GamesImport(GamesDatabase& database, int batchGames = IMPORT_BATCH_GAMES);
    ~GamesImport();
    GamesImport(const GamesImport&) = delete;
    GamesImport& operator=(const GamesImport&) = delete;

    // Imports the files and folders (searched through for .pgn, .pgn.gz and
    // .xqf). False when the import stopped short: a write failed
    // (report.error) or observe asked to stop (report.cancelled).
    bool importPaths(const std::vector<std::string>& paths, ImportReport& report, const ImportObserver& observe = {});

    // One game (its moves judged already); false when a write failed.
    bool add(StoredGame game, ImportReport& report);
    // Commits the games added since the last batch; false when that failed.
    bool commit(ImportReport& report);

private:
    struct Batch;
    GamesDatabase& db;
    int batchSize;
    std::unique_ptr<Batch> batch;
    ImportProgress progress;
    const ImportObserver* observer = nullptr;

    bool importFile(const std::string& path, ImportReport& report);
    bool importPgn(const std::string& path, ImportReport& report);
    bool importXqfFile(const std::string& path, ImportReport& report);
    bool begin(ImportReport& report);
    bool readKnown();
    bool isDuplicate(const StoredGame& game, std::int64_t digest);
    bool notify();
    bool failed(ImportReport& report);
};
