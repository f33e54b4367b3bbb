// 操作 → 引擎比赛...: a match or tournament between engines, played by the
// match runner while the program stays free. The window shows the games
// in a list (players, moves, clocks, result), one game's position on its
// own board (the selected one, or the latest started), its moves, and the
// standings, updated as games end. 开始 plays the chosen settings; 停止
// ends the match, keeping every finished game in the PGN file. The player's
// game on the main board is never touched: a match does not need it.
#pragma once

#include <QPointer>
#include <map>
#include <optional>
#include <vector>

#include "shell/dialogs/floating_window.h"
#include "shell/dialogs/match_dialog.h"
#include "shell/dialogs/match_game_track.h"

struct MatchOpening;

class MatchBoard;
class MatchRunner;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

class MatchWindow final : public FloatingWindow {
public:
    static MatchWindow& instance();
    bool running() const;
    // The settings 开始 plays (设置... edits them), and 开始 itself.
    void setChoice(const MatchChoice& c) { choice = c; }
    void start() { startMatch(); }
    // Esc and the close box: a running match is stopped first, if the
    // player agrees.
    void closeRequested() override;
    // Before the program ends: true when no match runs, or when the player
    // agreed to stop it (its finished games stay in the PGN).
    bool mayEndMatch();

private:
    MatchWindow();
    void build(QDialog& window) override;
    void opened() override;

    void chooseSettings();
    void startMatch();
    void stopMatch();
    void gameStarted(int index, const QString& red, const QString& black);
    void movePlayed(int index, const QString& move, qint64 redMs, qint64 blackMs);
    void gameFinished(int index, const QString& result, const QString& termination);
    void matchFinished();
    void showButtons();
    void showGameRow(const MatchGameTrack& track);
    void showSelectedGame();
    void showStandings();
    const MatchGameTrack* shownGame() const;
    std::optional<QString> startOf(int index) const;

    MatchChoice choice;
    QPointer<MatchRunner> runner;
    std::map<int, MatchGameTrack> tracks;  // this run's games by index
    // The match's openings, read as the runner reads them (the same
    // settings give the same ones), for the boards' start positions.
    std::vector<MatchOpening> openings;
    bool openingsKnown = false;
    int latest = -1;                       // the game started last
    QString lastMessage;  // the runner's last word, kept past the end

    QPointer<QPushButton> settingsButton, startButton, stopButton;
    QPointer<QLabel> status;
    QPointer<QTreeWidget> games;
    QPointer<MatchBoard> board;
    QPointer<QLabel> gameTitle;
    QPointer<QPlainTextEdit> moves;
    QPointer<QPlainTextEdit> standings;
};
