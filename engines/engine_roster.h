// The outside engines at the program's service: the engine list read from
// and written to "Engines.json", one running session for each engine the
// list puts to work (the same session when one engine both plays and
// analyses), the game told which engines play and analyse, their reports
// announced for the situation window and the board's arrow, their moves
// handed to the game, their lines to
// the communication log, and a failing engine reported, ended and replaced
// by the built-in engine. The roster names no window: the windows connect
// to its signals.
#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <memory>

#include "engines/engine_info.h"
#include "engines/engine_list.h"
#include "engines/engine_log.h"
#include "engines/engine_session.h"

class Game;

class EngineRoster : public QObject {
    Q_OBJECT
public:
    explicit EngineRoster(Game& game);
    ~EngineRoster();
    EngineRoster(const EngineRoster&) = delete;
    EngineRoster& operator=(const EngineRoster&) = delete;

    // Reads Engines.json from the working folder. A damaged file is set
    // aside under another name (never overwritten unseen) and reported;
    // the built-in engine then plays and analyses.
    void loadList();
    // Writes the list; a failure is reported. False when nothing was written.
    bool saveList();
    const EngineList& list() const { return list_; }
    // Takes a changed list (from the manager): sessions follow it, the game
    // learns its engines, and the list is written.
    void applyList(const EngineList& updated);
    void setShowArrow(bool on);

    EngineLog& log() { return log_; }
    // The sessions at work, null for the built-in engine.
    EngineSession* player() const;
    EngineSession* analyst() const;
    // Whether any outside engine has a role (the situation window then
    // shows the engines' lines).
    bool anyOutside() const { return player() || analyst(); }
    // Lines an analysis of the analyst shows; kept in its option values.
    void setAnalysisLines(int lines);

    // Ends every engine program (when the main window closes).
    void shutdown();

Q_SIGNALS:
    // The latest lines of the engine searching the game's position (skip 0),
    // or of the search whose move has just been played (skip 1).
    void linesChanged(const EngineSession& session, int skip);
    // The analysis arrow: its move on `board`, or none (move 0).
    void arrowChanged(PackedMove move, const Board90& board);
    // An engine failed and the built-in engine took over; the text says so.
    void engineFailed(const QString& text);
    // The engine list could not be read or written.
    void listProblem(const QString& text);
    // The engine searching the game's move answered; the game takes the
    // move from its next idle pass.
    void moveFound(EngineSession& session, PackedMove move);

private:
    std::shared_ptr<EngineSession> sessionFor(const EngineEntry& entry);
    void tellGame();
    void onReady(EngineSession& session);
    void onFailed(EngineSession& session, const QString& message);
    void onLines(EngineSession& session);
    void onAnswer(EngineSession& session, PackedMove move);
    void onShown(EngineSession& session);
    void retire(const QString& path);
    // A line of the program's own in the log (an engine connected, failed).
    void note(const QString& engine, const QString& text);

    Game& game;
    EngineList list_;
    EngineLog log_;
    std::map<QString, std::shared_ptr<EngineSession>> sessions;  // by program
    QString playerPath;   // the roles in this run (a failing engine loses its role)
    QString analystPath;
    bool listWritable = true;
};
