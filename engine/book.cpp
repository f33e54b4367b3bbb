#include "engine/book.h"

#include <zlib.h>

#include <algorithm>
#include <ctime>


namespace {

std::uint32_t readU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void writeU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

bool isBoardMove(PackedMove move) {
    const GridPoint from = moveFrom(move), to = moveTo(move);
    auto onBoard = [](GridPoint p) { return p.file >= 0 && p.file < 9 && p.rank >= 0 && p.rank < 10; };
    return onBoard(from) && onBoard(to) && !(from == to);
}

// Inflates the zlib stream of a resource; false when it does not decode
// into at most the declared size.
bool inflateResource(const std::uint8_t* resource, std::size_t size, std::vector<std::uint8_t>& out) {
    if (resource == nullptr || size < 4) return false;
    const std::uint32_t declared = readU32(resource);
    if (declared == 0 || declared > MAX_BOOK_BYTES) return false;
    out.assign(declared, 0);
    uLongf length = declared;
    if (uncompress(out.data(), &length, resource + 4, static_cast<uLong>(size - 4)) != Z_OK) return false;
    out.resize(length);  // only what was actually inflated is read
    return true;
}

}  // namespace

bool OpeningBook::loadBook(const std::uint8_t* resource, std::size_t size) {
    entries_.clear();
    std::vector<std::uint8_t> data;
    if (!inflateResource(resource, size, data)) return false;
    std::size_t offset = 0;
    while (offset + BOOK_RECORD_HEADER <= data.size()) {
        const std::uint8_t* record = data.data() + offset;
        const int count = record[8];
        // A count outside the layout's range means the rest cannot be framed.
        if (count > MAX_BOOK_MOVES) break;
        const std::size_t length = BOOK_RECORD_HEADER + BOOK_MOVE_SIZE * count;
        if (offset + length > data.size()) break;
        const std::uint64_t key = static_cast<std::uint64_t>(readU32(record + 4)) << 32 | readU32(record);
        addRecord(key, record + BOOK_RECORD_HEADER, count);
        offset += length;
    }
    return true;
}

void OpeningBook::addRecord(std::uint64_t key, const std::uint8_t* moves, int count) {
    std::vector<BookMove> usable;
    for (int k = 0; k < count; ++k) {
        const std::uint8_t* m = moves + BOOK_MOVE_SIZE * k;
        const BookMove move{readU32(m), static_cast<std::int16_t>(m[4] | m[5] << 8)};
        if (move.weight > 0 && isBoardMove(move.move)) usable.push_back(move);
    }
    if (usable.empty()) return;
    BookEntry& entry = entries_[key];
    // A repeated key adds to its entry, up to one record's worth of moves,
    // which also keeps the 32-bit total far from overflow.
    for (const BookMove& m : usable) {
        if (entry.moves.size() >= static_cast<std::size_t>(MAX_BOOK_MOVES)) break;
        entry.moves.push_back(m);
        entry.total += m.weight;
    }
    std::stable_sort(entry.moves.begin(), entry.moves.end(),
                     [](const BookMove& a, const BookMove& b) { return a.weight > b.weight; });
}

const BookEntry* OpeningBook::findBookEntry(std::uint32_t hashLow, std::uint32_t hashHigh) const {
    const auto it = entries_.find(static_cast<std::uint64_t>(hashHigh) << 32 | hashLow);
    return it == entries_.end() ? nullptr : &it->second;
}

PackedMove OpeningBook::probeBook(std::uint32_t hashLow, std::uint32_t hashHigh) const {
    const BookEntry* entry = findBookEntry(hashLow, hashHigh);
    return entry == nullptr ? 0 : pickBookMove(*entry, drawBookRandom());
}

PackedMove OpeningBook::pickBookMove(const BookEntry& entry, int r) {
    if (entry.moves.empty()) return 0;
    const std::int64_t t = static_cast<std::int64_t>(r) * entry.total / 32767;
    std::int64_t sum = 0;
    for (const BookMove& m : entry.moves) {
        sum += m.weight;
        if (sum > t) return m.move;
    }
    return entry.moves.back().move;
}

int OpeningBook::drawBookRandom() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::uint32_t state = static_cast<std::uint32_t>(now.tv_nsec) ^ static_cast<std::uint32_t>(now.tv_sec) * 1000000000u;
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

OpeningBook& openingBook() {
    static OpeningBook book;
    return book;
}

PackedMove probeOpeningBook(std::uint64_t key) {
    return openingBook().probeBook(static_cast<std::uint32_t>(key), static_cast<std::uint32_t>(key >> 32));
}

std::vector<std::uint8_t> encodeBookRecords(const std::vector<BookRecord>& records) {
    std::vector<std::uint8_t> out;
    for (const BookRecord& r : records) {
        const std::size_t count = std::min(r.moves.size(), static_cast<std::size_t>(MAX_BOOK_MOVES));
        writeU32(out, r.hashLow);
        writeU32(out, r.hashHigh);
        out.push_back(static_cast<std::uint8_t>(count));
        for (std::size_t k = 0; k < count; ++k) {
            writeU32(out, r.moves[k].move);
            out.push_back(static_cast<std::uint8_t>(r.moves[k].weight & 0xFF));
            out.push_back(static_cast<std::uint8_t>((r.moves[k].weight >> 8) & 0xFF));
        }
    }
    return out;
}

std::vector<std::uint8_t> packBookResource(const std::vector<std::uint8_t>& inflated) {
    uLongf capacity = compressBound(static_cast<uLong>(inflated.size()));
    std::vector<std::uint8_t> out(4 + capacity);
    const std::uint32_t length = static_cast<std::uint32_t>(inflated.size());
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(length >> (8 * i));
    if (compress(out.data() + 4, &capacity, inflated.data(), static_cast<uLong>(inflated.size())) != Z_OK) return {};
    out.resize(4 + capacity);
    return out;
}

std::vector<std::uint8_t> encodeBook(const std::vector<BookRecord>& records) {
    return packBookResource(encodeBookRecords(records));
}
