// The clock window: how the time reads, which clock runs when, that the
// clocks hold still while a move slides, and what the window shows.
#include <QLabel>
#include <QTest>

#include "game/game.h"
#include "shell/board/board_view.h"
#include "shell/windows/game_clock.h"
#include "shell/main_window/main_window.h"
#include "shell/windows/timer_window.h"
#include "shell_support.h"
#include "tool_window_support.h"

class TimerWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void timesRead();
    void onlyTheSideToMovesClockRuns();
    void aReadingOfZeroDoesNotStartTheClocks();
    void theWindowShowsWholeSeconds();
    void noSwitchWhileAMoveSlides();
    void gameOverStopsAndResumes();
    void browsingBackStopsTheTimeUsed();
    void underAControlTheWindowShowsTheTimeLeft();
};

void TimerWindowTest::timesRead() {
    QCOMPARE(formatClock(0), std::string("00:00:00"));
    QCOMPARE(formatClock(999), std::string("00:00:00"));
    QCOMPARE(formatClock(1000), std::string("00:00:01"));
    QCOMPARE(formatClock(59999), std::string("00:00:59"));
    QCOMPARE(formatClock(60000), std::string("00:01:00"));
    QCOMPARE(formatClock(3599999), std::string("00:59:59"));
    QCOMPARE(formatClock(3600000), std::string("01:00:00"));
    QCOMPARE(formatClock(100LL * 3600000 + 61000), std::string("100:01:01"));
}

void TimerWindowTest::onlyTheSideToMovesClockRuns() {
    GameClock c;
    c.restart(1000);
    QVERIFY(c.running);
    // Until the first tick neither clock runs.
    QCOMPARE(c.redElapsed(5000), std::int64_t{0});
    QCOMPARE(c.blackElapsed(5000), std::int64_t{0});
    c.tick(SIDE_RED, 2000);
    QCOMPARE(c.redElapsed(4500), std::int64_t{2500});
    QCOMPARE(c.blackElapsed(4500), std::int64_t{0});
    // A second tick for the same side changes nothing.
    c.tick(SIDE_RED, 4000);
    QCOMPARE(c.redElapsed(4500), std::int64_t{2500});
    c.tick(SIDE_BLACK, 6000);
    QCOMPARE(c.redElapsed(9000), std::int64_t{4000});
    QCOMPARE(c.blackElapsed(7000), std::int64_t{1000});
    c.stop(8000);
    QVERIFY(!c.running);
    QCOMPARE(c.redElapsed(20000), std::int64_t{4000});
    QCOMPARE(c.blackElapsed(20000), std::int64_t{2000});
    // Resumed two seconds later: the pause does not count.
    c.resume();
    c.tick(SIDE_BLACK, 10000);
    QCOMPARE(c.blackElapsed(11000), std::int64_t{3000});
    QCOMPARE(c.redElapsed(11000), std::int64_t{4000});
    c.tick(SIDE_RED, 12000);
    QCOMPARE(c.redElapsed(13000), std::int64_t{5000});
    QCOMPARE(c.blackElapsed(13000), std::int64_t{4000});
}

void TimerWindowTest::aReadingOfZeroDoesNotStartTheClocks() {
    GameClock c;
    c.reset(0);
    QCOMPARE(c.redElapsed(5000), std::int64_t{0});
    QCOMPARE(c.blackElapsed(5000), std::int64_t{0});
}

void TimerWindowTest::theWindowShowsWholeSeconds() {
    freshGame();
    TimerWindow& timer = TimerWindow::instance();
    timer.open();
    pump(100);
    auto* red = timer.control<QLabel>(IDC_RED_TIME);
    auto* black = timer.control<QLabel>(IDC_BLACK_TIME);
    QVERIFY(red && black);
    QCOMPARE(red->text(), QStringLiteral("00:00:00"));
    QVERIFY(pumpUntil([&] { return red->text() == QStringLiteral("00:00:01"); }, 3000));
    QCOMPARE(black->text(), QStringLiteral("00:00:00"));
    // Closed, the clocks go on; reopened, the window shows them again.
    timer.close();
    QVERIFY(!timer.isOpen());
    pump(1100);
    timer.open();
    pump(60);
    red = timer.control<QLabel>(IDC_RED_TIME);
    QVERIFY(red->text() >= QStringLiteral("00:00:02"));
    // Set-up stops both clocks at zero.
    timer.reset();
    QCOMPARE(red->text(), QStringLiteral("00:00:00"));
    QVERIFY(!timer.clock().running);
    timer.close();
}

