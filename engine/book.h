// The opening book: known positions by their 64-bit key, each with the
// moves that may be played there and a weight per move. It is carried as a
// compressed resource (4-byte little-endian length + one zlib stream of
// records), loaded once at start-up and read-only afterwards.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "engine/pieces.h"
#include "engine/types.h"

struct BookMove {
    PackedMove move;
    std::int16_t weight;
};

// The moves of one position, heaviest first (equal weights keep their
// order in the resource), and the sum of their weights.
struct BookEntry {
    std::int32_t total = 0;
    std::vector<BookMove> moves;
};

// One position as the book resource stores it; used to write books.
struct BookRecord {
    std::uint32_t hashLow;
    std::uint32_t hashHigh;
    std::vector<BookMove> moves;
};

// Record layout of the inflated book.
constexpr std::size_t BOOK_RECORD_HEADER = 9;  // key low, key high, move count
constexpr std::size_t BOOK_MOVE_SIZE = 6;      // four coordinate bytes, 16-bit weight
constexpr int MAX_BOOK_MOVES = 127;
// A declared size beyond this is taken as damage, not as a book.
constexpr std::uint32_t MAX_BOOK_BYTES = 64u << 20;

class OpeningBook {
public:
    // Replaces the contents with the book in resource; a missing, short or
    // undecodable resource leaves the book empty. Returns true when the
    // resource decoded (even if it held no usable record).
    bool loadBook(const std::uint8_t* resource, std::size_t size);

    // A weighted random move of the position, 0 when it is not in the book.
    PackedMove probeBook(std::uint32_t hashLow, std::uint32_t hashHigh) const;
    // Null when the position is not in the book.
    const BookEntry* findBookEntry(std::uint32_t hashLow, std::uint32_t hashHigh) const;

    // The move a draw r in 0..32767 selects in entry.
    static PackedMove pickBookMove(const BookEntry& entry, int r);
    // One draw in 0..32767 from a generator seeded by the fine clock.
    static int drawBookRandom();

    std::size_t size() const { return entries_.size(); }
    void clear() { entries_.clear(); }

private:
    void addRecord(std::uint64_t key, const std::uint8_t* moves, int count);

    std::unordered_map<std::uint64_t, BookEntry> entries_;
};

// The process-wide book, empty until start-up loads it.
OpeningBook& openingBook();

// The process-wide book's answer for a 64-bit key (hashHigh in the upper
// half), as the thinking engine asks it.
PackedMove probeOpeningBook(std::uint64_t key);

// Writing books: the inflated record bytes, and the full resource form.
std::vector<std::uint8_t> encodeBookRecords(const std::vector<BookRecord>& records);
std::vector<std::uint8_t> packBookResource(const std::vector<std::uint8_t>& inflated);
std::vector<std::uint8_t> encodeBook(const std::vector<BookRecord>& records);
