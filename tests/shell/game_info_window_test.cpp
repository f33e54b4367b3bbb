// The game-information window: the record list following moves, undo and
// navigation with its "*" mark; the scroll bar and double-click targets;
// the notes box at the start versus a move's comment; the copied record;
// which changes mark the game modified; limits counted in GBK bytes; and
// the main window's keys doing nothing while this window has the focus;
// stepping into an alternative and back, and the buttons to the ends.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "engine/fen.h"
#include "game/game.h"
#include "game/game_info.h"
#include "shell/board/board_view.h"
#include "shell/windows/game_info_window.h"
#include "shell/windows/gbk_text_limit.h"
#include "shell/main_window/command_ids.h"
#include "shell/main_window/main_window.h"
#include "shell_support.h"
#include "tool_window_support.h"

class GameInfoWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void listFollowsMovesUndoAndNavigation();
    void scrollBarTargets();
    void wheelNotchLeavesTheBarFollowingTheGame();
    void doubleClickTargets();
    void notesAtTheStartAndCommentsOfMoves();
    void onlyTheUsersEditsMarkTheGameModified();
    void limitsCountGbkBytes();
    void copiedRecordText();
    void mainWindowKeysRestInThisWindow();
    void alternativesByKeysMouseAndTheEndButtons();
    void listFollowsTheNotationChoice();

private:
    MainWindow* w = nullptr;
    Game* game = nullptr;
    GameInfoWindow& info() { return GameInfoWindow::instance(); }
    QTreeWidget* list() { return info().control<QTreeWidget>(IDC_RECORD_LIST); }
    QScrollBar* bar() { return info().control<QScrollBar>(IDC_RECORD_SCROLL); }
    QPlainTextEdit* notes() { return info().control<QPlainTextEdit>(IDC_NOTES); }
    QStringList row(int r) {
        QTreeWidgetItem* item = list()->topLevelItem(r);
        return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList{};
    }
    void settle() {
        toolIdle();
        pump(60);
    }
    bool titleMarked() { return w->windowTitle().back() == '*'; }
};

void GameInfoWindowTest::init() {
    w = &freshGame();
    game = &Game::instance();
    info().open();
    settle();
}

void GameInfoWindowTest::cleanup() {
    w->mainMenu().action(CMD_NOTATION_FIRST)->trigger();
    info().close();
}

// 设置 → 记谱方式 writes the list again; the copied record stays Chinese.
void GameInfoWindowTest::listFollowsTheNotationChoice() {
    playMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT});
    settle();
    constexpr struct { int item; const char* first; const char* second; const char* third; } SHOWN[] = {
        {1, "C2=5", "H8+7", "H2+3*"}, {2, "h2e2", "h9g7", "h0g2*"}, {0, "炮二平五", "马８进７", "马二进三*"}};
    for (const auto& s : SHOWN) {
        w->mainMenu().action(CMD_NOTATION_FIRST + s.item)->trigger();
        settle();
        QCOMPARE(row(0), (QStringList{"1", QString::fromUtf8(s.first), QString::fromUtf8(s.second)}));
        QCOMPARE(row(1), (QStringList{"2", QString::fromUtf8(s.third), QString()}));
    }
    w->mainMenu().action(CMD_NOTATION_FIRST + 1)->trigger();
    settle();
    QApplication::clipboard()->clear();
    info().copyRecord();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1. 炮二平五 马８进７\r\n2. 马二进三"));
}

