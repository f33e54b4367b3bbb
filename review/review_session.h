// The program's game review: the chosen engine, the review of the game's
// record while it runs and after, its progress, and writing its verdicts
// into the moves' comments. While it runs it holds the game's record lock,
// so that what would change the record is refused by the game. It names
// no window: the progress window and the graph follow its signals.
#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "engine/types.h"
#include "review/game_review.h"

class EngineList;

// The engines the review can use, by the names the dialog lists (UTF-8).
std::vector<std::string> reviewEngineNames();

class ReviewSession : public QObject {
    Q_OBJECT
public:
    static ReviewSession& instance();

    // The engine manager's list the review picks its engine from (null:
    // the built-in engine only).
    void setEngineList(const EngineList* list) { engines = list; }
    const EngineList* engineList() const { return engines; }

    // Starts reviewing the game's whole record with engine `engineIndex` of
    // reviewEngineNames(); false (with a message) when it cannot start.
    bool start(int engineIndex, const ReviewOptions& options);
    bool running() const { return review_ && review_->running(); }
    // Ends the review; the finished positions and their verdicts stay.
    void cancel();
    // Program exit: the review ends and its engine goes, nothing is written.
    void shutdown();
    // The idle pass: the engine's poll.
    void idle();

    // The latest review, while the game's record is still the one reviewed;
    // null otherwise.
    const GameReview* review() const;
    // Changes with every position finished, so that windows know to redraw.
    int version() const { return version_; }

Q_SIGNALS:
    // A review is about to start: its progress is to be shown.
    void starting();
    // The review runs (its graph is to be shown).
    void started();
    // Another position is finished.
    void progressed(const GameReview& review);
    // The review has ended, was cancelled or could not start.
    void ended();
    // The review's lines were written into the moves' comments.
    void commentsChanged();

private:
    ReviewSession() = default;
    void finished();
    void writeComments();
    bool writeVariation(const GameReview& review, int move);
    void resumeComputer();

    std::unique_ptr<ReviewEngine> engine;
    std::unique_ptr<GameReview> review_;
    Board90 reviewedStart{};
    Side reviewedSide = SIDE_RED;
    std::vector<PackedMove> reviewedMoves;
    int version_ = 0;
    bool errorShown = false;
    // The computer was to move when the review started: its turn resumes
    // when the review ends.
    bool computerDue = false;
    const EngineList* engines = nullptr;
};
