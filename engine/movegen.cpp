// Pseudo-legal move, capture and defence generation, the check test, the
// move test for the game model and the game verdict. Each colour's code is
// a template instance so that its cell tests are constants. The piece order
// (rooks, cannons, horses, pawns, advisors, elephants, king, facing kings),
// the slider directions (+1, +16, -1, -16) and the table order decide the
// order of the lists, which the search's move ordering relies on.
#include <cstring>

#include "engine/engine.h"
#include "engine/king_exposure.h"

namespace {

template <Side S> constexpr int colourBase() { return S == SIDE_RED ? 0 : 16; }
template <Side S> constexpr int enemyBase() { return S == SIDE_RED ? 16 : 0; }

// An enemy piece on the cell.
template <Side S> inline bool isEnemy(std::int8_t cell) {
    if constexpr (S == SIDE_RED) return static_cast<unsigned>(cell - 16) < 16u;
    else return cell < 16;
}
// An own piece on the cell.
template <Side S> inline bool isOwn(std::int8_t cell) {
    if constexpr (S == SIDE_RED) return cell < 16;
    else return static_cast<unsigned>(cell - 16) < 16u;
}
// A table target (always a playing square) the piece may step to.
template <Side S> inline bool canLand(std::int8_t cell) {
    if constexpr (S == SIDE_RED) return cell > 15;
    else return cell < 16 || cell == EMPTY;
}

inline int addMove(MoveEntry* list, int n, int from, int to) {
    list[n].from = static_cast<std::uint8_t>(from);
    list[n].to = static_cast<std::uint8_t>(to);
    return n + 1;
}

// Which targets a generator wants.
enum class Want { ALL, CAPTURES, PROTECTIONS };

template <Side S, Want W> inline bool wanted(std::int8_t cell) {
    if constexpr (W == Want::ALL) return canLand<S>(cell);
    else if constexpr (W == Want::CAPTURES) return isEnemy<S>(cell);
    else return isOwn<S>(cell);
}

// The target a slider W wants at a blocking square: an enemy piece for
// moves and captures, an own piece for defences.
template <Side S, Want W> inline int sliderTarget(const std::int8_t* board, int from, int sq, MoveEntry* list, int n) {
    if constexpr (W == Want::PROTECTIONS) return isOwn<S>(board[sq]) ? addMove(list, n, from, sq) : n;
    else return isEnemy<S>(board[sq]) ? addMove(list, n, from, sq) : n;
}

// The quiet moves from the square over empty cells, nearest first; the
// first cell that is not empty.
template <Want W, int D> inline int quietRun(const std::int8_t* board, int from, MoveEntry* list, int& n) {
    int sq = from + D;
    while (board[sq] == EMPTY) {
        if constexpr (W == Want::ALL) n = addMove(list, n, from, sq);
        sq += D;
    }
    return sq;
}

template <Side S, Want W, int D> inline int rookLine(const Engine& e, int from, MoveEntry* list, int n) {
    const int first = quietRun<W, D>(e.board, from, list, n);
    return sliderTarget<S, W>(e.board, from, first, list, n);
}

// The first piece (or the border) is the screen; the capture is the next
// piece beyond it.
template <Side S, Want W, int D> inline int cannonLine(const Engine& e, int from, MoveEntry* list, int n) {
    int sq = quietRun<W, D>(e.board, from, list, n);
    if (e.board[sq] == BORDER) return n;  // beyond the edge there is only border
    sq += D;
    while (e.board[sq] == EMPTY) sq += D;
    return sliderTarget<S, W>(e.board, from, sq, list, n);
}

// Directions in the order +1, +16, -1, -16.
template <Side S, Want W> inline int rookMoves(const Engine& e, int from, MoveEntry* list, int n) {
    n = rookLine<S, W, +1>(e, from, list, n);
    n = rookLine<S, W, +16>(e, from, list, n);
    n = rookLine<S, W, -1>(e, from, list, n);
    return rookLine<S, W, -16>(e, from, list, n);
}

template <Side S, Want W> inline int cannonMoves(const Engine& e, int from, MoveEntry* list, int n) {
    n = cannonLine<S, W, +1>(e, from, list, n);
    n = cannonLine<S, W, +16>(e, from, list, n);
    n = cannonLine<S, W, -1>(e, from, list, n);
    return cannonLine<S, W, -16>(e, from, list, n);
}

// Steppers whose table entries need no empty block square.
template <Side S, Want W>
inline int stepMoves(const std::int8_t* board, const std::uint8_t* table, int from, MoveEntry* list, int n) {
    for (const std::uint8_t* t = table + 16 * from; *t; ++t)
        if (wanted<S, W>(board[*t])) n = addMove(list, n, from, *t);
    return n;
}

// Steppers blocked by a leg or eye square.
template <Side S, Want W>
inline int blockedStepMoves(const std::int8_t* board, const std::uint8_t* table, const std::uint8_t* blocks, int from,
                            MoveEntry* list, int n) {
    const std::uint8_t* b = blocks + 16 * from;
    for (const std::uint8_t* t = table + 16 * from; *t; ++t, ++b)
        if (wanted<S, W>(board[*t]) && board[*b] == EMPTY) n = addMove(list, n, from, *t);
    return n;
}

}  // namespace

