// Transposition table: replacement between the two halves, what a probe
// answers, the walk that refuses lines running into a repetition, and
// line extraction.
#include <gtest/gtest.h>

#include "engine/search.h"
#include "search_support.h"

namespace {

constexpr std::uint32_t HALF = TranspositionTable::HALF_SIZE;

class TableTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine = makeSearchEngine();
        ASSERT_TRUE(loadSearchPosition(*engine, "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w"));
    }
    void setKey(std::uint32_t low, std::uint32_t high) {
        engine->hashLow = low;
        engine->hashHigh = high;
    }
    std::int16_t probe(int depth, int alpha, int beta) { return engine->probe(depth, alpha, beta, hashMoves); }
    TTEntry& entry(std::uint32_t index) { return engine->transpositionTable().entries[index]; }

    std::unique_ptr<Engine> engine;
    EngineMove hashMoves[2] = {0xFFFF, 0xFFFF};
};

TEST_F(TableTest, UnseenPositionMissesAndClearsBothHashMoves) {
    setKey(0x12345, 0x777);
    EXPECT_EQ(probe(1, -100, 100), PROBE_MISS);
    EXPECT_EQ(hashMoves[0], 0);
    EXPECT_EQ(hashMoves[1], 0);
    // An empty entry never matches a key with a non-zero half.
    setKey(0, 5);
    EXPECT_EQ(probe(0, -100, 100), PROBE_MISS);
}

TEST_F(TableTest, DeeperEntryOfTheCurrentSearchStaysInThePrimarySlot) {
    setKey(1u << 18 | 5, 0xABC);
    engine->store(6, BOUND_EXACT, 120, 0x3344, false);
    engine->store(4, BOUND_EXACT, 80, 0x5566, false);
    EXPECT_EQ(entry(5).depth, 6);
    EXPECT_EQ(entry(5).score, 120);
    EXPECT_EQ(entry(HALF + 5).depth, 4);
    EXPECT_EQ(entry(HALF + 5).score, 80);
    EXPECT_EQ(probe(5, -1000, 1000), 120);
    // Too shallow for depth 7: the primary move first, the other second.
    EXPECT_EQ(probe(7, -1000, 1000), PROBE_MISS);
    EXPECT_EQ(hashMoves[0], 0x3344);
    EXPECT_EQ(hashMoves[1], 0x5566);
}

TEST_F(TableTest, EntryOfAnEarlierSearchIsPushedDownByAnyNewResult) {
    setKey(2u << 18 | 9, 0x1);
    engine->store(6, BOUND_EXACT, 50, 0x1111, false);
    engine->searchAge = (engine->searchAge + 1) & 15;
    setKey(4u << 18 | 9, 0x2);  // another position with the same index
    engine->store(1, BOUND_LOWER, 10, 0x2222, false);
    EXPECT_EQ(entry(9).keyLow, 4u << 18 | 9);
    EXPECT_EQ(entry(9).depth, 1);
    EXPECT_EQ(entry(9).age(), engine->searchAge);
    EXPECT_EQ(entry(HALF + 9).keyLow, 2u << 18 | 9);
    EXPECT_EQ(entry(HALF + 9).depth, 6);
    // Of the current search, the deeper entry of another position stays.
    setKey(8u << 18 | 9, 0x3);
    engine->searchAge = entry(9).age();
    engine->store(3, BOUND_EXACT, 0, 0x3333, false);
    engine->store(0, BOUND_EXACT, 0, 0x4444, false);
    EXPECT_EQ(entry(9).depth, 3);
    EXPECT_EQ(entry(HALF + 9).depth, 0);
}

TEST_F(TableTest, SecondarySlotKeepsItsAgeBits) {
    setKey(3u << 18 | 10, 0x9);
    engine->searchAge = 5;
    engine->store(2, BOUND_EXACT, 0, 0x1234, false);  // age 5 into the primary
    engine->store(9, BOUND_EXACT, 0, 0x1234, false);  // pushes it down: secondary now age 5
    engine->searchAge = 6;
    engine->store(1, BOUND_UPPER, 0, 0x1234, true);  // deeper primary of this key stays
    EXPECT_EQ(entry(HALF + 10).age(), 5);
    EXPECT_EQ(entry(HALF + 10).bound(), BOUND_UPPER);
    EXPECT_TRUE(entry(HALF + 10).forced());
}

