// One scale for every score the program shows or judges. The built-in
// engine scores in points (a rook is 2000, a pawn 90 to 200); the engine
// protocols, outside engines and the review in centipawns (a pawn is 100).
// The rate between the two, the mate bounds of both and the thresholds of
// the situation window's verdict and evaluation bar live here alone, so
// the built-in engine and an outside one read alike.
#pragma once

#include "engine/search.h"

// Centipawns per point of the built-in engine. Fitted by least squares
// with tests/bench/score_scale_bench: 384 positions of 40 master games, the
// engine at depth 7 against fairy-stockfish at depth 12, 2.68 points per
// centipawn (rms residual 136 cp against rms scores of 282 cp; the same
// sign in 260 of 280 positions scored 50 or more by both).
constexpr double CENTIPAWNS_PER_POINT = 0.374;

// Points: a mate in n plies scores MATE_POINTS - n; beyond the bound a
// score is a mate.
constexpr int MATE_POINTS = MATE_SCORE;
constexpr int MATE_BOUND_POINTS = MATE_THRESHOLD;
// Centipawns turned into points stay short of the mate scores.
constexpr int CENTIPAWN_POINTS_LIMIT = 29000;

// Centipawns: plain scores beyond the edge are clipped to it (the graph's
// edge), mates lie above it, closer mates higher.
constexpr int REVIEW_SCORE_EDGE = 1500;
constexpr int REVIEW_MATE_VALUE = 2000;

// The verdict's and the bar's thresholds, in points: beyond WIN a side is
// winning, beyond EDGE it has the better of it.
constexpr int WIN_POINTS = 2000;
constexpr int EDGE_POINTS = 300;
// The bar's reach per point: 0.98 at WIN_POINTS.
constexpr float EVAL_BAR_PER_POINT = 0.00049f;

int centipawnsFromPoints(int points);
int pointsFromCentipawns(int centipawns);
// A mate in `moves` moves as points from the side to move's view: moves > 0
// the side to move mates, moves <= 0 it is mated.
int pointsOfMate(int moves);

// The situation window's verdict on a score in points from Red's view.
enum class Verdict { BLACK_WINS, BLACK_WINNING, BLACK_BETTER, LEVEL, RED_BETTER, RED_WINNING, RED_WINS };
Verdict verdictOf(int redPoints);
// The evaluation bar's reach for a score in points from Red's view: -1
// (Black mates) to 1.
float evalBarFraction(int redPoints);
