// The explorer: the moves of the open database from the board's position,
// following moves and undo; a click plays the move in two-person mode and
// only names it in play against the computer.
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <fstream>

#include "database/games_database.h"
#include "database/games_import.h"
#include "game/game.h"
#include "shell/dialogs/database_commands.h"
#include "shell/dialogs/explorer_window.h"
#include "shell/main_window/main_window.h"
#include "shell_support.h"

class ExplorerWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void followsTheBoardAndPlaysClickedMoves();
};

namespace {

QString firstMove(const ExplorerWindow& w) {
    QTreeWidgetItem* item = w.moveList()->topLevelItem(0);
    return item ? item->text(0) + " " + item->text(1) + " " + item->text(2) : QString();
}

}  // namespace

void ExplorerWindowTest::followsTheBoardAndPlaysClickedMoves() {
    startedWindow();
    QTemporaryDir dir;
    const std::string pgn = (dir.path() + "/g.pgn").toStdString();
    std::ofstream(pgn) << "[Red \"A\"]\n[Result \"1-0\"]\n\n1. h2e2 h9g7 1-0\n\n"
                          "[Red \"B\"]\n[Result \"0-1\"]\n\n1. h2e2 b9c7 0-1\n\n"
                          "[Red \"C\"]\n[Result \"1/2-1/2\"]\n\n1. c3c4 1/2-1/2\n\n";
    std::string error;
    QVERIFY(openGamesDatabase().open((dir.path() + "/g.db").toStdString(), error));
    ImportReport report;
    GamesImport(openGamesDatabase()).importPaths({pgn}, report);
    QCOMPARE(report.imported, 3L);

    Game& game = Game::instance();
    game.setMode(MODE_TWO_HUMANS);
    game.newGame();
    ExplorerWindow& w = ExplorerWindow::instance();
    w.open();
    QVERIFY(pumpUntil([&] { return w.moveList()->topLevelItemCount() == 2; }, 2000));
    QCOMPARE(firstMove(w), QStringLiteral("炮二平五 2 50.0%"));
    QCOMPARE(w.gameList()->topLevelItemCount(), 3);

    w.chooseMove(0);  // plays 炮二平五: Black's two answers follow
    QVERIFY(pumpUntil([&] { return game.moveCount() == 1 && w.gameList()->topLevelItemCount() == 2; }, 3000));
    QCOMPARE(w.moveList()->topLevelItemCount(), 2);
    game.undo();
    QVERIFY(pumpUntil([&] { return w.gameList()->topLevelItemCount() == 3; }, 3000));

    game.setMode(MODE_HUMAN_COMPUTER);  // not a game where a click plays: the move is only named
    game.newGame();
    QVERIFY(pumpUntil([&] { return w.moveList()->topLevelItemCount() == 2; }, 2000));
    const int before = game.moveCount();
    w.chooseMove(1);
    QCOMPARE(game.moveCount(), before);
    QVERIFY(w.noteLabel()->text().contains(QStringLiteral("兵七进一")));
    game.setMode(MODE_TWO_HUMANS);
    w.close();
    openGamesDatabase().close();
}

SHELL_TEST(ExplorerWindowTest);
#include "explorer_window_test.moc"