void GameInfoWindowTest::listFollowsMovesUndoAndNavigation() {
    QCOMPARE(list()->columnCount(), 3);
    QCOMPARE(list()->headerItem()->text(1), QStringLiteral("先手方"));
    QCOMPARE(list()->columnWidth(0), 40);
    QCOMPARE(list()->topLevelItemCount(), 0);
    playMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT});
    settle();
    QCOMPARE(list()->topLevelItemCount(), 2);
    QCOMPARE(row(0), (QStringList{"1", QStringLiteral("炮二平五"), QStringLiteral("马８进７")}));
    QCOMPARE(row(1), (QStringList{"2", QStringLiteral("马二进三*"), QString()}));
    QCOMPARE(info().markedPly(), 3);
    // Undo keeps the move in the list, without the mark.
    game->undo();
    settle();
    QCOMPARE(row(0), (QStringList{"1", QStringLiteral("炮二平五"), QStringLiteral("马８进７*")}));
    QCOMPARE(row(1), (QStringList{"2", QStringLiteral("马二进三"), QString()}));
    // Another move replaces it.
    playMoves({packMove(7, 0, 6, 2)});
    settle();
    QCOMPARE(row(1), (QStringList{"2", QStringLiteral("马八进七*"), QString()}));
    // Back to the start: no mark; one ply further: the mark on the first move.
    game->goToPly(0);
    settle();
    QCOMPARE(row(0), (QStringList{"1", QStringLiteral("炮二平五"), QStringLiteral("马８进７")}));
    QCOMPARE(row(1), (QStringList{"2", QStringLiteral("马八进七"), QString()}));
    game->goToPly(1);
    settle();
    QCOMPARE(row(0).at(1), QStringLiteral("炮二平五*"));
    // A new game empties the list.
    game->newGame();
    settle();
    QCOMPARE(list()->topLevelItemCount(), 0);
    QVERIFY(!bar()->isEnabled());
}

void GameInfoWindowTest::scrollBarTargets() {
    QVERIFY(!bar()->isEnabled());
    playMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT});
    game->setModified(false);
    settle();
    QVERIFY(bar()->isEnabled());
    QCOMPARE(bar()->minimum(), 0);
    QCOMPARE(bar()->maximum(), 3);
    QCOMPARE(bar()->value(), 3);
    bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(game->moveCount(), 2);
    QVERIFY(game->modified());
    QVERIFY(titleMarked());
    QCOMPARE(bar()->value(), 2);
    QCOMPARE(info().markedPly(), 2);
    bar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(game->moveCount(), 0);
    // Clamped at both ends.
    bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(game->moveCount(), 0);
    QCOMPARE(bar()->value(), 0);
    bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(game->moveCount(), 2);
    bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(game->moveCount(), 3);
    QCOMPARE(bar()->value(), 3);
    // The board follows at once.
    QCOMPARE(w->boardView().viewBoard(), game->board());
    // Dragging the thumb moves with it; the bar is left alone until release.
    info().scrollAction(QAbstractSlider::SliderMove, 1, true);
    QCOMPARE(game->moveCount(), 1);
    info().scrollReleased();
    QCOMPARE(bar()->value(), 1);
}

// A wheel notch moves the thumb without holding it: the bar goes on
// following the game.
void GameInfoWindowTest::wheelNotchLeavesTheBarFollowingTheGame() {
    info().open();
    playMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT});
    settle();
    QCOMPARE(bar()->value(), 3);
    wheelNotch(bar(), 1);
    settle();
    QVERIFY(game->moveCount() < 3);
    QCOMPARE(bar()->value(), game->moveCount());
    game->goToPly(3);
    settle();
    QCOMPARE(bar()->value(), 3);
    playMoves({BLACK_ROOK_ACROSS});
    settle();
    QCOMPARE(bar()->maximum(), 4);
    QCOMPARE(bar()->value(), 4);
    game->newGame();
    settle();
    QVERIFY(!bar()->isEnabled());
    QCOMPARE(bar()->maximum(), 0);
}

void GameInfoWindowTest::doubleClickTargets() {
    playMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT});
    game->setModified(false);
    settle();
    auto doubleClick = [this](int r, int column) {
        doubleClickCell(list(), r, column);
        settle();
    };
    // The move-pair number of row 0: the start position.
    doubleClick(0, 0);
    QCOMPARE(game->moveCount(), 0);
    QVERIFY(game->modified());
    doubleClick(0, 2);
    QCOMPARE(game->moveCount(), 2);
    doubleClick(1, 1);
    QCOMPARE(game->moveCount(), 3);
    // The empty second cell of the last row of an odd record: nothing.
    game->goToPly(1);
    settle();
    doubleClick(1, 2);
    QCOMPARE(game->moveCount(), 1);
    // The marked ply itself: nothing either.
    game->setModified(false);
    doubleClick(0, 1);
    QCOMPARE(game->moveCount(), 1);
    QVERIFY(!game->modified());
}

