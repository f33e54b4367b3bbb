// The terms the Asian rules (as the World Xiangqi Federation applies them)
// use to judge a repeated position: check, chase, protection and the
// exceptions, each beside the paragraph of the rules that defines it.
// Boards are Board90s; cells are Board90 indexes. Every test here asks the
// rule book (plainEngine) and so counts only legal moves.
#pragma once

#include <vector>

#include "engine/types.h"

namespace repetition_terms {

// One legal capture: the capturing piece's cell and the victim's.
struct Capture {
    int from;
    int to;
    friend bool operator==(const Capture&, const Capture&) = default;
};

// Every legal capture side can make in board (side to move or not).
std::vector<Capture> legalCaptures(const Board90& board, Side side);

// Terms, 照将 (check): a move that attacks the opposing king, so that it
// could be taken next move. after is the board once mover has moved.
bool givesCheck(const Board90& after, Side mover);

// Terms, 保护 (protection): the victim on cell victim is protected when,
// once the piece on attacker has taken it, its side can take back on that
// cell with a legal move. A defender that may not legally take back (it is
// pinned, or taking would leave its king attacked) protects nothing.
bool isProtected(const Board90& board, int attacker, int victim);

// Rules 28 and 29: the king and the pawns may chase perpetually; their
// attacks are never a chase.
constexpr bool attacksWithoutChasing(BoardPiece attacker) {
    const int kind = attacker % PIECE_KINDS;
    return kind == 0 || kind == 6;
}

// Terms, 捉 (chase): the threatened piece is not the king (that is a
// check), nor a pawn that has not crossed the river (such a pawn may be
// attacked at will).
bool cannotBeChased(BoardPiece victim, int cell);

// Rules 15 and 19: a horse or a cannon chases a rook even when the rook is
// protected.
constexpr bool chasesEvenProtected(BoardPiece attacker, BoardPiece victim) {
    const int a = attacker % PIECE_KINDS, v = victim % PIECE_KINDS;
    return v == 4 && (a == 3 || a == 5);
}

// Whether the piece on attacker threatens the piece on victim in the sense
// of a chase: it may legally take it, neither is exempt, the victim is not
// protected (or is a rook under a horse or a cannon), and, rule 24, a
// piece of the same kind that can take back at once is offered an exchange,
// not chased. Rule 36: a chase that also offers an exchange stays a chase.
bool threatens(const Board90& board, int attacker, int victim);

// Terms, 捉 (chase), and the Appendix on keeping a piece unprotected: the
// cells (in after) of the opposing pieces that the move before -> after by
// mover chases, that is, that it threatens in after and did not threaten
// in before (a new attack, or an old attack made good by taking the
// victim's protection away). A move that gives check chases nothing
// (rule 12: one check and one chase is not a perpetual chase).
std::vector<int> chasedCells(const Board90& before, PackedMove move, const Board90& after);

}  // namespace repetition_terms
