#include "game/wxf_notation.h"

#include <string>

#include "game/notation.h"
#include "game/text_move_judge.h"

namespace {

// A full-width form (GBK 0xA3 0xA1..0xFE) becomes its ASCII character;
// letters become lower case. Empty when the text holds anything else.
std::string foldedAscii(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == 0xA3 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0xA1 &&
            static_cast<unsigned char>(text[i + 1]) != 0xFF) {
            c = static_cast<unsigned char>(text[++i]) - 0x80;
        } else if (c >= 0x80) {
            return {};
        }
        out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return out;
}

// The kind (0 king .. 6 pawn) a piece letter names; -1 for none.
int pieceKind(char c) {
    constexpr struct { char letter; int kind; } LETTERS[] = {
        {'k', 0}, {'a', 1}, {'e', 2}, {'b', 2}, {'h', 3}, {'n', 3}, {'r', 4}, {'c', 5}, {'p', 6},
    };
    for (const auto& l : LETTERS)
        if (l.letter == c) return l.kind;
    return -1;
}

int directionOf(char c) {
    if (c == '+') return 1;
    if (c == '-') return 2;
    if (c == '=' || c == '.') return 0;
    return -1;
}

bool isNumber(char c) { return c >= '1' && c <= '9'; }

// How the moving piece is named.
enum class Which { File, Front, Rear, Ordinal };

struct WxfMove {
    int kind = -1;
    Which which = Which::File;
    int file = 0;     // 1..9 from the mover's right; 0 when not given
    int ordinal = 0;  // 1.. from the front (Which::Ordinal)
    int direction = 0;
    int number = 0;   // destination file or steps, 1..9
};

bool readMark(char c, Which& which) {
    if (c == '+' || c == 'a') which = Which::Front;
    else if (c == '-' || c == 'b') which = Which::Rear;
    else return false;
    return true;
}

// Reads the folded text; false when it is not a WXF move. Without a mark
// before the letter: letter, file or mark, operator, number. With one:
// letter, the file if given, operator, number.
bool readWxf(const std::string& t, WxfMove& out) {
    if (t.empty()) return false;
    std::size_t i = 0;
    if (pieceKind(t[0]) < 0) {
        if (isNumber(t[0])) {
            out.which = Which::Ordinal;
            out.ordinal = t[0] - '0';
        } else if (!readMark(t[0], out.which)) {
            return false;
        }
        i = 1;
    }
    const bool prefixed = i == 1;
    // A pawn's number and its file, with no letter: 15=4.
    if (out.which == Which::Ordinal && t.size() == 4 && isNumber(t[1])) {
        out.kind = 6;
        out.file = t[1] - '0';
        out.direction = directionOf(t[2]);
        out.number = t[3] - '0';
        return out.direction >= 0 && isNumber(t[3]);
    }
    if (t.size() != i + 4 && !(prefixed && t.size() == i + 3)) return false;
    out.kind = pieceKind(t[i++]);
    if (out.kind < 0) return false;
    if (t.size() == i + 3) {
        if (isNumber(t[i])) out.file = t[i] - '0';
        else if (prefixed || !readMark(t[i], out.which)) return false;
        ++i;
    }
    out.direction = directionOf(t[i]);
    if (out.direction < 0 || !isNumber(t[i + 1])) return false;
    out.number = t[i + 1] - '0';
    return true;
}

using Candidates = MoveCandidates;

// The pieces the text can mean: on a named file all of that kind there;
// front, rear or a number: that one on each file holding two or more.
Candidates candidatesOf(const Board90& board, BoardPiece p, const WxfMove& w, bool red) {
    Candidates out;
    int ranks[10];
    const int named = w.file == 0 ? -1 : red ? w.file - 1 : 9 - w.file;
    if (w.which == Which::File) {
        const int n = likePiecesFromFront(board, p, named, ranks);
        for (int k = 0; k < n; ++k) out.add(named, ranks[k]);
        return out;
    }
    for (int x = 0; x < 9; ++x) {
        if (named >= 0 && x != named) continue;
        const int n = likePiecesFromFront(board, p, x, ranks);
        if (n < 2) continue;
        if (w.which == Which::Front) out.add(x, ranks[0]);
        else if (w.which == Which::Rear) out.add(x, ranks[n - 1]);
        else if (w.ordinal <= n) out.add(x, ranks[w.ordinal - 1]);
    }
    return out;
}

}  // namespace

bool looksLikeWxfMove(std::string_view text) {
    WxfMove w;
    const std::string folded = foldedAscii(text);
    return !folded.empty() && readWxf(folded, w);
}

PackedMove judgeWxfMove(const Board90& board, Side side, std::string_view text) {
    WxfMove w;
    const std::string folded = foldedAscii(text);
    if (folded.empty() || !readWxf(folded, w)) return 0;
    const bool red = side == SIDE_RED;
    MoveText move;
    move.piece = static_cast<BoardPiece>(w.kind + (red ? 0 : 7));
    move.direction = w.direction;
    move.lastDigit = w.number - 1 + (red ? 0 : 9);
    // Of two like pieces on one file named by the file, the one that can make the move.
    return onlyLegalMove(board, side, move, candidatesOf(board, move.piece, w, red));
}
