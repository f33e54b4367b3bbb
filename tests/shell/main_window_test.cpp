// The main window's title as the window system shows it: the untitled
// game's name, the unsaved-changes mark, and file names read as the file
// system's.
#include <QDir>
#include <QTest>

#include "game/game.h"
#include "shell/main_window/command_ids.h"
#include "shell/main_window/main_window.h"
#include "shell_support.h"

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void titleOfAnUntitledGameAndItsMark();
    void titleAfterOpeningAndSavingChineseNames();

private:
    MainWindow* w = nullptr;
    Game* game = nullptr;
    QString title() const { return w->QMainWindow::windowTitle(); }
};

void MainWindowTest::init() {
    w = &startedWindow();
    game = &Game::instance();
    game->setPonderEnabled(false);
    game->setMode(MODE_TWO_HUMANS);
    w->mainMenu().setChecked(CheckMark::Animation, false);
    w->mainMenu().setChecked(CheckMark::Sound, false);
    game->setModified(false);
    game->newGame();
    pump(40);
}

void MainWindowTest::titleOfAnUntitledGameAndItsMark() {
    QCOMPARE(title(), QStringLiteral("Morlan - 未命名"));
    dragPoint(w->boardView(), {1, 2}, {4, 2});
    QCOMPARE(game->moveCount(), 1);
    QCOMPARE(title(), QStringLiteral("Morlan - 未命名*"));
    MessageAnswerer answers(QMessageBox::No);
    w->onCommand(CMD_NEW_GAME);
    QCOMPARE(title(), QStringLiteral("Morlan - 未命名"));
}

void MainWindowTest::titleAfterOpeningAndSavingChineseNames() {
    dragPoint(w->boardView(), {1, 2}, {4, 2});
    QDir().mkpath(QStringLiteral("棋谱"));
    const QString chinese = QDir::current().absoluteFilePath(QStringLiteral("棋谱/第一局.sav"));
    QVERIFY(game->saveFile(QFile::encodeName(chinese).toStdString()));
    QCOMPARE(title(), QStringLiteral("Morlan - 第一局.sav"));
    dragPoint(w->boardView(), {7, 7}, {4, 7});
    QCOMPARE(title(), QStringLiteral("Morlan - 第一局.sav*"));
    const QString plain = QDir::current().absoluteFilePath(QStringLiteral("plain.sav"));
    QVERIFY(game->saveFile(QFile::encodeName(plain).toStdString()));
    QCOMPARE(title(), QStringLiteral("Morlan - plain.sav"));

    game->newGame();
    QCOMPARE(title(), QStringLiteral("Morlan - 未命名"));
    game->openFile(QFile::encodeName(chinese).toStdString());
    QCOMPARE(game->moveCount(), 1);
    QCOMPARE(title(), QStringLiteral("Morlan - 第一局.sav"));
    game->openFile(QFile::encodeName(plain).toStdString());
    QCOMPARE(title(), QStringLiteral("Morlan - plain.sav"));
}

SHELL_TEST(MainWindowTest);
#include "main_window_test.moc"
