// What the position index stores of a position: a 64-bit key to find it
// by, and the board itself packed small, so that a query is answered for
// the exact position and side to move, never for the key alone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/types.h"

// The key of board with side to move (a Zobrist key of the program's own,
// independent of the engine's tables, so a stored database never changes
// with the engine).
std::uint64_t positionKey(const Board90& board, Side side);

// The change to a key when piece p leaves or enters the cell at index.
std::uint64_t pieceKey(BoardPiece p, int index);
std::uint64_t sideKey();

// Plays m on board (no legality check) and keeps key up to date.
void playOnBoard(Board90& board, PackedMove m, std::uint64_t& key);

// The board and side packed: 12 bytes of occupied cells (bit 90 holds the
// side), then one nibble per piece in cell order. At most 28 bytes.
std::string packPosition(const Board90& board, Side side);
// Reads packPosition's bytes back; false when they are not such bytes.
bool unpackPosition(std::string_view packed, Board90& board, Side& side);

// A move in two bytes (from cell * 90 + to cell, plus one; 0 = none) and back.
int compactMove(PackedMove m);
PackedMove expandMove(int compact);
