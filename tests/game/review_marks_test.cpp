#include "game/review_marks.h"

#include <gtest/gtest.h>

TEST(ReviewMarks, BandEdges) {
    EXPECT_EQ(markForLoss(0), MARK_GOOD);
    EXPECT_EQ(markForLoss(20), MARK_GOOD);
    EXPECT_EQ(markForLoss(21), MARK_NONE);
    EXPECT_EQ(markForLoss(49), MARK_NONE);
    EXPECT_EQ(markForLoss(50), MARK_INACCURACY);
    EXPECT_EQ(markForLoss(149), MARK_INACCURACY);
    EXPECT_EQ(markForLoss(150), MARK_MISTAKE);
    EXPECT_EQ(markForLoss(299), MARK_MISTAKE);
    EXPECT_EQ(markForLoss(300), MARK_BLUNDER);
    EXPECT_EQ(markForLoss(REVIEW_LOSS_CAP), MARK_BLUNDER);
}

TEST(ReviewMarks, LossIsTheMoversDropAgainstTheBestMove) {
    // Before: the mover is +80; after, the opponent to move is -30 (the mover +30).
    MoveVerdict v = judgeMove(ReviewScore::cp(80), ReviewScore::cp(-30), false);
    EXPECT_EQ(v.loss, 50);
    EXPECT_EQ(v.mark, MARK_INACCURACY);
    // A move that scores better than the search expected loses nothing.
    v = judgeMove(ReviewScore::cp(10), ReviewScore::cp(-200), false);
    EXPECT_EQ(v.loss, 0);
    EXPECT_EQ(v.mark, MARK_GOOD);
    // The engine's own move is good whatever the next search says.
    v = judgeMove(ReviewScore::cp(400), ReviewScore::cp(200), true);
    EXPECT_EQ(v.loss, 0);
    EXPECT_EQ(v.mark, MARK_GOOD);
}

TEST(ReviewMarks, MatesStayOnTheScaleAndWalkingIntoOneIsABlunder) {
    // Mate in 3 kept as mate in 4: a step, not a collapse.
    EXPECT_EQ(judgeMove(ReviewScore::mateIn(3), ReviewScore::mateIn(-4), false).loss, 1);
    // From mating to being mated: capped.
    const MoveVerdict swing = judgeMove(ReviewScore::mateIn(2), ReviewScore::mateIn(1), false);
    EXPECT_EQ(swing.loss, REVIEW_LOSS_CAP);
    // Into a mate from a lost but unmated position: a blunder.
    const MoveVerdict walk = judgeMove(ReviewScore::cp(-1900), ReviewScore::mateIn(60), false);
    EXPECT_EQ(walk.mark, MARK_BLUNDER);
    EXPECT_GE(walk.loss, 300);
    // Already being mated: a longer defence is no blunder.
    EXPECT_EQ(judgeMove(ReviewScore::mateIn(-3), ReviewScore::mateIn(2), false).mark, MARK_GOOD);
    // Scores clip at the edge; mates lie beyond it, nearer ones further.
    EXPECT_EQ(reviewValue(ReviewScore::cp(5000)), REVIEW_SCORE_EDGE);
    EXPECT_GT(reviewValue(ReviewScore::mateIn(9)), REVIEW_SCORE_EDGE);
    EXPECT_GT(reviewValue(ReviewScore::mateIn(1)), reviewValue(ReviewScore::mateIn(9)));
    EXPECT_LT(reviewValue(ReviewScore::mateIn(0)), reviewValue(ReviewScore::mateIn(-5)));
}

TEST(ReviewMarks, NamesSuffixesAndScoreTexts) {
    EXPECT_EQ(markName(MARK_MISTAKE), "\xD2\xC9\xCE\xCA\xCA\xD6");  // 疑问手
    EXPECT_EQ(markNamed(markName(MARK_BOOK)), MARK_BOOK);
    EXPECT_EQ(markNamed("x"), MARK_NONE);
    EXPECT_EQ(markSuffix(MARK_INACCURACY), "?!");
    EXPECT_EQ(markSuffix(MARK_MISTAKE), "?");
    EXPECT_EQ(markSuffix(MARK_BLUNDER), "??");
    EXPECT_EQ(markSuffix(MARK_BOOK), "");
    EXPECT_TRUE(isMistake(MARK_BLUNDER));
    EXPECT_FALSE(isMistake(MARK_GOOD));
    EXPECT_EQ(scoreText(ReviewScore::cp(35)), "+35");
    EXPECT_EQ(scoreText(ReviewScore::cp(-120)), "-120");
    EXPECT_EQ(scoreText(ReviewScore::cp(0)), "0");
    EXPECT_EQ(scoreText(ReviewScore::mateIn(3)), "+M3");
    EXPECT_EQ(scoreText(ReviewScore::mateIn(-2)), "-M2");
}
