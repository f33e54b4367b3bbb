// The built-in engine's iterations on their way from the worker thread to
// the interface: after each iteration the worker copies what the engine
// lines show into fixed words here (no allocation on the search path),
// and the interface thread takes the newest copy on its idle pass. A
// sequence word tells a whole copy from one being written, so nothing
// takes a lock.
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/types.h"

class Engine;

// One iteration as the engine lines show it.
struct IterationReport {
    int depth = 0;
    int maxPly = 0;
    int score = 0;  // points, from Red's view
    std::uint64_t nodes = 0;
    std::int32_t elapsedMs = 0;
    Side side = SIDE_RED;  // of the searched position
    int length = 0;
    PackedMove line[128] = {};
};

class IterationFeed {
public:
    // The engine's iteration hook: runs on the searching thread.
    static void record(const Engine& engine, void* feed);
    // Makes every report written so far old: take() answers only later ones.
    void skipWritten();
    // The newest report not yet taken, when a whole one is there.
    bool take(IterationReport& out);

private:
    static constexpr int MOVES = 128;
    std::atomic<std::uint32_t> sequence{0};  // odd while the worker writes
    std::atomic<std::int32_t> depth{0}, maxPly{0}, score{0}, elapsedMs{0}, side{0}, length{0};
    std::atomic<std::uint64_t> nodes{0};
    std::atomic<std::uint32_t> moves[MOVES] = {};
    std::uint32_t taken = 0;  // the interface thread's own
};
