// The start as the program starts: what the first frame does not need is
// done after the window shows, and is all there before the first move;
// the sounds' player in particular, which a move made before the board's
// first paint loads itself.
#include <QTest>

#include "engine/book.h"
#include "game/game.h"
#include "shell/board/board_view.h"
#include "shell/main_window/app.h"
#include "shell/main_window/main_menu.h"
#include "shell/main_window/main_window.h"
#include "shell/platform/sound_set.h"
#include "shell_support.h"

namespace {

constexpr GridPoint RED_CANNON{1, 2};
constexpr GridPoint CENTRE{4, 2};

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theBookAndIconAreInBeforeTheFirstGame();
    void theSoundsPlayerLoadsOnceTheBoardHasPainted();
    void aMissingPlayerLeavesTheSoundsSilent();
};

void StartUpTest::theBookAndIconAreInBeforeTheFirstGame() {
    App::instance().init();
    QVERIFY(openingBook().size() > 0);
    QVERIFY(!MainWindow::instance().windowIcon().isNull());
    QVERIFY(SoundSet::instance().hasSound(false));
    QVERIFY(SoundSet::instance().hasSound(true));
}

void StartUpTest::theSoundsPlayerLoadsOnceTheBoardHasPainted() {
    QVERIFY(!SoundSet::instance().ready());
    QVERIFY(pumpUntil([] { return SoundSet::instance().ready(); }, 20000));
}

// Playing loads the player the first time; one that cannot be loaded
// leaves every sound silent, and is not looked for again.
void StartUpTest::aMissingPlayerLeavesTheSoundsSilent() {
    const struct {
        QString module;
        bool plays;
    } cases[] = {
        {SoundSet::programModule(), true},
        {SoundSet::programModule() + QStringLiteral(".missing"), false},
        {QString(), false},
    };
    for (const auto& c : cases) {
        SoundSet sounds(c.module);
        sounds.load();
        QVERIFY(!sounds.ready());
        sounds.play(true);
        QCOMPARE(sounds.ready(), c.plays);
        QCOMPARE(sounds.preparePlayer(), c.plays);
        sounds.release();
    }
}

SHELL_TEST(StartUpTest);

// A move dragged the moment the window is up, before the loop has run.
class FirstMoveSoundTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theFirstMovesSoundLoadsThePlayer() {
        App::instance().init();
        MainWindow& w = MainWindow::instance();
        Game::instance().setMode(MODE_TWO_HUMANS);
        w.mainMenu().setChecked(CheckMark::Sound, true);
        QVERIFY(!SoundSet::instance().ready());
        dragPoint(w.boardView(), RED_CANNON, CENTRE);
        QCOMPARE(Game::instance().moveCount(), 1);
        QVERIFY(SoundSet::instance().ready());
    }
};

SHELL_TEST(FirstMoveSoundTest);

#include "start_up_test.moc"
