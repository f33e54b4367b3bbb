#include "engine/book.h"

#include <gtest/gtest.h>

#include <map>

#include "engine/engine.h"

namespace {

struct StartKey {
    std::uint32_t low, high;
};

StartKey keyOf(const Board90& board, Side side) {
    Engine engine;
    engine.setPosition(board, side);
    engine.computeHash();
    return {engine.hashLow, engine.hashHigh};
}

// Red's opening moves used by the tests: central cannon, horse, pawn.
constexpr PackedMove CENTRAL_CANNON = packMove(1, 2, 4, 2);
constexpr PackedMove HORSE_OUT = packMove(1, 0, 2, 2);
constexpr PackedMove PAWN_UP = packMove(2, 3, 2, 4);

OpeningBook loaded(const std::vector<std::uint8_t>& resource) {
    OpeningBook book;
    EXPECT_TRUE(book.loadBook(resource.data(), resource.size()));
    return book;
}

std::vector<std::uint8_t> startBook() {
    const StartKey k = keyOf(INITIAL_BOARD, SIDE_RED);
    return encodeBook({{k.low, k.high, {{HORSE_OUT, 1000}, {CENTRAL_CANNON, 3000}, {PAWN_UP, 1000}}}});
}

TEST(OpeningBook, LoadsSortsHeaviestFirstAndKeepsTiesInOrder) {
    const OpeningBook book = loaded(startBook());
    const StartKey k = keyOf(INITIAL_BOARD, SIDE_RED);
    const BookEntry* entry = book.findBookEntry(k.low, k.high);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->total, 5000);
    ASSERT_EQ(entry->moves.size(), 3u);
    EXPECT_EQ(entry->moves[0].move, CENTRAL_CANNON);
    EXPECT_EQ(entry->moves[1].move, HORSE_OUT);
    EXPECT_EQ(entry->moves[2].move, PAWN_UP);
    // The same board with Black to move has another key and is not found.
    const StartKey black = keyOf(INITIAL_BOARD, SIDE_BLACK);
    EXPECT_EQ(book.findBookEntry(black.low, black.high), nullptr);
    EXPECT_EQ(book.probeBook(black.low, black.high), 0u);
}

TEST(OpeningBook, DrawBoundsPickFirstAndLastMove) {
    const OpeningBook book = loaded(startBook());
    const StartKey k = keyOf(INITIAL_BOARD, SIDE_RED);
    const BookEntry& entry = *book.findBookEntry(k.low, k.high);
    EXPECT_EQ(OpeningBook::pickBookMove(entry, 0), CENTRAL_CANNON);
    EXPECT_EQ(OpeningBook::pickBookMove(entry, 32767), PAWN_UP);
    // t = r * 5000 / 32767: the cannon covers t < 3000, the horse t < 4000.
    EXPECT_EQ(OpeningBook::pickBookMove(entry, 19660), CENTRAL_CANNON);  // t = 2999
    EXPECT_EQ(OpeningBook::pickBookMove(entry, 19661), HORSE_OUT);       // t = 3000
    EXPECT_EQ(OpeningBook::pickBookMove(entry, 26213), HORSE_OUT);       // t = 3999
    EXPECT_EQ(OpeningBook::pickBookMove(entry, 26214), PAWN_UP);         // t = 4000
}

TEST(OpeningBook, WeightedDrawOverManyProbes) {
    const OpeningBook book = loaded(startBook());
    const StartKey k = keyOf(INITIAL_BOARD, SIDE_RED);
    std::map<PackedMove, int> seen;
    constexpr int PROBES = 20000;
    for (int i = 0; i < PROBES; ++i) ++seen[book.probeBook(k.low, k.high)];
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_NEAR(seen[CENTRAL_CANNON] / double(PROBES), 0.6, 0.03);
    EXPECT_NEAR(seen[HORSE_OUT] / double(PROBES), 0.2, 0.03);
    EXPECT_NEAR(seen[PAWN_UP] / double(PROBES), 0.2, 0.03);
}

TEST(OpeningBook, SingleMoveIsAlwaysReturned) {
    const OpeningBook book = loaded(encodeBook({{7, 9, {{HORSE_OUT, 1}}}}));
    for (int i = 0; i < 200; ++i) EXPECT_EQ(book.probeBook(7, 9), HORSE_OUT);
}

