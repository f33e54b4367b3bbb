// The situation window: the verdict's thresholds, the bar's proportions,
// a result shown for its own position only, stepping through the
// variation on the board and back, the guess of background thinking, and
// set-up never showing what was stored for another position.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>
#include <cmath>
#include <memory>

#include "engine/engine.h"
#include "game/game.h"
#include "shell/board/board_view.h"
#include "shell/main_window/command_ids.h"
#include "shell/windows/engine_lines_panel.h"
#include "shell/windows/eval_bar.h"
#include "shell/main_window/main_window.h"
#include "shell/windows/setup_window.h"
#include "shell/windows/situation_window.h"
#include "shell_support.h"
#include "tool_window_support.h"

class SituationWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void setupNeverShowsAStoredBoard();
    void verdictThresholds();
    void barProportions();
    void bothEnginesScoresReadAlike();
    void oneIterationShowsNoVariation();
    void resultBelongsToItsPosition();
    void steppingThroughTheVariation();
    void closingPutsTheGameBack();
    void restoreAfterUnknownKeepsTheGamesBoard();
    void closingMendsAnyOtherBoard();
    void wheelNotchLeavesTheBarFollowingTheResult();
    void guessOfBackgroundThinking();
    void builtInAnalysisFillsTheEngineLines();

private:
    MainWindow* w = nullptr;
    Game* game = nullptr;
    SituationWindow& window() { return SituationWindow::instance(); }
    QTreeWidget* list() { return window().control<QTreeWidget>(IDC_VARIATION_LIST); }
    QScrollBar* bar() { return window().control<QScrollBar>(IDC_VARIATION_SCROLL); }
    QString verdict() { return window().control<QLabel>(IDC_VERDICT)->text(); }
    void settle() {
        toolIdle();
        pump(60);
    }
    // A result for the game's current position: score, and a last line of
    // the given moves (iterations as given, depth = the line's length).
    std::unique_ptr<SearchResult> result(int score, std::initializer_list<PackedMove> line, int iterations = 2) {
        auto r = std::make_unique<SearchResult>();
        r->score = static_cast<std::int16_t>(score);
        r->iterations = static_cast<std::uint8_t>(iterations);
        r->depth = static_cast<std::uint8_t>(line.size());
        SearchResultLine& last = r->lines[iterations - 1];
        last.length = static_cast<std::uint8_t>(line.size());
        int i = 0;
        for (PackedMove m : line) last.moves[i++] = m;
        return r;
    }
};

void SituationWindowTest::init() {
    w = &freshGame();
    game = &Game::instance();
}

void SituationWindowTest::cleanup() {
    window().close();
    if (SetupWindow::instance().isOpen()) {
        w->boardView().showPosition(INITIAL_BOARD, SIDE_RED);
        SetupWindow::instance().finish();
    }
}

// First, while nothing has been searched: the stored board is all zeros.
void SituationWindowTest::setupNeverShowsAStoredBoard() {
    QVERIFY(!window().hasAnalysis());
    game->enterSetup();
    SetupWindow::instance().control<QAbstractButton>(IDC_CLEAR_BOARD)->click();
    window().open();
    settle();
    QCOMPARE(verdict(), QStringLiteral("局势未知"));
    QCOMPARE(w->boardView().viewBoard(), kingsOnlyBoard());
    // A result that arrives for the position before set-up is not shown over it.
    w->showSearchResult(result(500, {CANNON_TO_CENTRE, BLACK_HORSE_OUT}).get(), 0);
    settle();
    QCOMPARE(verdict(), QStringLiteral("局势未知"));
    QCOMPARE(w->boardView().viewBoard(), kingsOnlyBoard());
    QCOMPARE(list()->topLevelItemCount(), 0);
    window().close();
    QCOMPARE(w->boardView().viewBoard(), kingsOnlyBoard());
}

