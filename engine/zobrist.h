// The fixed Zobrist keys of the position key. Opening books are keyed with
// these values, so they must never change.
#pragma once

#include <array>
#include <cstdint>

struct ZobristKey {
    std::uint32_t low;
    std::uint32_t high;
    constexpr std::uint64_t value() const { return static_cast<std::uint64_t>(high) << 32 | low; }
};

// 14 x 90 entries: entry of Board90 code g on (file, rank) is (g * 10 + rank) * 9 + file.
constexpr int ZOBRIST_ENTRIES = 14 * 90;

namespace zobrist_detail {

// splitmix64 (Steele, Lea and Flood): a well-spread 64-bit sequence from one seed.
constexpr std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The table is the first 1260 outputs from this seed, the side key the 1261st.
constexpr std::uint64_t ZOBRIST_SEED = 0x4D6F726C616E0001ull;

constexpr ZobristKey toKey(std::uint64_t v) {
    return {static_cast<std::uint32_t>(v), static_cast<std::uint32_t>(v >> 32)};
}

constexpr std::array<ZobristKey, ZOBRIST_ENTRIES + 1> makeKeys() {
    std::array<ZobristKey, ZOBRIST_ENTRIES + 1> keys{};
    std::uint64_t state = ZOBRIST_SEED;
    for (auto& k : keys) k = toKey(splitmix64(state));
    return keys;
}

inline constexpr auto ALL_KEYS = makeKeys();

constexpr std::array<ZobristKey, ZOBRIST_ENTRIES> pieceKeys() {
    std::array<ZobristKey, ZOBRIST_ENTRIES> t{};
    for (int i = 0; i < ZOBRIST_ENTRIES; ++i) t[i] = ALL_KEYS[i];
    return t;
}

}  // namespace zobrist_detail

inline constexpr std::array<ZobristKey, ZOBRIST_ENTRIES> ZOBRIST_TABLE = zobrist_detail::pieceKeys();
inline constexpr ZobristKey SIDE_KEY = zobrist_detail::ALL_KEYS[ZOBRIST_ENTRIES];

constexpr int zobristIndex(int board90Code, int file, int rank) { return (board90Code * 10 + rank) * 9 + file; }
