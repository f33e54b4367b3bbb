// The thinking engine's two hash tables: the transposition table, which
// remembers searched positions from one search to the next, and the
// repetition table, which holds the game's positions and those on the
// current search path. Both are keyed by the two 32-bit halves of the
// position key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/pieces.h"

// Bound types (bits 0-1 of TTEntry::flags); 0 only in an empty entry.
constexpr std::uint8_t BOUND_EXACT = 1;
constexpr std::uint8_t BOUND_UPPER = 2;
constexpr std::uint8_t BOUND_LOWER = 3;

constexpr std::uint8_t TT_BOUND_MASK = 0x03;
constexpr std::uint8_t TT_AGE_MASK = 0x3C;
constexpr int TT_AGE_SHIFT = 2;
constexpr std::uint8_t TT_FORCED_FLAG = 0x40;

// What probe answers when the stored score cannot be used.
constexpr std::int16_t PROBE_MISS = 32001;
constexpr std::int16_t PROBE_FORCED = 32002;

struct TTEntry {
    std::uint32_t keyLow;
    std::uint32_t keyHigh;
    std::int8_t depth;
    std::int16_t score;
    EngineMove move;
    std::uint8_t flags;

    bool holds(std::uint32_t low, std::uint32_t high) const { return keyLow == low && keyHigh == high; }
    std::uint8_t bound() const { return flags & TT_BOUND_MASK; }
    std::uint8_t age() const { return (flags & TT_AGE_MASK) >> TT_AGE_SHIFT; }
    bool forced() const { return (flags & TT_FORCED_FLAG) != 0; }
};
static_assert(sizeof(TTEntry) == 16);

// 524,288 entries seen as two halves: depth-preferred primary slots and
// always-replace secondary slots. A position's index is the low 18 bits
// of its low key word; its secondary slot is the same index in the
// second half.
struct TranspositionTable {
    static constexpr std::uint32_t HALF_SIZE = 1u << 18;
    static constexpr std::uint32_t INDEX_MASK = HALF_SIZE - 1;
    static constexpr int PRIMARY = 0;
    static constexpr int SECONDARY = 1;

    TTEntry entries[2 * HALF_SIZE];

    TTEntry* half(int which) { return entries + (which == SECONDARY ? HALF_SIZE : 0); }
    TTEntry& primary(std::uint32_t keyLow) { return entries[keyLow & INDEX_MASK]; }
    TTEntry& secondary(std::uint32_t keyLow) { return entries[HALF_SIZE + (keyLow & INDEX_MASK)]; }
    void clear() { std::memset(entries, 0, sizeof entries); }
};

// Marks of repetition-table slots.
constexpr std::uint8_t MARK_FREE = 0;
constexpr std::uint8_t MARK_HISTORY = 1;
constexpr std::uint8_t MARK_PATH = 2;

struct RepetitionSlot {
    std::uint32_t keyLow;
    std::uint32_t keyHigh;
    std::uint8_t mark;
};

// 65,536 slots indexed by the low 16 bits of the low key word. A slot held
// by another position counts as "not in the table" and is never
// overwritten by the search.
struct RepetitionTable {
    static constexpr std::uint32_t SIZE = 1u << 16;
    static constexpr std::uint32_t INDEX_MASK = SIZE - 1;

    RepetitionSlot slots[SIZE];

    RepetitionSlot& slotOf(std::uint32_t keyLow) { return slots[keyLow & INDEX_MASK]; }
    bool contains(std::uint32_t keyLow, std::uint32_t keyHigh) const {
        const RepetitionSlot& s = slots[keyLow & INDEX_MASK];
        return s.keyLow == keyLow && s.keyHigh == keyHigh;
    }
    // Free: no mark and no key. Outside a table walk every unmarked slot
    // is all zero; inside one, a slot the walk wrote (mark 0) is taken.
    bool isFree(std::uint32_t keyLow) const {
        const RepetitionSlot& s = slots[keyLow & INDEX_MASK];
        return s.mark == MARK_FREE && s.keyLow == 0 && s.keyHigh == 0;
    }
    void mark(std::uint32_t keyLow, std::uint32_t keyHigh, std::uint8_t mark) {
        slotOf(keyLow) = {keyLow, keyHigh, mark};
    }
    void clearSlot(std::uint32_t keyLow) { slotOf(keyLow) = {0, 0, MARK_FREE}; }
    void clear() { std::memset(slots, 0, sizeof slots); }
};

// One step of a walk along stored best moves (table walk, line extraction).
struct WalkStep {
    EngineMove move;
    std::int8_t mover;
    std::int8_t captured;
    std::uint32_t keyLow;
    std::uint32_t keyHigh;
    bool wroteSlot;
};

constexpr int WALK_STEPS = 128;

// Everything only the thinking engine has: built once, zero-filled, when
// that engine is made; the plain engine never gets one. Its megabytes come
// zeroed from the system and are first touched by the first search, so
// making the engine at start-up costs no time.
struct SearchTables {
    TranspositionTable transposition;
    RepetitionTable repetition;
    WalkStep walk[WALK_STEPS];
    bool searched = false;  // a search may have written the transposition table since it was last clear

    // From calloc, whose large blocks are fresh zero pages (tables.cpp).
    static void* operator new(std::size_t size);
    static void operator delete(void* memory);
};

// Whether a move taken from a table or a remembered line can be played in
// this position: its from square holds a piece of the side to move and its
// to square is a playing square not held by that side. A key collision can
// hand out a move of another position; such a move is not played.
inline bool moveFitsBoard(const std::int8_t* board, EngineMove move, Side side) {
    const int mover = board[moveSource(move)];
    const int target = board[moveTarget(move)];
    const int own = side == SIDE_RED ? 0 : 16;
    if (static_cast<unsigned>(mover - own) >= 16u) return false;
    return target == EMPTY || static_cast<unsigned>(target - (16 - own)) < 16u;
}
