// The game morlan-review reads: a game file (.sav), a text record (.txt)
// or one game of a PGN collection, as a game document.
#pragma once

#include <string>

#include "game/game_document.h"

// gameNumber counts from 1 and is used by collections only. False with
// error (UTF-8) when the file cannot be read as a game.
bool readReviewInput(const std::string& path, int gameNumber, GameDocument& doc, std::string& error);
