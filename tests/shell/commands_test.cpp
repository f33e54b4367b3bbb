// The main window's commands: the enabling rules, the save prompt and its
// dialogs, opening damaged or missing files, the accelerators, the idle
// pass held while a question is open, and shutting down.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QLineEdit>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "engine/engine.h"
#include "game/game.h"
#include "game/game_info.h"
#include "game/gbk.h"
#include "shell/main_window/app.h"
#include "shell/board/board_view.h"
#include "shell/main_window/command_ids.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/save_name.h"
#include "shell/platform/qt_text.h"
#include "shell_support.h"

class CommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void enablingAtTheStartAndAlongTheRecord();
    void enablingInSetup();
    void enablingWhileThinkingAndAnalysing();
    void enablingWhenTheGameHasAResult();
    void settingsCommandsFromTheMenu();
    void savePromptNoAndCancel();
    void savePromptYesSavesThroughTheDialog();
    void savePromptYesThenCancelledDialogChangesNothing();
    void savePromptYesThenFailedSaveKeepsTheGame();
    void savePromptYesThenFailedSaveAsKeepsTheGame();
    void saveAsAddsTheChosenTypesExtension();
    void saveAfterSaveAsNeedsNoDialog();
    void allFilesFilterShowsNamesWithoutAnExtension();
    void fileDialogsRememberFolderAndTypeAndProposeAName();
    void openingMissingOrDamagedFilesChangesNothing();
    void acceleratorsOnlyInTheMainWindow();
    void idlePassWaitsWhileAQuestionIsOpen();
    void closingAbandonsTheSearchAndWritesSettings();

private:
    MainWindow* w = nullptr;
    Game* game = nullptr;
    bool menuOn(int id) const { return w->mainMenu().isEnabled(id); }
    bool buttonOn(int id) const { return w->toolbarButton(id)->isEnabled(); }
    void move(GridPoint from, GridPoint to) { dragPoint(w->boardView(), from, to); }
    void thinkFor(int seconds);
    void expectGameKept(const QString& title);
};

namespace {

const QString SAV_FILTER = QStringLiteral("象棋文件 (*.sav)");
const QString TXT_FILTER = QStringLiteral("文本文件 (*.txt)");

// Black to move, checkmated by two rooks.
Board90 matedBoard() {
    Board90 b;
    b.fill(NO_PIECE);
    b[boardIndex(3, 0)] = 0;
    b[boardIndex(0, 9)] = 4;
    b[boardIndex(8, 8)] = 4;
    b[boardIndex(4, 9)] = 7;
    return b;
}

}  // namespace

// The window as created, before any test changes it.
void CommandsTest::initTestCase() {
    startedWindow();
    const SearchRequest limits = thinkingEngine().configuredLimits;
    QCOMPARE(int(limits.flags), int(LIMIT_TIME));
    QCOMPARE(int(limits.seconds), 2);
    QCOMPARE(Game::instance().level(), LEVEL_BEGINNER);
    QCOMPARE(Game::instance().mode(), MODE_HUMAN_COMPUTER);
    QVERIFY(!Game::instance().computerPlaysRed());
}

void CommandsTest::init() {
    w = &startedWindow();
    game = &Game::instance();
    w->setSetupOpen(false);
    thinkingEngine().abandonAndWait();
    game->setModified(false);
    game->setPonderEnabled(false);
    game->setMode(MODE_TWO_HUMANS);
    game->setLevel(LEVEL_BEGINNER);
    w->mainMenu().setChecked(CheckMark::Animation, false);
    w->mainMenu().setChecked(CheckMark::Sound, false);
    game->newGame();
    pump(60);
}

void CommandsTest::thinkFor(int seconds) {
    w->setCustomLimits({LIMIT_TIME, 0, std::int16_t(seconds)});
    game->setLevel(LEVEL_CUSTOM);
    thinkingEngine().setLimits({LIMIT_TIME, 0, std::int16_t(seconds)});
}

