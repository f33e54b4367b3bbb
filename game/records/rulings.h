// morlan-records --rulings FILE: the end the rules give each game.
#pragma once

#include <string>

// Replays every game of the record at path (a PGN collection, an XQF or a
// text record) under the repetition rulings and prints, for the first
// position where the rules end it, "game N: ply P: RESULT REASON", or
// "game N: no ruling". Returns the program's exit status.
int printRulings(const std::string& path);