void SituationWindowTest::verdictThresholds() {
    const struct {
        int score;
        const char* text;
    } cases[] = {
        {0, "双方均势"},       {300, "双方均势"},     {-300, "双方均势"},    {301, "红方优势"},
        {-301, "黑方优势"},    {2000, "红方优势"},    {2001, "红方胜势"},    {-2001, "黑方胜势"},
        {29872, "红方胜势"},   {29873, "红方必胜"},   {-29872, "黑方胜势"},  {-29873, "黑方必胜"},
    };
    for (const auto& c : cases) QCOMPARE(QString::fromUtf8(verdictText(c.score)), QString::fromUtf8(c.text));
}

void SituationWindowTest::barProportions() {
    auto columns = [](const QImage& image, QRgb colour) {
        int n = 0;
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, 2) == colour;
        return n;
    };
    const QRgb black = qRgb(0, 0, 0), red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
    // Even: black on the left half, red on the right, the white line between.
    const QImage even = drawEvalBar(0, 146, 8);
    QCOMPARE(columns(even, black), 73);
    QCOMPARE(columns(even, white), 1);
    QCOMPARE(columns(even, red), 72);
    QCOMPARE(even.pixel(72, 0), black);
    QCOMPARE(even.pixel(73, 7), white);
    QCOMPARE(even.pixel(74, 4), red);
    // 2000 for Red: 99 % red (0.98 of the bar's reach).
    const QImage winning = drawEvalBar(2000, 146, 8);
    QCOMPARE(evalBarRedStart(2000, 146), 1);
    QCOMPARE(columns(winning, black), 1);
    QCOMPARE(evalBarRedStart(-2000, 146), 144);
    QCOMPARE(evalBarRedStart(1000, 146), 37);
    QCOMPARE(evalBarRedStart(30000, 146), 0);
    QCOMPARE(evalBarRedStart(-30000, 146), 146);
    QCOMPARE(evalBarRedStart(5000, 146), evalBarRedStart(29872, 146));
    // The window's bar draws the score shown.
    window().open();
    w->showSearchResult(result(1000, {CANNON_TO_CENTRE}).get(), 0);
    settle();
    auto* widget = window().control<EvalBar>(IDC_EVAL_BAR);
    QCOMPARE(widget->score(), 1000);
    const QImage drawn = widget->grab().toImage();
    QCOMPARE(drawn.pixel(1, 1), black);
    QCOMPARE(drawn.pixel(drawn.width() - 2, 1), red);
}

// The same position scored by the built-in engine (points) and by an
// outside one (centipawns at the measured rate, or a mate) gets the same
// verdict and bar, whichever side is to move.
void SituationWindowTest::bothEnginesScoresReadAlike() {
    const struct {
        int points;
        EngineInfo::ScoreKind kind;
        int outside;  // centipawns or moves to mate, from Red's view
    } cases[] = {
        {0, EngineInfo::CENTIPAWNS, 0},          {400, EngineInfo::CENTIPAWNS, 150},
        {-400, EngineInfo::CENTIPAWNS, -150},    {1500, EngineInfo::CENTIPAWNS, 561},
        {2500, EngineInfo::CENTIPAWNS, 935},     {-2500, EngineInfo::CENTIPAWNS, -935},
        {MATE_SCORE - 5, EngineInfo::MATE, 3},   {-(MATE_SCORE - 4), EngineInfo::MATE, -2},
    };
    for (const auto& c : cases) {
        for (const Side side : {SIDE_RED, SIDE_BLACK}) {
            EngineInfo info;
            info.scoreKind = c.kind;
            info.sideToMove = side;
            info.score = side == SIDE_RED ? c.outside : -c.outside;
            const int outside = outsideScore(info);
            QCOMPARE(QString::fromUtf8(verdictText(outside)), QString::fromUtf8(verdictText(c.points)));
            QVERIFY2(std::abs(evalBarFraction(outside) - evalBarFraction(c.points)) < 0.01f,
                     qPrintable(QString::number(c.points)));
        }
    }
}

