// The steps every importer of a record from another program ends with,
// before the game may replace the one being played.
#pragma once

#include <string>
#include <vector>

#include "engine/types.h"
#include "game/game_document.h"

// A move list with empty comments, shown at its end as a text record is.
GameDocument documentOfMoves(const Board90& start, Side side, const std::vector<PackedMove>& moves);

// Adds a line to a text (GBK); an empty line adds nothing.
void appendLine(std::string& text, const std::string& line);

// Makes the document one the program can hold and store: zero bytes are
// dropped from every text (the game files end texts with them). Returns 0
// when it is playable and fits a game file; otherwise 2 with message (GBK)
// saying why.
int finishImport(GameDocument& doc, std::string& message);

// printf-style formatting of one GBK message with an int and a text.
std::string formatMessage(const char* format, int number, const std::string& text = {});
