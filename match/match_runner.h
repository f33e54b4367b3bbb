// Plays a match: the schedule's games, up to the concurrency at once, each
// engine process serving one game at a time; every game appended to the
// PGN as it ends and noted in the state file beside it, so a runner
// started again with the same settings goes on where the last one stopped.
// Nothing here blocks: the runner lives in the event loop of its thread.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "match/match_schedule.h"
#include "match/match_settings.h"
#include "match/match_standings.h"

#include "match/match_openings.h"

class EngineClient;
class MatchGame;
struct MatchSlot;

class MatchRunner : public QObject {
    Q_OBJECT

public:
    explicit MatchRunner(const MatchSettings& settings, QObject* parent = nullptr);
    ~MatchRunner() override;

    // Reads the openings, the games already in the PGN and the state file,
    // and starts the first games. False, with problem set and nothing
    // started, for settings that cannot be played (no such opening file,
    // a PGN of another match, ...).
    bool start(QString* problem = nullptr);
    // Ends the match: games in progress are abandoned (not written), the
    // finished ones stay; finished() follows once every engine has ended.
    void stop();

    bool running() const { return running_; }
    const MatchSettings& settings() const { return settings_; }
    // The whole schedule (every shard's games).
    const std::vector<ScheduledGame>& schedule() const { return schedule_; }
    const std::vector<FinishedGame>& finishedGames() const { return finished_; }
    MatchStandings standings() const;
    // Games of this shard already in the PGN when the runner started.
    int resumedGames() const { return resumed_; }
    QString playerName(int player) const;
    // Microseconds from each engine answer to the next go sent, over the
    // games this run played; and the games this run lost on time.
    const std::vector<qint64>& overheadsUs() const { return overheads_; }
    int timeLosses() const { return timeLosses_; }

Q_SIGNALS:
    void gameStarted(int index, const QString& red, const QString& black);
    // A move of game index in the notation asked for, and both clocks after
    // it (what is left; -1 without a clock).
    void movePlayed(int index, const QString& move, qint64 redClockMs, qint64 blackClockMs);
    // result "1-0", "0-1" or "1/2-1/2"; termination as the PGN's tag says it.
    void gameFinished(int index, const QString& result, const QString& termination);
    void standingsChanged();
    // The schedule is done, or stop() has ended everything.
    void finished();
    // Something the user should read (an engine restarted, a PGN that
    // could not be written).
    void message(const QString& text);

private:
    bool checkPlayers(QString& problem);
    bool resume(QString& problem);
    void startGames();
    void gameEnded(MatchSlot* slot);
    bool writeGame(const MatchGame& game);
    void shutDown();
    bool sprtDecided() const;
    EngineClient* clientFor(MatchSlot& slot, int player);

    MatchSettings settings_;
    std::vector<ScheduledGame> schedule_;
    std::vector<MatchOpening> openings_;
    std::vector<FinishedGame> finished_;
    std::vector<std::unique_ptr<MatchSlot>> slots_;  // one per game played at once
    std::vector<bool> done_;  // by schedule index: finished, or not this shard's
    std::size_t next_ = 0;    // into schedule_
    std::vector<qint64> overheads_;
    int timeLosses_ = 0;
    int quitting_ = 0;        // engines still ending after the match
    int resumed_ = 0;
    bool running_ = false;
    bool stopping_ = false;
};
