// The board view driven with the mouse: moves by dragging, silent illegal
// drops, the pick-up radius, the computer's answer, undo and redo slides,
// rotation, and the set-up drop rules.
#include <QTest>
#include <cmath>

#include "engine/engine.h"
#include "game/game.h"
#include "shell/main_window/app.h"
#include "shell/board/board_view.h"
#include "shell/main_window/command_ids.h"
#include "shell/main_window/main_window.h"
#include "shell_support.h"

class BoardViewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void draggingALegalMoveRecordsIt();
    void illegalDropsAreSilent();
    void pressFartherThan18PixelsPicksNothing();
    void onlyTheSideToMoveIsPickedUp();
    void computerAnswersInHumanAgainstComputer();
    void undoAndRedoSlideAndRestore();
    void animationOffShowsTheMoveAtOnce();
    void rotationFlipsTheCells();
    void noPickUpWhileTheViewShowsAnotherPosition();
    void setupDropsFollowThePlacementRules();
    void cursorFollowsWhatCanBeDone();

private:
    MainWindow* w = nullptr;
    BoardView* view = nullptr;
    Game* game = nullptr;
    void settle() { pumpUntil([this] { return !view->animating(); }, 5000); }
};

namespace {

constexpr GridPoint RED_CANNON{1, 2};
constexpr GridPoint CENTRE{4, 2};

}  // namespace

void BoardViewTest::init() {
    w = &startedWindow();
    view = &w->boardView();
    game = &Game::instance();
    w->setSetupOpen(false);
    thinkingEngine().abandonAndWait();
    game->setModified(false);
    game->setPonderEnabled(false);
    game->setMode(MODE_TWO_HUMANS);
    w->mainMenu().setChecked(CheckMark::Animation, true);
    w->mainMenu().setChecked(CheckMark::Sound, false);
    game->newGame();
    pump(60);
    QCOMPARE(view->viewBoard(), INITIAL_BOARD);
}

void BoardViewTest::draggingALegalMoveRecordsIt() {
    QVERIFY(!w->QMainWindow::windowTitle().endsWith('*'));
    dragPoint(*view, RED_CANNON, CENTRE);
    QCOMPARE(game->moveCount(), 1);
    QCOMPARE(game->recordEntry(0)->move, packMove(RED_CANNON, CENTRE));
    QVERIFY(game->modified());
    QVERIFY(w->QMainWindow::windowTitle().endsWith('*'));
    QCOMPARE(view->viewBoard(), game->board());
    QVERIFY(!view->dragging());
    // In two-human play nobody answers.
    pump(200);
    QCOMPARE(game->moveCount(), 1);
}

void BoardViewTest::illegalDropsAreSilent() {
    MessageAnswerer answers(QMessageBox::Ok);
    // A cannon cannot move to an empty point over a screen.
    dragPoint(*view, RED_CANNON, {1, 8});
    // Back on its own square is no move either.
    dragPoint(*view, RED_CANNON, RED_CANNON);
    // Dropped off the board.
    dragMouse(*view, pointCentre(*view, RED_CANNON), QPoint(2, 2));
    pump(100);
    QCOMPARE(game->moveCount(), 0);
    QVERIFY(!game->modified());
    QCOMPARE(view->viewBoard(), INITIAL_BOARD);
    QVERIFY(answers.texts.isEmpty());
    QVERIFY(!view->dragging());
}

void BoardViewTest::pressFartherThan18PixelsPicksNothing() {
    const QPoint c = pointCentre(*view, RED_CANNON);
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, c + QPoint(13, 13));  // 18.4 px away
    QVERIFY(!view->dragging());
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, c + QPoint(13, 13));
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, c + QPoint(0, -18));  // on the circle
    QVERIFY(view->dragging());
    // The right button cancels the drag; nothing moves.
    QTest::mousePress(view, Qt::RightButton, Qt::NoModifier, c + QPoint(0, -18));
    QVERIFY(!view->dragging());
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, pointCentre(*view, CENTRE));
    QCOMPARE(game->moveCount(), 0);
    QVERIFY(!view->hitTest(c + QPoint(-13, 13)).ok);
    QVERIFY(view->hitTest(c + QPoint(-12, 12)).ok);
}