void TimerWindowTest::noSwitchWhileAMoveSlides() {
    MainWindow& w = freshGame();
    TimerWindow& timer = TimerWindow::instance();
    pump(60);
    QCOMPARE(timer.clock().redPausedAt, std::int64_t{0});  // Red's clock runs
    QVERIFY(timer.clock().blackPausedAt != 0);
    // The computer's move is on the game board while it still slides.
    w.mainMenu().setChecked(CheckMark::Animation, true);
    Game& game = Game::instance();
    game.makeMove(CANNON_TO_CENTRE);
    bool shown = false;
    w.boardView().startAnimation(CANNON_TO_CENTRE, [&shown] { shown = true; });
    QVERIFY(w.isAnimating());
    timer.idle();
    QCOMPARE(timer.clock().redPausedAt, std::int64_t{0});
    QVERIFY(timer.clock().blackPausedAt != 0);
    QVERIFY(pumpUntil([&] { return shown; }, 3000));
    pump(60);
    QVERIFY(timer.clock().redPausedAt != 0);
    QCOMPARE(timer.clock().blackPausedAt, std::int64_t{0});
    w.mainMenu().setChecked(CheckMark::Animation, false);
}

void TimerWindowTest::gameOverStopsAndResumes() {
    MainWindow& w = freshGame();
    TimerWindow& timer = TimerWindow::instance();
    QVERIFY(timer.clock().running);
    w.clockGameOver();
    QVERIFY(!timer.clock().running);
    QVERIFY(timer.clock().redPausedAt != 0 && timer.clock().blackPausedAt != 0);
    w.clockGameResumed();
    QVERIFY(timer.clock().running);
    pump(60);
    QCOMPARE(timer.clock().redPausedAt, std::int64_t{0});
}

void TimerWindowTest::browsingBackStopsTheTimeUsed() {
    freshGame();
    TimerWindow& timer = TimerWindow::instance();
    Game& game = Game::instance();
    game.makeMove(CANNON_TO_CENTRE);
    pump(60);
    QCOMPARE(timer.clock().blackPausedAt, std::int64_t{0});
    game.undo();  // looking back: nobody's time counts
    timer.idle();
    QVERIFY(timer.clock().redPausedAt != 0 && timer.clock().blackPausedAt != 0);
    const std::int64_t black = timer.clock().blackElapsed(BoardView::now());
    pump(300);
    QCOMPARE(timer.clock().blackElapsed(BoardView::now()), black);
    game.redo();
    pump(60);
    QCOMPARE(timer.clock().blackPausedAt, std::int64_t{0});
}

void TimerWindowTest::underAControlTheWindowShowsTheTimeLeft() {
    QCOMPARE(formatRemaining({599'001, 0, false, false}), std::string("0:10:00"));
    QCOMPARE(formatRemaining({3'723'000, 0, false, false}), std::string("1:02:03"));
    QCOMPARE(formatRemaining({0, 25'000, true, false}), std::string("读秒 0:25"));
    QCOMPARE(formatRemaining({0, 0, true, true}), std::string("读秒 0:00"));
    freshGame();
    Game& game = Game::instance();
    game.setTimeControls({TimeControlKind::Sudden, 600'000, 0, 0, 0}, {TimeControlKind::Byoyomi, 0, 0, 30'000, 0});
    TimerWindow& timer = TimerWindow::instance();
    timer.open();
    pump(60);
    QCOMPARE(timer.control<QLabel>(IDC_RED_TIME)->text(), QStringLiteral("0:10:00"));
    QCOMPARE(timer.control<QLabel>(IDC_BLACK_TIME)->text(), QStringLiteral("读秒 0:30"));
    QCOMPARE(timer.control<QLabel>(IDC_RED_CAPTION)->text(), QStringLiteral("红方剩余"));
    game.setTimeControls({}, {});
    pump(60);
    QCOMPARE(timer.control<QLabel>(IDC_RED_CAPTION)->text(), QStringLiteral("红方用时"));
    timer.close();
}

SHELL_TEST(TimerWindowTest);
#include "timer_window_test.moc"
