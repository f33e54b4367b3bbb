#include "game/wxf_writer.h"

#include <cstdlib>

#include "game/rules.h"
#include "game/text_move_judge.h"

namespace {

constexpr char PIECE_LETTERS[7] = {'K', 'A', 'E', 'H', 'R', 'C', 'P'};
constexpr int PAWN = 6;

// The number a side gives to board file x: from its own right.
int fileNumber(bool red, int x) { return red ? x + 1 : 9 - x; }

char digit(int n) { return static_cast<char>('0' + n); }

// Advisors, elephants and horses name the file they go to; the others how far.
bool namesDestinationFile(int kind) { return kind == 1 || kind == 2 || kind == 3; }

// How many files other than x hold two or more pieces p.
int otherTandemFiles(const Board90& board, BoardPiece p, int x) {
    int ranks[10], files = 0;
    for (int f = 0; f < 9; ++f)
        if (f != x && likePiecesFromFront(board, p, f, ranks) >= 2) ++files;
    return files;
}

// The first two characters: letter and file, letter and mark, or a pawn's number and file.
void appendPiece(const Board90& board, GridPoint from, BoardPiece p, std::string& out) {
    const bool red = p < 7;
    const int kind = p % 7;
    int ranks[10];
    const int n = likePiecesFromFront(board, p, from.file, ranks);
    int place = 0;
    while (place < n && ranks[place] != from.rank) ++place;
    const char file = digit(fileNumber(red, from.file));
    if (kind == PAWN && (n >= 3 || (n == 2 && otherTandemFiles(board, p, from.file) > 0))) {
        out += digit(place + 1);
        out += file;
        return;
    }
    out += PIECE_LETTERS[kind];
    // Two advisors or elephants on a file never both have the move, so
    // they keep the file's number; the others are told apart as front and rear.
    out += n == 2 && kind != 1 && kind != 2 ? (place == 0 ? '+' : '-') : file;
}

}  // namespace

std::string formatWxfMove(const Board90& board, PackedMove m) {
    if (m == 0) return {};
    const GridPoint from = moveFrom(m), to = moveTo(m);
    if (!isOnBoard(from) || !isOnBoard(to)) return {};
    const BoardPiece p = board[boardIndex(from.file, from.rank)];
    if (p < 0 || p >= NO_PIECE) return {};
    const bool red = p < 7;
    std::string out;
    appendPiece(board, from, p, out);
    const int dy = to.rank - from.rank;
    if (dy == 0) {
        out += '=';
        out += digit(fileNumber(red, to.file));
        return out;
    }
    out += (dy > 0) == red ? '+' : '-';
    out += digit(namesDestinationFile(p % 7) ? fileNumber(red, to.file) : std::abs(dy));
    return out;
}
