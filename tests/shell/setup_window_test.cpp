// The set-up window: what the palette lets be picked up, a piece dragged
// from it onto the board, the three board buttons, the side to move, the
// refusal of a position whose side not to move stands in check, and the
// accepted position handed to the game.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "game/game.h"
#include "game/rules.h"
#include "shell/board/board_view.h"
#include "shell/main_window/main_window.h"
#include "shell/windows/setup_window.h"
#include "shell/windows/timer_window.h"
#include "shell_support.h"
#include "tool_window_support.h"

class SetupWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void paletteHitsAndLimits();
    void aPieceDraggedFromThePalette();
    void theThreeBoardButtons();
    void theSideToMove();
    void refusedWhileTheOtherKingIsInCheck();
    void acceptedPositionGoesToTheGame();
    void theCloseBoxAcceptsToo();
    void cancelGivesTheGameBack();

private:
    MainWindow* w = nullptr;
    Game* game = nullptr;
    SetupWindow& setup() { return SetupWindow::instance(); }
    BoardView& view() { return w->boardView(); }
    void click(int id) { setup().control<QAbstractButton>(id)->click(); }
    // The palette point at the centre of piece p's cell, plus d.
    QPoint cellCentre(BoardPiece p, QPoint d = {}) {
        const int column = (p % 7) - 1;
        const int row = p < 7 ? 0 : 1;
        return setup().paletteOrigin() + QPoint(40 * column + 20, 40 * row + 20) + d;
    }
    void dropAt(GridPoint p) {
        const QPoint at = pointCentre(view(), p);
        QMouseEvent move(QEvent::MouseMove, at, view().mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view(), &move);
        QTest::mouseRelease(&view(), Qt::LeftButton, Qt::NoModifier, at);
    }
    int count(BoardPiece p) {
        int n = 0;
        for (BoardPiece c : view().viewBoard()) n += c == p;
        return n;
    }
};

void SetupWindowTest::init() {
    w = &freshGame();
    game = &Game::instance();
    playMoves({CANNON_TO_CENTRE});
    game->setModified(false);
    game->enterSetup();
    pump(60);
    QVERIFY(setup().isOpen());
    QVERIFY(game->isSetupOpen());
    QCOMPARE(game->positionKey(), std::uint64_t{0});
}

void SetupWindowTest::cleanup() {
    if (setup().isOpen()) {
        click(IDC_INITIAL_BOARD);
        click(IDC_RED_FIRST);
        QVERIFY(setup().finish());
    }
    if (w->boardReversed() == false) w->rotateBoard();
}

void SetupWindowTest::paletteHitsAndLimits() {
    // The board still holds every piece: the palette gives none.
    for (BoardPiece p : {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13}) QVERIFY(!setup().hitAt(cellCentre(p)).ok);
    click(IDC_CLEAR_BOARD);
    const PaletteHit hit = setup().hitAt(cellCentre(6, {3, -4}));
    QVERIFY(hit.ok);
    QCOMPARE(int(hit.piece), 6);
    QCOMPARE(hit.offset, QPoint(23, 16));
    QCOMPARE(int(setup().hitAt(cellCentre(11)).piece), 11);
    // Within 18 pixels of a cell's centre only.
    QVERIFY(setup().hitAt(cellCentre(4, {17, 5})).ok);
    QVERIFY(!setup().hitAt(cellCentre(4, {18, 1})).ok);
    QVERIFY(!setup().hitAt(cellCentre(4, {13, 13})).ok);
    QVERIFY(!setup().hitAt(setup().paletteOrigin() + QPoint(-1, 20)).ok);
    // Five red pawns on the board: no sixth.
    Board90 board = kingsOnlyBoard();
    for (int file : {0, 2, 4, 6, 8}) board[boardIndex(file, 3)] = 6;
    view().showBoard(board);
    QVERIFY(!setup().hitAt(cellCentre(6)).ok);
    QVERIFY(!setup().pressPalette(cellCentre(6)));
    QVERIFY(setup().hitAt(cellCentre(13)).ok);
    // Two rooks, but one advisor.
    board[boardIndex(0, 0)] = 4;
    board[boardIndex(8, 0)] = 4;
    board[boardIndex(3, 0)] = 1;
    view().showBoard(board);
    QVERIFY(!setup().hitAt(cellCentre(4)).ok);
    QVERIFY(setup().hitAt(cellCentre(1)).ok);
}

void SetupWindowTest::aPieceDraggedFromThePalette() {
    click(IDC_CLEAR_BOARD);
    QVERIFY(setup().pressPalette(cellCentre(4)));
    QCOMPARE(int(setup().draggedPiece()), 4);
    QVERIFY(view().dragging());
    dropAt({0, 4});
    QCOMPARE(int(view().viewBoard()[boardIndex(0, 4)]), 4);
    QCOMPARE(int(setup().draggedPiece()), int(NO_PIECE));
    QVERIFY(!view().dragging());
    // A red elephant only goes to its seven points.
    QVERIFY(setup().pressPalette(cellCentre(2)));
    dropAt({4, 4});
    QCOMPARE(count(2), 0);
    QVERIFY(setup().pressPalette(cellCentre(2)));
    dropAt({4, 2});
    QCOMPARE(count(2), 1);
    // The game's board is not touched until set-up ends.
    QCOMPARE(game->board()[boardIndex(0, 4)], NO_PIECE);
}

