// Writing one game as PGN, UTF-8, in simplified Chinese notation with
// full-width digits for Black, as the master-game databases write it: the
// tags Game, Event, Site, Date, Red, Black and Result, FEN when the game
// does not start from the standard position, the game's notes as the
// comment before the first move and each move's comment in braces after it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "game/file_access.h"
#include "game/game_document.h"

// The PGN text of doc (UTF-8). A result text the program does not know is
// written as "*"; a date that is no calendar date (pgnDate) is written as
// "????.??.??", the text itself in the opening comment after the notes.
std::string encodePgn(const GameDocument& doc);

// A game with its own tags (GBK values, written in their order; FEN comes
// from the start position, the move text ends with the Result tag's value)
// and the comment before its first move; the moves and their comments are
// doc's; with coordinates the moves are written as "h2e2" instead.
std::string encodePgnTagged(const std::vector<std::pair<std::string, std::string>>& tags, const GameDocument& doc,
                            const std::string& openingComment, bool coordinates = false);

// Writes encodePgn(doc) to path with the same atomic replacement as the
// other saves; false when the file could not be written (the old one is
// then as it was).
bool writePgn(const std::string& path, const GameDocument& doc, const WriteFunction& write = {});
