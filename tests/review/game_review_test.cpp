#include "review/game_review.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "engine/book.h"
#include "game/review_comment.h"
#include "resources/resources.h"
#include "review/builtin_review_engine.h"
#include "review_games.h"

namespace {

void loadCarriedBook() {
    if (openingBook().size() > 0) return;
    const auto book = findResource("DAT", 124);
    ASSERT_FALSE(book.empty());
    openingBook().loadBook(book.data(), book.size());
}

// Polls as the idle pass does until the review ends or `until` says stop.
template <typename Until>
void drive(GameReview& review, Until until) {
    while (review.running() && !until()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        review.poll();
    }
}

void driveToEnd(GameReview& review) {
    drive(review, [] { return false; });
}

ReviewOptions depth(int d) {
    ReviewOptions o;
    o.limit.depth = d;
    return o;
}

// An engine answering from a script, so the driver can be tested without searching.
class ScriptedEngine final : public ReviewEngine {
public:
    std::vector<PositionAnalysis> answers;
    std::vector<ReviewPosition> asked;
    bool cancelled = false;

    std::string name() const override { return "scripted"; }
    bool analyse(const ReviewPosition& p, const ReviewLimit&, Finished f) override {
        asked.push_back(p);
        pending = std::move(f);
        return true;
    }
    void poll() override {
        if (!pending) return;
        Finished f = std::move(pending);
        pending = nullptr;
        const std::size_t i = asked.size() - 1;
        f(i < answers.size() ? answers[i] : PositionAnalysis{});
    }
    void cancel() override {
        cancelled = true;
        pending = nullptr;
    }

private:
    Finished pending;
};

PositionAnalysis answer(int cp, PackedMove best) {
    PositionAnalysis a;
    a.ok = true;
    a.score = ReviewScore::cp(cp);
    a.bestMove = best;
    a.line = {best};
    return a;
}

}  // namespace

TEST(GameReview, PlantedRookAndMateBlundersAreTheOnlyBlundersAtDepthSix) {
    loadCarriedBook();
    BuiltinReviewEngine engine;
    GameReview review(engine);
    const auto moves = coordinateMoves(PLANTED_BLUNDERS);
    ASSERT_TRUE(review.start(INITIAL_BOARD, SIDE_RED, moves, depth(6)));
    driveToEnd(review);
    ASSERT_TRUE(review.complete()) << review.error();
    EXPECT_EQ(review.move(ROOK_HANGING_MOVE).verdict.mark, MARK_BLUNDER);
    EXPECT_GE(review.move(ROOK_HANGING_MOVE).verdict.loss, 300);
    EXPECT_EQ(review.move(MATE_WALKING_MOVE).verdict.mark, MARK_BLUNDER);
    // After the walk Black mates in two; at the end Red has no move.
    EXPECT_EQ(review.ply(MATE_WALKING_MOVE + 1).score, ReviewScore::mateIn(2));
    EXPECT_TRUE(review.ply(review.positions() - 1).score.mated());
    for (int i = 0; i < review.moves(); ++i) {
        if (i == ROOK_HANGING_MOVE || i == MATE_WALKING_MOVE) continue;
        EXPECT_NE(review.move(i).verdict.mark, MARK_BLUNDER) << "move " << i + 1;
    }
    // The opening moves are in the book and not judged.
    EXPECT_EQ(review.move(0).verdict.mark, MARK_BOOK);
    EXPECT_FALSE(review.move(0).judged);
    EXPECT_EQ(review.summary(SIDE_RED).marks[MARK_BLUNDER], 2);
    EXPECT_EQ(review.summary(SIDE_BLACK).marks[MARK_BLUNDER], 0);
    // The rook move's comment names a better move with its score.
    const std::string line = review.commentLine(ROOK_HANGING_MOVE);
    EXPECT_EQ(reviewMarkOf(line), MARK_BLUNDER);
    EXPECT_NE(line.find('('), std::string::npos);
}

