// The built-in engine as the review's engine: a thinking instance of its
// own (worker thread, tables, no book, no background thinking), so that a
// review never disturbs the game's engine. Positions are searched through
// the engine service (loadHistory, setPosition, startThink; poll runs
// pollEngine) and the scores turned into centipawns. A fixed-depth score
// leans towards the side that has the last move of the line, which swings
// from one ply of the game to the next; the score taken is the mean of the
// last two iterations, which lean opposite ways.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "review/review_engine.h"

class Engine;


class BuiltinReviewEngine final : public ReviewEngine {
public:
    BuiltinReviewEngine();
    ~BuiltinReviewEngine() override;

    std::string name() const override;
    bool analyse(const ReviewPosition& position, const ReviewLimit& limit, Finished finished) override;
    void poll() override;
    void cancel() override;

    // The score a finished search hands over, from Red's view, in points:
    // the mean of the last two iterations unless either is a mate.
    static int settledScore(const std::int16_t* scores, int iterations);

private:
    void deliver(const Finished& finished);
    static void recordIteration(const Engine& engine, void* self);

    std::unique_ptr<Engine> engine;
    // Each iteration's score from Red's view, written on the worker thread
    // and read once the job is done.
    std::array<std::int16_t, 128> iterationScores{};
};
