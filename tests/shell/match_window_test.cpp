// The match window plays a short match of the built-in engine against
// itself: the games reach the list and the PGN, the standings count them,
// and the player's own game stays exactly as it was.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
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
    void closingTheProgramAsksBeforeStoppingAMatch();
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

// Answers the question that comes up with the button given.
static void answerNextQuestion(QMessageBox::StandardButton button) {
    QTimer::singleShot(100, [button] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->button(button)->click();
    });
}

void MatchWindowTest::closingTheProgramAsksBeforeStoppingAMatch() {
    MainWindow& main = startedWindow();
    MatchChoice c;
    MatchPlayer a, b;
    a.name = QStringLiteral("A");
    b.name = QStringLiteral("B");
    a.depth = b.depth = 1;
    c.settings.players = {a, b};
    c.settings.gamesPerPairing = 100;
    c.settings.pgnPath = QStringLiteral("long-match.pgn");
    MatchWindow& w = MatchWindow::instance();
    w.open();
    w.setChoice(c);
    w.start();
    QVERIFY(w.running());
    // No: the program stays, and so does the match.
    answerNextQuestion(QMessageBox::No);
    main.close();
    QVERIFY(main.isVisible());
    QVERIFY(w.running());
    // Yes: the match stops (the program would then end).
    answerNextQuestion(QMessageBox::Yes);
    QVERIFY(w.mayEndMatch());
    QVERIFY(pumpUntil([&] { return !w.running(); }, 30000));
    QVERIFY(w.mayEndMatch());  // nothing runs: no question
    w.close();
}

SHELL_TEST(MatchWindowTest);
#include "match_window_test.moc"