void SituationWindowTest::oneIterationShowsNoVariation() {
    window().open();
    w->showSearchResult(result(-450, {CANNON_TO_CENTRE, BLACK_HORSE_OUT}, 1).get(), 0);
    settle();
    QCOMPARE(verdict(), QStringLiteral("黑方优势"));
    QCOMPARE(window().control<EvalBar>(IDC_EVAL_BAR)->score(), -450);
    QCOMPARE(list()->topLevelItemCount(), 0);
    QVERIFY(!bar()->isEnabled());
}

void SituationWindowTest::resultBelongsToItsPosition() {
    window().open();
    w->showSearchResult(result(320, {CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT}).get(), 0);
    settle();
    QCOMPARE(verdict(), QStringLiteral("红方优势"));
    QCOMPARE(list()->topLevelItemCount(), 2);
    QCOMPARE(list()->topLevelItem(1)->text(1), QStringLiteral("马二进三"));
    // Another position: unknown, the list empty, the bar kept.
    playMoves({CANNON_TO_CENTRE});
    settle();
    QCOMPARE(verdict(), QStringLiteral("局势未知"));
    QCOMPARE(list()->topLevelItemCount(), 0);
    QVERIFY(!bar()->isEnabled());
    QCOMPARE(window().control<EvalBar>(IDC_EVAL_BAR)->score(), 320);
    // Back on it, the result shows again.
    game->goToPly(0);
    settle();
    QCOMPARE(verdict(), QStringLiteral("红方优势"));
    QCOMPARE(list()->topLevelItemCount(), 2);
    // A search that starts withdraws it.
    w->showSearchResult(nullptr, 0);
    settle();
    QCOMPARE(verdict(), QStringLiteral("局势未知"));
    // After the computer's move the variation leaves out the move played.
    playMoves({CANNON_TO_CENTRE});
    w->showSearchResult(result(0, {CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT}).get(), 1);
    settle();
    QCOMPARE(window().variation().size(), std::size_t{2});
    QCOMPARE(list()->topLevelItem(0)->text(1), QStringLiteral("马８进７"));
    // A new game puts the bar back to even.
    w->situationReset();
    QCOMPARE(window().control<EvalBar>(IDC_EVAL_BAR)->score(), 0);
}