void SetupWindowTest::theThreeBoardButtons() {
    click(IDC_CLEAR_BOARD);
    QCOMPARE(view().viewBoard(), kingsOnlyBoard());
    QCOMPARE(count(0), 1);
    QCOMPARE(int(view().viewBoard()[boardIndex(4, 0)]), 0);
    QCOMPARE(int(view().viewBoard()[boardIndex(4, 9)]), 7);
    click(IDC_INITIAL_BOARD);
    QCOMPARE(view().viewBoard(), INITIAL_BOARD);
    // Swapping: colours change, the board turns, every piece keeps its place on screen.
    Board90 board = INITIAL_BOARD;
    board[boardIndex(1, 2)] = NO_PIECE;
    board[boardIndex(4, 2)] = 5;
    view().showBoard(board);
    const bool reversed = w->boardReversed();
    const QPoint onScreen = view().cellOrigin({4, 2});
    click(IDC_SWAP_COLOURS);
    QCOMPARE(w->boardReversed(), !reversed);
    QCOMPARE(int(view().viewBoard()[boardIndex(4, 7)]), 12);
    QCOMPARE(view().cellOrigin({4, 7}), onScreen);
    QCOMPARE(view().viewBoard(), swappedColours(board));
    click(IDC_SWAP_COLOURS);
    QCOMPARE(view().viewBoard(), board);
    QCOMPARE(w->boardReversed(), reversed);
}

void SetupWindowTest::theSideToMove() {
    // Ticked from the game's side to move: Black, after 炮二平五.
    QVERIFY(setup().control<QRadioButton>(IDC_BLACK_FIRST)->isChecked());
    click(IDC_RED_FIRST);
    QCOMPARE(view().viewSide(), SIDE_RED);
    click(IDC_BLACK_FIRST);
    QCOMPARE(view().viewSide(), SIDE_BLACK);
}

void SetupWindowTest::refusedWhileTheOtherKingIsInCheck() {
    // Two kings alone face each other: whoever is not to move is in check.
    click(IDC_CLEAR_BOARD);
    click(IDC_RED_FIRST);
    const Board90 before = game->board();
    MessageAnswerer answers(QMessageBox::Ok);
    click(ID_OK);
    pump(100);
    QCOMPARE(answers.texts, QStringList{QStringLiteral("将(帅)被将军")});
    QCOMPARE(answers.titles, QStringList{QStringLiteral("错误")});
    QCOMPARE(answers.icons.value(0), QMessageBox::Critical);
    QVERIFY(setup().isOpen());
    QCOMPARE(game->board(), before);
    QVERIFY(!game->modified());
    // A piece between them lets Red start.
    Board90 board = kingsOnlyBoard();
    board[boardIndex(4, 3)] = 6;
    view().showBoard(board);
    QVERIFY(setup().finish());
    QCOMPARE(game->board(), board);
}

void SetupWindowTest::acceptedPositionGoesToTheGame() {
    Board90 board = kingsOnlyBoard();
    board[boardIndex(4, 3)] = 6;
    board[boardIndex(0, 7)] = 11;
    view().showBoard(board);
    click(IDC_BLACK_FIRST);
    click(ID_OK);
    pump(60);
    QVERIFY(!setup().isOpen());
    QVERIFY(!game->isSetupOpen());
    QCOMPARE(game->board(), board);
    QCOMPARE(game->startBoard(), board);
    QCOMPARE(game->sideToMove(), SIDE_BLACK);
    QCOMPARE(game->startSide(), SIDE_BLACK);
    QCOMPARE(game->recordSize(), 0);
    QVERIFY(game->modified());
    QVERIFY(TimerWindow::instance().clock().running);
    QVERIFY(game->positionKey() != 0);
    // The game goes on from it: Black's rook moves.
    QVERIFY(game->tryUserMove(packMove(0, 7, 0, 5)));
}

void SetupWindowTest::theCloseBoxAcceptsToo() {
    click(IDC_INITIAL_BOARD);
    click(IDC_RED_FIRST);
    setup().window()->close();
    pump(60);
    QVERIFY(!setup().isOpen());
    QCOMPARE(game->board(), INITIAL_BOARD);
    QCOMPARE(game->sideToMove(), SIDE_RED);
}

// 取消 and Esc: the record, position, title, unsaved mark and rotation
// come back as set-up found them, whatever was edited meanwhile.
void SetupWindowTest::cancelGivesTheGameBack() {
    const struct {
        bool byEscape;
        bool modified;
    } cases[] = {{true, false}, {false, true}};
    for (const auto& c : cases) {
        if (setup().isOpen()) setup().cancel();
        game->setModified(c.modified);
        const std::string title = w->windowTitle();
        const Board90 board = game->board();
        const bool reversed = w->boardReversed();
        game->enterSetup();
        pump(30);
        click(IDC_CLEAR_BOARD);
        click(IDC_BLACK_FIRST);
        click(IDC_SWAP_COLOURS);
        if (c.byEscape) {
            QTest::keyClick(setup().window(), Qt::Key_Escape);
        } else {
            click(IDC_CANCEL_SETUP);
        }
        pump(30);
        QVERIFY(!setup().isOpen());
        QCOMPARE(game->moveCount(), 1);
        QCOMPARE(game->board(), board);
        QCOMPARE(int(game->sideToMove()), int(SIDE_BLACK));
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(game->modified(), c.modified);
        QCOMPARE(w->boardReversed(), reversed);
        QCOMPARE(view().viewBoard(), board);
    }
}

SHELL_TEST(SetupWindowTest);
#include "setup_window_test.moc"
