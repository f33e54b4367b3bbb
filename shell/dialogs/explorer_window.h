// 开局浏览: for the position on the board, the moves played from it in the
// open games database, each with its count, the shares of 红胜/和/黑胜 and a
// bar, in Chinese notation; below, the games that reached the position.
// The lists follow every move, undo and redo. Clicking a move plays it when
// the game allows a move there (两人对弈, set-up closed, no review running),
// otherwise names it; a double-click on a game opens it. What masters
// played, beside the opening book (what the engine plays).
#pragma once

#include <QWidget>
#include <cstdint>

#include "engine/types.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class ExplorerWindow final : public QWidget {
public:
    static ExplorerWindow& instance();
    void open();
    // The idle step: the lists follow the position on the board.
    void idle();
    // The moves are written again in the notation now chosen.
    void notationChanged();
    // Another database was opened or games were imported.
    void databaseChanged();

    QTreeWidget* moveList() const { return moves; }
    QTreeWidget* gameList() const { return games; }
    QLabel* noteLabel() const { return note; }
    // Clicking the move of a row (as the list's click does).
    void chooseMove(int row);

private:
    ExplorerWindow();
    void showPosition(const Board90& board, Side side);

    QLabel* heading = nullptr;
    QTreeWidget* moves = nullptr;
    QTreeWidget* games = nullptr;
    QLabel* note = nullptr;
    Board90 shownBoard{};
    Side shownSide = 2;  // none shown yet
};

// "45.2%": part of total as a share; "-" for no games.
QString shareText(int part, int total);
