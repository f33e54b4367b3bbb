#include "game/text_move_judge.h"

#include "game/notation.h"
#include "game/rules.h"

namespace {

constexpr int MAX_CANDIDATES = 10;

struct Candidates {
    GridPoint points[MAX_CANDIDATES];
    int count = 0;
    void add(int file, int rank) {
        if (count < MAX_CANDIDATES) points[count++] = {static_cast<std::int8_t>(file), static_cast<std::int8_t>(rank)};
    }
};

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

// The one legal move among the candidates' moves, or 0 when none or several are.
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

void applyMove(Board90& board, PackedMove m) {
    const GridPoint from = moveFrom(m), to = moveTo(m);
    board[boardIndex(to.file, to.rank)] = board[boardIndex(from.file, from.rank)];
    board[boardIndex(from.file, from.rank)] = NO_PIECE;
}

}  // namespace

PackedMove judgeTextMove(const Board90& board, Side side, std::string_view text) {
    const PackedMove m = parseMove(board, text);
    if (m != 0 && isLegalMove(board, side, m)) return m;
    MoveText read;
    if (!readMoveText(text, read)) return 0;
    Candidates candidates;
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
        applyMove(board, m);
        side ^= 1;
        ++read;
    }
    return read;
}
