// morlan-window-shots <folder>: opens every tool window and dialog of the
// desktop program beside the board, with something in each (a few moves,
// the book moves, an analysis, a set-up in progress), and saves
// screenshots of the whole screen into the folder. Run it under a display
// (tools/window_screenshots.sh starts one with Xvfb).
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>


#include "engine/engine.h"
#include "game/game.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/board/board_view.h"
#include "shell/windows/book_window.h"
#include "shell/main_window/command_ids.h"
#include "shell/windows/game_info_window.h"
#include "shell/dialogs/level_dialog.h"
#include "shell/main_window/main_window.h"
#include "shell/windows/setup_window.h"
#include "shell/windows/situation_window.h"
#include "shell/windows/timer_window.h"
#include "tools/screen_shots/screen_shots.h"

namespace {

QString outFolder;

void shoot(const char* name) { shootScreen(outFolder, name); }

// Shoots a modal dialog once it is up, then closes it.
void shootModal(const char* name) {
    QTimer::singleShot(600, [name] {
        shoot(name);
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
}

QPoint centre(const BoardView& v, GridPoint p) { return v.cellCentre(p); }

void dragOnBoard(BoardView& v, GridPoint from, GridPoint to) {
    const QPoint a = centre(v, from);
    const QPoint b = centre(v, to);
    QTest::mousePress(&v, Qt::LeftButton, Qt::NoModifier, a);
    QMouseEvent move(QEvent::MouseMove, b, v.mapToGlobal(b), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&v, &move);
    QTest::mouseRelease(&v, Qt::LeftButton, Qt::NoModifier, b);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    outFolder = shotFolder(argc, argv);
    QTimer idle;
    startProgram(idle);
    MainWindow& window = MainWindow::instance();
    window.move(0, 0);
    BoardView& view = window.boardView();
    Game& game = Game::instance();
    game.setMode(MODE_TWO_HUMANS);

    const int right = window.frameGeometry().right() + 8;
    TimerWindow::instance().setPosition(right, 0);
    TimerWindow::instance().open();
    BookWindow::instance().setPosition(right, 130);
    BookWindow::instance().open();
    GameInfoWindow::instance().setPosition(right + 240, 0);
    GameInfoWindow::instance().open();
    SituationWindow::instance().setPosition(right, 330);
    SituationWindow::instance().open();
    pump(800);
    shoot("0-start-book.png");

    // 炮二平五 马８进７ 马二进三 车９平８ by hand, then an analysis.
    dragOnBoard(view, {7, 2}, {4, 2});
    pump(300);
    dragOnBoard(view, {1, 9}, {2, 7});
    pump(300);
    dragOnBoard(view, {7, 0}, {6, 2});
    pump(300);
    dragOnBoard(view, {0, 9}, {1, 9});
    pump(1500);
    if (auto* red = GameInfoWindow::instance().control<QLineEdit>(IDC_RED_PLAYER)) red->setText("Morlan");
    thinkingEngine().setLimits({LIMIT_DEPTH, 8, 0});
    game.analyse();
    pumpUntil([&] { return game.thinkingStatus() != THINKING_ANALYSIS; }, 60000);
    pump(2500);
    shoot("1-windows.png");

    // A step of the variation previewed on the board.
    SituationWindow::instance().applyStep(3);
    pump(300);
    shoot("2-variation-step.png");
    SituationWindow::instance().applyStep(0);

    shootModal("3-level.png");
    LevelDialog::instance().run();
    shootModal("4-about.png");
    AboutBox::instance().run();

    // Set-up: a piece on its way from the palette to the board.
    game.setModified(false);
    window.onCommand(CMD_SETUP);
    SetupWindow& setup = SetupWindow::instance();
    setup.setPosition(right, 560);
    pump(400);
    if (auto* initial = setup.control<QPushButton>(IDC_INITIAL_BOARD)) initial->click();
    if (auto* black = setup.control<QRadioButton>(IDC_BLACK_FIRST)) black->click();
    // Take Black's rook off the board, to bring it back from the palette.
    dragOnBoard(view, {0, 9}, {0, 11});
    pump(200);
    const QPoint cell = setup.paletteOrigin() + QPoint(3 * 40 + 20, 40 + 20);  // Black's rook
    if (setup.pressPalette(cell)) {
        const QPoint to = centre(view, {4, 5}) + QPoint(-25, 10);
        QMouseEvent move(QEvent::MouseMove, to, view.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
        pump(300);
        shoot("5-setup-drag.png");
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, to);
    }
    pump(300);
    setup.finish();
    pump(300);
    game.setModified(false);
    window.close();
    return 0;
}
