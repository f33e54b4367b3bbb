// Search speed: the fixed benchmark (nodes, time, nodes per second) and
// the depth reached from the start position in 2, 6 and 18 seconds of
// processor time, book off.
#include <pthread.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <thread>

#include "engine/bench.h"
#include "engine/engine.h"

namespace {

std::uint64_t cpuMillis(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<std::uint64_t>(t.tv_sec) * 1000u + static_cast<std::uint64_t>(t.tv_nsec) / 1000000u;
}

// The depth a timed think from the start position completes, with the
// hard stop at the full time and no new iteration after a third of it.
int depthInSeconds(Engine& engine, int seconds) {
    engine.setPosition(INITIAL_BOARD, SIDE_RED);
    engine.computeHash();
    engine.clearTable();
    engine.repetitionTable().clear();
    engine.repetitionTable().mark(engine.hashLow, engine.hashHigh, MARK_HISTORY);
    engine.useBook = false;
    engine.activeLimits = {LIMIT_TIME, 0, static_cast<std::int16_t>(seconds)};
    std::atomic<int> stop{0};
    engine.setStopFlag(&stop);
    std::atomic<bool> done{false};
    // The hard stop at the full time, on the searching thread's own clock,
    // as the engine service applies it.
    clockid_t searcher;
    pthread_getcpuclockid(pthread_self(), &searcher);
    const std::uint64_t limit = cpuMillis(searcher) + 1000u * static_cast<std::uint64_t>(seconds);
    std::thread watchdog([&] {
        while (!done.load() && cpuMillis(searcher) <= limit) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        stop.store(1);
    });
    engine.startTime = engine.workerTime();
    engine.think();
    done.store(true);
    watchdog.join();
    engine.setStopFlag(nullptr);
    return engine.publishedStats.depth;
}

}  // namespace

int main(int argc, char** argv) {
    const int depth = argc > 1 ? std::atoi(argv[1]) : BENCH_DEPTH;
    const BenchResult r = runBench(depth);
    const double seconds = static_cast<double>(r.milliseconds) / 1000.0;
    std::printf("bench depth %d, %d positions\n", depth, r.positions);
    std::printf("Nodes searched: %llu\n", static_cast<unsigned long long>(r.nodes));
    const double cpu = static_cast<double>(r.cpuMilliseconds) / 1000.0;
    std::printf("Time: %.3f s (processor time %.3f s)\n", seconds, cpu);
    std::printf("Nodes/second: %.0f (per processor second %.0f)\n", seconds > 0 ? static_cast<double>(r.nodes) / seconds : 0.0,
                cpu > 0 ? static_cast<double>(r.nodes) / cpu : 0.0);
    if (argc > 2) return 0;  // "search_bench DEPTH quick": the benchmark alone
    Engine engine;
    engine.createSearchTables();
    for (int s : {2, 6, 18}) std::printf("start position, %2d s: depth %d\n", s, depthInSeconds(engine, s));
    return 0;
}
