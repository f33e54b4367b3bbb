// What the game review asks of an engine, whichever it is (the built-in
// one through its engine service, or an outside one through the engine
// client): analyse one position of a game under a limit and answer later,
// on the thread that polls it, with the score, the best move and the line.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/types.h"
#include "game/review_marks.h"

// Per position: a depth, or else a time in milliseconds.
struct ReviewLimit {
    int moveTimeMs = 1000;
    int depth = 0;  // 1..30: search to this depth instead of for a time

    bool byDepth() const { return depth > 0; }
};

// The range the review offers: 0.2 to 30 seconds, or depth 1 to 30.
constexpr int REVIEW_MIN_TIME_MS = 200;
constexpr int REVIEW_MAX_TIME_MS = 30'000;
constexpr int REVIEW_MAX_DEPTH = 30;
// A limit brought into that range.
ReviewLimit clampedLimit(ReviewLimit limit);

// A position of the game with the moves that led to it, so that the
// engine knows the repetitions.
struct ReviewPosition {
    Board90 startBoard = INITIAL_BOARD;
    Side startSide = SIDE_RED;
    std::vector<PackedMove> moves;  // from the start to this position
    Board90 board = INITIAL_BOARD;  // the position itself
    Side side = SIDE_RED;
};

struct PositionAnalysis {
    bool ok = false;
    std::string error;  // UTF-8, why not ok
    ReviewScore score;  // side to move's view, centipawns
    bool scored = true;  // false: a best move came without a scored line
    PackedMove bestMove = 0;
    std::vector<PackedMove> line;  // the principal variation, best move first
    int depth = 0;
};

class ReviewEngine {
public:
    using Finished = std::function<void(const PositionAnalysis&)>;
    virtual ~ReviewEngine() = default;

    // UTF-8, as the review shows it.
    virtual std::string name() const = 0;
    // Starts analysing; false when the engine cannot start now. finished
    // runs once, later, from poll() or from the event loop.
    virtual bool analyse(const ReviewPosition& position, const ReviewLimit& limit, Finished finished) = 0;
    // Called often (the idle pass, a timer): applies time limits and
    // delivers what has finished.
    virtual void poll() = 0;
    // Ends the running analysis at once; its finished is not called.
    virtual void cancel() = 0;
};
