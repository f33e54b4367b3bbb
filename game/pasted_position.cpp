#include "game/pasted_position.h"

#include <string>

#include "engine/fen.h"
#include "game/document_check.h"
#include "game/gbk.h"
#include "game/rules.h"

namespace {

// A FEN is one line; the clipboard may hold space and line ends around it.
std::string_view trimmed(std::string_view text) {
    constexpr std::string_view SPACE = " \t\r\n";
    const std::size_t first = text.find_first_not_of(SPACE);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(SPACE) - first + 1);
}

}  // namespace

const char* readPastedPosition(std::string_view text, Board90& board, Side& side) {
    const std::string_view fen = trimmed(text);
    Board90 read;
    Side readSide = SIDE_RED;
    std::string error;
    if (fen.empty() || fen.find_first_of("\r\n") != std::string_view::npos || !readFen(fen, read, readSide, error))
        return GBK_NOT_A_FEN;
    if (!obeysSetupRules(read)) return GBK_BAD_PIECE_SET;
    if (!isSetupAcceptable(read, readSide)) return GBK_KING_IN_CHECK;
    board = read;
    side = readSide;
    return nullptr;
}
