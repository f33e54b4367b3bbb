// One game of a match between two engine processes: the runner hands it
// both clients (started or not), it tells each engine the position and
// both clocks, times every answer on the wall clock, judges each move's
// consequences (mate, the repetition rulings, a hundred plies, no
// attacking material, the flag, an illegal move, a crash, adjudication)
// and ends with the finished record.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>
#include <vector>

#include "engines/engine_info.h"
#include "engines/engine_limits.h"
#include "game/game_document.h"
#include "game/time_control.h"
#include "match/match_adjudicator.h"
#include "match/match_openings.h"
#include "match/match_schedule.h"
#include "match/match_settings.h"

class EngineClient;

// How a game ended, as its Termination tag writes it.
struct GameVerdict {
    GameResult result = RESULT_IN_PLAY;
    QString termination;
};

class MatchGame : public QObject {
    Q_OBJECT

public:
    // clients[side] plays that side (indexed by Side); players likewise.
    MatchGame(const MatchSettings& settings, const ScheduledGame& game, const MatchOpening& opening,
              EngineClient* red, EngineClient* black, const MatchPlayer& redPlayer, const MatchPlayer& blackPlayer,
              QObject* parent = nullptr);
    ~MatchGame() override;

    const ScheduledGame& scheduled() const { return game_; }
    // Starts the engines that are not running and plays the first move.
    void start();
    // Ends the game without a result (the match is stopped).
    void abandon();

    bool over() const { return verdict_.result != RESULT_IN_PLAY; }
    const GameVerdict& verdict() const { return verdict_; }
    // The finished game: the opening's position, its moves and the engines'
    // moves with their comments.
    const GameDocument& record() const { return record_; }
    // Microseconds from each engine answer to the next go sent.
    const std::vector<qint64>& overheadsUs() const { return overheads_; }
    // The game was lost on time: how long the move had taken when the flag
    // was seen, and what it was allowed (the margin included).
    bool lostOnTime() const { return timeLoss_; }
    std::int64_t forfeitThoughtMs() const { return forfeitThought_; }
    std::int64_t forfeitAllowedMs() const { return allowedMs_; }

Q_SIGNALS:
    void movePlayed(const QString& move, qint64 redClockMs, qint64 blackClockMs);
    void ended();

private:
    void launch(Side side);
    void clientReady(Side side);
    void requestMove();
    void answered(Side side, PackedMove move);
    void failed(Side side, const QString& message);
    void flagFell();
    void loseOnTime(std::int64_t thoughtMs);
    void finish(GameResult result, const QString& termination);
    void disconnectClients();
    std::vector<PackedMove> playedMoves() const;
    EngineLimits limitsFor(Side side) const;
    QString commentFor(const EngineInfo& info, std::int64_t spentMs) const;
    qint64 clockShown(Side side) const;

    const MatchSettings& settings_;
    ScheduledGame game_;
    MatchOpening opening_;
    EngineClient* clients_[2];
    MatchPlayer players_[2];
    bool ready_[2] = {false, false};
    SideClock clocks_[2];
    Board90 board_{};
    Side side_ = SIDE_RED;
    GameDocument record_;
    GameVerdict verdict_;
    MatchAdjudicator adjudicator_;
    std::optional<EngineInfo> lastInfo_;
    QElapsedTimer thinking_;       // since the go of the move awaited
    std::int64_t allowedMs_ = -1;  // what that move may take, margin included; -1: no time limit
    QTimer flag_;
    QElapsedTimer sinceAnswer_;    // from the last answer to the next go
    std::vector<qint64> overheads_;
    bool timeLoss_ = false;
    std::int64_t forfeitThought_ = 0;
    bool started_ = false;
};
