// The client for an outside Xiangqi engine: a program speaking UCI or UCCI
// on its standard input and output. It starts the program, runs the
// handshake, sends positions and limits, reads the engine's reports and
// answer, and ends the program. Nothing here blocks: every answer arrives
// as a signal from the event loop of the thread the client lives in.
//
// Every move an engine sends (its answer and each move of its principal
// variations) is checked against the legal moves of the position it is
// played in before it leaves the client; an illegal or unreadable answer
// is never passed on. An engine that cannot be started, does not finish
// its handshake, crashes, hangs or writes garbage is ended and reported
// once with failed(); the caller then goes on without it (the built-in
// engine takes over).
//
// Use:
//   client.start("/usr/games/fairy-stockfish");     // ... ready()
//   client.setMultiPv(3);
//   client.analyse(startBoard, startSide, moves);   // ... info() ...
//   client.stop();                                  // ... bestMove()
//   client.go(startBoard, startSide, moves, EngineLimits::fromRequest(level));
//   client.quit();                                  // ... exited()
#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>
#include <vector>

#include "engine/types.h"
#include "engines/engine_coordinates.h"
#include "engines/engine_info.h"
#include "engines/engine_limits.h"
#include "engines/engine_option.h"

class Engine;

enum class EngineProtocol {
    AUTO,  // try UCI first, then UCCI (start() only)
    UCI,
    UCCI,
};

// Why an engine was given up (failure()).
enum class EngineFailure {
    NONE,
    MISSING,          // no such program, or not executable
    CANNOT_START,
    NO_HANDSHAKE,     // no uciok / ucciok (or readyok) in time
    CRASHED,          // the program ended on its own
    HUNG,             // no answer past its limit and the grace period
    ILLEGAL_MOVE,     // an answer that is not a legal move of the position
    GARBAGE,          // unreadable output
};

// How long the client waits; tests shorten them.
struct EngineTimeouts {
    int handshakeMs = 10000;  // from start to a finished handshake
    int detectMs = 3000;      // AUTO: how long "uci" may go unanswered before "ucci" is tried
    int graceMs = 5000;       // past a search's limit, or after stop, before the engine counts as hung
    int quitMs = 2000;        // after quit before the program is killed
};

class EngineClient : public QObject {
    Q_OBJECT

public:
    enum State {
        NOT_RUNNING,  // not started, ended, or given up
        STARTING,     // handshake running
        IDLE,         // ready for a search
        SEARCHING,    // go() or analyse() running
        STOPPING,     // stop sent, the answer is awaited
        QUITTING,     // quit sent, waiting for the program to end
    };

    explicit EngineClient(QObject* parent = nullptr);
    // Ends a running program (quit, then kill after a short wait).
    ~EngineClient() override;

    void setTimeouts(const EngineTimeouts& timeouts) { timeouts_ = timeouts; }
    const EngineTimeouts& timeouts() const { return timeouts_; }

    // Starts the program and its handshake; ready() or failed() follows.
    // Returns false (and changes nothing) while a program is running.
    bool start(const QString& program, const QStringList& arguments = {},
               EngineProtocol protocol = EngineProtocol::AUTO);

    // ---- what the handshake told (valid from ready() on) ----
    State state() const { return state_; }
    bool isReady() const { return state_ == IDLE; }
    EngineProtocol protocol() const { return protocol_; }
    RankBase rankBase() const { return rankBase_; }
    QString name() const { return name_; }
    QString author() const { return author_; }
    const std::vector<EngineOption>& options() const { return options_; }
    const EngineOption* findOption(const QString& name) const;  // case-insensitive
    // How many lines the engine can show at once (1 without MultiPV).
    int maxMultiPv() const;
    EngineFailure failure() const { return failure_; }
    QString failureMessage() const { return failureMessage_; }

    // Sends an option (a button without value). False, with nothing sent,
    // for an option the engine does not offer or a value it does not take,
    // or while a search runs.
    bool setOption(const QString& name, const QString& value = {});
    // "ucinewgame" to a UCI engine (UCCI has no such command); when idle.
    void newGame();
    // Lines of analysis, 1..maxMultiPv(); takes effect from the next search.
    bool setMultiPv(int lines);
    int multiPv() const { return multiPv_; }

