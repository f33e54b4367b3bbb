#include "game/iteration_feed.h"

#include <algorithm>

#include "engine/engine.h"

void IterationFeed::record(const Engine& e, void* self) {
    auto& f = *static_cast<IterationFeed*>(self);
    const SearchStats& s = e.stats;
    if (s.iterations <= 0) return;
    const IterationLine& line = s.lines[s.iterations - 1];
    const int n = std::clamp<int>(line.length, 0, MOVES);
    const std::uint32_t before = f.sequence.load(std::memory_order_relaxed);
    f.sequence.store(before + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    f.depth.store(s.depth, std::memory_order_relaxed);
    f.maxPly.store(s.maxPly, std::memory_order_relaxed);
    f.score.store(s.score, std::memory_order_relaxed);
    f.elapsedMs.store(s.elapsed, std::memory_order_relaxed);
    f.side.store(s.side, std::memory_order_relaxed);
    f.nodes.store(s.counters.nodes, std::memory_order_relaxed);
    f.length.store(n, std::memory_order_relaxed);
    for (int i = 0; i < n; ++i) f.moves[i].store(Engine::toPackedMove(line.moves[i]), std::memory_order_relaxed);
    f.sequence.store(before + 2, std::memory_order_release);
}

void IterationFeed::skipWritten() { taken = sequence.load(std::memory_order_acquire) & ~1u; }

bool IterationFeed::take(IterationReport& out) {
    const std::uint32_t start = sequence.load(std::memory_order_acquire);
    if ((start & 1) != 0 || start == taken) return false;
    IterationReport r;
    r.depth = depth.load(std::memory_order_relaxed);
    r.maxPly = maxPly.load(std::memory_order_relaxed);
    r.score = score.load(std::memory_order_relaxed);
    r.elapsedMs = elapsedMs.load(std::memory_order_relaxed);
    r.side = static_cast<Side>(side.load(std::memory_order_relaxed));
    r.nodes = nodes.load(std::memory_order_relaxed);
    r.length = std::clamp<int>(length.load(std::memory_order_relaxed), 0, MOVES);
    for (int i = 0; i < r.length; ++i) r.line[i] = moves[i].load(std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_acquire);
    // Written over while read: the next idle pass takes the newer one.
    if (sequence.load(std::memory_order_relaxed) != start) return false;
    taken = start;
    out = r;
    return true;
}