TEST(OpeningBook, LargeTotalsDrawWithoutOverflow) {
    std::vector<BookMove> moves;
    for (int k = 0; k < MAX_BOOK_MOVES; ++k) moves.push_back({packMove(k % 9, k / 9 % 10, k % 9, (k / 9 + 1) % 10), 32767});
    const OpeningBook book = loaded(encodeBook({{1, 2, moves}}));
    const BookEntry* entry = book.findBookEntry(1, 2);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->total, 127 * 32767);
    // r = 16384: t = 16384 * 127 = 2080768, first exceeded by the 64th move.
    EXPECT_EQ(OpeningBook::pickBookMove(*entry, 16384), moves[63].move);
    EXPECT_EQ(OpeningBook::pickBookMove(*entry, 32767), moves.back().move);
}

TEST(OpeningBook, UnusableMovesAndRecordsAreSkipped) {
    // A record without moves, a move with weight 0, one with a negative
    // weight, one off the board, and a record left with nothing usable.
    const std::vector<std::uint8_t> resource = encodeBook({
        {1, 1, {}},
        {2, 2, {{HORSE_OUT, 0}, {PAWN_UP, -5}, {packMove(9, 0, 4, 4), 10}, {CENTRAL_CANNON, 7}}},
        {3, 3, {{HORSE_OUT, 0}}},
        {4, 4, {{PAWN_UP, 2}}},
    });
    const OpeningBook book = loaded(resource);
    EXPECT_EQ(book.findBookEntry(1, 1), nullptr);
    EXPECT_EQ(book.findBookEntry(3, 3), nullptr);
    const BookEntry* two = book.findBookEntry(2, 2);
    ASSERT_NE(two, nullptr);
    ASSERT_EQ(two->moves.size(), 1u);
    EXPECT_EQ(two->moves[0].move, CENTRAL_CANNON);
    EXPECT_EQ(two->total, 7);
    ASSERT_NE(book.findBookEntry(4, 4), nullptr);  // parsing went on past them
    EXPECT_EQ(book.size(), 2u);
}

TEST(OpeningBook, RepeatedKeyAddsToItsEntry) {
    const OpeningBook book = loaded(encodeBook({{5, 5, {{HORSE_OUT, 2}}}, {5, 5, {{PAWN_UP, 9}}}}));
    const BookEntry* entry = book.findBookEntry(5, 5);
    ASSERT_NE(entry, nullptr);
    ASSERT_EQ(entry->moves.size(), 2u);
    EXPECT_EQ(entry->moves[0].move, PAWN_UP);
    EXPECT_EQ(entry->total, 11);
}

TEST(OpeningBook, DamagedResourcesGiveAnEmptyBook) {
    const std::vector<std::uint8_t> good = startBook();
    OpeningBook book;
    ASSERT_TRUE(book.loadBook(good.data(), good.size()));
    EXPECT_FALSE(book.loadBook(nullptr, 0));
    EXPECT_EQ(book.size(), 0u);

    auto rejects = [](std::vector<std::uint8_t> bytes) {
        OpeningBook b;
        const bool ok = b.loadBook(bytes.data(), bytes.size());
        return !ok && b.size() == 0;
    };
    EXPECT_TRUE(rejects({1, 2, 3}));                                     // shorter than the length word
    EXPECT_TRUE(rejects({good.begin(), good.begin() + 4}));              // no stream
    EXPECT_TRUE(rejects({good.begin(), good.end() - 6}));                // stream cut short
    std::vector<std::uint8_t> garbage = good;
    for (std::size_t i = 4; i < garbage.size(); ++i) garbage[i] ^= 0x5A;
    EXPECT_TRUE(rejects(garbage));                                       // not zlib
    std::vector<std::uint8_t> small = good;
    small[0] = 10, small[1] = small[2] = small[3] = 0;
    EXPECT_TRUE(rejects(small));                                         // inflates past its declared size
    std::vector<std::uint8_t> huge = good;
    huge[3] = 0xFF;
    EXPECT_TRUE(rejects(huge));                                          // absurd declared size
}

TEST(OpeningBook, OnlyInflatedBytesAreRead) {
    // Declared size larger than the stream: only the inflated records count,
    // and a record cut off at the end is dropped while earlier ones stay.
    std::vector<std::uint8_t> raw = encodeBookRecords({{1, 1, {{HORSE_OUT, 4}}}, {2, 2, {{PAWN_UP, 4}}}});
    raw.resize(raw.size() - 3);
    std::vector<std::uint8_t> resource = packBookResource(raw);
    resource[0] = 0, resource[1] = 0x10;  // declares 4096 bytes
    const OpeningBook book = loaded(resource);
    EXPECT_NE(book.findBookEntry(1, 1), nullptr);
    EXPECT_EQ(book.findBookEntry(2, 2), nullptr);
    EXPECT_EQ(book.size(), 1u);
}

}  // namespace
