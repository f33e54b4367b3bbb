// Interrupting the engine command thousands of times: a search is started,
// and at a random moment it gets a new position, isready, ucinewgame and
// stop; every round must end with its bestmove, every isready must be
// answered, and every process must leave with status 0 when quit or end of
// input comes in the middle of a search. Exit status 1 on the first hang
// or bad exit.
//   engine_interrupts [ROUNDS] [ROUNDS_PER_PROCESS] [SEED]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine_process_support.h"

namespace {

constexpr int ANSWER_MS = 10'000;

constexpr const char* POSITIONS[] = {
    "position startpos",
    "position startpos moves h2e2 h9g7 h0g2 i9h9 i0h0 b9c7",
    "position fen rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w",
    "position fen r2akab2/4n4/2n1bR3/pC2p3p/2p3P2/P8/4P1r1P/9/2C2K3/RNB2AB2 w",
    "position fen 3ak4/3ca4/4b4/p7p/7N1/3nPCB2/9/9/1r7/4KA3 b",
    "position fen 4k4/9/9/9/9/9/9/9/9/4K4 w",
    "position fen 3k5/4P4/9/9/9/9/9/9/9/4K4 b",  // Black has no move
};
constexpr const char* SEARCHES[] = {"go infinite", "go depth 8", "go movetime 40", "go wtime 300 btime 300",
                                    "go depth 1", "go"};

struct Tally {
    int rounds = 0, processes = 0, quits = 0, closes = 0, newPositions = 0, readyChecks = 0;
};

bool runProcess(int rounds, std::mt19937& random, Tally& tally) {
    EngineProcess engine;
    if (!engine.started()) {
        std::fprintf(stderr, "cannot start the engine\n");
        return false;
    }
    ++tally.processes;
    int readySent = 0, readySeen = 0;
    auto countReady = [&](const std::vector<std::string>& lines) {
        for (const std::string& l : lines) readySeen += l == "readyok";
    };
    for (int round = 0; round < rounds; ++round) {
        engine.send(POSITIONS[random() % std::size(POSITIONS)]);
        engine.send(SEARCHES[random() % std::size(SEARCHES)]);
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 30));
        if (random() % 2 == 0) {
            engine.send(POSITIONS[random() % std::size(POSITIONS)]);
            ++tally.newPositions;
        }
        if (random() % 3 == 0) {
            engine.send("isready");
            ++readySent;
            ++tally.readyChecks;
        }
        if (random() % 8 == 0) engine.send("ucinewgame");
        engine.send("stop");
        std::vector<std::string> lines;
        const bool answered = engine.readUntil("bestmove ", lines, ANSWER_MS);
        countReady(lines);
        if (!answered) {
            std::fprintf(stderr, "no bestmove in round %d of process %d\n", round, tally.processes);
            return false;
        }
        ++tally.rounds;
    }
    engine.send("isready");
    ++readySent;
    // Answers to earlier isready may still be on their way: read them all.
    bool ready = true;
    while (ready && readySeen < readySent) {
        std::vector<std::string> lines;
        ready = engine.readUntil("readyok", lines, ANSWER_MS);
        countReady(lines);
    }
    if (!ready || readySeen != readySent) {
        std::fprintf(stderr, "isready answered %d times of %d in process %d\n", readySeen, readySent, tally.processes);
        return false;
    }
    // Leave in the middle of a search.
    engine.send(POSITIONS[random() % 6]);
    engine.send("go infinite");
    std::this_thread::sleep_for(std::chrono::milliseconds(random() % 30));
    const bool byQuit = random() % 2 == 0;
    if (byQuit) engine.send("quit");
    else engine.closeInput();
    (byQuit ? tally.quits : tally.closes)++;
    const int status = engine.waitForExit(ANSWER_MS);
    if (status != 0) {
        std::fprintf(stderr, "exit status %d after %s in process %d\n", status, byQuit ? "quit" : "end of input",
                     tally.processes);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int perProcess = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    std::mt19937 random(argc > 3 ? static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10)) : 20261208u);
    Tally tally;
    bool ok = true;
    while (ok && tally.rounds < rounds) ok = runProcess(std::min(perProcess, rounds - tally.rounds), random, tally);
    std::printf("%s: %d interrupted searches in %d processes (%d new positions mid-search, %d isready), "
                "left mid-search by quit %d and by end of input %d times\n",
                ok ? "clean" : "FAILED", tally.rounds, tally.processes, tally.newPositions, tally.readyChecks, tally.quits,
                tally.closes);
    return ok ? 0 : 1;
}
