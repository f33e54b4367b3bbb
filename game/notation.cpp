#include "game/notation.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/board_move.h"
#include "game/rules.h"

namespace {

bool sameChar(const char* a, const char* gbk) { return a[0] == gbk[0] && a[1] == gbk[1]; }

int indexOf(const char* c, const char* const* table, int size) {
    for (int i = 0; i < size; ++i)
        if (sameChar(c, table[i])) return i;
    return -1;
}

bool isRed(BoardPiece p) { return p < 7; }

// The side's numeral for number n (1..9).
const char* numeral(bool red, int n) { return red ? RED_NUMERALS[n - 1] : BLACK_NUMERALS[n - 1]; }

// The number a side gives to board file x.
int fileNumber(bool red, int x) { return red ? x + 1 : 9 - x; }

// Advisors, elephants and horses name the file they go to; the others
// name how far they go.
bool namesDestinationFile(BoardPiece p) {
    const int kind = p % 7;
    return kind == 1 || kind == 2 || kind == 3;
}

void append(char*& out, const char* gbkChar) {
    out[0] = gbkChar[0];
    out[1] = gbkChar[1];
    out += 2;
}

// "前"/"后" and the name, or the name and the file number.
void appendPieceAndFile(const Board90& board, GridPoint from, BoardPiece p, char*& out) {
    const bool red = isRed(p);
    for (int r = 0; r < 10; ++r) {
        if (r == from.rank || board[boardIndex(from.file, r)] != p) continue;
        const bool front = red ? r < from.rank : r > from.rank;
        append(out, front ? GBK_FRONT : GBK_BACK);
        append(out, PIECE_NAMES[p]);
        return;
    }
    append(out, PIECE_NAMES[p]);
    append(out, numeral(red, fileNumber(red, from.file)));
}

void appendDirectionAndDestination(GridPoint from, GridPoint to, BoardPiece p, char*& out) {
    const bool red = isRed(p);
    const int dy = to.rank - from.rank;
    if (dy == 0) {
        append(out, GBK_SIDEWAYS);
        append(out, numeral(red, fileNumber(red, to.file)));
        return;
    }
    append(out, (dy > 0) == red ? GBK_FORWARD : GBK_BACKWARD);
    const int amount = namesDestinationFile(p) ? fileNumber(red, to.file) : std::abs(dy);
    append(out, numeral(red, amount));
}

// Board code of a piece name for the given side; NO_PIECE when absent.
BoardPiece pieceOfName(const char* c, bool red) {
    const int i = indexOf(c, red ? RED_NAMES : BLACK_NAMES, 7);
    if (i < 0) return NO_PIECE;
    return static_cast<BoardPiece>(red ? i : 7 + i);
}

// Index of a numeral of either kind as 0..8; -1 when absent.
int numeralValue(const char* c) {
    const int k = indexOf(c, DIGITS, 18);
    return k > 8 ? k - 9 : k;
}

int sign(int v) { return v > 0 ? 1 : -1; }

GridPoint point(int file, int rank) { return {static_cast<std::int8_t>(file), static_cast<std::int8_t>(rank)}; }

}  // namespace

char* formatMove(const Board90& board, PackedMove m, char* out) {
    out[0] = '\0';
    if (m == 0) return out;
    const GridPoint from = moveFrom(m), to = moveTo(m);
    // A move from an empty cell or off the board has no name.
    if (!isOnBoard(from) || !isOnBoard(to)) return out;
    const BoardPiece p = board[boardIndex(from.file, from.rank)];
    if (p < 0 || p >= NO_PIECE) return out;
    char* end = out;
    appendPieceAndFile(board, from, p, end);
    appendDirectionAndDestination(from, to, p, end);
    *end = '\0';
    return out;
}

std::string formatMove(const Board90& board, PackedMove m) {
    char text[MOVE_TEXT_BUFFER];
    return formatMove(board, m, text);
}