TEST(GameReview, CancelKeepsTheFinishedPlies) {
    BuiltinReviewEngine engine;
    GameReview review(engine);
    ReviewOptions o;
    o.limit.moveTimeMs = 200;
    ASSERT_TRUE(review.start(INITIAL_BOARD, SIDE_RED, coordinateMoves(PLANTED_BLUNDERS), o));
    drive(review, [&] { return review.analysed() >= 3; });
    ASSERT_TRUE(review.running());
    review.cancel();
    EXPECT_FALSE(review.running());
    const int kept = review.analysed();
    EXPECT_GE(kept, 3);
    for (int i = 0; i < kept; ++i) EXPECT_TRUE(review.ply(i).done) << i;
    for (int i = kept; i < review.positions(); ++i) EXPECT_FALSE(review.ply(i).done) << i;
    EXPECT_TRUE(review.move(0).assessed);
    if (review.move(kept - 1).verdict.mark != MARK_BOOK) EXPECT_FALSE(review.move(kept - 1).assessed);
    // The engine is free again: a new review starts and finishes.
    GameReview again(engine);
    ASSERT_TRUE(again.start(INITIAL_BOARD, SIDE_RED, coordinateMoves("h2e2 h9g7"), depth(2)));
    driveToEnd(again);
    EXPECT_TRUE(again.complete());
}

TEST(GameReview, JudgesFromEachMoversSideAndOnlyTheChosenSides) {
    loadCarriedBook();
    ScriptedEngine engine;
    const auto moves = coordinateMoves("h0g2 h9g7 g3g4");
    // Scores from the side to move: Red +40; after h0g2 Black -40 (even);
    // after h9g7 Red +240 (Black lost 200); after g3g4 Black -10 (Red lost 230).
    engine.answers = {answer(40, moves[0]), answer(-40, moves[1]), answer(240, moves[0]), answer(-10, moves[0])};
    ReviewOptions o = depth(1);
    o.judgeRed = false;
    GameReview review(engine);
    ASSERT_TRUE(review.start(INITIAL_BOARD, SIDE_RED, moves, o));
    driveToEnd(review);
    ASSERT_TRUE(review.complete());
    // h0g2 and h9g7 are book moves; g3g4 is Red's and Red is not judged.
    EXPECT_EQ(review.move(1).verdict.mark, MARK_BOOK);
    EXPECT_FALSE(review.move(2).judged);
    EXPECT_EQ(review.move(2).verdict.mark, MARK_NONE);
    EXPECT_TRUE(review.commentLine(2).empty());
    EXPECT_EQ(review.redScore(1), ReviewScore::cp(40));
    EXPECT_EQ(review.redScore(3), ReviewScore::cp(10));
    // The engine saw the history of each position.
    ASSERT_EQ(engine.asked.size(), 4u);
    EXPECT_EQ(engine.asked[3].moves, moves);
    EXPECT_EQ(engine.asked[3].side, SIDE_BLACK);
}

TEST(GameReview, OutOfBookMovesGetLossesAndComments) {
    ScriptedEngine engine;
    // Off the book from the first move: 帅五进一 then 卒1进1.
    const auto moves = coordinateMoves("e0e1 a6a5");
    const PackedMove better = coordinateMoves("h2e2")[0];
    engine.answers = {answer(30, better), answer(90, coordinateMoves("h9g7")[0]), answer(-100, better)};
    GameReview review(engine);
    ASSERT_TRUE(review.start(INITIAL_BOARD, SIDE_RED, moves, depth(1)));
    driveToEnd(review);
    // Red: 30 before, -90 after: a loss of 120, 缓着, 炮二平五 was better.
    EXPECT_EQ(review.move(0).verdict.loss, 120);
    EXPECT_EQ(review.move(0).verdict.mark, MARK_INACCURACY);
    EXPECT_EQ(review.commentLine(0), reviewLine(MARK_INACCURACY, "\xC5\xDA\xB6\xFE\xC6\xBD\xCE\xE5", ReviewScore::cp(30)));
    // Black: 90 before, 100 after (Red's -100): no loss.
    EXPECT_EQ(review.move(1).verdict.loss, 0);
    EXPECT_EQ(review.move(1).verdict.mark, MARK_GOOD);
    EXPECT_EQ(review.summary(SIDE_RED).mistakes(), 1);
    EXPECT_DOUBLE_EQ(review.summary(SIDE_RED).averageLoss(), 120.0);
}

