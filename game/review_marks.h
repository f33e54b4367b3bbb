// What a reviewed move cost and what that makes it: the scores of the
// positions before and after it on one scale (the protocols' centipawns,
// a pawn 100, or a mate distance), the loss against the engine's best
// move, and the mark the loss earns. The bands are one table
// (MARK_BANDS); book moves are marked apart and never judged.
#pragma once

#include <string>
#include <string_view>

#include "game/score_scale.h"

enum ReviewMark : int {
    MARK_NONE = 0,    // judged, nothing to say (a loss of 21 to 49)
    MARK_GOOD,        // 好着: the best move or within 20
    MARK_INACCURACY,  // 缓着: 50 to 149
    MARK_MISTAKE,     // 疑问手: 150 to 299
    MARK_BLUNDER,     // 败着: 300 or more, or walking into a forced mate
    MARK_BOOK,        // 开局库: an opening-book move, not judged
};

// A score from the side to move's view.
struct ReviewScore {
    int centipawns = 0;  // when isMate is false
    bool isMate = false;
    // With isMate: N > 0 the side to move mates in N moves, -N it is
    // mated in N, 0 it has been mated (no move left).
    int mate = 0;

    static ReviewScore cp(int value) { return {value, false, 0}; }
    static ReviewScore mateIn(int moves) { return {0, true, moves}; }
    // The same position's score from the other side's view.
    ReviewScore flipped() const { return {-centipawns, isMate, -mate}; }
    // The side to move is being mated (or has been).
    bool mated() const { return isMate && mate <= 0; }
    friend bool operator==(const ReviewScore&, const ReviewScore&) = default;
};

// One move never loses more than this, so that a line from mate to being
// mated does not swamp a side's average.
constexpr int REVIEW_LOSS_CAP = 1000;

// A mark and the smallest loss that earns it; the first band the loss
// reaches is the mark.
struct MarkBand {
    ReviewMark mark;
    int fromLoss;
};
constexpr MarkBand MARK_BANDS[] = {
    {MARK_BLUNDER, 300}, {MARK_MISTAKE, 150}, {MARK_INACCURACY, 50}, {MARK_NONE, 21}, {MARK_GOOD, 0},
};

// The score as one bounded number: centipawns clipped at the edge, mates
// beyond it (a mate in N at REVIEW_MATE_VALUE - N, N up to 100).
int reviewValue(const ReviewScore& score);
ReviewMark markForLoss(int loss);

struct MoveVerdict {
    int loss = 0;  // centipawns, 0..REVIEW_LOSS_CAP
    ReviewMark mark = MARK_NONE;
};

// before: the position the move was made in (the mover to move); after:
// the position it led to (the opponent to move). playedBest: the move is
// the one the engine would have played, which loses nothing by definition.
MoveVerdict judgeMove(const ReviewScore& before, const ReviewScore& after, bool playedBest);

bool isMistake(ReviewMark mark);
// The mark's name (GBK): 好着, 缓着, 疑问手, 败着, 开局库; empty for MARK_NONE.
std::string_view markName(ReviewMark mark);
// The short suffix the record list shows: ?! ? ?? for the three mistakes.
std::string_view markSuffix(ReviewMark mark);
// The mark a name stands for; MARK_NONE when it is none of them.
ReviewMark markNamed(std::string_view gbkName);

// A score as the review writes it: +35, -120, 0, +M3 (mates in 3), -M2
// (is mated in 2).
std::string scoreText(const ReviewScore& score);
