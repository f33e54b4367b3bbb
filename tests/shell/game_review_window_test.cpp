// The review in the program: it runs from the idle pass and writes its
// verdicts into the comments and the record list, the graph follows it and
// goes to a clicked ply, its picture is saved, and while it runs the record
// is guarded; cancelling keeps what was finished.
#include <QPushButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

#include "engine/fen.h"
#include "game/game.h"
#include "game/gbk.h"
#include "game/review_comment.h"
#include "shell/main_window/command_ids.h"
#include "engines/engine_list.h"
#include "engines/engine_roster.h"
#include "shell/windows/game_info_window.h"
#include "shell/main_window/main_window.h"
#include "shell/dialogs/review_progress_window.h"
#include "review/review_session.h"
#include "shell/dialogs/score_graph.h"
#include "shell/dialogs/score_graph_window.h"
#include "outside_engines_support.h"
#include "shell_support.h"
#include "tool_window_support.h"

namespace {

// The opening of the planted-blunder game: Red's rook goes to h7 at ply 9
// and is taken at once.
constexpr const char* ROOK_GIVEN_AWAY = "h2e2 h9g7 h0g2 i9h9 i0h0 b9c7 h0h6 b7a7 h6h7 h9h7";

void playCoordinates(const char* text) {
    Game& game = Game::instance();
    QString all = QString::fromLatin1(text);
    for (const QString& m : all.split(QLatin1Char(' '))) {
        QVERIFY(game.tryUserMove(readCoordinateMove(m.toStdString())));
        game.setModified(true);
    }
    startedWindow().syncView();
}

// The alternatives to move i that carry a review line: move and comment.
std::vector<std::pair<PackedMove, std::string>> reviewedAlternatives(int i) {
    const Game& g = Game::instance();
    std::vector<std::pair<PackedMove, std::string>> out;
    for (int c = g.tree().firstChild(g.lineNode(i - 1)); c != MoveTree::NONE; c = g.tree().nextSibling(c))
        if (c != g.lineNode(i) && withoutReviewLines(g.tree().comment(c)) != g.tree().comment(c))
            out.emplace_back(g.tree().move(c), g.tree().comment(c));
    return out;
}

ReviewOptions byDepth(int d) {
    ReviewOptions o;
    o.limit.depth = d;
    return o;
}

}  // namespace

class ReviewWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void graphScoresClipAtTheEdge();
    void verdictsReachCommentsListAndGraph();
    void theRecordIsGuardedWhileItRunsAndCancelKeepsTheFinished();
    void graphClickGoesToThePlyAndSavesAPicture();
    void closingTheProgramEndsARunningReview();
    void theDialogOffersTheManagersEngines();
    void theComputersTurnResumesAfterTheReview();
    void anOutsideEngineReviewsAsItPlays();

private:
    MainWindow* w = nullptr;
    Game* game = nullptr;
    ReviewSession& session() { return ReviewSession::instance(); }
};

void ReviewWindowTest::init() {
    w = &freshGame();
    game = &Game::instance();
}

void ReviewWindowTest::cleanup() {
    session().cancel();
    ScoreGraphWindow::instance().close();
    GameInfoWindow::instance().close();
}