void GameInfoWindowTest::notesAtTheStartAndCommentsOfMoves() {
    notes()->setFocus();
    QTest::keyClicks(notes(), "start");
    QCOMPARE(info().info().notes, std::string("start"));
    QVERIFY(game->modified());
    playMoves({CANNON_TO_CENTRE});
    settle();
    QCOMPARE(notes()->toPlainText(), QString());
    QTest::keyClicks(notes(), "good");
    QTest::keyClick(notes(), Qt::Key_Return);
    QTest::keyClicks(notes(), "move");
    QCOMPARE(game->recordEntry(0)->comment, std::string("good\r\nmove"));
    QCOMPARE(info().info().notes, std::string("start"));
    QVERIFY(info().isOpen());  // Enter made a new line; it did not close the window
    game->goToPly(0);
    settle();
    QCOMPARE(notes()->toPlainText(), QStringLiteral("start"));
    game->goToPly(1);
    settle();
    QCOMPARE(notes()->toPlainText(), QStringLiteral("good\nmove"));
}

void GameInfoWindowTest::onlyTheUsersEditsMarkTheGameModified() {
    GameInfo given;
    given.redPlayer = "\xC0\xEE\xC0\xB4";  // 李来
    given.place = "\xB1\xB1\xBE\xA9";      // 北京
    given.notes = "n";
    w->setGameInfo(given);
    w->setGameInfoResult("\xBA\xCD\xC6\xE5");  // 和棋
    settle();
    QVERIFY(!game->modified());
    QVERIFY(!titleMarked());
    QCOMPARE(info().control<QLineEdit>(IDC_RED_PLAYER)->text(), QStringLiteral("李来"));
    QCOMPARE(info().control<QLineEdit>(IDC_RESULT)->text(), QStringLiteral("和棋"));
    QCOMPARE(notes()->toPlainText(), QStringLiteral("n"));
    // The end of a game writes the result box: still not an edit of the user's.
    game->updateResult();
    QVERIFY(!game->modified());
    // The user's typing is.
    QLineEdit* black = info().control<QLineEdit>(IDC_BLACK_PLAYER);
    black->setFocus();
    typeText(black, QStringLiteral("王"));
    QVERIFY(game->modified());
    QVERIFY(titleMarked());
    QCOMPARE(w->gameInfo().blackPlayer, std::string("\xCD\xF5"));  // 王, in GBK
    QCOMPARE(w->gameInfo().redPlayer, given.redPlayer);
}

void GameInfoWindowTest::limitsCountGbkBytes() {
    QCOMPARE(gbkLength(QStringLiteral("炮a")), 3);
    int cursor = 0;
    // Twenty Chinese characters typed in one go into a 32-byte box: sixteen stay.
    QCOMPARE(limitGbkEdit(QString(), QString(20, QChar(0x4E2D)), 32, &cursor), QString(16, QChar(0x4E2D)));
    QCOMPARE(cursor, 16);
    // Inserted in the middle, the inserted part is cut, the rest stays.
    QCOMPARE(limitGbkEdit(QStringLiteral("ab"), QStringLiteral("a中中中b"), 5, &cursor), QStringLiteral("a中b"));
    QCOMPARE(cursor, 2);
    // A text already over the limit may still be shortened.
    QCOMPARE(limitGbkEdit(QString(40, 'x'), QString(39, 'x'), 32, &cursor), QString(39, 'x'));
    // In the window: 31 bytes, then a two-byte character does not fit, a letter does.
    QLineEdit* place = info().control<QLineEdit>(IDC_PLACE);
    place->setFocus();
    QTest::keyClicks(place, QString(31, 'a'));
    typeText(place, QStringLiteral("中"));
    QCOMPARE(place->text(), QString(31, 'a'));
    QTest::keyClicks(place, QStringLiteral("bc"));
    QCOMPARE(place->text(), QString(31, 'a') + 'b');
    QCOMPARE(info().info().place.size(), std::size_t{32});
    notes()->setFocus();
    typeText(notes(), QString(600, QChar(0x4E2D)));
    QCOMPARE(notes()->toPlainText().size(), 512);
    QCOMPARE(info().info().notes.size(), std::size_t{1024});
}

