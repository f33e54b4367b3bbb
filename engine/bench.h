// The fixed search benchmark: a set of positions from every stage of the
// game, each searched to a fixed depth from cleared tables with the book
// off. Its node count is a signature of the search: the same on every run
// and every machine.
#pragma once

#include <cstdint>

class Engine;

constexpr int BENCH_DEPTH = 7;

struct BenchResult {
    std::uint64_t nodes;
    std::uint64_t milliseconds;  // wall-clock time of all the searches
    int positions;
    // Processor time of the searching thread: the fairer figure on a
    // machine other programs share.
    std::uint64_t cpuMilliseconds;
};

// Runs the benchmark on a thinking engine (one with search tables). The
// engine's transposition table is cleared and its position, limits and
// book switch are left changed; its stop flag must be 0.
BenchResult runBench(Engine& engine, int depth = BENCH_DEPTH);

// The same on an engine of its own.
BenchResult runBench(int depth = BENCH_DEPTH);

// The benchmark's positions as FEN.
extern const char* const BENCH_POSITIONS[];
extern const int BENCH_POSITION_COUNT;
