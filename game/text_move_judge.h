// Judging moves written in notation, as text records and game collections
// write them.
//
// Records also name one of three or more like pieces on a file by its
// place from the front (中兵 the middle of three, 一兵..五兵 from the front),
// and one of two pawns on a file when two files hold two each by the file
// (前三进一): texts parseMove does not read, judged here too.
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

struct MoveText;

// The pieces a text can mean, for judging which of them can make the move.
struct MoveCandidates {
    static constexpr int MAX = 16;
    GridPoint points[MAX];
    int count = 0;
    void add(int file, int rank) {
        if (count < MAX) points[count++] = {static_cast<std::int8_t>(file), static_cast<std::int8_t>(rank)};
    }
};

// The ranks of the pieces p on file x, frontmost first (Red's front is
// toward rank 9, Black's toward rank 0); returns how many there are.
int likePiecesFromFront(const Board90& board, BoardPiece p, int x, int ranks[10]);

// The one legal move among the candidates' moves, or 0 when none or several are.
PackedMove onlyLegalMove(const Board90& board, Side side, const MoveText& text, const MoveCandidates& candidates);

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
