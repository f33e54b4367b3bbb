// What the match window knows of one game of a running match: the players,
// the moves as the runner wrote them, both clocks, the result, and the
// position, followed move by move from the game's start so the window can
// draw it. A move the window cannot read stops the following (the board is
// then not shown for the game) rather than drawing a wrong position.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "engine/types.h"

struct MatchGameTrack {
    int index = 0;
    QString red, black;
    QStringList moves;
    qint64 redClockMs = -1;  // what is left; -1 without a clock
    qint64 blackClockMs = -1;
    QString result;          // empty while the game runs
    QString termination;

    // The game starts from `start` (Red to move unless the position says
    // otherwise), or from a position the window does not know.
    void begin(int gameIndex, const QString& redName, const QString& blackName,
               const std::optional<QString>& startFen);
    // One move in Chinese notation or as coordinates (h2e2).
    void addMove(const QString& text, qint64 redMs, qint64 blackMs);
    void finish(const QString& gameResult, const QString& how);

    bool running() const { return result.isEmpty(); }
    // The position after the moves, while every move has been read.
    bool followed() const { return followed_; }
    const Board90& board() const { return board_; }
    Side sideToMove() const { return side_; }

private:
    bool followed_ = false;
    Board90 board_ = INITIAL_BOARD;
    Side side_ = SIDE_RED;
};
