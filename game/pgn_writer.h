// Writing one game as PGN, UTF-8, in simplified Chinese notation with
// full-width digits for Black, as the master-game databases write it: the
// tags Game, Event, Site, Date, Red, Black and Result, FEN when the game
// does not start from the standard position, the game's notes as the
// comment before the first move and each move's comment in braces after it.
#pragma once

#include <string>

#include "game/file_access.h"
#include "game/game_document.h"

// The PGN text of doc (UTF-8). A result text the program does not know is
// written as "*".
std::string encodePgn(const GameDocument& doc);

// Writes encodePgn(doc) to path with the same atomic replacement as the
// other saves; false when the file could not be written (the old one is
// then as it was).
bool writePgn(const std::string& path, const GameDocument& doc, const WriteFunction& write = {});
