#include "game/text_move_judge.h"

#include "engine/board_move.h"
#include "game/notation.h"
#include "game/rules.h"

namespace {

using Candidates = MoveCandidates;

int countOnFile(const Board90& board, BoardPiece p, int file) {
    int n = 0;
    for (int r = 0; r < 10; ++r) n += board[boardIndex(file, r)] == p;
    return n;
}

// Every piece p on a file named by number, when more than one stands there.
void addFilePieces(const Board90& board, BoardPiece p, int file, Candidates& out) {
    if (countOnFile(board, p, file) < 2) return;
    for (int r = 0; r < 10; ++r)
        if (board[boardIndex(file, r)] == p) out.add(file, r);
}

// Every piece 前 (or 后) can mean: on each file holding two or more of p,
// all but the rearmost (or the frontmost) one.
void addDoubledPieces(const Board90& board, BoardPiece p, bool front, Candidates& out) {
    const bool red = p < 7;
    for (int x = 0; x < 9; ++x) {
        if (countOnFile(board, p, x) < 2) continue;
        int lowest = -1, highest = -1;
        for (int r = 0; r < 10; ++r) {
            if (board[boardIndex(x, r)] != p) continue;
            if (lowest < 0) lowest = r;
            highest = r;
        }
        // Red's rearmost piece is the lowest, Black's the highest.
        const int excluded = front == red ? lowest : highest;
        for (int r = 0; r < 10; ++r)
            if (board[boardIndex(x, r)] == p && r != excluded) out.add(x, r);
    }
}

bool sameChar(const char* a, const char* b) { return a[0] == b[0] && a[1] == b[1]; }

int indexIn(const char* c, const char* const* table, int size) {
    for (int i = 0; i < size; ++i)
        if (sameChar(c, table[i])) return i;
    return -1;
}

// 中兵, 一兵..五兵 and 前三 / 后七: the pieces such a text can mean, and the
// move text's other parts. False when the text has neither form.
bool readPlaceText(const Board90& board, std::string_view text, MoveText& read, Candidates& out) {
    if (text.size() < MOVE_TEXT_BYTES) return false;
    const char* c = text.data();
    read.lastDigit = indexIn(c + 6, DIGITS, 18);
    if (read.lastDigit < 0) return false;
    const bool red = read.lastDigit < 9;
    if (sameChar(c + 4, GBK_SIDEWAYS)) read.direction = 0;
    else if (sameChar(c + 4, GBK_FORWARD)) read.direction = 1;
    else if (sameChar(c + 4, GBK_BACKWARD)) read.direction = 2;
    else return false;
    const int name = indexIn(c + 2, red ? RED_NAMES : BLACK_NAMES, 7);
    const int file = indexIn(c + 2, DIGITS, 18);
    int ranks[10];
    if (name >= 0) {  // a place among three or more on a file
        read.piece = static_cast<BoardPiece>(red ? name : 7 + name);
        const int place = sameChar(c, GBK_MIDDLE) ? 2 : indexIn(c, DIGITS, 18) % 9 + 1;
        if (!sameChar(c, GBK_MIDDLE) && indexIn(c, DIGITS, 18) < 0) return false;
        for (int x = 0; x < 9; ++x) {
            const int n = likePiecesFromFront(board, read.piece, x, ranks);
            if (n >= 3 && place <= n && (place != 2 || !sameChar(c, GBK_MIDDLE) || n == 3)) out.add(x, ranks[place - 1]);
        }
        return true;
    }
    const bool front = sameChar(c, GBK_FRONT);
    if (file < 0 || (!front && !sameChar(c, GBK_BACK))) return false;
    read.piece = red ? 6 : 13;  // pawns
    const int x = red ? file % 9 : 8 - file % 9;
    const int n = likePiecesFromFront(board, read.piece, x, ranks);
    if (n >= 2) out.add(x, front ? ranks[0] : ranks[n - 1]);
    return true;
}

}  // namespace

int likePiecesFromFront(const Board90& board, BoardPiece p, int x, int ranks[10]) {
    int n = 0;
    for (int k = 0; k < 10; ++k) {
        const int r = p < 7 ? 9 - k : k;
        if (board[boardIndex(x, r)] == p) ranks[n++] = r;
    }
    return n;
}

PackedMove onlyLegalMove(const Board90& board, Side side, const MoveText& text, const Candidates& candidates) {
    PackedMove found = 0;
    for (int i = 0; i < candidates.count; ++i) {
        const PackedMove m = moveFromPoint(text, candidates.points[i]);
        if (m == 0 || m == found || !isLegalMove(board, side, m)) continue;
        if (found != 0) return 0;
        found = m;
    }
    return found;
}

PackedMove judgeTextMove(const Board90& board, Side side, std::string_view text) {
    const PackedMove m = parseMove(board, text);
    if (m != 0 && isLegalMove(board, side, m)) return m;
    MoveText read;
    Candidates candidates;
    if (!readMoveText(text, read))
        return readPlaceText(board, text, read, candidates) ? onlyLegalMove(board, side, read, candidates) : 0;
    if (read.fromFile >= 0) addFilePieces(board, read.piece, read.fromFile, candidates);
    else addDoubledPieces(board, read.piece, read.front, candidates);
    return onlyLegalMove(board, side, read, candidates);
}

std::size_t judgeTextMoves(const Board90& start, Side side, const std::vector<std::string>& texts,
                           std::vector<PackedMove>& moves) {
    return judgeMoves(start, side, texts, judgeTextMove, moves);
}

std::size_t judgeMoves(const Board90& start, Side side, const std::vector<std::string>& texts, MoveJudge judge,
                       std::vector<PackedMove>& moves) {
    Board90 board = start;
    std::size_t read = 0;
    for (const std::string& text : texts) {
        const PackedMove m = judge(board, side, text);
        if (m == 0) break;
        moves.push_back(m);
        playOnBoard(board, m);
        side ^= 1;
        ++read;
    }
    return read;
}
