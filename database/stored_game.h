// One game as the database holds it: every tag as written (GBK), the start
// position, the main line and its comments, and the result.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/types.h"
#include "game/game_document.h"

struct PgnGame;

struct StoredGame {
    std::int64_t id = 0;  // the database's number for it, from 1
    std::string source;   // the file it was imported from
    int number = 0;       // its place in that file, from 1
    std::vector<std::pair<std::string, std::string>> tags;
    Board90 startBoard = INITIAL_BOARD;
    Side startSide = SIDE_RED;
    std::vector<PackedMove> moves;
    std::vector<std::string> comments;  // one per move (empty: none)
    std::string openingComment;         // before the first move
    GameResult result = RESULT_IN_PLAY; // RESULT_IN_PLAY also for unknown

    std::string tag(const std::string& name) const;
    void setTag(const std::string& name, const std::string& value);
};

// The result a PGN Result tag or a game-information text names.
GameResult resultOfText(const std::string& text);
// The PGN tag of a result ("1-0", "0-1", "1/2-1/2", "*").
const char* resultTag(GameResult r);
// The year a date text begins with (1000..2999), or 0 when it has none.
int yearOfDate(const std::string& date);
// A date text as a number yyyymmdd; unknown parts are 0 (0 when no year).
int dayOfDate(const std::string& date);

// A game read from a collection, with its judged moves.
StoredGame storedGameOf(const PgnGame& game, const std::vector<PackedMove>& moves);
// A game the program opened from another record format.
StoredGame storedGameOf(const GameDocument& doc);
// The document the program opens for a stored game, as if read from PGN.
GameDocument documentOf(const StoredGame& game);

// The byte forms of the parts of a game kept in blobs.
std::string encodeMoves(const std::vector<PackedMove>& moves);
bool decodeMoves(const std::string& bytes, std::vector<PackedMove>& moves);
std::string encodeTexts(const std::vector<std::pair<std::string, std::string>>& pairs);
bool decodeTexts(const std::string& bytes, std::vector<std::pair<std::string, std::string>>& pairs);
