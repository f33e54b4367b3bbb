// The carried opening book ("DAT" 124): its records are well formed and
// ordered, it loads through the book loader, and the start position holds
// the moves masters play most, heaviest first.
#include <gtest/gtest.h>

#include <utility>

#include "engine/book.h"
#include "engine/engine.h"
#include "resources/resources.h"

namespace {

std::pair<std::uint32_t, std::uint32_t> keyOf(const Board90& board, Side side) {
    Engine& engine = plainEngine();
    engine.setPosition(board, side);
    const std::uint64_t key = engine.getHashKey();
    return {std::uint32_t(key), std::uint32_t(key >> 32)};
}

std::uint32_t read32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

}  // namespace

TEST(CarriedBook, RecordsAreWellFormedAndAscendingByHighThenLowWord) {
    const std::span<const std::uint8_t> stored = findResource("DAT", 124);
    ASSERT_GT(stored.size(), 4u) << "the program carries no opening book";
    const std::vector<std::uint8_t> book = decompressResource(stored);
    ASSERT_EQ(book.size(), read32({stored.begin(), stored.begin() + 4}, 0));
    std::size_t at = 0, records = 0;
    std::pair<std::uint32_t, std::uint32_t> last{0, 0};
    while (at < book.size()) {
        ASSERT_LE(at + BOOK_RECORD_HEADER, book.size());
        const std::pair<std::uint32_t, std::uint32_t> key{read32(book, at + 4), read32(book, at)};
        if (records > 0) {
            ASSERT_LT(last, key) << "record " << records << " out of order or repeated";
        }
        last = key;
        const int n = book[at + 8];
        ASSERT_GE(n, 1);
        ASSERT_LE(n, MAX_BOOK_MOVES);
        ASSERT_LE(at + BOOK_RECORD_HEADER + BOOK_MOVE_SIZE * n, book.size());
        for (int k = 0; k < n; ++k) {
            const std::size_t m = at + BOOK_RECORD_HEADER + BOOK_MOVE_SIZE * k;
            EXPECT_LT(book[m], 9);
            EXPECT_LT(book[m + 1], 10);
            EXPECT_LT(book[m + 2], 9);
            EXPECT_LT(book[m + 3], 10);
            const auto weight = std::int16_t(book[m + 4] | book[m + 5] << 8);
            EXPECT_GT(weight, 0);
        }
        at += BOOK_RECORD_HEADER + BOOK_MOVE_SIZE * n;
        ++records;
    }
    EXPECT_EQ(at, book.size());
    EXPECT_GT(records, 5000u);
}

TEST(CarriedBook, StartPositionIsFoundForRedOnlyWithTheCentralCannonHeaviest) {
    const std::span<const std::uint8_t> stored = findResource("DAT", 124);
    ASSERT_FALSE(stored.empty());
    OpeningBook book;
    ASSERT_TRUE(book.loadBook(stored.data(), stored.size()));
    EXPECT_GT(book.size(), 5000u);

    const auto red = keyOf(INITIAL_BOARD, SIDE_RED);
    const BookEntry* entry = book.findBookEntry(red.first, red.second);
    ASSERT_NE(entry, nullptr);
    const auto black = keyOf(INITIAL_BOARD, SIDE_BLACK);
    EXPECT_EQ(book.findBookEntry(black.first, black.second), nullptr);

    // 炮二平五, the most played first move, is the heaviest.
    ASSERT_GE(entry->moves.size(), 5u);
    EXPECT_EQ(entry->moves[0].move, packMove(1, 2, 4, 2));
    std::int32_t total = 0;
    for (const BookMove& m : entry->moves) {
        EXPECT_LE(m.weight, entry->moves[0].weight);
        total += m.weight;
        // Every book move of the start position is legal there.
        Engine& engine = plainEngine();
        engine.setPosition(INITIAL_BOARD, SIDE_RED);
        EXPECT_TRUE(engine.tryMove(m.move)) << std::hex << m.move;
    }
    EXPECT_EQ(total, entry->total);
}
