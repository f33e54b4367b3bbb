#include "engine/fen.h"

#include <array>

const char* const START_FEN = "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w - - 0 1";

namespace {

constexpr std::string_view PIECE_LETTERS = "KABNRCPkabnrcp";
constexpr std::array<int, 7> KIND_LIMITS = {1, 2, 2, 2, 2, 2, 5};

// Board90 code of a FEN letter, or -1.
int pieceOfLetter(char c) {
    if (c == 'H') c = 'N';
    if (c == 'h') c = 'n';
    if (c == 'E') c = 'B';
    if (c == 'e') c = 'b';
    auto pos = PIECE_LETTERS.find(c);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

int fileOfLetter(char c) { return 8 - (c - 'a'); }

bool readPlacement(std::string_view placement, Board90& out, std::string& error) {
    Board90 board;
    board.fill(NO_PIECE);
    std::array<int, 14> counts{};
    int rank = 9, column = 0;
    for (char c : placement) {
        if (c == '/') {
            if (column != 9) return error = "rank " + std::to_string(rank) + " does not have 9 files", false;
            if (--rank < 0) return error = "more than 10 ranks", false;
            column = 0;
        } else if (c >= '1' && c <= '9') {
            column += c - '0';
            if (column > 9) return error = "rank " + std::to_string(rank) + " is longer than 9 files", false;
        } else {
            int piece = pieceOfLetter(c);
            if (piece < 0) return error = std::string("unknown piece letter '") + c + "'", false;
            if (column >= 9) return error = "rank " + std::to_string(rank) + " is longer than 9 files", false;
            if (++counts[piece] > KIND_LIMITS[piece % 7])
                return error = std::string("too many pieces '") + c + "'", false;
            board[boardIndex(8 - column, rank)] = static_cast<BoardPiece>(piece);
            ++column;
        }
    }
    if (rank != 0) return error = "fewer than 10 ranks", false;
    if (column != 9) return error = "rank 0 does not have 9 files", false;
    out = board;
    return true;
}

}  // namespace

bool readFen(std::string_view text, Board90& board, Side& side, std::string& error) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    auto space = text.find(' ');
    std::string_view placement = text.substr(0, space);
    if (placement.empty()) return error = "empty FEN", false;
    Side readSide = SIDE_RED;
    if (space != std::string_view::npos) {
        std::string_view rest = text.substr(space);
        while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
        if (!rest.empty()) {
            char s = rest.front();
            if (rest.size() > 1 && rest[1] != ' ') return error = "side to move must be w, r or b", false;
            if (s == 'w' || s == 'r') readSide = SIDE_RED;
            else if (s == 'b') readSide = SIDE_BLACK;
            else return error = "side to move must be w, r or b", false;
        }
    }
    Board90 read;
    if (!readPlacement(placement, read, error)) return false;
    board = read;
    side = readSide;
    return true;
}

std::string writeFen(const Board90& board, Side side) {
    std::string fen;
    for (int rank = 9; rank >= 0; --rank) {
        int gap = 0;
        for (int file = 8; file >= 0; --file) {
            BoardPiece p = board[boardIndex(file, rank)];
            if (p < 0 || p >= 14) {
                ++gap;
                continue;
            }
            if (gap) fen += static_cast<char>('0' + gap);
            gap = 0;
            fen += PIECE_LETTERS[p];
        }
        if (gap) fen += static_cast<char>('0' + gap);
        if (rank) fen += '/';
    }
    fen += side == SIDE_RED ? " w - - 0 1" : " b - - 0 1";
    return fen;
}

std::string writeCoordinateMove(PackedMove move) {
    GridPoint from = moveFrom(move), to = moveTo(move);
    std::string s(4, ' ');
    s[0] = static_cast<char>('a' + 8 - from.file);
    s[1] = static_cast<char>('0' + from.rank);
    s[2] = static_cast<char>('a' + 8 - to.file);
    s[3] = static_cast<char>('0' + to.rank);
    return s;
}

PackedMove readCoordinateMove(std::string_view text) {
    if (text.size() != 4) return 0;
    auto fileOk = [](char c) { return c >= 'a' && c <= 'i'; };
    auto rankOk = [](char c) { return c >= '0' && c <= '9'; };
    if (!fileOk(text[0]) || !rankOk(text[1]) || !fileOk(text[2]) || !rankOk(text[3])) return 0;
    return packMove(fileOfLetter(text[0]), text[1] - '0', fileOfLetter(text[2]), text[3] - '0');
}

std::string boardDiagram(const Board90& board) {
    std::string out;
    for (int rank = 9; rank >= 0; --rank) {
        out += static_cast<char>('0' + rank);
        out += ' ';
        for (int file = 8; file >= 0; --file) {
            BoardPiece p = board[boardIndex(file, rank)];
            out += (p >= 0 && p < 14) ? PIECE_LETTERS[p] : '.';
            out += ' ';
        }
        out += '\n';
    }
    out += "  a b c d e f g h i\n";
    return out;
}