void BoardViewTest::onlyTheSideToMoveIsPickedUp() {
    QVERIFY(!view->hitTest(pointCentre(*view, {1, 7})).ok);  // Black's cannon, Red to move
    QVERIFY(!view->hitTest(pointCentre(*view, {1, 5})).ok);  // an empty point
    dragPoint(*view, RED_CANNON, CENTRE);
    QVERIFY(view->hitTest(pointCentre(*view, {1, 7})).ok);
    QVERIFY(!view->hitTest(pointCentre(*view, {1, 0})).ok);
    // Demonstration mode lets nobody pick up a piece.
    game->setMode(MODE_DEMO);
    QVERIFY(!view->hitTest(pointCentre(*view, {1, 7})).ok);
    game->setMode(MODE_TWO_HUMANS);
}

void BoardViewTest::computerAnswersInHumanAgainstComputer() {
    game->setMode(MODE_HUMAN_COMPUTER);
    game->setComputerSide(SIDE_BLACK);
    w->setCustomLimits({LIMIT_DEPTH, 2, 0});
    game->setLevel(LEVEL_CUSTOM);
    thinkingEngine().setLimits({LIMIT_DEPTH, 2, 0});
    dragPoint(*view, RED_CANNON, CENTRE);
    QCOMPARE(game->moveCount(), 1);
    QVERIFY(pumpUntil([this] { return game->moveCount() == 2 && !view->animating(); }, 20000));
    const RecordEntry* reply = game->recordEntry(1);
    QVERIFY(reply);
    const GridPoint from = moveFrom(reply->move);
    QVERIFY(isBlackPiece(game->board()[boardIndex(moveTo(reply->move).file, moveTo(reply->move).rank)]));
    QCOMPARE(game->board()[boardIndex(from.file, from.rank)], NO_PIECE);
    pump(60);
    QCOMPARE(view->viewBoard(), game->board());
    QCOMPARE(view->viewSide(), SIDE_RED);
    game->setLevel(LEVEL_BEGINNER);
}

void BoardViewTest::undoAndRedoSlideAndRestore() {
    dragPoint(*view, RED_CANNON, CENTRE);
    dragPoint(*view, {7, 9}, {6, 7});  // 马8进7
    QCOMPARE(game->moveCount(), 2);
    const Board90 after = game->board();
    game->setModified(false);

    const qint64 start = BoardView::now();
    w->onCommand(CMD_UNDO);
    QCOMPARE(game->moveCount(), 1);
    QVERIFY(view->animating());
    // The horse slides back over the empty point it came from.
    QCOMPARE(view->viewBoard()[boardIndex(6, 7)], NO_PIECE);
    settle();
    // One knight's step is sqrt(40^2 + 80^2) = 89 pixels: at least 178 ms.
    QVERIFY(BoardView::now() - start >= 170);
    QCOMPARE(view->viewBoard(), game->board());
    QVERIFY(game->modified());

    w->onCommand(CMD_UNDO);
    settle();
    QCOMPARE(game->moveCount(), 0);
    QCOMPARE(view->viewBoard(), INITIAL_BOARD);
    QVERIFY(!w->mainMenu().isEnabled(CMD_UNDO));

    w->onCommand(CMD_REDO);
    QVERIFY(view->animating());
    settle();
    w->onCommand(CMD_REDO);
    settle();
    QCOMPARE(game->moveCount(), 2);
    QCOMPARE(game->board(), after);
    QCOMPARE(view->viewBoard(), after);
    QVERIFY(!w->mainMenu().isEnabled(CMD_REDO));
}

void BoardViewTest::animationOffShowsTheMoveAtOnce() {
    dragPoint(*view, RED_CANNON, CENTRE);
    w->mainMenu().setChecked(CheckMark::Animation, false);
    w->onCommand(CMD_UNDO);
    QVERIFY(view->animating());
    App::instance().idle();
    QVERIFY(!view->animating());
    QCOMPARE(view->viewBoard(), INITIAL_BOARD);
}