// ---- generators ----

namespace {

template <Side S> int addFacingKings(const Engine& e, MoveEntry* list, int n) {
    constexpr int toward = S == SIDE_RED ? +16 : -16;
    const int k = e.pieceSquares[colourBase<S>()];
    if (k == 0) return n;
    int sq = k + toward;
    while (e.board[sq] == EMPTY) sq += toward;
    if (e.board[sq] == enemyBase<S>()) n = addMove(list, n, k, sq);
    return n;
}

template <Side S> const std::uint8_t* pawnSteps(const Engine& e) {
    return S == SIDE_RED ? e.redPawnSteps : e.blackPawnSteps;
}

// The moves W wants of one piece of colour S standing on from, by its kind.
template <Side S, Want W> int pieceMoves(const Engine& e, PieceType type, int from, MoveEntry* list, int n) {
    switch (type) {
    case ROOK: return rookMoves<S, W>(e, from, list, n);
    case CANNON: return cannonMoves<S, W>(e, from, list, n);
    case HORSE: return blockedStepMoves<S, W>(e.board, e.horseTargets, e.horseLegs, from, list, n);
    case PAWN: return stepMoves<S, W>(e.board, pawnSteps<S>(e), from, list, n);
    case ADVISOR: return stepMoves<S, W>(e.board, e.advisorSteps, from, list, n);
    case ELEPHANT: return blockedStepMoves<S, W>(e.board, e.elephantTargets, e.elephantEyes, from, list, n);
    default: return stepMoves<S, W>(e.board, e.kingSteps, from, list, n);
    }
}

// The side's pieces in generation order: rooks 7, 8; cannons 9, 10;
// horses 5, 6; pawns 11..15; advisors 1, 2; elephants 3, 4; king 0 (Red's
// codes; Black adds 16); then the facing-kings capture.
template <Side S, Want W> int walkPieces(const Engine& e, MoveEntry* list) {
    const std::uint8_t* at = e.pieceSquares + colourBase<S>();
    const std::int8_t* board = e.board;
    int n = 0;
    for (int code : {7, 8})
        if (at[code]) n = rookMoves<S, W>(e, at[code], list, n);
    for (int code : {9, 10})
        if (at[code]) n = cannonMoves<S, W>(e, at[code], list, n);
    for (int code : {5, 6})
        if (at[code]) n = blockedStepMoves<S, W>(board, e.horseTargets, e.horseLegs, at[code], list, n);
    for (int code : {11, 12, 13, 14, 15})
        if (at[code]) n = stepMoves<S, W>(board, pawnSteps<S>(e), at[code], list, n);
    for (int code : {1, 2})
        if (at[code]) n = stepMoves<S, W>(board, e.advisorSteps, at[code], list, n);
    for (int code : {3, 4})
        if (at[code]) n = blockedStepMoves<S, W>(board, e.elephantTargets, e.elephantEyes, at[code], list, n);
    if (at[0]) n = stepMoves<S, W>(board, e.kingSteps, at[0], list, n);
    if constexpr (W != Want::PROTECTIONS) n = addFacingKings<S>(e, list, n);
    return n;
}

template <Side S> int singlePieceMoves(const Engine& e, int code, MoveEntry* list) {
    const int from = e.pieceSquares[code];
    if (from == 0) return 0;
    const PieceType type = pieceTypeOf(static_cast<PieceCode>(code));
    const int n = pieceMoves<S, Want::ALL>(e, type, from, list, 0);
    return type == KING ? addFacingKings<S>(e, list, n) : n;
}

}  // namespace

