#include "match/match_adjudicator.h"

#include <cstdlib>

void MatchAdjudicator::addScore(Side mover, std::optional<int> moverScore) {
    if (moverScore && mover != SIDE_RED) moverScore = -*moverScore;
    redView_.push_back(moverScore);
}

GameResult MatchAdjudicator::verdict(int fullMove) const {
    const auto lastAll = [this](int plies, auto test) {
        if (plies <= 0 || static_cast<int>(redView_.size()) < plies) return false;
        for (auto s = redView_.end() - plies; s != redView_.end(); ++s)
            if (!*s || !test(**s)) return false;
        return true;
    };
    if (rules_.resign) {
        const int plies = 2 * rules_.resignMoves;
        if (lastAll(plies, [this](int s) { return s <= -rules_.resignScore; })) return RESULT_BLACK_WINS;
        if (lastAll(plies, [this](int s) { return s >= rules_.resignScore; })) return RESULT_RED_WINS;
    }
    if (rules_.draw && fullMove >= rules_.drawAfterMove &&
        lastAll(2 * rules_.drawMoves, [this](int s) { return std::abs(s) <= rules_.drawScore; }))
        return RESULT_DRAW;
    return RESULT_IN_PLAY;
}
