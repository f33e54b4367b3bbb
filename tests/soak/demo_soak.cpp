// The demo soak: the computer plays itself through Game and the fake shell
// for many games and reports how they ended. Exit status 1 when a game
// held an illegal move, stalled, did not finish or the computer answered
// with a move the rules refuse.
//   demo_soak [GAMES] [DEPTH] [MOVE_TIME_MS] [SEED]
#include <cstdio>
#include <cstdlib>

#include "demo_soak_support.h"

int main(int argc, char** argv) {
    SoakOptions options;
    options.games = argc > 1 ? std::atoi(argv[1]) : 2000;
    if (argc > 2) options.depth = std::atoi(argv[2]);
    if (argc > 3) options.moveTimeMs = std::atoi(argv[3]);
    if (argc > 4) options.seed = static_cast<std::uint32_t>(std::strtoul(argv[4], nullptr, 10));
    options.progress = true;
    const SoakReport report = runDemoSoak(options);
    std::printf("%s\n", report.summary().c_str());
    return report.illegalMoves == 0 && report.stalled == 0 && report.unfinished == 0 && report.refused == 0
               ? 0
               : 1;
}
