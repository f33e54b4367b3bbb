// The match window plays a short match of the built-in engine against
// itself: the games reach the list and the PGN, the standings count them,
// and the player's own game stays exactly as it was.
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>

#include "game/game.h"
#include "shell/dialogs/match_window.h"
#include "shell/main_window/main_window.h"
#include "shell_support.h"

class MatchWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aMatchLeavesThePlayersGameAlone();
};

void MatchWindowTest::aMatchLeavesThePlayersGameAlone() {
    startedWindow();
    Game& game = Game::instance();
    const Board90 board = game.board();
    const int moves = game.moveCount();
    const bool modified = game.modified();

    MatchChoice c;
    MatchPlayer a, b;
    a.name = QStringLiteral("A");
    b.name = QStringLiteral("B");
    a.depth = b.depth = 1;
    c.settings.players = {a, b};
    c.settings.gamesPerPairing = 2;
    c.settings.pgnPath = QStringLiteral("match.pgn");
    c.settings.adjudication.draw = true;  // depth 1 shuffles; end the games soon
    c.settings.adjudication.drawAfterMove = 10;
    c.settings.adjudication.drawScore = 30000;
    c.settings.adjudication.drawMoves = 1;
    MatchWindow& w = MatchWindow::instance();
    w.open();
    w.setChoice(c);
    w.start();
    QVERIFY(w.running());
    QVERIFY(pumpUntil([&] { return !w.running(); }, 120000));

    auto* list = w.window()->findChild<QTreeWidget*>(QStringLiteral("games"));
    QVERIFY(list);
    QCOMPARE(list->topLevelItemCount(), 2);
    for (int row = 0; row < 2; ++row) QVERIFY(!list->topLevelItem(row)->text(6).contains(QStringLiteral("进行中")));
    const QString standings = w.window()->findChild<QPlainTextEdit*>(QStringLiteral("standings"))->toPlainText();
    QVERIFY2(standings.contains(QStringLiteral("games 2 of 2")), qPrintable(standings));
    QVERIFY2(standings.contains(QStringLiteral("A vs B: +")), qPrintable(standings));
    QVERIFY2(standings.contains(QStringLiteral("pairs: Elo")), qPrintable(standings));
    QFile pgn(QStringLiteral("match.pgn"));
    QVERIFY(pgn.open(QIODevice::ReadOnly));
    QCOMPARE(pgn.readAll().count("[Result "), 2);

    QVERIFY(game.board() == board);
    QCOMPARE(game.moveCount(), moves);
    QCOMPARE(game.modified(), modified);
    w.close();
}

SHELL_TEST(MatchWindowTest);
#include "match_window_test.moc"
