#include "tool_window_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

#include "engine/engine.h"
#include "game/game.h"
#include "shell/main_window/main_window.h"
#include "shell/windows/setup_window.h"
#include "shell_support.h"

MainWindow& freshGame() {
    MainWindow& w = startedWindow();
    Game& game = Game::instance();
    w.setSetupOpen(false);
    SetupWindow::instance().close();
    thinkingEngine().abandonAndWait();
    game.setModified(false);
    game.setPonderEnabled(false);
    game.setMode(MODE_TWO_HUMANS);
    w.mainMenu().setChecked(CheckMark::Animation, false);
    w.mainMenu().setChecked(CheckMark::Sound, false);
    game.newGame();
    pump(60);
    return w;
}

void playMoves(std::initializer_list<PackedMove> moves) {
    Game& game = Game::instance();
    for (PackedMove m : moves) {
        QVERIFY(game.tryUserMove(m));
        game.setModified(true);
    }
    startedWindow().syncView();
}

void toolIdle() { startedWindow().toolWindowsIdle(); }

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void doubleClickCell(QTreeWidget* list, int row, int column) {
    QWidget* viewport = list->viewport();
    const QPoint at = list->visualRect(list->model()->index(row, column)).center();
    const QPointF global = viewport->mapToGlobal(QPointF(at));
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, QPointF(at), global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &e);
    }
}

void wheelNotch(QWidget* widget, int notches) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent e(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &e);
}