void GameInfoWindowTest::copiedRecordText() {
    QApplication::clipboard()->clear();
    // With an empty record the list offers no menu.
    bool menuSeen = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&menuSeen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || menuSeen) return;
        menuSeen = true;
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    watcher.start(20);
    Q_EMIT list()->customContextMenuRequested(QPoint(10, 10));
    pump(200);
    QVERIFY(!menuSeen);
    playMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT});
    settle();
    const QString wanted = QStringLiteral("1. 炮二平五 马８进７\r\n2. 马二进三");
    // 复制棋谱 from the "Manual" menu of the list.
    Q_EMIT list()->customContextMenuRequested(QPoint(10, 10));
    pump(100);
    QVERIFY(menuSeen);
    QCOMPARE(QApplication::clipboard()->text(), wanted);
    // And from the button, after the record has grown.
    QApplication::clipboard()->clear();
    playMoves({BLACK_ROOK_ACROSS});
    info().control<QPushButton>(IDC_COPY_RECORD)->click();
    QCOMPARE(QApplication::clipboard()->text(), wanted + QStringLiteral(" 车９平８\r\n"));
}

void GameInfoWindowTest::mainWindowKeysRestInThisWindow() {
    playMoves({CANNON_TO_CENTRE});
    settle();
    QDialog* dialog = info().window();
    QApplication::setActiveWindow(dialog);
    QPushButton* close = info().control<QPushButton>(ID_CANCEL);
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(close, Qt::Key_R, Qt::ControlModifier);
    pump(100);
    QCOMPARE(game->moveCount(), 1);
    QVERIFY(w->boardReversed());
    QApplication::setActiveWindow(w);
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    pumpUntil([this] { return !w->isAnimating(); }, 3000);
    QCOMPARE(game->moveCount(), 0);
}

namespace {

// A key, a button, or (neither) a click on the first alternative; then the
// ply, the line shown and the alternative chosen (-1: none listed).
struct ChoiceStep {
    int key, button, ply;
    const char* line;
    int chosen;
};

// The tree: 炮二平五, then 马８进７ 马二进三 (the main line) or a black cannon to the centre.
constexpr ChoiceStep CHOICE_STEPS[] = {
    {Qt::Key_Up, 0, 1, "h2e2 b7e7", 0},
    {Qt::Key_Up, 0, 1, "h2e2 b7e7", 0},  // kept within the list
    {Qt::Key_Right, 0, 2, "h2e2 h9g7 h0g2", -1},
    {Qt::Key_Left, 0, 1, "h2e2 h9g7 h0g2", 0},
    {Qt::Key_Down, 0, 1, "h2e2 h9g7 h0g2", 1},
    {Qt::Key_Right, 0, 2, "h2e2 b7e7", -1},
    {0, IDC_FIRST_MOVE, 0, "h2e2 b7e7", -1},
    {Qt::Key_Right, 0, 1, "h2e2 b7e7", 1},  // no alternatives at the start: along the line
    {0, 0, 2, "h2e2 h9g7 h0g2", -1},
    {0, IDC_FIRST_MOVE, 0, "h2e2 h9g7 h0g2", -1},
    {0, IDC_LAST_MOVE, 3, "h2e2 h9g7 h0g2", -1},
};

}  // namespace

void GameInfoWindowTest::alternativesByKeysMouseAndTheEndButtons() {
    game->setKeepVariations(true);
    playMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT});
    game->goToPly(1);
    playMoves({packMove(7, 7, 4, 7)});
    game->goToPly(1);
    settle();
    auto* choiceList = info().control<QTreeWidget>(IDC_MOVE_CHOICES);
    QCOMPARE(choiceList->topLevelItem(0)->text(0), QStringLiteral("马８进７"));  // the main move first
    QCOMPARE(info().chosenChoice(), 1);  // the line's own move chosen
    for (const ChoiceStep& s : CHOICE_STEPS) {
        if (s.key) QTest::keyClick(list(), Qt::Key(s.key));
        else if (s.button) info().control<QPushButton>(s.button)->click();
        else QTest::mouseClick(choiceList->viewport(), Qt::LeftButton, {},
                               choiceList->visualItemRect(choiceList->topLevelItem(0)).center());
        settle();
        QString line;
        for (int i = 0; i < game->recordSize(); ++i)
            line += QString::fromStdString(writeCoordinateMove(game->recordEntry(i)->move)) + ' ';
        const QByteArray what = QByteArray::number(int(&s - CHOICE_STEPS)) + ": " + line.toUtf8();
        QVERIFY2(game->moveCount() == s.ply && line.trimmed() == QLatin1String(s.line), what);
        QVERIFY2(info().chosenChoice() == s.chosen && w->boardView().viewBoard() == game->board(), what);
    }
    game->setKeepVariations(false);
}

SHELL_TEST(GameInfoWindowTest);
#include "game_info_window_test.moc"