template <Want W> static std::int8_t generate(const Engine& e, Side side, MoveEntry* list) {
    const int n = side == SIDE_RED ? walkPieces<SIDE_RED, W>(e, list) : walkPieces<SIDE_BLACK, W>(e, list);
    return static_cast<std::int8_t>(n);
}

std::int8_t Engine::generateMoves(Side side, MoveEntry* list) const { return generate<Want::ALL>(*this, side, list); }

std::int8_t Engine::generateCaptures(Side side, MoveEntry* list) const {
    return generate<Want::CAPTURES>(*this, side, list);
}

std::int8_t Engine::generateProtections(Side side, MoveEntry* list) const {
    return generate<Want::PROTECTIONS>(*this, side, list);
}

std::int8_t Engine::generatePieceMoves(int piece, MoveEntry* list) const {
    if (piece < 0 || piece > 31) return 0;
    const int n = piece < 16 ? singlePieceMoves<SIDE_RED>(*this, piece, list)
                             : singlePieceMoves<SIDE_BLACK>(*this, piece, list);
    return static_cast<std::int8_t>(n);
}

// ---- check test ----

namespace {

template <Side S> struct KingLines {
    static constexpr int E = enemyBase<S>();
    static constexpr int TOWARD = S == SIDE_RED ? +16 : -16;
    static bool isRook(int c) { return static_cast<unsigned>(c - (E + 7)) < 2u; }
    static bool isCannon(int c) { return static_cast<unsigned>(c - (E + 9)) < 2u; }
    static bool isPawn(int c) { return static_cast<unsigned>(c - (E + 11)) < 5u; }

    // One line from the king k: the first piece met (a rook; the enemy king
    // facing it; a pawn right beside it) and, past it, a cannon.
    template <int D> static bool attacks(const Engine& e, int k) {
        constexpr bool PAWN_BESIDE = D != -TOWARD;  // no pawn moves backward
        constexpr bool KING_FACES = D == TOWARD;
        int sq = k + D;
        while (e.board[sq] == EMPTY) sq += D;
        const int c = e.board[sq];
        if (isRook(c) || (KING_FACES && c == E) || (PAWN_BESIDE && sq == k + D && isPawn(c))) return true;
        if (c == BORDER) return false;
        sq += D;
        while (e.board[sq] == EMPTY) sq += D;
        return isCannon(e.board[sq]);
    }
    // An enemy horse whose leg, next to the horse, is empty.
    static bool horseAttacks(const Engine& e, int k) {
        for (int h : {e.pieceSquares[E + 5], e.pieceSquares[E + 6]}) {
            if (h == 0) continue;
            const int d = e.horseLegByDelta[(k - h) & 255];
            if (d != 0 && e.board[h + d] == EMPTY) return true;
        }
        return false;
    }
    // The line from k toward d (one of +1, -1, +16, -16).
    static bool attacksAlong(const Engine& e, int k, int d) {
        switch (d) {
        case +1: return attacks<+1>(e, k);
        case -1: return attacks<-1>(e, k);
        case TOWARD: return attacks<TOWARD>(e, k);
        default: return attacks<-TOWARD>(e, k);
        }
    }
    // After a move from -> to of this side, made while its king was not
    // attacked: only the lines and legs the move changed can attack it now.
    static bool exposedBy(const Engine& e, int from, int to, bool captured) {
        const int k = e.pieceSquares[colourBase<S>()];
        if (k == 0) return false;
        if (k == to) return attacked(e);  // the king itself moved
        const int fromLine = onOneLine(k, from) ? lineDirection(k, from) : 0;
        if (fromLine != 0 && attacksAlong(e, k, fromLine)) return true;
        if (!captured && onOneLine(k, to)) {
            const int toLine = lineDirection(k, to);
            if (toLine != fromLine && attacksAlong(e, k, toLine)) return true;
        }
        return diagonallyBeside(k, from) && horseAttacks(e, k);
    }
    static bool attacked(const Engine& e) {
        const int k = e.pieceSquares[colourBase<S>()];
        if (k == 0) return false;  // no king: nothing to attack
        return attacks<+1>(e, k) || attacks<TOWARD>(e, k) || attacks<-1>(e, k) || attacks<-TOWARD>(e, k) ||
               horseAttacks(e, k);
    }
};

}  // namespace

bool Engine::exposedKing(int from, int to, bool captured) const {
    return sideToMove == SIDE_BLACK ? KingLines<SIDE_RED>::exposedBy(*this, from, to, captured)
                                    : KingLines<SIDE_BLACK>::exposedBy(*this, from, to, captured);
}

