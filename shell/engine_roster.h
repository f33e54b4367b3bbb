// The outside engines at the program's service: the engine list read from
// and written to "Engines.json", one running session for each engine the
// list puts to work (the same session when one engine both plays and
// analyses), the game told which engines play and analyse, their reports
// passed to the situation window and the board's arrow, their lines to the
// communication log, and a failing engine reported, ended and replaced by
// the built-in engine.
#pragma once

#include <QString>
#include <map>
#include <memory>

#include "engines/engine_info.h"
#include "shell/engine_list.h"
#include "engines/engine_log.h"
#include "shell/engine_session.h"

class Game;

class EngineRoster {
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

private:
    std::shared_ptr<EngineSession> sessionFor(const EngineEntry& entry);
    void tellGame();
    void onReady(EngineSession& session);
    void onFailed(EngineSession& session, const QString& message);
    void onLines(EngineSession& session);
    void onAnswer(EngineSession& session, PackedMove move);
    void onShown(EngineSession& session);
    void retire(const QString& path);
    void report(const QString& text) const;
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
