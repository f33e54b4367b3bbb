// An outside engine (a UCI or UCCI program) as the review's engine, through
// the engine client, set up as it plays: each position is sent with the moves that led to it
// and searched under the review's limit; the last report of the best line
// gives the score (centipawns as engines report them) and the line, the
// answer the best move. Needs the Qt event loop of its thread.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "engines/engine_info.h"
#include "engines/engine_list.h"
#include "review/review_engine.h"

class EngineClient;

class OutsideReviewEngine final : public ReviewEngine {
public:
    // Starts the program at once, as the engine list sets it up to play
    // (its protocol, the option values chosen for it); a position asked
    // for before its handshake ends waits for it.
    explicit OutsideReviewEngine(const EngineEntry& entry);
    ~OutsideReviewEngine() override;

    std::string name() const override;
    bool analyse(const ReviewPosition& position, const ReviewLimit& limit, Finished finished) override;
    void poll() override {}
    void cancel() override;

private:
    struct Request {
        ReviewPosition position;
        ReviewLimit limit;
        Finished finished;
    };
    void send();
    void report(const EngineInfo& info);
    void answered(PackedMove move);
    void failed(const QString& message);
    void finish(const PositionAnalysis& a);

    EngineEntry entry;
    std::unique_ptr<EngineClient> client;
    std::optional<Request> request;
    bool sent = false;
    bool ready = false;
    bool broken = false;
    QString failure;
    EngineInfo last;
};