bool readMoveText(std::string_view text, MoveText& out) {
    if (text.size() < MOVE_TEXT_BYTES) return false;
    const char* c = text.data();
    MoveText read;
    read.lastDigit = indexOf(c + 6, DIGITS, 18);
    const bool red = read.lastDigit < 9;
    const bool frontOrBack = sameChar(c, GBK_FRONT) || sameChar(c, GBK_BACK);
    if (frontOrBack) {
        read.piece = pieceOfName(c + 2, red);
        read.front = sameChar(c, GBK_FRONT);
    } else {
        read.piece = pieceOfName(c, red);
        const int k1 = numeralValue(c + 2);
        if (k1 < 0) return false;
        read.fromFile = red ? k1 : 8 - k1;
    }
    if (read.piece == NO_PIECE) return false;
    if (sameChar(c + 4, GBK_SIDEWAYS)) read.direction = 0;
    else if (sameChar(c + 4, GBK_FORWARD)) read.direction = 1;
    else if (sameChar(c + 4, GBK_BACKWARD)) read.direction = 2;
    else return false;
    if (read.lastDigit < 0) return false;
    out = read;
    return true;
}

PackedMove moveFromPoint(const MoveText& text, GridPoint from) {
    const bool red = isRed(text.piece);
    const int k = text.lastDigit > 8 ? text.lastDigit - 9 : text.lastDigit;
    if (k < 0) return 0;
    int toFile = from.file, toRank = from.rank;
    if (text.direction == 0) {
        toFile = red ? k : 8 - k;
    } else {
        const int n = k + 1;
        const bool towardLowerRanks = (text.direction == 2) == red;
        const int a = towardLowerRanks ? -n : n;
        const int s = sign(a);
        switch (text.piece) {
        case 1: toFile = n - 1; toRank = from.rank + s; break;
        case 2: toFile = n - 1; toRank = from.rank + 2 * s; break;
        case 8: toFile = 9 - n; toRank = from.rank + s; break;
        case 9: toFile = 9 - n; toRank = from.rank + 2 * s; break;
        case 3:
        case 10:
            toFile = text.piece == 3 ? n - 1 : 9 - n;
            toRank = from.rank + s * (3 - std::abs(toFile - from.file));
            break;
        default: toRank = from.rank + a; break;
        }
    }
    if (toFile < 0 || toFile > 8 || toRank < 0) return 0;
    return packMove(from.file, from.rank, toFile, toRank);
}

PackedMove parseMove(const Board90& board, std::string_view text) {
    MoveText read;
    if (!readMoveText(text, read)) return 0;
    GridPoint from = NO_POINT;
    if (read.fromFile >= 0) {
        for (int r = 0; r < 10 && from.file < 0; ++r)
            if (board[boardIndex(read.fromFile, r)] == read.piece) from = point(read.fromFile, r);
    } else {
        from = findDoubledPiece(board, read.piece, read.front);
    }
    if (from.file < 0) return 0;
    return moveFromPoint(read, from);
}

GridPoint findDoubledPiece(const Board90& board, BoardPiece p, bool front) {
    for (int x = 0; x < 9; ++x) {
        int count = 0;
        for (int r = 0; r < 10; ++r) count += board[boardIndex(x, r)] == p;
        if (count < 2) continue;
        // Red's front is toward rank 9, Black's toward rank 0.
        const bool fromTop = isRed(p) == front;
        for (int i = 0; i < 10; ++i) {
            const int r = fromTop ? 9 - i : i;
            if (board[boardIndex(x, r)] == p) return point(x, r);
        }
    }
    return NO_POINT;
}

namespace {

// Appends piece to out (holding length bytes) when all of it fits within
// capacity - 1 bytes; false, leaving out as it is, when it does not.
bool appendWhole(char* out, std::size_t& length, std::size_t capacity, const char* piece) {
    const std::size_t n = std::strlen(piece);
    if (length + n + 1 > capacity) return false;
    std::memcpy(out + length, piece, n + 1);
    length += n;
    return true;
}

}  // namespace

char* formatRecord(const Board90& start, const PackedMove* moves, int count, char* out,
                   std::size_t capacity) {
    if (capacity == 0) return out;
    out[0] = '\0';
    Board90 scratch = start;
    std::size_t length = 0;
    for (int i = 0; i < count; ++i) {
        char text[MOVE_TEXT_BUFFER];
        formatMove(scratch, moves[i], text);
        char piece[32];
        if (i % 2 == 0) std::snprintf(piece, sizeof piece, "%d. %s", i / 2 + 1, text);
        else std::snprintf(piece, sizeof piece, " %s\r\n", text);
        if (!appendWhole(out, length, capacity, piece)) break;
        playOnBoard(scratch, moves[i]);
    }
    return out;
}