void CommandsTest::enablingAtTheStartAndAlongTheRecord() {
    for (int id : {CMD_NEW_GAME, CMD_OPEN, CMD_SETUP, CMD_SAVE_AS, CMD_COMPUTER_MOVE, CMD_ANALYSE, CMD_ROTATE}) {
        QVERIFY2(menuOn(id), qPrintable(QString::number(id)));
    }
    // Not modified, ply 0, record end, not thinking.
    for (int id : {CMD_SAVE, CMD_UNDO, CMD_REDO, CMD_MOVE_NOW, CMD_STOP_THINKING}) {
        QVERIFY2(!menuOn(id), qPrintable(QString::number(id)));
        QVERIFY2(!buttonOn(id), qPrintable(QString::number(id)));
    }
    QVERIFY(buttonOn(CMD_ROTATE) && buttonOn(CMD_ABOUT) && buttonOn(CMD_NEW_GAME));
    QCOMPARE(w->toolbar()->actions().size(), 16);

    move({1, 2}, {4, 2});
    QVERIFY(menuOn(CMD_SAVE) && buttonOn(CMD_SAVE));
    QVERIFY(menuOn(CMD_UNDO) && buttonOn(CMD_UNDO));
    QVERIFY(!menuOn(CMD_REDO));
    w->onCommand(CMD_UNDO);
    pumpUntil([this] { return !w->isAnimating(); }, 3000);
    QVERIFY(!menuOn(CMD_UNDO) && !buttonOn(CMD_UNDO));
    QVERIFY(menuOn(CMD_REDO) && buttonOn(CMD_REDO));
}

void CommandsTest::enablingInSetup() {
    move({1, 2}, {4, 2});
    w->setSetupOpen(true);
    w->updateCommands();
    for (int id : {CMD_NEW_GAME, CMD_OPEN, CMD_SETUP, CMD_SAVE, CMD_SAVE_AS, CMD_UNDO, CMD_REDO, CMD_COMPUTER_MOVE,
                   CMD_ANALYSE, CMD_MOVE_NOW, CMD_STOP_THINKING, CMD_REVIEW}) {
        QVERIFY2(!menuOn(id), qPrintable(QString::number(id)));
        if (w->toolbarButton(id)) QVERIFY2(!buttonOn(id), qPrintable(QString::number(id)));
    }
    for (int id : {CMD_ROTATE, CMD_ABOUT, CMD_MODE_DEMO, CMD_LEVEL_ADVANCED, CMD_SOUND, CMD_VIEW_TIMER, CMD_EXIT}) {
        QVERIFY2(menuOn(id), qPrintable(QString::number(id)));
    }
    QVERIFY(buttonOn(CMD_ROTATE) && buttonOn(CMD_ABOUT));
    w->setSetupOpen(false);
    w->updateCommands();
    QVERIFY(menuOn(CMD_NEW_GAME));
}

void CommandsTest::enablingWhileThinkingAndAnalysing() {
    thinkFor(60);
    w->onCommand(CMD_COMPUTER_MOVE);
    QCOMPARE(game->thinkingStatus(), THINKING_MOVE);
    QVERIFY(!menuOn(CMD_COMPUTER_MOVE) && !buttonOn(CMD_COMPUTER_MOVE));
    QVERIFY(!menuOn(CMD_ANALYSE) && !buttonOn(CMD_ANALYSE));
    QVERIFY(!menuOn(CMD_REVIEW));
    QVERIFY(menuOn(CMD_MOVE_NOW) && buttonOn(CMD_MOVE_NOW));
    QVERIFY(menuOn(CMD_STOP_THINKING) && buttonOn(CMD_STOP_THINKING));
    // Nothing can be picked up while the computer thinks.
    QVERIFY(!w->boardView().hitTest(pointCentre(w->boardView(), {1, 2})).ok);
    w->onCommand(CMD_STOP_THINKING);
    QCOMPARE(game->thinkingStatus(), THINKING_IDLE);
    QCOMPARE(game->moveCount(), 0);
    QVERIFY(menuOn(CMD_COMPUTER_MOVE) && !menuOn(CMD_STOP_THINKING) && !menuOn(CMD_MOVE_NOW));

    w->onCommand(CMD_ANALYSE);
    QCOMPARE(game->thinkingStatus(), THINKING_ANALYSIS);
    QVERIFY(!menuOn(CMD_MOVE_NOW) && !buttonOn(CMD_MOVE_NOW));
    QVERIFY(!menuOn(CMD_ANALYSE) && !menuOn(CMD_COMPUTER_MOVE));
    QVERIFY(menuOn(CMD_STOP_THINKING) && buttonOn(CMD_STOP_THINKING));
    w->onCommand(CMD_STOP_THINKING);
    QCOMPARE(game->thinkingStatus(), THINKING_IDLE);

    // 立即出招 plays the best move found so far.
    w->onCommand(CMD_COMPUTER_MOVE);
    pump(300);
    w->onCommand(CMD_MOVE_NOW);
    QVERIFY(pumpUntil([this] { return game->moveCount() == 1 && !w->isAnimating(); }, 5000));
    QCOMPARE(game->thinkingStatus() == THINKING_MOVE, false);

    // Switching to two humans while the computer thinks abandons the search.
    game->setMode(MODE_HUMAN_COMPUTER);
    w->onCommand(CMD_COMPUTER_MOVE);
    w->onCommand(CMD_MODE_TWO_HUMANS);
    QCOMPARE(game->thinkingStatus(), THINKING_IDLE);
    pump(100);
    QCOMPARE(game->moveCount(), 1);
}

