// Judging moves written in notation, as text records and game collections
// write them.
//
// Real records often name one of two like pieces on a file by the file
// (相三退五 with both elephants on file 三, 炮七进五 with two cannons there)
// where parseMove takes the one on the lowest rank; and with three like
// pieces on a file, or two files holding two each, 前/后 can name more than
// one piece. So when the rules refuse the move parseMove gives, the other
// pieces the text can mean are tried, and the move is taken when exactly
// one of them is legal. Whatever parseMove and the rules accept reads the
// same as before.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/types.h"

// The legal move the text names for side on board, or 0.
PackedMove judgeTextMove(const Board90& board, Side side, std::string_view text);

// Judges texts in turn from (start, side), playing each accepted move.
// Returns how many were read; the rest start at the first refused one.
// moves receives the accepted moves.
std::size_t judgeTextMoves(const Board90& start, Side side, const std::vector<std::string>& texts,
                           std::vector<PackedMove>& moves);

// The same with another notation's judge (see wxf_notation.h, coordinate_notation.h).
using MoveJudge = PackedMove (*)(const Board90& board, Side side, std::string_view text);
std::size_t judgeMoves(const Board90& start, Side side, const std::vector<std::string>& texts, MoveJudge judge,
                       std::vector<PackedMove>& moves);
