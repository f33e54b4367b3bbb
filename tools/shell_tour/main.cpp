// morlan-tour <folder>: plays the desktop program as a player would and
// takes screenshots of the whole screen into the folder: the start
// position, a drag in progress, the computer's reply, and a finished game
// with its end-of-game message. Run it under a display (tools/screenshots.sh
// starts one with Xvfb).
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "engine/engine.h"
#include "game/game.h"
#include "shell/board/board_view.h"
#include "shell/main_window/command_ids.h"
#include "shell/main_window/main_window.h"
#include "tools/screen_shots/screen_shots.h"

namespace {

QString outFolder;

void shoot(const char* name) { shootScreen(outFolder, name); }

QPoint centre(const BoardView& v, GridPoint p) { return v.cellCentre(p); }

void moveMouse(BoardView& v, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, v.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&v, &move);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    outFolder = shotFolder(argc, argv);
    QTimer idle;
    startProgram(idle);
    MainWindow& window = MainWindow::instance();
    window.move(20, 20);
    BoardView& view = window.boardView();
    Game& game = Game::instance();
    pump(800);
    shoot("1-start.png");

    // 炮二平五, dragged by hand; the picture is taken halfway.
    const QPoint from = centre(view, {1, 2});
    const QPoint to = centre(view, {4, 2});
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, from);
    moveMouse(view, from + (to - from) / 2 + QPoint(0, -6));
    pump(100);
    shoot("2-drag.png");
    moveMouse(view, to);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, to);
    pumpUntil([&] { return game.moveCount() >= 2 && !window.isAnimating(); }, 30000);
    pump(300);
    shoot("3-reply.png");

    // The computer plays both sides, quickly, to the end of the game.
    window.mainMenu().setChecked(CheckMark::Animation, false);
    window.setCustomLimits({LIMIT_DEPTH, 3, 0});
    game.setLevel(LEVEL_CUSTOM);
    thinkingEngine().setLimits({LIMIT_DEPTH, 3, 0});
    window.onCommand(CMD_MODE_DEMO);
    // The end-of-game message opens its own event loop: a timer looks for it.
    bool ended = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || ended) return;
        ended = true;
        pump(300);
        shoot("4-finished.png");
        std::fprintf(stderr, "game ended after %d plies: result %d\n", game.moveCount(), int(game.result()));
        box->accept();
    });
    watcher.start(50);
    pumpUntil([&] { return ended; }, 300000);
    pump(200);
    shoot("5-after-message.png");
    game.setModified(false);
    window.close();
    return ended ? 0 : 1;
}
