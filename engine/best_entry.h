// The move picker's selection step: the index of the first entry with the
// highest ordering key in a stretch of a move list (the first one wins
// among equal keys). Eight keys at a time with SSE2, part of every x86-64
// processor; other processors take the plain loop.
#pragma once

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/pieces.h"

inline int firstBestIndexPlain(const MoveEntry* moves, int from, int count) {
    int best = from;
    for (int i = from + 1; i < count; ++i)
        if (moves[i].key > moves[best].key) best = i;
    return best;
}

#if defined(__SSE2__)
namespace best_entry_detail {
// The keys of eight entries as eight 16-bit lanes (an entry is from, to,
// then its key in the upper half of a little-endian 32-bit word).
inline __m128i keysOf(const MoveEntry* eight) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(eight));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(eight + 4));
    return _mm_packs_epi32(_mm_srai_epi32(a, 16), _mm_srai_epi32(b, 16));
}
}  // namespace best_entry_detail
#endif

// Index in [from, count) of the first entry with the highest key; from
// when the stretch is empty or has one entry.
inline int firstBestIndex(const MoveEntry* moves, int from, int count) {
#if defined(__SSE2__)
    using best_entry_detail::keysOf;
    if (count - from < 8) return firstBestIndexPlain(moves, from, count);
    // The highest key: whole groups of eight, the last group overlapping
    // the one before it (a maximum does not mind keys seen twice).
    __m128i top = keysOf(moves + from);
    for (int i = from + 8; i < count; i += 8) top = _mm_max_epi16(top, keysOf(moves + (i + 8 <= count ? i : count - 8)));
    top = _mm_max_epi16(top, _mm_shuffle_epi32(top, _MM_SHUFFLE(1, 0, 3, 2)));
    top = _mm_max_epi16(top, _mm_shuffle_epi32(top, _MM_SHUFFLE(2, 3, 0, 1)));
    top = _mm_max_epi16(top, _mm_shufflelo_epi16(_mm_shufflehi_epi16(top, _MM_SHUFFLE(2, 3, 0, 1)), _MM_SHUFFLE(2, 3, 0, 1)));
    // The first entry holding it, group by group in list order.
    for (int i = from;; i += 8) {
        const int start = i + 8 <= count ? i : count - 8;
        const int mask = _mm_movemask_epi8(_mm_cmpeq_epi16(keysOf(moves + start), top));
        if (mask != 0) return start + __builtin_ctz(static_cast<unsigned>(mask)) / 2;
    }
#else
    return firstBestIndexPlain(moves, from, count);
#endif
}
