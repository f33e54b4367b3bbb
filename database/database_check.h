// A check that a database is whole: SQLite's own check, and every game's
// entries in the position index against its replayed moves (one entry for
// each position at its first arrival, with the move played there, and the
// board of each key). What a killed import must leave intact.
#pragma once

#include <string>
#include <vector>

#include "database/games_database.h"

struct DatabaseCheck {
    long games = 0;
    long entries = 0;
    std::vector<std::string> problems;  // empty when whole (ASCII)
};

DatabaseCheck checkDatabase(const GamesDatabase& db);