TEST(GameReview, AFailingEngineEndsTheReviewWithItsMessage) {
    ScriptedEngine engine;
    PositionAnalysis bad;
    bad.error = "engine crashed";
    engine.answers = {answer(0, 0), bad};
    GameReview review(engine);
    bool finished = false;
    review.onFinished = [&] { finished = true; };
    ASSERT_TRUE(review.start(INITIAL_BOARD, SIDE_RED, coordinateMoves("a3a4 a6a5"), depth(1)));
    driveToEnd(review);
    EXPECT_TRUE(finished);
    EXPECT_EQ(review.error(), "engine crashed");
    EXPECT_EQ(review.analysed(), 1);
}

TEST(GameReview, RefusesARecordWithAnIllegalMove) {
    ScriptedEngine engine;
    GameReview review(engine);
    EXPECT_FALSE(review.start(INITIAL_BOARD, SIDE_RED, coordinateMoves("h2e2 h2e2"), depth(1)));
    EXPECT_FALSE(review.running());
    EXPECT_FALSE(review.error().empty());
    EXPECT_TRUE(engine.asked.empty());
}

TEST(GameReview, LimitsAreKeptInRange) {
    EXPECT_EQ(clampedLimit({50, 0}).moveTimeMs, REVIEW_MIN_TIME_MS);
    EXPECT_EQ(clampedLimit({60'000, 0}).moveTimeMs, REVIEW_MAX_TIME_MS);
    EXPECT_EQ(clampedLimit({1000, 99}).depth, REVIEW_MAX_DEPTH);
    EXPECT_FALSE(clampedLimit({1000, -3}).byDepth());
}

TEST(BuiltinReviewEngine, SettlesOnTheMeanOfTheLastTwoIterations) {
    const std::int16_t swing[] = {40, -20, 60, 10};
    EXPECT_EQ(BuiltinReviewEngine::settledScore(swing, 4), 35);
    EXPECT_EQ(BuiltinReviewEngine::settledScore(swing, 1), 40);
    const std::int16_t mate[] = {100, 29990};
    EXPECT_EQ(BuiltinReviewEngine::settledScore(mate, 2), 29990);
    EXPECT_EQ(centipawnsFromPoints(2000), static_cast<int>(2000 * CENTIPAWNS_PER_POINT + 0.5));
}

// The time left follows what each position took from one start to the
// next (the engine's 100 ms and the windows' 50 ms after each), not the
// engine's share alone nor the limit.
TEST(GameReview, TimeLeftFollowsTheWholePaceOfAPosition) {
    ScriptedEngine engine;
    for (int i = 0; i < 5; ++i) engine.answers.push_back(answer(0, 0));
    GameReview review(engine);
    std::chrono::steady_clock::time_point now{};
    review.clock = [&] { return now; };
    std::vector<std::pair<int, long>> seen;  // positions done, estimate
    review.onProgress = [&] {
        seen.emplace_back(review.analysed(), review.estimatedMsLeft());
        now += std::chrono::milliseconds(50);
    };
    ReviewOptions o;
    o.limit.moveTimeMs = 1000;
    ASSERT_TRUE(review.start(INITIAL_BOARD, SIDE_RED, coordinateMoves("h2e2 h9g7 h0g2 i9h9"), o));
    while (review.running()) {
        now += std::chrono::milliseconds(100);
        review.poll();
    }
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[0].second, 5 * 1000);  // nothing done yet: the limit
    for (std::size_t k = 1; k < seen.size(); ++k) {
        const int done = seen[k].first;
        EXPECT_EQ(seen[k].second, (5 - done) * 150) << done;
    }
}