void SituationWindowTest::steppingThroughTheVariation() {
    window().open();
    w->showSearchResult(result(100, {CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT, BLACK_ROOK_ACROSS}).get(), 0);
    settle();
    QVERIFY(bar()->isEnabled());
    QCOMPARE(bar()->maximum(), 4);
    QCOMPARE(bar()->value(), 0);
    BoardView& view = w->boardView();
    Board90 afterTwo = INITIAL_BOARD;
    afterTwo[boardIndex(4, 2)] = 5;
    afterTwo[boardIndex(1, 2)] = NO_PIECE;
    afterTwo[boardIndex(2, 7)] = 10;
    afterTwo[boardIndex(1, 9)] = NO_PIECE;
    // A double-click on the second move shows the board after it.
    doubleClickCell(list(), 0, 2);
    QCOMPARE(window().step(), 2);
    QCOMPARE(view.viewBoard(), afterTwo);
    QCOMPARE(view.viewSide(), SIDE_RED);
    QCOMPARE(list()->topLevelItem(0)->text(2), QStringLiteral("马８进７*"));
    QCOMPARE(bar()->value(), 2);
    // No piece can be picked up from a preview.
    QVERIFY(!view.hitTest(pointCentre(view, {4, 2})).ok);
    // The scroll bar steps on.
    bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(window().step(), 3);
    QCOMPARE(list()->topLevelItem(0)->text(2), QStringLiteral("马８进７"));
    QCOMPARE(list()->topLevelItem(1)->text(1), QStringLiteral("马二进三*"));
    QCOMPARE(view.viewSide(), SIDE_BLACK);
    bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(window().step(), 4);
    // Column 0 of row 1: the position before its first move.
    window().doubleClicked(1, 0);
    QCOMPARE(window().step(), 2);
    // "还原(&R)" from the "Pv" menu shows the game's position again.
    QTimer::singleShot(50, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    Q_EMIT list()->customContextMenuRequested(QPoint(5, 5));
    pump(60);
    QCOMPARE(window().step(), 0);
    QCOMPARE(view.viewBoard(), game->board());
    QCOMPARE(bar()->value(), 0);
    QVERIFY(view.hitTest(pointCentre(view, {1, 2})).ok);
}

void SituationWindowTest::closingPutsTheGameBack() {
    window().open();
    w->showSearchResult(result(100, {CANNON_TO_CENTRE, BLACK_HORSE_OUT}).get(), 0);
    settle();
    window().applyStep(1);
    QVERIFY(w->boardView().viewBoard() != game->board());
    window().close();
    QCOMPARE(w->boardView().viewBoard(), game->board());
    QCOMPARE(w->boardView().viewSide(), game->sideToMove());
}

// Book off, 电脑走, a variation row previewed, 悔棋: the window shows
// "unknown"; its empty list offers no 还原, and the board stays the game's.
void SituationWindowTest::restoreAfterUnknownKeepsTheGamesBoard() {
    game->setUseBook(false);
    w->setCustomLimits({LIMIT_DEPTH, 4, 0});
    game->setLevel(LEVEL_CUSTOM);
    window().open();
    w->onCommand(CMD_COMPUTER_MOVE);
    QVERIFY(pumpUntil([this] { return game->moveCount() == 1 && game->thinkingStatus() == THINKING_IDLE; }, 20000));
    settle();
    QVERIFY(list()->topLevelItemCount() > 0);
    doubleClickCell(list(), 0, 1);
    QCOMPARE(window().step(), 1);
    w->onCommand(CMD_UNDO);
    QVERIFY(pumpUntil([this] { return !w->isAnimating(); }, 3000));
    settle();
    QCOMPARE(game->moveCount(), 0);
    QCOMPARE(verdict(), QStringLiteral("局势未知"));
    QCOMPARE(window().step(), 0);
    bool offered = false;
    QTimer::singleShot(50, [&offered] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            offered = true;
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    Q_EMIT list()->customContextMenuRequested(QPoint(5, 5));
    pump(100);
    QVERIFY(!offered);
    BoardView& view = w->boardView();
    QCOMPARE(view.viewBoard(), game->board());
    QVERIFY(view.hitTest(pointCentre(view, {1, 2})).ok);
    window().close();
    QCOMPARE(view.viewBoard(), game->board());
    game->setUseBook(true);
    game->setLevel(LEVEL_BEGINNER);
}

// A board put into the view at step 0 (the old analysed position) goes too.
void SituationWindowTest::closingMendsAnyOtherBoard() {
    window().open();
    w->showSearchResult(result(100, {CANNON_TO_CENTRE, BLACK_HORSE_OUT}).get(), 0);
    settle();
    playMoves({RED_HORSE_OUT});
    settle();
    window().applyStep(0);
    QCOMPARE(window().step(), 0);
    QVERIFY(w->boardView().viewBoard() != game->board());
    window().close();
    QCOMPARE(w->boardView().viewBoard(), game->board());
    QCOMPARE(w->boardView().viewSide(), game->sideToMove());
}

void SituationWindowTest::wheelNotchLeavesTheBarFollowingTheResult() {
    window().open();
    w->showSearchResult(result(100, {CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT, BLACK_ROOK_ACROSS}).get(), 0);
    settle();
    wheelNotch(bar(), -1);
    settle();
    QVERIFY(window().step() > 0);
    QCOMPARE(bar()->value(), window().step());
    w->showSearchResult(result(50, {CANNON_TO_CENTRE, BLACK_HORSE_OUT}).get(), 0);
    settle();
    QCOMPARE(bar()->maximum(), 2);
    QCOMPARE(bar()->value(), 0);
    playMoves({RED_HORSE_OUT});
    settle();
    QVERIFY(!bar()->isEnabled());
}

void SituationWindowTest::guessOfBackgroundThinking() {
    window().open();
    Engine& rules = plainEngine();
    rules.setPosition(game->board(), game->sideToMove());
    const std::uint64_t key = rules.getHashKey();
    PonderExport record{};
    record.limits = {LIMIT_TIME, 0, 2};
    record.keyBefore[0] = static_cast<std::uint32_t>(key);
    record.keyBefore[1] = static_cast<std::uint32_t>(key >> 32);
    record.guessedMove = CANNON_TO_CENTRE;
    record.preparedReply = BLACK_HORSE_OUT;
    w->showPonderRecord(&record);
    settle();
    QCOMPARE(window().control<QLineEdit>(IDC_GUESSED_MOVE)->text(), QStringLiteral("炮二平五"));
    QCOMPARE(window().control<QLineEdit>(IDC_PREPARED_REPLY)->text(), QStringLiteral("马８进７"));
    QVERIFY(window().control<QLineEdit>(IDC_GUESSED_MOVE)->isReadOnly());
    // Another position: empty.
    playMoves({RED_HORSE_OUT});
    settle();
    QCOMPARE(window().control<QLineEdit>(IDC_GUESSED_MOVE)->text(), QString());
    game->goToPly(0);
    settle();
    QCOMPARE(window().control<QLineEdit>(IDC_GUESSED_MOVE)->text(), QStringLiteral("炮二平五"));
    // Background thinking starts again: the guess goes.
    w->showPonderRecord(nullptr);
    settle();
    QCOMPARE(window().control<QLineEdit>(IDC_PREPARED_REPLY)->text(), QString());
}

// 分析棋局 with the built-in engine: the engine lines show its name, the
// depth, score, speed and nodes of each iteration and its line in Chinese;
// the arrow shows the line's first move while the analysis runs.
void SituationWindowTest::builtInAnalysisFillsTheEngineLines() {
    game->setMode(MODE_TWO_HUMANS);
    w->mainMenu().setChecked(CheckMark::NonstopAnalysis, true);
    window().open();
    EngineLinesPanel* panel = window().linesPanel();
    QVERIFY(panel);
    w->onCommand(CMD_ANALYSE);
    QCOMPARE(game->thinkingStatus(), THINKING_ANALYSIS);
    const auto deepEnough = [&] {
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("深度 (\\d+)")).match(panel->statsLabel()->text());
        return m.hasMatch() && m.captured(1).toInt() >= 3;
    };
    QVERIFY2(pumpUntil(deepEnough, 30000), qPrintable(panel->statsLabel()->text()));
    QCOMPARE(panel->nameLabel()->text(), QStringLiteral("Morlan"));
    for (const char* part : {"分数 ", "速度 ", "节点 "}) QVERIFY(panel->statsLabel()->text().contains(QString::fromUtf8(part)));
    QCOMPARE(panel->lineList()->topLevelItemCount(), 1);
    const QString line = panel->lineList()->topLevelItem(0)->text(3);
    QVERIFY2(line.contains(QChar(0x8FDB)) || line.contains(QChar(0x5E73)), qPrintable(line));  // 进 or 平
    QVERIFY(!window().variation().empty());
    BoardView& view = w->boardView();
    QVERIFY(pumpUntil([&] { return view.arrowShown(); }, 5000));
    QCOMPARE(view.arrow(), window().variation().front());
    w->onCommand(CMD_STOP_THINKING);
    w->mainMenu().setChecked(CheckMark::NonstopAnalysis, false);
    QCOMPARE(game->thinkingStatus(), THINKING_IDLE);
    QVERIFY(!view.arrowShown());
}

SHELL_TEST(SituationWindowTest);
#include "situation_window_test.moc"