bool Engine::isInCheck(Side side) const {
    return side == SIDE_RED ? KingLines<SIDE_RED>::attacked(*this) : KingLines<SIDE_BLACK>::attacked(*this);
}

// ---- tests used by the repetition rules ----

bool Engine::isAttackedByOfficer(PieceCode piece) {
    const int target = pieceSquares[piece & 31];
    if (target == 0) return false;
    const int n = generateMoves(piece < 16 ? SIDE_BLACK : SIDE_RED, scratchMoves);
    for (int i = 0; i < n; ++i)
        if (scratchMoves[i].to == target && !KING_OR_PAWN[board[scratchMoves[i].from]]) return true;
    return false;
}

bool Engine::threatensUnprotectedPiece(PieceCode piece) {
    const int n = generatePieceMoves(piece, scratchMoves);
    for (int i = 0; i < n; ++i) {
        const int victimSquare = scratchMoves[i].to;
        const std::int8_t victim = board[victimSquare];
        if (victim == EMPTY) continue;
        const int defences = generateProtections(victim < 16 ? SIDE_RED : SIDE_BLACK, scratchDefences);
        bool defended = false;
        for (int j = 0; j < defences && !defended; ++j) defended = scratchDefences[j].to == victimSquare;
        if (!defended) return true;
    }
    return false;
}

// ---- the game model's tests ----

namespace {
bool pointOnBoard(GridPoint p) {
    return static_cast<unsigned>(p.file) < 9u && static_cast<unsigned>(p.rank) < 10u;
}
}  // namespace

bool Engine::tryMove(PackedMove packed) {
    // A point off the board would alias onto a real square below.
    if (!pointOnBoard(moveFrom(packed)) || !pointOnBoard(moveTo(packed))) return false;
    const int n = generateMoves(sideToMove, scratchMoves);
    if (n <= 0) return false;
    const EngineMove m = toEngineMove(packed);
    const int from = moveSource(m), to = moveTarget(m);
    int i = 0;
    while (i < n && (scratchMoves[i].from != from || scratchMoves[i].to != to)) ++i;
    if (i == n) return false;
    const std::int8_t piece = board[from], captured = board[to];
    if (captured != EMPTY) pieceSquares[captured] = 0;
    board[to] = piece;
    board[from] = EMPTY;
    pieceSquares[piece] = static_cast<std::uint8_t>(to);
    return !isInCheck(sideToMove);
}

bool Engine::hasNoAttackingMaterial() const {
    for (int c = 0; c < 32; ++c)
        if (pieceSquares[c] != 0 && IS_ATTACKER[pieceTypeOf(static_cast<PieceCode>(c))]) return false;
    return true;
}

GameResult Engine::gameStatus() {
    if (hasNoAttackingMaterial()) return RESULT_DRAW;
    initPieceValues();
    computeHash();
    computeMaterialScore();
    std::memset(searchStack.data(), 0, sizeof searchStack);
    const int v = fixedDepthSearch(0, 2, -32100, 32100);
    if (v != -30000) return RESULT_IN_PLAY;
    return sideToMove == SIDE_RED ? RESULT_BLACK_WINS : RESULT_RED_WINS;
}

std::int16_t Engine::fixedDepthSearch(int recordIndex, int depth, int alpha, int beta) {
    const bool redToMove = sideToMove == SIDE_RED;
    if (pieceSquares[0] == 0) return redToMove ? -30000 : 30000;
    if (pieceSquares[16] == 0) return redToMove ? 30000 : -30000;
    if (depth < 1) return redToMove ? materialScore : static_cast<std::int16_t>(-materialScore);
    PlyRecord& record = searchStack[recordIndex];
    const int n = generateMoves(sideToMove, record.moves);
    record.count = static_cast<std::int8_t>(n);
    if (n <= 0) return -30000;
    int best = -30000;
    for (int i = 0; i < n; ++i) {
        const EngineMove m = record.moves[i].move();
        const SavedState saved = makeMove(m);
        const int value = -fixedDepthSearch(recordIndex + 1, depth - 1, -beta, -alpha);
        unmakeMove(m, saved);
        if (value >= beta) return static_cast<std::int16_t>(value);
        if (value > best) {
            best = value;
            if (value > alpha) alpha = value;
        }
    }
    return static_cast<std::int16_t>(best);
}

