// Chinese move notation: piece, file, direction, destination (炮二平五,
// 马８进７), in GBK, and the numbered record text of a game. Nothing here
// checks the rules: a text may name a move the rules refuse, so callers
// judge what parseMove gives (see text_move_judge.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/types.h"
#include "game/gbk.h"

// RED_NUMERALS then BLACK_NUMERALS: indices 0..8 and 9..17.
inline constexpr const char* DIGITS[18] = {
    RED_NUMERALS[0], RED_NUMERALS[1], RED_NUMERALS[2], RED_NUMERALS[3], RED_NUMERALS[4],
    RED_NUMERALS[5], RED_NUMERALS[6], RED_NUMERALS[7], RED_NUMERALS[8],
    BLACK_NUMERALS[0], BLACK_NUMERALS[1], BLACK_NUMERALS[2], BLACK_NUMERALS[3], BLACK_NUMERALS[4],
    BLACK_NUMERALS[5], BLACK_NUMERALS[6], BLACK_NUMERALS[7], BLACK_NUMERALS[8],
};
// Red's names are PIECE_NAMES[0..6], Black's PIECE_NAMES[7..13].
inline constexpr const char* const* RED_NAMES = PIECE_NAMES;
inline constexpr const char* const* BLACK_NAMES = PIECE_NAMES + 7;

// Bytes of one move text, and the size of a buffer that holds it.
constexpr std::size_t MOVE_TEXT_BYTES = 8;
constexpr std::size_t MOVE_TEXT_BUFFER = MOVE_TEXT_BYTES + 1;

// Writes the text of move m, played on board, into out (at least
// MOVE_TEXT_BUFFER bytes) and returns out: exactly eight bytes, or empty
// for move 0 and for a move that does not start on a piece of the board.
char* formatMove(const Board90& board, PackedMove m, char* out);
std::string formatMove(const Board90& board, PackedMove m);

// The move a text names on board; 0 when the text cannot be read. Only the
// first eight bytes count.
PackedMove parseMove(const Board90& board, std::string_view text);

// Where the front (or back) one of two like pieces p stands: on the first
// file, from file 0, that holds two or more of them. NO_POINT when none does.
GridPoint findDoubledPiece(const Board90& board, BoardPiece p, bool front);

// The numbered record of count moves from start ("1. 炮二平五 马８进７\r\n"...)
// in out, at most capacity - 1 bytes and always terminated. A piece of text
// (a move number with its move, or a second move with its line end) that
// does not fit is dropped whole, and so is everything after it. Returns out.
char* formatRecord(const Board90& start, const PackedMove* moves, int count, char* out,
                   std::size_t capacity);

// ---- the pieces of a move text, for judging doubtful texts ----

// What a move text says, read without the board.
struct MoveText {
    BoardPiece piece = NO_PIECE;  // the code of the moving piece
    int fromFile = -1;            // the named file (0..8), or -1 for 前/后
    bool front = false;           // 前 (only when fromFile is -1)
    int direction = 0;            // 0 平, 1 进, 2 退
    int lastDigit = -1;           // index of the fourth character in DIGITS
};

// Reads the four characters; false when the text is not notation.
bool readMoveText(std::string_view text, MoveText& out);

// The move the text names for the piece standing at from; 0 when its
// destination falls off the board's lower edge or side.
PackedMove moveFromPoint(const MoveText& text, GridPoint from);
