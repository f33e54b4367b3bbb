// morlan-board-shots <folder> <size>...: the desktop program's window at
// each board size named (an item of 查看 → 棋盘大小: 0 = 100%, 1 = 125%,
// 2 = 150%, 3 = 200%, 4 = 250%), after 炮二平五 马８进７ with the last-move
// marker, with a piece halfway through a drag, and in set-up with a rook
// from the palette on its way to the cleared board. The pictures, of the window's
// part of the screen, are named board-<percent>[-x<density>].png and so on.
// Run it under a display (tools/board_screenshots.sh starts one with Xvfb,
// also with QT_SCALE_FACTOR=2).
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "game/game.h"
#include "shell/board/board_scale.h"
#include "shell/board/board_view.h"
#include "shell/main_window/command_ids.h"
#include "shell/main_window/main_window.h"
#include "shell/windows/setup_window.h"
#include "tools/screen_shots/screen_shots.h"

namespace {

QString outFolder;

void moveMouse(BoardView& v, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, v.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&v, &move);
}

void shoot(const QString& what, int percent, const QRect& area) {
    const qreal ratio = MainWindow::instance().devicePixelRatio();
    QString name = QStringLiteral("%1-%2").arg(what).arg(percent);
    if (ratio != 1.0) name += QStringLiteral("-x%1").arg(ratio);
    shootScreen(outFolder, qPrintable(name + QStringLiteral(".png")), area);
}

void shootSize(int index) {
    MainWindow& window = MainWindow::instance();
    BoardView& view = window.boardView();
    Game& game = Game::instance();
    window.mainMenu().action(CMD_BOARD_SIZE_FIRST + index)->trigger();
    window.move(10, 10);
    pump(400);
    const int percent = BOARD_SCALES[index].percent;
    shoot(QStringLiteral("board"), percent, window.frameGeometry());

    // 马二进三 on its way.
    const QPoint from = view.cellCentre({7, 0});
    const QPoint to = view.cellCentre({6, 2});
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, from);
    moveMouse(view, from + (to - from) / 2);
    pump(100);
    shoot(QStringLiteral("drag"), percent, window.frameGeometry());
    QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, from);
    pump(50);

    // Set-up, the palette beside the board, Black's rook taken from it.
    game.setModified(false);
    game.enterSetup();
    SetupWindow& setup = SetupWindow::instance();
    QDialog* palette = setup.window();
    palette->move(window.frameGeometry().right() + 10, 10);
    pump(300);
    setup.command(IDC_CLEAR_BOARD, NOTIFY_CLICKED);
    const int cell = view.cellSize();
    setup.pressPalette(setup.paletteOrigin() + QPoint(3 * cell + cell / 2, cell + cell / 2));
    moveMouse(view, view.cellCentre({4, 5}) + QPoint(cell / 3, cell / 4));
    pump(200);
    shoot(QStringLiteral("setup"), percent, window.frameGeometry().united(palette->frameGeometry()));
    QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, view.cellCentre({4, 5}));
    // The two kings alone face each other, which set-up refuses.
    setup.command(IDC_INITIAL_BOARD, NOTIFY_CLICKED);
    setup.finish();
    pump(100);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: morlan-board-shots FOLDER SIZE...  (sizes 0..%d)\n", BOARD_SCALE_COUNT - 1);
        return 2;
    }
    outFolder = shotFolder(argc, argv);
    QTimer idle;
    startProgram(idle);
    MainWindow& window = MainWindow::instance();
    Game& game = Game::instance();
    window.onCommand(CMD_MODE_TWO_HUMANS);
    window.mainMenu().setChecked(CheckMark::Animation, false);
    window.mainMenu().setChecked(CheckMark::Sound, false);
    BoardView& view = window.boardView();
    for (const auto& [from, to] : {std::pair<GridPoint, GridPoint>{{1, 2}, {4, 2}}, {{7, 9}, {6, 7}}}) {
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, view.cellCentre(from));
        moveMouse(view, view.cellCentre(to));
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, view.cellCentre(to));
        pump(100);
    }
    for (int i = 2; i < argc; ++i) {
        const int index = std::atoi(argv[i]);
        if (index < 0 || index >= BOARD_SCALE_COUNT) continue;
        shootSize(index);
        // Set-up took the position as a new start: the moves again.
        game.newGame();
        game.tryUserMove(packMove(1, 2, 4, 2));
        game.tryUserMove(packMove(7, 9, 6, 7));
        window.syncView();
    }
    game.setModified(false);
    window.close();
    return 0;
}
