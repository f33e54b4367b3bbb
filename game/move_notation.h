// The three notations moves are written in: Chinese (炮二平五), WXF
// (C2=5) and coordinates (h2e2), and writing one move in any of them.
#pragma once

#include <string>

#include "engine/types.h"

enum class MoveNotation { Chinese, Wxf, Coordinate };

// The text of move m played on board in the notation, GBK (the other two
// are ASCII); empty for move 0 and for a move not starting on a piece.
std::string formatMoveAs(MoveNotation notation, const Board90& board, PackedMove m);

// Reads "chinese", "wxf" or "iccs"; false for anything else.
bool notationFromName(const std::string& name, MoveNotation& out);