void ReviewWindowTest::graphScoresClipAtTheEdge() {
    QCOMPARE(graphScore(ReviewScore::cp(120)), 120);
    QCOMPARE(graphScore(ReviewScore::cp(-4000)), -REVIEW_SCORE_EDGE);
    QCOMPARE(graphScore(ReviewScore::mateIn(3)), REVIEW_SCORE_EDGE);
    QCOMPARE(graphScore(ReviewScore::mateIn(-1)), -REVIEW_SCORE_EDGE);
    QCOMPARE(timeLeftText(45'000), QStringLiteral("45 秒"));
    QCOMPARE(timeLeftText(80'500), QStringLiteral("1 分 21 秒"));
}

void ReviewWindowTest::verdictsReachCommentsListAndGraph() {
    playCoordinates(ROOK_GIVEN_AWAY);
    game->setComment(8, utf8ToGbkLossy("送车"));
    GameInfoWindow::instance().open();
    QVERIFY(session().start(0, byDepth(3)));
    QVERIFY(session().running());
    QVERIFY(ScoreGraphWindow::instance().isOpen());
    QVERIFY(pumpUntil([this] { return !session().running(); }, 120'000));
    const GameReview* r = session().review();
    QVERIFY(r && r->complete());
    QCOMPARE(r->move(8).verdict.mark, MARK_BLUNDER);
    // The user's text first, then the review's line.
    const std::string& comment = game->recordEntry(8)->comment;
    QCOMPARE(withoutReviewLines(comment), utf8ToGbkLossy("送车"));
    QCOMPARE(reviewMarkOf(comment), MARK_BLUNDER);
    QVERIFY(game->modified());
    // Ply 9 is the first move of row 4: its text carries ??.
    pump(60);
    toolIdle();
    auto* list = GameInfoWindow::instance().control<QTreeWidget>(IDC_RECORD_LIST);
    QVERIFY(list);
    QVERIFY(list->topLevelItem(4)->text(1).contains(QStringLiteral("??")));
    // The better move stands beside it as a variation, with its score; the line shown stays.
    using Alternatives = std::vector<std::pair<PackedMove, std::string>>;
    QCOMPARE(reviewedAlternatives(8), (Alternatives{{r->ply(8).bestMove, reviewScoreLine(r->ply(8).score)}}));
    QCOMPARE(game->recordSize(), 10);
    // A second review replaces its own line and keeps the user's text.
    QVERIFY(session().start(0, byDepth(3)));
    QVERIFY(pumpUntil([this] { return !session().running(); }, 120'000));
    QCOMPARE(withoutReviewLines(game->recordEntry(8)->comment), utf8ToGbkLossy("送车"));
    QCOMPARE(QString::fromStdString(game->recordEntry(8)->comment).count(QString::fromStdString(REVIEW_LINE_PREFIX)), 1);
    r = session().review();
    QCOMPARE(reviewedAlternatives(8), (Alternatives{{r->ply(8).bestMove, reviewScoreLine(r->ply(8).score)}}));
    // The graph shows a review only while the record is the one reviewed.
    QVERIFY(session().review());
    game->newGame();
    QVERIFY(!session().review());
}

void ReviewWindowTest::theRecordIsGuardedWhileItRunsAndCancelKeepsTheFinished() {
    playCoordinates(ROOK_GIVEN_AWAY);
    game->addVariation(0, readCoordinateMove("b2e2"));
    GameInfoWindow& info = GameInfoWindow::instance();
    info.open();
    auto* list = info.control<QTreeWidget>(IDC_RECORD_LIST);
    ReviewOptions slow;
    slow.limit.moveTimeMs = 1000;
    QVERIFY(session().start(0, slow));
    QVERIFY(pumpUntil([this] { return session().review() && session().review()->analysed() >= 2; }, 60'000));
    QVERIFY(session().running());
    {
        MessageAnswerer answers(QMessageBox::Ok);
        w->onCommand(CMD_UNDO);
        w->onCommand(CMD_OPEN);
        w->onCommand(CMD_NEW_GAME);
        QCOMPARE(answers.texts.size(), 3);
        QVERIFY(answers.texts.first().contains(QStringLiteral("复盘")));
        QCOMPARE(game->moveCount(), 10);
        // A piece cannot be taken up on the board either.
        dragPoint(w->boardView(), {0, 3}, {0, 4});
        QCOMPARE(game->moveCount(), 10);
        QCOMPARE(answers.texts.size(), 4);
        // Nor can the record list leave the position being reviewed.
        QTest::keyClick(list, Qt::Key_Home);
        toolIdle();
        QCOMPARE(game->moveCount(), 10);
        QCOMPARE(answers.texts.size(), 5);
    }
    // 取消 in the progress window ends it; the finished positions stay.
    auto* cancel = ReviewProgressWindow::instance().cancelButton();
    QVERIFY(cancel);
    cancel->click();
    QVERIFY(!session().running());
    QVERIFY(!ReviewProgressWindow::instance().isOpen());
    const GameReview* r = session().review();
    QVERIFY(r);
    QVERIFY(r->analysed() >= 2);
    QVERIFY(r->analysed() < r->positions());
    QVERIFY(r->ply(0).done);
    QVERIFY(!r->ply(r->positions() - 1).done);
    // Undo works again.
    w->onCommand(CMD_UNDO);
    QVERIFY(pumpUntil([this] { return game->moveCount() == 9; }, 2000));
}

void ReviewWindowTest::graphClickGoesToThePlyAndSavesAPicture() {
    playCoordinates(ROOK_GIVEN_AWAY);
    QVERIFY(session().start(0, byDepth(2)));
    QVERIFY(pumpUntil([this] { return !session().running(); }, 60'000));
    ScoreGraphWindow& window = ScoreGraphWindow::instance();
    window.idle();
    ScoreGraph* graph = window.graph();
    QVERIFY(graph);
    QCOMPARE(graph->plyAt(graph->pointOf(4, 0).x()), 4);
    QTest::mouseClick(graph, Qt::LeftButton, {}, graph->pointOf(4, 0));
    QCOMPARE(game->moveCount(), 4);
    QCOMPARE(game->recordSize(), 10);
    const QString path = QDir::temp().filePath(QStringLiteral("morlan-graph-%1.png").arg(QCoreApplication::applicationPid()));
    QVERIFY(window.savePicture(path));
    QImage picture(path);
    QFile::remove(path);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), graph->size() * graph->devicePixelRatio());
    QVERIFY(!window.savePicture(QStringLiteral("/nonexistent-folder/graph.png")));
}

void ReviewWindowTest::closingTheProgramEndsARunningReview() {
    playCoordinates(ROOK_GIVEN_AWAY);
    ReviewOptions slow;
    slow.limit.moveTimeMs = 2000;
    QVERIFY(session().start(0, slow));
    QVERIFY(pumpUntil([this] { return session().review() && session().review()->analysed() >= 1; }, 60'000));
    session().shutdown();
    QVERIFY(!session().running());
    QVERIFY(!session().review());
    QVERIFY(!ReviewProgressWindow::instance().isOpen());
    for (int i = 0; i < game->recordSize(); ++i) QVERIFY(game->recordEntry(i)->comment.empty());
    // The record is free again, and a new review can start.
    w->onCommand(CMD_UNDO);
    QVERIFY(pumpUntil([this] { return game->moveCount() == 9; }, 2000));
    QVERIFY(session().start(0, byDepth(1)));
    QVERIFY(pumpUntil([this] { return !session().running(); }, 60'000));
}

// The review's engine choice follows the engine manager: the built-in engine
// first, then each outside engine by its name.
void ReviewWindowTest::theDialogOffersTheManagersEngines() {
    w->engines().applyList(EngineList());
    QCOMPARE(reviewEngineNames().size(), std::size_t{1});
    EngineList list;
    EngineEntry outside;
    outside.name = QStringLiteral("Fairy-Stockfish");
    outside.path = QStringLiteral("/usr/games/fairy-stockfish");
    list.add(outside);
    w->engines().applyList(list);
    const std::vector<std::string> names = reviewEngineNames();
    QCOMPARE(names.size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(names[1]), QStringLiteral("Fairy-Stockfish"));
    w->engines().applyList(EngineList());
}

SHELL_TEST(ReviewWindowTest);
// A review started while the computer thinks its move stops that search;
// the computer's turn comes back when the review ends or is cancelled.
void ReviewWindowTest::theComputersTurnResumesAfterTheReview() {
    playCoordinates("h2e2 h9g7");
    for (const bool cancel : {false, true}) {
        game->computerMove();
        QCOMPARE(game->thinkingStatus(), THINKING_MOVE);
        QVERIFY(session().start(0, byDepth(cancel ? 6 : 1)));
        QCOMPARE(game->thinkingStatus(), THINKING_IDLE);
        if (cancel) session().cancel();
        QVERIFY(pumpUntil([this] { return !session().running(); }, 120'000));
        QCOMPARE(game->thinkingStatus(), THINKING_MOVE);
        game->stopThinking();
    }
}

// An outside engine reviews as the engine manager set it up to play: under
// its protocol, with the values chosen for its options.
void ReviewWindowTest::anOutsideEngineReviewsAsItPlays() {
    const QString heard = QDir::current().filePath(QStringLiteral("fake-heard.txt"));
    QFile::remove(heard);
    EngineEntry fake;
    fake.name = QStringLiteral("Fake");
    fake.path = fakeEngine(QStringLiteral("hang"), heard);  // no answer: nothing moves on before the cancel
    fake.protocol = QStringLiteral("ucci");
    fake.options = {{QStringLiteral("hashsize"), EngineOption::SPIN, QStringLiteral("16"), 0, 1024, {}}};
    fake.values[QStringLiteral("hashsize")] = QStringLiteral("64");
    EngineList list;
    list.add(fake);
    w->engines().applyList(list);
    playCoordinates("h2e2 h9g7");
    const auto heardLines = [&] {
        QFile f(heard);
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).split(QLatin1Char('\n')) : QStringList();
    };
    QVERIFY(session().start(1, byDepth(1)));
    QVERIFY(pumpUntil([&] { return !heardLines().filter(QStringLiteral("go")).isEmpty(); }, 20'000));
    session().cancel();
    const QStringList lines = heardLines();
    QCOMPARE(lines.first(), QStringLiteral("ucci"));
    QVERIFY(lines.contains(QStringLiteral("setoption hashsize 64")));
    w->engines().applyList(EngineList());
}

#include "game_review_window_test.moc"