void CommandsTest::enablingWhenTheGameHasAResult() {
    MessageAnswerer answers(QMessageBox::Ok);
    game->setBoard(matedBoard(), SIDE_BLACK);
    game->commitStartPosition();
    QVERIFY(pumpUntil([this] { return game->result() != RESULT_IN_PLAY; }, 3000));
    pump(60);
    QCOMPARE(answers.texts, QStringList{QStringLiteral("红方胜")});
    QCOMPARE(answers.titles, QStringList{QStringLiteral("提示")});
    QVERIFY(!menuOn(CMD_COMPUTER_MOVE) && !buttonOn(CMD_COMPUTER_MOVE));
    QVERIFY(!menuOn(CMD_ANALYSE) && !buttonOn(CMD_ANALYSE));
    QVERIFY(menuOn(CMD_NEW_GAME));
    // And no piece can be picked up.
    QVERIFY(!w->boardView().hitTest(pointCentre(w->boardView(), {4, 9})).ok);
}

void CommandsTest::settingsCommandsFromTheMenu() {
    MainMenu& menu = w->mainMenu();
    // 电脑执红 on Red's turn starts nothing by itself.
    game->setMode(MODE_HUMAN_COMPUTER);
    menu.action(CMD_COMPUTER_RED)->trigger();
    QVERIFY(game->computerPlaysRed());
    QCOMPARE(game->thinkingStatus(), THINKING_IDLE);
    menu.action(CMD_COMPUTER_BLACK)->trigger();
    QVERIFY(!game->computerPlaysRed());
    // 中级 sends six seconds.
    menu.action(CMD_LEVEL_INTERMEDIATE)->trigger();
    QCOMPARE(game->level(), LEVEL_INTERMEDIATE);
    QCOMPARE(int(thinkingEngine().configuredLimits.seconds), 6);
    // Its dialog, closed without OK, keeps the level.
    QTimer::singleShot(50, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    menu.action(CMD_LEVEL_CUSTOM)->trigger();
    QCOMPARE(game->level(), LEVEL_INTERMEDIATE);
    // The check marks carry the engine's switches.
    const bool book = thinkingEngine().getUseBook();
    menu.action(CMD_BOOK)->trigger();
    QCOMPARE(thinkingEngine().getUseBook(), !book);
    QCOMPARE(menu.isChecked(CheckMark::Book), !book);
    menu.action(CMD_BOOK)->trigger();
    QCOMPARE(thinkingEngine().getUseBook(), book);
    // 电脑演示 starts the computer at once; 两人对弈 then abandons it.
    thinkFor(60);
    menu.action(CMD_MODE_DEMO)->trigger();
    QCOMPARE(game->mode(), MODE_DEMO);
    QCOMPARE(game->thinkingStatus(), THINKING_MOVE);
    menu.action(CMD_MODE_TWO_HUMANS)->trigger();
    QCOMPARE(game->thinkingStatus(), THINKING_IDLE);
    QCOMPARE(game->moveCount(), 0);
}

void CommandsTest::savePromptNoAndCancel() {
    move({1, 2}, {4, 2});
    {
        MessageAnswerer answers(QMessageBox::Cancel);
        w->onCommand(CMD_NEW_GAME);
        QCOMPARE(answers.texts, QStringList{QStringLiteral("保存当前对局吗？")});
        QCOMPARE(answers.titles, QStringList{QStringLiteral("提示")});
        QCOMPARE(answers.icons.value(0), QMessageBox::Warning);
        QCOMPARE(game->moveCount(), 1);
        QVERIFY(game->modified());
        // Cancelling the prompt keeps the window open too.
        w->close();
        QVERIFY(w->isVisible());
    }
    {
        MessageAnswerer answers(QMessageBox::No);
        w->onCommand(CMD_NEW_GAME);
        QCOMPARE(answers.texts.size(), 1);
        QCOMPARE(game->moveCount(), 0);
        QVERIFY(!game->modified());
        QVERIFY(QDir("Sav").entryList(QDir::Files).isEmpty());
    }
}

void CommandsTest::savePromptYesSavesThroughTheDialog() {
    move({1, 2}, {4, 2});
    MessageAnswerer answers(QMessageBox::Yes);
    FileDialogAnswerer dialog(QStringLiteral("first"));
    w->onCommand(CMD_NEW_GAME);
    QVERIFY(dialog.seen);
    QCOMPARE(dialog.filters, (QStringList{SAV_FILTER, TXT_FILTER, QStringLiteral("PGN 棋谱 (*.pgn)"),
                                          QStringLiteral("XQF 棋谱 (*.xqf)")}));
    QVERIFY(dialog.directory.endsWith(QStringLiteral("/Sav")));
    QVERIFY2(dialog.initialName.startsWith(QStringLiteral("红方 vs 黑方 ")), qPrintable(dialog.initialName));
    QVERIFY(QFile::exists("Sav/first.sav"));
    QCOMPARE(game->moveCount(), 0);  // and then the new game
}

void CommandsTest::savePromptYesThenCancelledDialogChangesNothing() {
    move({1, 2}, {4, 2});
    MessageAnswerer answers(QMessageBox::Yes);
    FileDialogAnswerer dialog(QString{});
    w->onCommand(CMD_NEW_GAME);
    QVERIFY(dialog.seen);
    QCOMPARE(game->moveCount(), 1);
    QVERIFY(game->modified());
}

void CommandsTest::expectGameKept(const QString& title) {
    QCOMPARE(game->moveCount(), 1);
    QVERIFY(game->modified());
    QVERIFY(!game->isSetupOpen());
    QCOMPARE(w->QMainWindow::windowTitle(), title);
    QVERIFY(w->isVisible());
}

// The game has a file whose folder has gone: 是 in the prompt tries to save
// there, fails, and each command that asked stays where it was.
void CommandsTest::savePromptYesThenFailedSaveKeepsTheGame() {
    QVERIFY(QDir().mkpath("gone"));
    const std::string path = QDir("gone").absoluteFilePath("game.sav").toStdString();
    QVERIFY(game->saveFile(path));
    QVERIFY(QFile::remove("gone/game.sav") && QDir().rmdir("gone"));
    move({1, 2}, {4, 2});
    const QString title = w->QMainWindow::windowTitle();
    QVERIFY(title.endsWith(QStringLiteral("game.sav*")));
    for (const int id : {CMD_NEW_GAME, CMD_OPEN, CMD_SETUP, CMD_EXIT}) {
        MessageAnswerer answers(QMessageBox::Yes);
        FileDialogAnswerer dialog(QString{});
        if (id == CMD_EXIT) {
            w->close();
        } else {
            w->onCommand(id);
        }
        pump(60);
        QCOMPARE(answers.texts.size(), 2);
        QCOMPARE(answers.texts[0], QStringLiteral("保存当前对局吗？"));
        QVERIFY2(answers.texts[1].contains(QStringLiteral("失败")), qPrintable(answers.texts[1]));
        QVERIFY2(!dialog.seen, qPrintable(QString::number(id)));
        expectGameKept(title);
    }
}

// The same through the save-as dialog of an untitled game, into a folder
// where no file can be made.
void CommandsTest::savePromptYesThenFailedSaveAsKeepsTheGame() {
    move({1, 2}, {4, 2});
    const QString title = w->QMainWindow::windowTitle();
    MessageAnswerer answers(QMessageBox::Yes);
    FileDialogAnswerer dialog(QStringLiteral("/proc/morlan-game.sav"));
    w->onCommand(CMD_NEW_GAME);
    QVERIFY(dialog.seen);
    QCOMPARE(answers.texts.size(), 2);
    QVERIFY(answers.texts[1].contains(QStringLiteral("失败")));
    expectGameKept(title);
}

void CommandsTest::saveAsAddsTheChosenTypesExtension() {
    move({1, 2}, {4, 2});
    {
        FileDialogAnswerer dialog(QStringLiteral("record"), TXT_FILTER);
        w->onCommand(CMD_SAVE_AS);
        QVERIFY(dialog.seen);
    }
    QVERIFY(QFile::exists("Sav/record.txt"));
    QVERIFY(!QFile::exists("Sav/record"));
    {
        FileDialogAnswerer dialog(QStringLiteral("game"), SAV_FILTER);
        w->onCommand(CMD_SAVE_AS);
    }
    QVERIFY(QFile::exists("Sav/game.sav"));
    // The game file keeps what a text record cannot: it reopens as saved.
    game->newGame();
    game->openFile(QDir("Sav").absoluteFilePath("game.sav").toStdString());
    QCOMPARE(game->moveCount(), 1);
    QVERIFY(w->QMainWindow::windowTitle().endsWith(QStringLiteral("game.sav")));
}

void CommandsTest::saveAfterSaveAsNeedsNoDialog() {
    move({1, 2}, {4, 2});
    {
        FileDialogAnswerer dialog(QStringLiteral("again"));
        w->onCommand(CMD_SAVE);
        QVERIFY(dialog.seen);
    }
    QVERIFY(!game->modified());
    const qint64 size = QFileInfo("Sav/again.sav").size();
    move({7, 9}, {6, 7});
    FileDialogAnswerer dialog(QStringLiteral("elsewhere"));
    w->onCommand(CMD_SAVE);
    pump(100);
    QVERIFY(!dialog.seen);
    QVERIFY(!game->modified());
    QVERIFY(QFileInfo("Sav/again.sav").size() > size);
}

// The folder and type last used come back in the next dialog; 另存为
// proposes the file's name, the record's, or the players' and date.
void CommandsTest::fileDialogsRememberFolderAndTypeAndProposeAName() {
    const struct {
        const char* file;
        const char* source;
        const char* red;
        const char* black;
        const char* date;
        const char* proposed;
    } names[] = {
        {"/games/old.sav", "", "", "", "", "old"},
        {GBK_UNTITLED, "/masters/games.pgn.gz", "", "", "", "games"},
        {GBK_UNTITLED, "", "许银川", "吕钦", "2026.12.09", "许银川 vs 吕钦 2026.12.09"},
        {GBK_UNTITLED, "", "", "吕钦", "9/12/2026", "红方 vs 吕钦 9-12-2026"},
    };
    for (const auto& n : names) {
        GameInfo info;
        info.redPlayer = fromQt(QString::fromUtf8(n.red));
        info.blackPlayer = fromQt(QString::fromUtf8(n.black));
        info.date = n.date;
        QCOMPARE(proposedSaveName(n.file, n.source, info), QString::fromUtf8(n.proposed));
    }
    QVERIFY(QDir().mkpath("elsewhere"));
    const QString folder = QDir("elsewhere").absolutePath();
    move({1, 2}, {4, 2});
    {
        FileDialogAnswerer dialog(folder + QStringLiteral("/kept"), TXT_FILTER);
        w->onCommand(CMD_SAVE_AS);
        QVERIFY(dialog.seen);
    }
    QVERIFY(QFile::exists("elsewhere/kept.txt"));
    {
        FileDialogAnswerer dialog(QString{});
        w->onCommand(CMD_SAVE_AS);
        QCOMPARE(dialog.directory, folder);
        QCOMPARE(dialog.selectedFilter, TXT_FILTER);
        QCOMPARE(dialog.initialName, QStringLiteral("kept"));
    }
    FileDialogAnswerer dialog(QString{});
    w->onCommand(CMD_OPEN);
    QCOMPARE(dialog.directory, folder);
}

// "所有文件" lists every file of the folder, one without a dot too.
void CommandsTest::allFilesFilterShowsNamesWithoutAnExtension() {
    QVERIFY(QDir().mkpath("Sav"));
    for (const char* name : {"Sav/noext", "Sav/game.sav"}) {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QStringList filters, shown;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        filters = dialog->nameFilters();
        dialog->selectNameFilter(filters.value(filters.size() - 1));
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        auto names = [view] {
            QStringList list;
            for (int r = 0; view && r < view->model()->rowCount(view->rootIndex()); ++r) {
                list << view->model()->index(r, 0, view->rootIndex()).data().toString();
            }
            return list;
        };
        pumpUntil([&] { return names().contains(QStringLiteral("noext")); }, 3000);
        shown = names();
        dialog->reject();
    });
    w->onCommand(CMD_OPEN);
    // The last of the open dialog's types.
    QCOMPARE(filters.size(), 6);
    QVERIFY(filters.last().startsWith(QStringLiteral("所有文件")));
    QVERIFY2(shown.contains(QStringLiteral("noext")), qPrintable(shown.join(',')));
    QVERIFY(shown.contains(QStringLiteral("game.sav")));
}