    // Searches the position reached from startBoard/startSide by moves under
    // the limits; info() reports, bestMove() answers. A search still running
    // is stopped first and its answer dropped. Returns false, with nothing
    // sent, when the engine is not ready or a move is not legal.
    // A time limit is held to: UCI engines get "go movetime", UCCI engines
    // "go time T movestogo 1" and a "stop" when the time is up; an engine
    // that has not answered timeouts().graceMs after its time counts as
    // hung. A depth without a time is waited for as long as it takes.
    bool go(const Board90& startBoard, Side startSide, const std::vector<PackedMove>& moves,
            const EngineLimits& limits);
    // An analysis: searches without a limit until stop() or the next
    // go()/analyse().
    bool analyse(const Board90& startBoard, Side startSide, const std::vector<PackedMove>& moves);
    // Asks the running search for its answer now (bestMove() follows; after
    // an analysis the caller may ignore it). Nothing happens when idle.
    void stop();
    // Ends the program: stop, quit, and a kill after timeouts().quitMs;
    // exited() follows. No failed() is sent for a program that was told to quit.
    void quit();

    // The searched position (valid while searching and in the answer's signals).
    const Board90& searchBoard() const { return searchBoard_; }
    Side searchSide() const { return searchSide_; }

Q_SIGNALS:
    void ready();
    // The engine has been ended; the caller goes on without it. The message
    // is for the player, in the program's language.
    void failed(const QString& message);
    void info(const EngineInfo& report);
    // The engine's answer, a legal move of the searched position; 0 when the
    // side to move has no legal move (it is mated or stalemated).
    void bestMove(PackedMove move);
    // Every line written to the engine (sent = true) or read from it.
    void logLine(bool sent, const QString& line);
    // The program has ended (after quit(), a failure, or on its own); every
    // start() ends with it, even one whose program could not be found.
    void exited();

private:
    struct Search {
        Board90 board;
        Side side = SIDE_RED;
        Board90 startBoard;
        Side startSide = SIDE_RED;
        std::vector<PackedMove> moves;
        EngineLimits limits;
    };

    // What the one timer is waiting for.
    enum Wait { WAIT_NONE, WAIT_HANDSHAKE, WAIT_DETECT, WAIT_LIMIT, WAIT_ANSWER, WAIT_QUIT };

    void send(const QString& line);
    void readOutput();
    void handleLine(const QString& line);
    void handleHandshakeLine(const QString& line);
    void handleSearchLine(const QString& line);
    void handleBestMove(const QStringList& words);
    void handleInfo(const QString& line);
    void sendHandshake(EngineProtocol protocol);
    void finishHandshake();
    void armHandshakeRest();
    void beginSearch(const Search& search);
    void processEnded();
    void processError(QProcess::ProcessError error);
    void releaseProcess();  // the program has ended: forget it, tell the caller
    void timerFired();
    void armTimer(Wait wait, int ms);
    bool decodeLine(const QByteArray& bytes, QString& line) const;
    QString goCommand(const EngineLimits& limits) const;
    void sendOption(const EngineOption& option, const QString& value);
    void fail(EngineFailure kind, const QString& message);
    void endProcess();
    bool checkLine(const std::vector<PackedMove>& moves, Board90& board, Side& side) const;
    bool playChecked(Board90& board, Side& side, PackedMove move) const;

    EngineTimeouts timeouts_;
    QProcess* process_ = nullptr;
    QTimer timer_;
    Wait wait_ = WAIT_NONE;
    QElapsedTimer clock_;  // since start()
    QByteArray pending_;  // output not yet ended by a line end
    State state_ = NOT_RUNNING;
    EngineProtocol requested_ = EngineProtocol::AUTO;
    EngineProtocol protocol_ = EngineProtocol::UCI;
    RankBase rankBase_ = RankBase::FROM_ZERO;
    QString program_;
    QString name_;
    QString author_;
    std::vector<EngineOption> options_;
    int multiPv_ = 1;
    int multiPvSent_ = 1;  // what the engine has been told (its default at first)
    bool awaitingReadyOk_ = false;
    bool answerWanted_ = true;  // false: the running search's answer is dropped
    int unreadableLines_ = 0;   // in a row
    Search current_;
    Board90 searchBoard_{};
    Side searchSide_ = SIDE_RED;
    std::unique_ptr<Search> queued_;  // started when the stopped search has answered
    std::unique_ptr<Engine> judge_;   // checks the engine's moves
    EngineFailure failure_ = EngineFailure::NONE;
    QString failureMessage_;
};
