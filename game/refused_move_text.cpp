#include "game/refused_move_text.h"

#include <cstdio>

#include "game/gbk.h"
#include "game/notation.h"
#include "game/record_import.h"
#include "game/rules.h"

namespace {

constexpr std::size_t SHOWN_BYTES = 16;

// Up to three %s filled in order (formatMessage takes one).
std::string fillIn(const char* format, const std::string& first, const std::string& second,
                 const std::string& third = {}) {
    std::string text = format;
    std::size_t at = 0;
    for (const std::string* part : {&first, &second, &third}) {
        at = text.find("%s", at);
        if (at == std::string::npos) break;
        text.replace(at, 2, *part);
        at += part->size();
    }
    return text;
}

// The rank from side's back rank, 1..10, in that side's numerals.
std::string rankText(int rank, Side side) {
    const int counted = side == SIDE_RED ? rank : 9 - rank;
    if (counted == 9) return side == SIDE_RED ? GBK_TEN : GBK_FULLWIDTH_TEN;
    return side == SIDE_RED ? RED_NUMERALS[counted] : BLACK_NUMERALS[counted];
}

}  // namespace

std::string pointText(GridPoint point, Side side) {
    if (!isOnBoard(point)) return GBK_OFF_BOARD;
    const char* file = side == SIDE_RED ? RED_NUMERALS[point.file] : BLACK_NUMERALS[8 - point.file];
    return fillIn(GBK_POINT, file, rankText(point.rank, side));
}

std::string refusedMoveText(const Board90& board, Side side, GridPoint from, GridPoint to) {
    if (isOnBoard(from) && isOnBoard(to)) {
        const PackedMove m = packMove(from, to);
        const std::string written = formatMove(board, m);
        if (!written.empty() && parseMove(board, written) == m) return written;
    }
    const BoardPiece piece = isOnBoard(from) ? board[boardIndex(from.file, from.rank)] : NO_PIECE;
    if (piece >= 0 && piece < NO_PIECE)
        return fillIn(GBK_MOVE_BY_POINTS, PIECE_NAMES[piece], pointText(from, side), pointText(to, side));
    return fillIn(GBK_MOVE_FROM_EMPTY, pointText(from, side), pointText(to, side));
}

bool readsAsText(std::string_view written, std::string_view gbk) {
    for (char c : written)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    std::string scratch;
    if (written == gbk) return gbkToUtf8(gbk, scratch);
    return isValidUtf8(written) && utf8ToGbk(written, scratch);
}

std::string hexBytes(std::string_view bytes) {
    std::string hex;
    for (std::size_t i = 0; i < bytes.size() && i < SHOWN_BYTES; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, i == 0 ? "%02X" : " %02X", static_cast<unsigned char>(bytes[i]));
        hex += byte;
    }
    if (bytes.size() > SHOWN_BYTES) hex += " ...";
    return hex;
}

std::string writtenMoveText(std::string_view written, std::string_view gbk) {
    if (readsAsText(written, gbk)) return std::string(gbk);
    return formatMessage(GBK_UNREADABLE_BYTES, 0, hexBytes(written));
}
