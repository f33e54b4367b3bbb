#include "game/score_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

int centipawnsFromPoints(int points) { return static_cast<int>(std::lround(points * CENTIPAWNS_PER_POINT)); }

int pointsFromCentipawns(int centipawns) {
    const long points = std::lround(centipawns / CENTIPAWNS_PER_POINT);
    return static_cast<int>(std::clamp<long>(points, -CENTIPAWN_POINTS_LIMIT, CENTIPAWN_POINTS_LIMIT));
}

int pointsOfMate(int moves) {
    const int plies = 2 * std::abs(moves) - (moves > 0 ? 1 : 0);
    return moves > 0 ? MATE_POINTS - plies : -(MATE_POINTS - plies);
}

Verdict verdictOf(int s) {
    if (s < -MATE_BOUND_POINTS) return Verdict::BLACK_WINS;
    if (s < -WIN_POINTS) return Verdict::BLACK_WINNING;
    if (s < -EDGE_POINTS) return Verdict::BLACK_BETTER;
    if (s > MATE_BOUND_POINTS) return Verdict::RED_WINS;
    if (s > WIN_POINTS) return Verdict::RED_WINNING;
    if (s > EDGE_POINTS) return Verdict::RED_BETTER;
    return Verdict::LEVEL;
}

float evalBarFraction(int score) {
    if (score < -MATE_BOUND_POINTS) return -1.0f;
    if (score < -WIN_POINTS) return -0.98f;
    if (score > MATE_BOUND_POINTS) return 1.0f;
    if (score > WIN_POINTS) return 0.98f;
    return static_cast<float>(score) * EVAL_BAR_PER_POINT;
}