void BoardViewTest::rotationFlipsTheCells() {
    QVERIFY(w->boardReversed());
    QCOMPARE(view->cellOrigin({0, 0}), QPoint(335, 400));
    w->onCommand(CMD_ROTATE);
    QVERIFY(!w->boardReversed());
    QCOMPARE(view->cellOrigin({0, 0}), QPoint(15, 40));
    QCOMPARE(view->cellOrigin({8, 9}), QPoint(335, 400));
    // Dragging works the same on the rotated board.
    dragPoint(*view, RED_CANNON, CENTRE);
    QCOMPARE(game->moveCount(), 1);
    w->onCommand(CMD_ROTATE);
    QVERIFY(w->boardReversed());
}

void BoardViewTest::noPickUpWhileTheViewShowsAnotherPosition() {
    Board90 other = INITIAL_BOARD;
    other[boardIndex(0, 3)] = NO_PIECE;
    view->showPosition(other, SIDE_RED);
    QVERIFY(!view->hitTest(pointCentre(*view, RED_CANNON)).ok);
    view->restoreView();
    QCOMPARE(view->viewBoard(), INITIAL_BOARD);
    QVERIFY(view->hitTest(pointCentre(*view, RED_CANNON)).ok);
}

void BoardViewTest::setupDropsFollowThePlacementRules() {
    w->setSetupOpen(true);
    // Both sides' pieces can be picked up in set-up.
    QVERIFY(view->hitTest(pointCentre(*view, {1, 7})).ok);
    // A king dragged off the board stays.
    dragMouse(*view, pointCentre(*view, {4, 0}), QPoint(2, 2));
    QCOMPARE(view->viewBoard()[boardIndex(4, 0)], BoardPiece(0));
    // A rook dragged off the board is removed.
    dragMouse(*view, pointCentre(*view, {0, 0}), QPoint(2, 2));
    QCOMPARE(view->viewBoard()[boardIndex(0, 0)], NO_PIECE);
    // Nothing captures a king by a drop.
    dragPoint(*view, {1, 7}, {4, 0});
    QCOMPARE(view->viewBoard()[boardIndex(4, 0)], BoardPiece(0));
    QCOMPARE(view->viewBoard()[boardIndex(1, 7)], BoardPiece(12));
    // An elephant cannot stand on the river bank; it goes back.
    dragPoint(*view, {2, 0}, {2, 3});
    QCOMPARE(view->viewBoard()[boardIndex(2, 0)], BoardPiece(2));
    QCOMPARE(view->viewBoard()[boardIndex(2, 3)], BoardPiece(6));
    // A horse may go anywhere free, even onto another piece's point.
    dragPoint(*view, {1, 0}, {4, 5});
    QCOMPARE(view->viewBoard()[boardIndex(4, 5)], BoardPiece(3));
    QCOMPARE(view->viewBoard()[boardIndex(1, 0)], NO_PIECE);
    // Only the view changed.
    QCOMPARE(game->board(), INITIAL_BOARD);
    QCOMPARE(game->moveCount(), 0);
    w->setSetupOpen(false);
    view->restoreView();
}

void BoardViewTest::cursorFollowsWhatCanBeDone() {
    const auto shapeAt = [this](QPoint p) {
        QCursor::setPos(view->mapToGlobal(p));
        w->updateCursor();
        return w->cursor().shape();
    };
    const QPoint c = pointCentre(*view, RED_CANNON);
    QCOMPARE(shapeAt(c + QPoint(12, 12)), Qt::PointingHandCursor);
    QCOMPARE(shapeAt(c + QPoint(13, 13)), Qt::ArrowCursor);
    QCOMPARE(shapeAt(pointCentre(*view, {1, 7})), Qt::ArrowCursor);  // not the side to move
    w->setCustomLimits({LIMIT_TIME, 0, 60});
    game->setLevel(LEVEL_CUSTOM);
    thinkingEngine().setLimits({LIMIT_TIME, 0, 60});
    game->computerMove();
    QCOMPARE(w->cursor().shape(), Qt::BusyCursor);
    game->stopThinking();
    QCOMPARE(shapeAt(c), Qt::PointingHandCursor);
    game->setLevel(LEVEL_BEGINNER);
}

SHELL_TEST(BoardViewTest);
#include "board_view_test.moc"