TEST_F(TableTest, StoreDoesNothingOnceAStopIsRequested) {
    setKey(5u << 18 | 11, 0x4);
    engine->stopFlag->store(1);
    engine->store(3, BOUND_EXACT, 10, 0x1234, false);
    engine->stopFlag->store(0);
    EXPECT_EQ(entry(11).keyLow, 0u);
    EXPECT_EQ(entry(HALF + 11).keyLow, 0u);
}

TEST_F(TableTest, BoundsDecideWhetherTheScoreAnswers) {
    setKey(6u << 18 | 12, 0x5);
    engine->store(3, BOUND_UPPER, -50, 0x0102, false);
    EXPECT_EQ(probe(3, -50, 100), -50);
    EXPECT_EQ(probe(3, -60, 100), PROBE_MISS);
    EXPECT_EQ(hashMoves[0], 0x0102);
    setKey(6u << 18 | 13, 0x5);
    engine->store(3, BOUND_LOWER, 70, 0x0304, false);
    EXPECT_EQ(probe(2, -100, 70), 70);
    EXPECT_EQ(probe(2, -100, 71), PROBE_MISS);
}

TEST_F(TableTest, ForcedEntryAnswersForcedWhenItsScoreCannotBeUsed) {
    setKey(7u << 18 | 14, 0x6);
    engine->store(2, BOUND_EXACT, 30, 0x0506, true);
    EXPECT_EQ(probe(2, -100, 100), 30);
    EXPECT_EQ(probe(3, -100, 100), PROBE_FORCED);
    EXPECT_EQ(hashMoves[0], 0x0506);
    // A forced entry in the secondary slot hands out its own move.
    engine->store(1, BOUND_EXACT, 10, 0x0708, false);  // lands in the secondary slot
    entry(HALF + 14).flags |= TT_FORCED_FLAG;
    entry(14).flags &= static_cast<std::uint8_t>(~TT_FORCED_FLAG);
    EXPECT_EQ(probe(3, -100, 100), PROBE_FORCED);
    EXPECT_EQ(hashMoves[0], 0x0708);
}

// From the start position: the cannon goes to the centre, a horse comes
// out, the cannon goes back and the horse too: the start position again.
class WalkTest : public TableTest {
protected:
    void SetUp() override {
        TableTest::SetUp();
        ASSERT_TRUE(playMove(*engine, "h2e2"));
        storeLine({"h9g7", "e2h2", "g7h9"});
        ASSERT_TRUE(loadSearchPosition(*engine, START));
        ASSERT_TRUE(playMove(*engine, "h2e2"));
    }
    // Stores, at each position along the moves, an exact deep entry
    // whose move is the next one.
    void storeLine(std::initializer_list<const char*> moves) {
        for (const char* m : moves) {
            engine->store(10, BOUND_EXACT, 5, engineMove(m), false);
            ASSERT_TRUE(playMove(*engine, m));
        }
    }
    static constexpr const char* START = "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w";
};

TEST_F(WalkTest, LineBackToAGamePositionIsNotUsedButItsMoveIs) {
    const auto before = std::vector<std::int8_t>(engine->board, engine->board + 256);
    EXPECT_EQ(probe(4, -100, 100), PROBE_MISS);  // the start position is game history
    EXPECT_EQ(hashMoves[0], engineMove("h9g7"));
    EXPECT_EQ(std::vector<std::int8_t>(engine->board, engine->board + 256), before);
    // The walk put back every slot it used: only the start position is left.
    int used = 0;
    for (const auto& s : engine->repetitionTable().slots) used += s.keyLow != 0 || s.keyHigh != 0;
    EXPECT_EQ(used, 1);
    // Without that history entry the same line is fine.
    engine->repetitionTable().clear();
    EXPECT_EQ(probe(4, -100, 100), 5);
    // A line that comes back to one of its own positions is refused too.
    ASSERT_TRUE(loadSearchPosition(*engine, START));
    engine->store(10, BOUND_EXACT, 5, engineMove("h2e2"), false);
    engine->repetitionTable().clear();
    ASSERT_TRUE(playMove(*engine, "h2e2"));
    EXPECT_EQ(probe(4, -100, 100), PROBE_MISS);
}

