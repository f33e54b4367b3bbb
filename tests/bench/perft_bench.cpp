// Prints perft from the start position (default depth 5) with the time and
// nodes per second: perft_bench [depth]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "engine/engine.h"
#include "engine/perft.h"

int main(int argc, char** argv) {
    const int depth = argc > 1 ? std::atoi(argv[1]) : 5;
    auto engine = std::make_unique<Engine>();
    engine->setPosition(INITIAL_BOARD, SIDE_RED);
    const auto start = std::chrono::steady_clock::now();
    const std::uint64_t nodes = perft(*engine, depth);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("perft %d: %llu nodes in %.3f s, %.0f nodes/s\n", depth, static_cast<unsigned long long>(nodes),
                seconds, nodes / seconds);
    return 0;
}
