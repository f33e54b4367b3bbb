// The computer playing itself through Game and the fake shell, game after
// game, as the demo soak program and its short test run it: every game
// starts from a few random opening moves, even games search to a small
// fixed depth, odd games under a short time limit. Every recorded move is
// checked against the rules by an independent replay.
#pragma once

#include <cstdint>
#include <string>

struct SoakOptions {
    int games = 20;
    int depth = 2;          // the fixed depth of even games
    int moveTimeMs = 3;     // the time limit of odd games
    int openingPlies = 4;   // random moves before the computer takes over
    int maxPlies = 1500;    // a game still running then counts as unfinished
    std::uint32_t seed = 20261208;
    bool progress = false;  // a line on standard error every 100 games
};

struct SoakReport {
    int games = 0;
    int redWins = 0;
    int blackWins = 0;
    int hundredPlyDraws = 0;   // 100 plies without a capture
    int otherDraws = 0;        // the rules' own draw verdicts
    int unfinished = 0;        // reached maxPlies
    // The engine answered with a move the rules refuse and the game waits.
    int refused = 0;
    int stalled = 0;           // no computer move within 30 seconds otherwise
    int illegalMoves = 0;
    long long plies = 0;
    int longestGame = 0;

    std::string summary() const;
};

SoakReport runDemoSoak(const SoakOptions& options);
