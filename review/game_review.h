// A whole game analysed position by position: every position of the record
// (the start, then after each move) is searched by the chosen engine under
// the same limit, one after the other, driven from the event loop; each
// move is then judged by what it cost its side against the engine's best
// move. Book moves are marked and not judged. Cancelling keeps every
// position finished so far.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "review/review_engine.h"

struct ReviewOptions {
    ReviewLimit limit;
    bool judgeRed = true;
    bool judgeBlack = true;
};

// The position after `ply` moves.
struct PlyAnalysis {
    bool done = false;
    ReviewScore score;  // side to move's view
    bool scored = true;  // false: the score is unknown (no verdict on it)
    PackedMove bestMove = 0;
    std::vector<PackedMove> line;
    int depth = 0;
};

// Move i, from position i to position i + 1.
struct MoveAssessment {
    bool assessed = false;  // both positions are done (a book move: at once)
    bool judged = false;    // it counts for its side: not a book move, the side chosen
    MoveVerdict verdict;    // MARK_BOOK for book moves
};

// A side's figures: judged moves, how many of each mark, the loss.
struct SideSummary {
    int judged = 0;
    int marks[MARK_BOOK + 1] = {};
    long totalLoss = 0;

    int mistakes() const { return marks[MARK_INACCURACY] + marks[MARK_MISTAKE] + marks[MARK_BLUNDER]; }
    double averageLoss() const { return judged ? static_cast<double>(totalLoss) / judged : 0.0; }
};

class GameReview {
public:
    explicit GameReview(ReviewEngine& engine) : engine(engine) {}

    // Starts with the first position; false when the record does not play
    // from the start position or the engine cannot start (error() says).
    bool start(const Board90& startBoard, Side startSide, const std::vector<PackedMove>& moves,
               const ReviewOptions& options);
    // The event loop's share: the engine's poll.
    void poll() { engine.poll(); }
    // Stops at once; what finished stays. onFinished does not run.
    void cancel();

    bool running() const { return running_; }
    bool complete() const { return analysed_ == positions(); }
    const std::string& error() const { return error_; }  // UTF-8, empty when none
    const ReviewOptions& options() const { return options_; }

    int positions() const { return static_cast<int>(boards.size()); }
    int moves() const { return static_cast<int>(moves_.size()); }
    int analysed() const { return analysed_; }
    // The position being analysed, -1 when none is.
    int current() const { return running_ ? analysed_ : -1; }
    const PlyAnalysis& ply(int i) const { return plies[static_cast<std::size_t>(i)]; }
    const MoveAssessment& move(int i) const { return assessments[static_cast<std::size_t>(i)]; }
    PackedMove movePlayed(int i) const { return moves_[static_cast<std::size_t>(i)]; }
    const Board90& boardAt(int ply) const { return boards[static_cast<std::size_t>(ply)]; }
    Side sideAt(int ply) const { return sides[static_cast<std::size_t>(ply)]; }
    // A finished position's score from Red's view.
    ReviewScore redScore(int ply) const;
    // The review's comment line for move i (GBK); empty when it gets none.
    std::string commentLine(int move) const;
    // The engine's move where move i was judged a mistake; 0 when none.
    PackedMove betterMove(int move) const;
    SideSummary summary(Side side) const;
    // Wall-clock milliseconds the unfinished positions will take: the mean
    // time a finished position took, everything between its start and the
    // next one's included (the windows' updates too), times the positions
    // left; the limit itself before the first one is done.
    long estimatedMsLeft() const;
    // The clock the pace is measured on (tests set their own).
    std::function<std::chrono::steady_clock::time_point()> clock = [] { return std::chrono::steady_clock::now(); };

    std::function<void()> onProgress;  // after each position
    std::function<void()> onFinished;  // every position done, or the engine failed

private:
    void analyseNext();
    void accept(const PositionAnalysis& a);
    void assess(int move);
    void fail(const std::string& why);
    ReviewPosition positionAt(int ply) const;

    ReviewEngine& engine;
    ReviewOptions options_;
    Board90 startBoard_ = INITIAL_BOARD;
    Side startSide_ = SIDE_RED;
    std::vector<PackedMove> moves_;
    std::vector<Board90> boards;
    std::vector<Side> sides;
    std::vector<bool> inBook;
    std::vector<PlyAnalysis> plies;
    std::vector<MoveAssessment> assessments;
    int analysed_ = 0;
    bool running_ = false;
    std::string error_;
    std::chrono::steady_clock::time_point reviewStarted;
    long msSpent = 0;  // from the start to the last finished position
};