void CommandsTest::openingMissingOrDamagedFilesChangesNothing() {
    move({1, 2}, {4, 2});
    const Board90 board = game->board();
    const QString title = w->QMainWindow::windowTitle();
    QFile bad("bad.sav");
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("this is not a game file at all");
    bad.close();

    MessageAnswerer answers(QMessageBox::Ok);
    game->openFile("missing.sav");
    game->openFile("\"quoted.sav\"");
    game->openFile("bad.sav");
    QCOMPARE(answers.texts.size(), 3);
    QVERIFY(answers.texts[0].contains(QStringLiteral("找不到文件")) && answers.texts[0].contains("missing.sav"));
    QVERIFY(answers.texts[1].contains(QStringLiteral("\"quoted.sav\"")));
    QVERIFY(answers.texts[2].contains(QStringLiteral("文件格式不正确")));
    QCOMPARE(game->board(), board);
    QCOMPARE(game->moveCount(), 1);
    QCOMPARE(w->QMainWindow::windowTitle(), title);
}

void CommandsTest::acceleratorsOnlyInTheMainWindow() {
    QApplication::setActiveWindow(w);
    move({1, 2}, {4, 2});
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    pumpUntil([this] { return !w->isAnimating(); }, 3000);
    QCOMPARE(game->moveCount(), 0);
    // At ply 0 悔棋 is grey, and so is its key.
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game->moveCount(), 0);
    QTest::keyClick(w, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(!w->boardReversed());
    QTest::keyClick(w, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(w->boardReversed());

    // In another window's edit box Ctrl+A selects the text and starts nothing.
    QLineEdit edit;
    edit.setText("abc");
    edit.show();
    QApplication::setActiveWindow(&edit);
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(game->thinkingStatus(), THINKING_IDLE);
    QCOMPARE(edit.selectedText(), QStringLiteral("abc"));
    edit.close();
    QApplication::setActiveWindow(w);
}

void CommandsTest::idlePassWaitsWhileAQuestionIsOpen() {
    w->setCustomLimits({LIMIT_DEPTH, 1, 0});
    game->setLevel(LEVEL_CUSTOM);
    thinkingEngine().setLimits({LIMIT_DEPTH, 1, 0});
    game->computerMove();
    MessageAnswerer answers(QMessageBox::Ok);
    answers.delayMs = 400;
    // The depth-1 search ends at once, but its move is not taken while the
    // box is open.
    w->showMessage("\xCC\xE1\xCA\xBE", "\xCC\xE1\xCA\xBE", MessageIcon::Information);
    QVERIFY(answers.idleWasSuspended);
    QCOMPARE(game->moveCount(), 0);
    QVERIFY(pumpUntil([this] { return game->moveCount() == 1; }, 5000));
}

void CommandsTest::closingAbandonsTheSearchAndWritesSettings() {
    thinkFor(60);
    w->onCommand(CMD_COMPUTER_MOVE);
    QCOMPARE(game->thinkingStatus(), THINKING_MOVE);
    QFile::remove("Tevrin.cfg");
    w->close();
    QVERIFY(!w->isVisible());
    QCOMPARE(game->moveCount(), 0);
    QCOMPARE(thinkingEngine().state(), STATE_IDLE);
    QVERIFY(QFile::exists("Tevrin.cfg"));
}

SHELL_TEST(CommandsTest);
#include "commands_test.moc"