TEST_F(WalkTest, StepThatMetAnOccupiedSlotClearsNothing) {
    engine->repetitionTable().clear();
    // The slot of the position after h9g7 is held by another position.
    ASSERT_TRUE(playMove(*engine, "h9g7"));
    const std::uint32_t low = engine->hashLow, high = engine->hashHigh;
    ASSERT_TRUE(loadSearchPosition(*engine, START));
    ASSERT_TRUE(playMove(*engine, "h2e2"));
    engine->repetitionTable().clear();
    engine->repetitionTable().mark(low, high ^ 1, MARK_HISTORY);
    EXPECT_EQ(probe(4, -100, 100), 5);
    const RepetitionSlot& slot = engine->repetitionTable().slotOf(low);
    EXPECT_EQ(slot.keyLow, low);
    EXPECT_EQ(slot.keyHigh, high ^ 1);
    EXPECT_EQ(slot.mark, MARK_HISTORY);
}

TEST_F(WalkTest, ExtractedLineFollowsPrimaryEntriesAndLeavesTheBoard) {
    const auto before = std::vector<std::int8_t>(engine->board, engine->board + 256);
    std::int8_t length = 0;
    EngineMove line[128] = {};
    engine->extractLine(length, line, 10);
    ASSERT_EQ(length, 3);  // the start position itself has no entry now
    EXPECT_EQ(line[0], engineMove("h9g7"));
    EXPECT_EQ(line[1], engineMove("e2h2"));
    EXPECT_EQ(line[2], engineMove("g7h9"));
    EXPECT_EQ(std::vector<std::int8_t>(engine->board, engine->board + 256), before);
    length = 0;
    engine->extractLine(length, line, 2);
    EXPECT_EQ(length, 2);
}

// The four positions of the shuffle lead round to each other: the walk
// could go on for ever, and stops at the longest line a length counts.
TEST_F(WalkTest, ExtractedLineOfACycleStopsAt127Moves) {
    ASSERT_TRUE(loadSearchPosition(*engine, START));
    engine->store(10, BOUND_EXACT, 5, engineMove("h2e2"), false);
    ASSERT_TRUE(playMove(*engine, "h2e2"));
    std::int8_t length = 0;
    EngineMove line[128] = {};
    engine->extractLine(length, line, 200);
    EXPECT_EQ(length, MAX_LINE_LENGTH);
    EXPECT_EQ(line[126], engineMove("g7h9"));
    EXPECT_EQ(line[127], 0);
    // A line already begun is only filled up to the same bound.
    length = 120;
    engine->extractLine(length, line, 50);
    EXPECT_EQ(length, MAX_LINE_LENGTH);
}

TEST_F(WalkTest, StoredMoveThatDoesNotFitThePositionIsNeverPlayed) {
    // A key collision: the entry of this position names a move from an
    // empty square. The walk and the extraction stop there.
    engine->store(12, BOUND_EXACT, 7, makeEngineMove(squareAt(4, 4), squareAt(4, 5)), false);
    const auto before = std::vector<std::int8_t>(engine->board, engine->board + 256);
    EXPECT_EQ(probe(4, -100, 100), 7);
    std::int8_t length = 0;
    EngineMove line[128] = {};
    engine->extractLine(length, line, 10);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(std::vector<std::int8_t>(engine->board, engine->board + 256), before);
}

}  // namespace

namespace {

std::size_t usedEntries(const TranspositionTable& tt) {
    std::size_t used = 0;
    for (const TTEntry& e : tt.entries) used += e.keyLow != 0 || e.keyHigh != 0 || e.flags != 0;
    return used;
}

}  // namespace

// The table starts zeroed without being written; a search fills it and
// clearing it then leaves nothing of that search behind, search after search.
TEST_F(TableTest, ClearingAfterASearchLeavesNothingBehind) {
    EXPECT_EQ(usedEntries(engine->transpositionTable()), 0u);
    for (int round = 0; round < 2; ++round) {
        engine->searchRoot(3, -INFINITE_SCORE, INFINITE_SCORE);
        EXPECT_GT(usedEntries(engine->transpositionTable()), 0u) << round;
        engine->clearTable();
        EXPECT_EQ(usedEntries(engine->transpositionTable()), 0u) << round;
    }
}
