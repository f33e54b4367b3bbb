// The search's score scale and repetition verdicts.
#pragma once

constexpr int MATE_SCORE = 30000;
constexpr int INFINITE_SCORE = 32100;
// 30000 - 128: beyond it a score is a mate score.
constexpr int MATE_THRESHOLD = 29872;

// What a move that repeats a position is worth to the side making it.
constexpr int REP_NONE = 1;       // an ordinary move
constexpr int REP_CAPPED = 2;     // scores at most 0
constexpr int REP_FORBIDDEN = 3;  // perpetual check or chase: never chosen
