// 复制局面 and 粘贴局面: the FEN of the game's position on the clipboard, a
// new game from a FEN found there, and the refusals that change nothing.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>

#include "engine/fen.h"
#include "game/game.h"
#include "game/gbk.h"
#include "shell/board/board_view.h"
#include "shell/main_window/command_ids.h"
#include "shell/main_window/main_window.h"
#include "shell/platform/qt_text.h"
#include "shell_support.h"
#include "tool_window_support.h"

class PositionClipboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void inTheFileMenuAfterSaveAsWithTheirKeys();
    void copyPutsTheGamesPositionAsFen();
    void pasteStartsANewGameAfterTheSavePrompt();
    void pasteToleratesSpacesQuotesAndLines();
    void refusedPositionsChangeNothing();
    void cancelledSavePromptChangesNothing();
    void greyedInSetup();

private:
    MainWindow* w = nullptr;
    Game* game = nullptr;
    void setClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }
};

namespace {

const QString NOT_A_FEN = QStringLiteral("不是正确的 FEN 局面");

// Red's rook and king against Black's king, Black to move.
constexpr char ENDING_FEN[] = "3k5/9/9/9/9/9/9/9/4R4/4K4 b - - 0 1";

}  // namespace

void PositionClipboardTest::init() {
    w = &freshGame();
    game = &Game::instance();
    QApplication::setActiveWindow(w);
}

void PositionClipboardTest::inTheFileMenuAfterSaveAsWithTheirKeys() {
    MainMenu& menu = w->mainMenu();
    QCOMPARE(menu.action(CMD_COPY_POSITION)->text(), QStringLiteral("复制局面(&C)\tCtrl+Shift+C"));
    QCOMPARE(menu.action(CMD_PASTE_POSITION)->text(), QStringLiteral("粘贴局面(&V)\tCtrl+Shift+V"));
    QCOMPARE(menu.action(CMD_COPY_POSITION)->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QCOMPARE(menu.action(CMD_PASTE_POSITION)->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    // Right after 另存为, in that order.
    const auto* fileMenu = qobject_cast<QMenu*>(menu.action(CMD_SAVE_AS)->parent());
    QVERIFY(fileMenu);
    const QList<QAction*> items = fileMenu->actions();
    const qsizetype at = items.indexOf(menu.action(CMD_SAVE_AS));
    QVERIFY(at >= 0 && at + 2 < items.size());
    QCOMPARE(items[at + 1], menu.action(CMD_COPY_POSITION));
    QCOMPARE(items[at + 2], menu.action(CMD_PASTE_POSITION));
    // Ctrl+C stays 立即出招: the Shift keeps the two apart.
    setClipboard(QStringLiteral("unchanged"));
    QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(clipboard(), QString::fromStdString(START_FEN));
    QCOMPARE(game->thinkingStatus(), THINKING_IDLE);
}

void PositionClipboardTest::copyPutsTheGamesPositionAsFen() {
    playMoves({CANNON_TO_CENTRE});
    w->onCommand(CMD_COPY_POSITION);
    QCOMPARE(clipboard(), QStringLiteral("rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C2C4/9/RNBAKABNR b - - 0 1"));
    // Copying changes nothing in the game.
    QVERIFY(game->modified());
    QCOMPARE(game->moveCount(), 1);
    // After an undo the clipboard gets the position shown, not the record's end.
    game->undo();
    w->onCommand(CMD_COPY_POSITION);
    QCOMPARE(clipboard(), QString::fromStdString(START_FEN));
}

void PositionClipboardTest::pasteStartsANewGameAfterTheSavePrompt() {
    playMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT});
    setClipboard(QString::fromLatin1(ENDING_FEN));
    MessageAnswerer answers(QMessageBox::No);
    w->onCommand(CMD_PASTE_POSITION);
    QCOMPARE(answers.texts, QStringList{QStringLiteral("保存当前对局吗？")});
    Board90 expected{};
    Side side = SIDE_RED;
    std::string error;
    QVERIFY(readFen(ENDING_FEN, expected, side, error));
    QCOMPARE(game->board(), expected);
    QCOMPARE(game->startBoard(), expected);
    QCOMPARE(game->sideToMove(), SIDE_BLACK);
    QCOMPARE(game->startSide(), SIDE_BLACK);
    QCOMPARE(game->recordSize(), 0);
    QCOMPARE(game->fileName(), std::string(GBK_UNTITLED));
    pump(60);
    QCOMPARE(w->boardView().viewBoard(), expected);
    // The position copied again is the one pasted.
    w->onCommand(CMD_COPY_POSITION);
    QCOMPARE(clipboard(), QString::fromLatin1(ENDING_FEN));
    // The game plays on from there.
    playMoves({packMove(5, 9, 5, 8)});
    QCOMPARE(game->moveCount(), 1);
}

