// The settings through two runs of the program: the first run opens and
// places tool windows and changes the play settings, then closes, which
// writes Tevrin.cfg; a second process starts as the program starts, from
// the same folder, and reports what it finds.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <cstdio>

#include "engine/engine.h"
#include "game/game.h"
#include "shell/main_window/app.h"
#include "shell/board/board_view.h"
#include "shell/windows/book_window.h"
#include "shell/main_window/command_ids.h"
#include "shell/windows/game_info_window.h"
#include "shell/dialogs/level_dialog.h"
#include "shell/main_window/main_window.h"
#include "shell/windows/situation_window.h"
#include "shell/windows/timer_window.h"
#include "shell_support.h"
#include "tool_window_support.h"

namespace {

constexpr char FOLDER_VARIABLE[] = "MORLAN_SETTINGS_FOLDER";

// One line per window ("time 1 420 30") and one with the play settings.
QStringList describe() {
    QStringList lines;
    const struct {
        const char* key;
        ToolWindow* window;
    } windows[] = {{"time", &TimerWindow::instance()},
                   {"info", &GameInfoWindow::instance()},
                   {"book", &BookWindow::instance()},
                   {"status", &SituationWindow::instance()}};
    for (const auto& w : windows) {
        const QPoint at = w.window->isOpen() ? w.window->window()->pos() : w.window->position();
        lines << QStringLiteral("%1 %2 %3 %4").arg(w.key).arg(w.window->isOpen()).arg(at.x()).arg(at.y());
    }
    Game& game = Game::instance();
    MainWindow& main = MainWindow::instance();
    const SearchRequest custom = LevelDialog::instance().kept();
    const SearchRequest limits = thinkingEngine().configuredLimits;
    lines << QStringLiteral("mode %1 red %2 level %3 custom %4/%5/%6 engine %7/%8/%9")
                 .arg(int(game.mode()))
                 .arg(game.computerPlaysRed())
                 .arg(int(game.level()))
                 .arg(custom.flags)
                 .arg(custom.depth)
                 .arg(custom.seconds)
                 .arg(limits.flags)
                 .arg(limits.depth)
                 .arg(limits.seconds);
    lines << QStringLiteral("reverse %1 animation %2 sound %3 book %4 ponder %5 board %6x%7")
                 .arg(main.boardReversed())
                 .arg(main.mainMenu().isChecked(CheckMark::Animation))
                 .arg(main.mainMenu().isChecked(CheckMark::Sound))
                 .arg(thinkingEngine().getUseBook())
                 .arg(thinkingEngine().getPonderEnabled())
                 .arg(main.boardView().width())
                 .arg(main.boardView().height());
    return lines;
}

}  // namespace

class SettingsRoundTripTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openWindowsReopenAtTheirPlaces();
};

void SettingsRoundTripTest::openWindowsReopenAtTheirPlaces() {
    MainWindow& w = freshGame();
    Game& game = Game::instance();
    w.move(12, 18);
    TimerWindow::instance().setPosition(420, 30);
    TimerWindow::instance().open();
    GameInfoWindow::instance().setPosition(440, 160);
    GameInfoWindow::instance().open();
    // Opened and closed again: its place is kept, it stays closed.
    BookWindow::instance().setPosition(470, 90);
    BookWindow::instance().open();
    BookWindow::instance().close();
    SituationWindow::instance().setPosition(150, 240);
    SituationWindow::instance().open();
    pump(100);
    game.setMode(MODE_TWO_HUMANS);
    game.setComputerSide(SIDE_RED);
    w.setCustomLimits({LIMIT_DEPTH | LIMIT_TIME, 12, 30});
    game.setLevel(LEVEL_CUSTOM);
    thinkingEngine().setLimits({LIMIT_DEPTH | LIMIT_TIME, 12, 30});
    w.rotateBoard();
    w.mainMenu().action(CMD_BOARD_SIZE_FIRST + 2)->trigger();  // 150%
    w.move(12, 18);
    w.mainMenu().setChecked(CheckMark::Sound, false);
    w.mainMenu().setChecked(CheckMark::Animation, false);
    game.setUseBook(false);
    game.setPonderEnabled(false);
    const QStringList first = describe();
    game.setModified(false);
    w.close();
    QVERIFY(QFile::exists(QStringLiteral("Tevrin.cfg")));

    int exitCode = 0;
    const QStringList found = secondRunLines("SettingsSecondRun", FOLDER_VARIABLE, QStringLiteral("settings: "), &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(found, first);
    QVERIFY(first.contains(QStringLiteral("time 1 420 30")));
    QVERIFY(first.contains(QStringLiteral("book 0 470 90")));
    QVERIFY(first.last().endsWith(QStringLiteral("board 586x720")));
}

SHELL_TEST(SettingsRoundTripTest);

// The second run: started by the test above, never on its own.
class SettingsSecondRun : public QObject {
    Q_OBJECT
public:
    SettingsSecondRun() {
        enterFirstRunFolder(FOLDER_VARIABLE);
    }
private Q_SLOTS:
    void startAsTheProgramStarts() {
        QVERIFY(!qgetenv(FOLDER_VARIABLE).isEmpty());
        App::instance().init();
        pump(100);
        for (const QString& line : describe()) std::printf("settings: %s\n", qPrintable(line));
        std::fflush(stdout);
        // The window is where it was.
        QCOMPARE(MainWindow::instance().pos(), QPoint(12, 18));
        Game::instance().setModified(false);
        MainWindow::instance().close();
    }
};

static ShellTestRegistration secondRun("SettingsSecondRun", [] { return static_cast<QObject*>(new SettingsSecondRun); });
#include "settings_round_trip_test.moc"
