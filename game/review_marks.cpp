#include "game/review_marks.h"

#include <algorithm>

namespace {

constexpr int LONGEST_MATE = 100;

// GBK names by ReviewMark.
constexpr std::string_view MARK_NAMES[] = {
    "", "\xBA\xC3\xD7\xC5", "\xBB\xBA\xD7\xC5", "\xD2\xC9\xCE\xCA\xCA\xD6", "\xB0\xDC\xD7\xC5",
    "\xBF\xAA\xBE\xD6\xBF\xE2",
};
constexpr std::string_view MARK_SUFFIXES[] = {"", "", "?!", "?", "??", ""};

bool known(ReviewMark mark) { return mark >= MARK_NONE && mark <= MARK_BOOK; }

}  // namespace

int reviewValue(const ReviewScore& score) {
    if (!score.isMate) return std::clamp(score.centipawns, -REVIEW_SCORE_EDGE, REVIEW_SCORE_EDGE);
    const int distance = std::min(std::abs(score.mate), LONGEST_MATE);
    return score.mate > 0 ? REVIEW_MATE_VALUE - distance : -(REVIEW_MATE_VALUE - distance);
}

ReviewMark markForLoss(int loss) {
    for (const MarkBand& band : MARK_BANDS)
        if (loss >= band.fromLoss) return band.mark;
    return MARK_GOOD;
}

MoveVerdict judgeMove(const ReviewScore& before, const ReviewScore& after, bool playedBest) {
    MoveVerdict v;
    if (!playedBest) {
        const int drop = reviewValue(before) - reviewValue(after.flipped());
        v.loss = std::clamp(drop, 0, REVIEW_LOSS_CAP);
    }
    v.mark = markForLoss(v.loss);
    // A move into a forced mate is lost whatever the figures say, unless
    // the mover was being mated anyway.
    if (!playedBest && after.flipped().mated() && !before.mated()) v.mark = MARK_BLUNDER;
    return v;
}

bool isMistake(ReviewMark mark) {
    return mark == MARK_INACCURACY || mark == MARK_MISTAKE || mark == MARK_BLUNDER;
}

std::string_view markName(ReviewMark mark) { return known(mark) ? MARK_NAMES[mark] : std::string_view{}; }

std::string_view markSuffix(ReviewMark mark) { return known(mark) ? MARK_SUFFIXES[mark] : std::string_view{}; }

ReviewMark markNamed(std::string_view name) {
    for (int m = MARK_GOOD; m <= MARK_BOOK; ++m)
        if (MARK_NAMES[m] == name) return static_cast<ReviewMark>(m);
    return MARK_NONE;
}

std::string scoreText(const ReviewScore& score) {
    if (score.isMate) return (score.mate > 0 ? "+M" : "-M") + std::to_string(std::abs(score.mate));
    if (score.centipawns > 0) return "+" + std::to_string(score.centipawns);
    return std::to_string(score.centipawns);
}