void PositionClipboardTest::pasteToleratesSpacesQuotesAndLines() {
    MessageAnswerer answers(QMessageBox::Ok);
    setClipboard(QStringLiteral("\n  \"%1\"  \r\nsecond line\n").arg(QString::fromLatin1(ENDING_FEN)));
    w->onCommand(CMD_PASTE_POSITION);
    QCOMPARE(game->sideToMove(), SIDE_BLACK);
    QCOMPARE(QString::fromStdString(writeFen(game->board(), game->sideToMove())), QString::fromLatin1(ENDING_FEN));
    // A FEN without the side to move is Red's turn.
    setClipboard(QStringLiteral("3k5/9/9/9/9/9/9/9/4R4/4K4"));
    w->onCommand(CMD_PASTE_POSITION);
    QCOMPARE(game->sideToMove(), SIDE_RED);
    QVERIFY2(answers.texts.isEmpty(), qPrintable(answers.texts.join(' ')));
}

void PositionClipboardTest::refusedPositionsChangeNothing() {
    playMoves({CANNON_TO_CENTRE});
    const Board90 board = game->board();
    const QString title = w->QMainWindow::windowTitle();
    struct Case {
        QString clipboard;
        QString message;
    };
    const Case cases[] = {
        {QString(), NOT_A_FEN},
        {QStringLiteral("hello"), NOT_A_FEN},
        {QStringLiteral("rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9 w"), NOT_A_FEN},
        {QString(300, QLatin1Char('9')), NOT_A_FEN},
        // No Black king.
        {QStringLiteral("9/9/9/9/9/9/9/9/4R4/4K4 w"), QStringLiteral("棋子摆放不正确")},
        // An elephant where no elephant can stand.
        {QStringLiteral("3k5/9/9/9/9/9/9/9/4B4/4K4 w"), QStringLiteral("棋子摆放不正确")},
        // Red to move while Black's king stands in check.
        {QStringLiteral("4k4/9/9/9/9/9/9/9/4R4/3K5 w"), QStringLiteral("将(帅)被将军")},
    };
    for (const Case& c : cases) {
        setClipboard(c.clipboard);
        MessageAnswerer answers(QMessageBox::Yes);
        w->onCommand(CMD_PASTE_POSITION);
        // One message, and no save prompt before it.
        QCOMPARE(answers.texts, QStringList{c.message});
        QCOMPARE(answers.titles, QStringList{QStringLiteral("错误")});
        QCOMPARE(answers.icons.value(0), QMessageBox::Critical);
        QCOMPARE(game->board(), board);
        QCOMPARE(game->moveCount(), 1);
        QVERIFY(game->modified());
        QCOMPARE(w->QMainWindow::windowTitle(), title);
    }
}

void PositionClipboardTest::cancelledSavePromptChangesNothing() {
    playMoves({CANNON_TO_CENTRE});
    const Board90 board = game->board();
    setClipboard(QString::fromLatin1(ENDING_FEN));
    MessageAnswerer answers(QMessageBox::Cancel);
    w->onCommand(CMD_PASTE_POSITION);
    QCOMPARE(answers.texts.size(), 1);
    QCOMPARE(game->board(), board);
    QCOMPARE(game->recordSize(), 1);
}

void PositionClipboardTest::greyedInSetup() {
    QVERIFY(w->mainMenu().isEnabled(CMD_COPY_POSITION) && w->mainMenu().isEnabled(CMD_PASTE_POSITION));
    w->setSetupOpen(true);
    w->updateCommands();
    QVERIFY(!w->mainMenu().isEnabled(CMD_COPY_POSITION));
    QVERIFY(!w->mainMenu().isEnabled(CMD_PASTE_POSITION));
    w->setSetupOpen(false);
    w->updateCommands();
}

SHELL_TEST(PositionClipboardTest);
#include "position_clipboard_test.moc"
