// Counting openings for the book: transpositions merge, a game counts once
// per position and move, the thresholds and the ply limit hold, and the
// records come out in the order the book stores them.
#include <gtest/gtest.h>

#include <utility>

#include "tools/book/opening_tally.h"

namespace {

// Both Red horses out, in either order, with Black's left horse between.
constexpr PackedMove RED_LEFT_HORSE = packMove(7, 0, 6, 2);
constexpr PackedMove RED_RIGHT_HORSE = packMove(1, 0, 2, 2);
constexpr PackedMove RED_RIGHT_HORSE_BACK = packMove(2, 2, 1, 0);
constexpr PackedMove BLACK_HORSE = packMove(1, 9, 2, 7);
constexpr PackedMove BLACK_HORSE_BACK = packMove(2, 7, 1, 9);
constexpr PackedMove BLACK_OTHER_HORSE = packMove(7, 9, 6, 7);
constexpr PackedMove CENTRAL_CANNON = packMove(1, 2, 4, 2);

const BookRecord* recordOf(const std::vector<BookRecord>& records, std::uint64_t key) {
    for (const BookRecord& r : records) {
        if (r.hashLow == std::uint32_t(key) && r.hashHigh == std::uint32_t(key >> 32)) return &r;
    }
    return nullptr;
}

Board90 after(std::initializer_list<PackedMove> moves) {
    Board90 b = INITIAL_BOARD;
    for (PackedMove m : moves) {
        const GridPoint f = moveFrom(m), t = moveTo(m);
        b[boardIndex(t.file, t.rank)] = b[boardIndex(f.file, f.rank)];
        b[boardIndex(f.file, f.rank)] = NO_PIECE;
    }
    return b;
}

}  // namespace

TEST(OpeningTally, TranspositionsMergeAndThresholdsDecideWhatIsKept) {
    OpeningTally tally({.plies = 4, .minGames = 2, .minPlays = 2});
    tally.addGame(INITIAL_BOARD, SIDE_RED, {RED_RIGHT_HORSE, BLACK_HORSE, RED_LEFT_HORSE, BLACK_OTHER_HORSE});
    tally.addGame(INITIAL_BOARD, SIDE_RED, {RED_LEFT_HORSE, BLACK_HORSE, RED_RIGHT_HORSE, BLACK_OTHER_HORSE});
    // Beyond the ply limit: the fifth move is not counted.
    tally.addGame(INITIAL_BOARD, SIDE_RED, {CENTRAL_CANNON, BLACK_HORSE, RED_LEFT_HORSE, BLACK_OTHER_HORSE,
                                            RED_RIGHT_HORSE});

    const std::vector<BookRecord> records = tally.records();
    // Both move orders reach one position, by the engine's key.
    const std::uint64_t merged = positionKey(after({RED_RIGHT_HORSE, BLACK_HORSE, RED_LEFT_HORSE}), SIDE_BLACK);
    const BookRecord* both = recordOf(records, merged);
    ASSERT_NE(both, nullptr);
    ASSERT_EQ(both->moves.size(), 1u);
    EXPECT_EQ(both->moves[0].move, BLACK_OTHER_HORSE);
    EXPECT_EQ(both->moves[0].weight, 2);

    // The start: three games, but each first move was played only once,
    // below the two plays a move needs, so the position has no record.
    EXPECT_EQ(recordOf(records, positionKey(INITIAL_BOARD, SIDE_RED)), nullptr);
    // A position only one game reached is dropped.
    EXPECT_EQ(recordOf(records, positionKey(after({CENTRAL_CANNON}), SIDE_BLACK)), nullptr);
    EXPECT_EQ(tally.plays(positionKey(after({CENTRAL_CANNON, BLACK_HORSE, RED_LEFT_HORSE, BLACK_OTHER_HORSE}),
                                      SIDE_RED),
                          RED_RIGHT_HORSE),
              0);
    EXPECT_EQ(tally.plays(positionKey(INITIAL_BOARD, SIDE_RED), CENTRAL_CANNON), 1);
}

TEST(OpeningTally, AGameCountsOncePerPositionAndMove) {
    OpeningTally tally({.plies = 24, .minGames = 1, .minPlays = 1});
    // Out, back, and out again: the start position and the horse move recur.
    tally.addGame(INITIAL_BOARD, SIDE_RED,
                  {RED_RIGHT_HORSE, BLACK_HORSE, RED_RIGHT_HORSE_BACK, BLACK_HORSE_BACK, RED_RIGHT_HORSE});
    const std::uint64_t start = positionKey(INITIAL_BOARD, SIDE_RED);
    EXPECT_EQ(tally.plays(start, RED_RIGHT_HORSE), 1);
    tally.addGame(INITIAL_BOARD, SIDE_RED, {CENTRAL_CANNON});
    tally.addGame(INITIAL_BOARD, SIDE_RED, {CENTRAL_CANNON});
    const std::vector<BookRecord> records = tally.records();
    const BookRecord* s = recordOf(records, start);
    ASSERT_NE(s, nullptr);
    ASSERT_EQ(s->moves.size(), 2u);
    EXPECT_EQ(s->moves[0].move, CENTRAL_CANNON) << "heaviest first";
    EXPECT_EQ(s->moves[0].weight, 2);
    EXPECT_EQ(s->moves[1].weight, 1);
    // Ascending by (high word, low word), each key once.
    for (std::size_t i = 1; i < records.size(); ++i) {
        EXPECT_LT(std::pair(records[i - 1].hashHigh, records[i - 1].hashLow),
                  std::pair(records[i].hashHigh, records[i].hashLow));
    }
}

TEST(OpeningTally, WeightsAreClampedToTheSixteenBitPositiveRange) {
    OpeningTally tally({.plies = 1, .minGames = 1, .minPlays = 1});
    for (int i = 0; i < 32770; ++i) tally.addGame(INITIAL_BOARD, SIDE_RED, {CENTRAL_CANNON});
    const std::vector<BookRecord> records = tally.records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].moves[0].weight, 32767);
    EXPECT_EQ(tally.plays(positionKey(INITIAL_BOARD, SIDE_RED), CENTRAL_CANNON), 32770);
}
