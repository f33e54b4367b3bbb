#include "database/position_key.h"

#include <array>

namespace {

constexpr std::uint64_t splitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr int PIECES = 14;
constexpr int CELLS = 90;

struct KeyTable {
    std::array<std::uint64_t, PIECES * CELLS> pieces{};
    std::uint64_t side = 0;
};

// Fixed for good: databases written earlier hold these keys.
constexpr KeyTable makeKeyTable() {
    KeyTable t;
    std::uint64_t state = 0x4D6F726C616E4442ULL;
    for (std::uint64_t& k : t.pieces) k = splitMix(state);
    t.side = splitMix(state);
    return t;
}

constexpr KeyTable KEYS = makeKeyTable();

constexpr int cellOf(GridPoint p) { return p.rank * 9 + p.file; }
constexpr bool onBoard(GridPoint p) { return p.file >= 0 && p.file < 9 && p.rank >= 0 && p.rank < 10; }

constexpr int SIDE_BIT = 90;
constexpr std::size_t OCCUPANCY_BYTES = 12;

}  // namespace

std::uint64_t pieceKey(BoardPiece p, int index) {
    if (p < 0 || p >= PIECES || index < 0 || index >= CELLS) return 0;
    return KEYS.pieces[static_cast<std::size_t>(p * CELLS + index)];
}

std::uint64_t sideKey() { return KEYS.side; }

std::uint64_t positionKey(const Board90& board, Side side) {
    std::uint64_t key = side == SIDE_BLACK ? KEYS.side : 0;
    for (int i = 0; i < CELLS; ++i) key ^= pieceKey(board[static_cast<std::size_t>(i)], i);
    return key;
}

void playOnBoard(Board90& board, PackedMove m, std::uint64_t& key) {
    const GridPoint from = moveFrom(m), to = moveTo(m);
    if (!onBoard(from) || !onBoard(to)) return;
    const auto f = static_cast<std::size_t>(cellOf(from)), t = static_cast<std::size_t>(cellOf(to));
    key ^= pieceKey(board[f], cellOf(from)) ^ pieceKey(board[t], cellOf(to)) ^ pieceKey(board[f], cellOf(to)) ^
           KEYS.side;
    board[t] = board[f];
    board[f] = NO_PIECE;
}

std::string packPosition(const Board90& board, Side side) {
    std::string out(OCCUPANCY_BYTES, '\0');
    auto setBit = [&](int bit) { out[static_cast<std::size_t>(bit / 8)] |= static_cast<char>(1 << (bit % 8)); };
    if (side == SIDE_BLACK) setBit(SIDE_BIT);
    bool high = false;
    for (int i = 0; i < CELLS; ++i) {
        const BoardPiece p = board[static_cast<std::size_t>(i)];
        if (p < 0 || p >= PIECES) continue;
        setBit(i);
        if (!high) out += static_cast<char>(p);
        else out.back() = static_cast<char>(out.back() | (p << 4));
        high = !high;
    }
    return out;
}

bool unpackPosition(std::string_view packed, Board90& board, Side& side) {
    if (packed.size() < OCCUPANCY_BYTES) return false;
    auto bit = [&](int b) { return (static_cast<unsigned char>(packed[static_cast<std::size_t>(b / 8)]) >> (b % 8)) & 1; };
    Board90 read;
    std::size_t nibble = 0;
    for (int i = 0; i < CELLS; ++i) {
        if (!bit(i)) {
            read[static_cast<std::size_t>(i)] = NO_PIECE;
            continue;
        }
        const std::size_t at = OCCUPANCY_BYTES + nibble / 2;
        if (at >= packed.size()) return false;
        const int p = (static_cast<unsigned char>(packed[at]) >> (nibble % 2 ? 4 : 0)) & 0xF;
        if (p >= PIECES) return false;
        read[static_cast<std::size_t>(i)] = static_cast<BoardPiece>(p);
        ++nibble;
    }
    if (OCCUPANCY_BYTES + (nibble + 1) / 2 != packed.size()) return false;
    board = read;
    side = bit(SIDE_BIT) ? SIDE_BLACK : SIDE_RED;
    return true;
}

int compactMove(PackedMove m) {
    const GridPoint from = moveFrom(m), to = moveTo(m);
    if (m == 0 || !onBoard(from) || !onBoard(to)) return 0;
    return cellOf(from) * CELLS + cellOf(to) + 1;
}

PackedMove expandMove(int compact) {
    if (compact <= 0 || compact > CELLS * CELLS) return 0;
    const int from = (compact - 1) / CELLS, to = (compact - 1) % CELLS;
    return packMove(from % 9, from / 9, to % 9, to / 9);
}
