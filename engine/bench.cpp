#include "engine/bench.h"

#include <chrono>
#include <string>

#include "engine/engine.h"
#include "engine/fen.h"

const char* const BENCH_POSITIONS[] = {
    // openings
    "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w - - 0 1",
    "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C2C4/9/RNBAKABNR b - - 0 1",
    "rnbakab1r/9/1c4nc1/p1p1p1p1p/9/9/P1P1P1P1P/1C2C4/9/RNBAKABNR w - - 0 1",
    "rnbakabnr/9/1c5c1/p1p1p1p1p/9/2P6/P3P1P1P/1C5C1/9/RNBAKABNR b - - 0 1",
    "2bakabr1/r8/1cn3n2/p3p1p1p/2p6/P4NP2/2P1P2cP/1CN1C4/9/R1BAKABR1 b - - 0 1",
    "2bakab2/3r1r3/1cn3nc1/p1p1p1p1p/9/2P3P2/P3P3P/1CN3NC1/R2R5/2BAKAB2 b - - 0 1",
    "2bakab2/3r4r/nc4nc1/p1p1p3p/6p2/P1P6/4P1P1P/1CN3NC1/R2R5/2BAKAB2 b - - 0 1",
    "2bakab2/3r4r/n1c3nc1/p1p1p1p1p/9/8P/P1P1P1P2/2NC2NC1/3R5/1RBAKAB2 b - - 0 1",
    // middlegames
    "2bakabr1/9/1Cn3n2/p5r1p/P1p1p1c2/9/2P1P2cP/2N1C4/7R1/R1BAKAB2 b - - 0 1",
    "2bak4/4a4/1Cn1b1n2/4r3p/2p1C1c2/4P4/R1c5P/2N1B4/4A2r1/3AK1B2 b - - 0 1",
    "2baka3/3r5/1Cn1b1n2/p1p1p1p1p/9/1NP2NP1c/P3P4/6Cc1/5R3/2BAKAB2 b - - 0 1",
    "2baka3/1r7/6n2/p3p1p2/1npC5/1N3RP1p/P3P4/1C5c1/9/2BAKAB2 b - - 0 1",
    "2bakab2/9/n3c1n2/p1p1p4/P5p1C/1CP6/3rP1PcP/2N1B1N2/R8/2BAKA3 b - - 0 1",
    "2bakab2/8r/nRcC2nc1/p3p3p/6p2/P1B5P/2r1P1P2/2N3NC1/3R5/3AKAB2 b - - 0 1",
    "2ba1k3/3Ra4/1Cn1C1n2/5N2p/2p6/4r3c/2c4r1/4B4/4A4/3AK1B2 b - - 0 1",
    "2baka3/3r5/n3b4/p3pR2p/6p2/P7P/4P1P2/2rA2N2/3RA4/4K1B2 b - - 0 1",
    // endgames
    "2ba1k3/4a4/2n3n2/8p/9/2p1r4/2c6/5A3/1R3r3/2CK4c b - - 0 1",
    "2b1k4/4a2C1/4b4/3R5/6p2/3n5/5rP1P/4B4/4A4/2BAK4 b - - 0 1",
    "5k3/3R5/b3ba3/9/9/6P1C/5n2P/4B4/4r4/2BK5 b - - 0 1",
    "2b1ka3/2n1a4/4b4/p3p3p/9/3rP1B1P/4R3N/9/4A4/3AK4 b - - 0 1",
    "2b1ka3/4a4/4b4/9/2r5p/3R5/9/4B4/2p1A4/3AK4 b - - 0 1",
    "3ak4/4a4/9/9/9/9/9/9/4R4/4K4 w - - 0 1",
    "4ka3/4a4/9/9/4P4/9/9/4N4/9/3K5 w - - 0 1",
    "3k5/9/4b4/9/9/2C6/9/4B4/4A4/4KA3 w - - 0 1",
};
const int BENCH_POSITION_COUNT = static_cast<int>(sizeof BENCH_POSITIONS / sizeof BENCH_POSITIONS[0]);

namespace {
std::uint32_t frozenClock(void*) { return 0; }
}  // namespace

BenchResult runBench(Engine& engine, int depth) {
    BenchResult result{0, 0, 0, 0};
    if (!engine.hasSearchTables()) return result;
    const WorkerClock savedClock = engine.clock;
    void* const savedContext = engine.clockContext;
    engine.setClock(frozenClock, nullptr);
    engine.useBook = false;
    engine.activeLimits = {LIMIT_DEPTH, static_cast<std::int8_t>(depth), 0};
    const auto start = std::chrono::steady_clock::now();
    const std::uint32_t cpuStart = currentThreadCpuMillis(nullptr);
    for (int i = 0; i < BENCH_POSITION_COUNT; ++i) {
        Board90 board;
        Side side;
        std::string error;
        if (!readFen(BENCH_POSITIONS[i], board, side, error)) continue;
        engine.setPosition(board, side);
        engine.computeHash();
        engine.clearTable();
        engine.repetitionTable().clear();
        engine.repetitionTable().mark(engine.hashLow, engine.hashHigh, MARK_HISTORY);
        engine.startTime = 0;
        engine.think();
        result.nodes += engine.stats.counters.nodes;
        ++result.positions;
    }
    result.cpuMilliseconds = currentThreadCpuMillis(nullptr) - cpuStart;
    const auto elapsed = std::chrono::steady_clock::now() - start;
    result.milliseconds =
        static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
    engine.setClock(savedClock, savedContext);
    return result;
}

BenchResult runBench(int depth) {
    Engine engine;
    engine.createSearchTables();
    return runBench(engine, depth);
}
