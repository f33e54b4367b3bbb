// A position pasted as text (a FEN, as engine/fen writes it), judged the
// way the set-up window judges a position before a game may start from it.
#pragma once

#include <string_view>

#include "engine/types.h"

// Reads text (surrounding space and line ends are ignored) into board and
// side. Returns nullptr when a game may start from it; otherwise the GBK
// message to show, with board and side untouched: not a FEN, a set of
// pieces the set-up rules refuse ("棋子摆放不正确"), or the side that has
// just moved standing in check ("将(帅)被将军").
const char* readPastedPosition(std::string_view text, Board90& board, Side& side);
