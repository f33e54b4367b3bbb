// Judging the moves of one game of a collection, whichever notation it is
// written in: Chinese notation, WXF or coordinates, told apart from the
// game's own moves.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/types.h"
#include "game/move_notation.h"
#include "game/pgn_reader.h"
#include "game/tree_judge.h"

// The notation most of the game's moves have the shape of; Chinese when
// neither of the others has a majority (and for a game without moves).
MoveNotation notationOf(const PgnGame& game);

// Judges the game's moves in turn from its start, in its notation. Returns
// how many were read; the rest start at the first refused one. moves
// receives the accepted moves.
std::size_t judgePgnMoves(const PgnGame& game, std::vector<PackedMove>& moves);

// Judges every move of the game's tree, variations included, in its
// notation: a refused move inside a variation cuts that branch; a refused
// main-line move is reported in refusedPly. The tree's comments are the
// file's.
JudgedTree judgePgnTree(const PgnGame& game);
