#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "engine/best_entry.h"

namespace {

TEST(BestEntry, FindsTheFirstHighestKeyLikeThePlainLoop) {
    // Every stretch length a list can have, from every start, with keys
    // drawn from a few values (many ties) or from the whole 16-bit range.
    std::mt19937 rng(16);
    MoveEntry moves[MOVE_LIST_SIZE];
    int compared = 0;
    for (int round = 0; round < 400; ++round) {
        const bool fewValues = round % 2 == 0;
        for (int i = 0; i < MOVE_LIST_SIZE; ++i) {
            moves[i].from = static_cast<std::uint8_t>(rng());
            moves[i].to = static_cast<std::uint8_t>(rng());
            const int v = fewValues ? static_cast<int>(rng() % 4) * 30000 - 45000 : static_cast<int>(rng() % 65536) - 32768;
            moves[i].key = static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
        }
        const int count = static_cast<int>(rng() % (MOVE_LIST_SIZE + 1));
        for (int from = 0; from <= count; ++from) {
            ASSERT_EQ(firstBestIndex(moves, from, count), firstBestIndexPlain(moves, from, count))
                << "round " << round << " from " << from << " count " << count;
            ++compared;
        }
    }
    EXPECT_GT(compared, 10000);
}

TEST(BestEntry, TheEarliestOfEqualKeysWinsAndTheFromAndToBytesDoNotCount) {
    MoveEntry moves[20] = {};
    for (int i = 0; i < 20; ++i) moves[i] = {static_cast<std::uint8_t>(255 - i), 255, -5};
    moves[13].key = 7;
    moves[17].key = 7;
    EXPECT_EQ(firstBestIndex(moves, 0, 20), 13);
    EXPECT_EQ(firstBestIndex(moves, 14, 20), 17);
    EXPECT_EQ(firstBestIndex(moves, 0, 13), 0);  // all equal: the first
    moves[19].key = -32768;
    moves[2].key = 32767;
    EXPECT_EQ(firstBestIndex(moves, 0, 20), 2);
    EXPECT_EQ(firstBestIndex(moves, 18, 20), 18);
}

}  // namespace
