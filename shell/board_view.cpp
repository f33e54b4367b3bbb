#include "shell/board_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "game/game.h"
#include "game/rules.h"
#include "shell/bitmap_set.h"

namespace {

constexpr double SLIDE_PIXELS_PER_SECOND = 500.0;
constexpr int PICK_RADIUS_SQUARED = 18 * 18;
constexpr int LABEL_SIZE = 20;

const QElapsedTimer& monotonicClock() {
    static const QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock;
}

bool isKing(BoardPiece p) { return p == 0 || p == 7; }

}  // namespace

qint64 BoardView::now() { return monotonicClock().elapsed(); }

BoardView::BoardView(Game& g, QWidget* parent) : QWidget(parent), game(g) {
    viewBoard_.fill(NO_PIECE);
    syncedBoard.fill(0);
    const QImage& board = BitmapSet::instance().board();
    geo.width = board.width();
    geo.height = board.height();
    setFixedSize(geo.width, geo.height);
    backBuffer = QImage(geo.width, geo.height, QImage::Format_ARGB32_Premultiplied);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void BoardView::setReversed(bool r) {
    geo.reverse = r;
    update();
}

// ---------------------------------------------------------------- position

void BoardView::showPosition(const Board90& board, Side side) {
    viewBoard_ = board;
    viewSide_ = side;
    update();
}

void BoardView::showBoard(const Board90& board) {
    viewBoard_ = board;
    update();
}

void BoardView::showSide(Side side) {
    viewSide_ = side;
    update();
}

void BoardView::restoreView() {
    if (viewBoard_ != syncedBoard || viewSide_ != syncedSide) showPosition(syncedBoard, syncedSide);
}

void BoardView::syncView() {
    if (animating_) {
        animationStep();
        return;
    }
    if (syncedBoard == game.board() && syncedSide == game.sideToMove()) return;
    showPosition(game.board(), game.sideToMove());
    repaint();
    syncedBoard = game.board();
    syncedSide = game.sideToMove();
}

void BoardView::markViewSynced() {
    syncedBoard = viewBoard_;
    syncedSide = viewSide_;
}

// --------------------------------------------------------------- animation

void BoardView::startAnimation(PackedMove move, Completion done) {
    if (move == 0) return;
    animFrom = moveFrom(move);
    animTo = moveTo(move);
    viewBoard_[boardIndex(animFrom.file, animFrom.rank)] = NO_PIECE;
    animPos = cellOrigin(animFrom);
    animating_ = true;
    animStart = now();
    animDone = std::move(done);
    update();
}

void BoardView::animateUndo(const RecordEntry& e, Completion done) {
    const GridPoint from = moveFrom(e.move);
    const GridPoint to = moveTo(e.move);
    viewBoard_[boardIndex(to.file, to.rank)] = e.captured;
    animFrom = to;
    animTo = from;
    animPos = cellOrigin(animFrom);
    animating_ = true;
    animStart = now();
    animDone = std::move(done);
    update();
}

void BoardView::animateRedo(const RecordEntry& e, Completion done) {
    const GridPoint from = moveFrom(e.move);
    viewBoard_[boardIndex(from.file, from.rank)] = NO_PIECE;
    animFrom = from;
    animTo = moveTo(e.move);
    animPos = cellOrigin(animFrom);
    animating_ = true;
    animStart = now();
    animDone = std::move(done);
    update();
}

void BoardView::animationStep() {
    if (hooks.animationOn && !hooks.animationOn()) {
        finishAnimation();
        return;
    }
    const QPoint a = cellOrigin(animFrom);
    const QPoint b = cellOrigin(animTo);
    const float dx = float(b.x() - a.x());
    const float dy = float(b.y() - a.y());
    const float length = std::sqrt(dx * dx + dy * dy);
    const float f = length > 0 ? float(now() - animStart) * 0.001f * float(SLIDE_PIXELS_PER_SECOND) / length : 2.0f;
    if (f <= 1.0f) {
        animPos = QPoint(int(float(a.x()) + f * dx), int(float(a.y()) + f * dy));
        update();
        return;
    }
    finishAnimation();
}

void BoardView::finishAnimation() {
    animating_ = false;
    update();
    Completion done = std::move(animDone);
    animDone = nullptr;
    if (done) done();
}

void BoardView::stopAnimation() {
    if (animating_) finishAnimation();
}

// ----------------------------------------------------------------- hit test

BoardView::Hit BoardView::hitTest(QPoint pixel) const {
    Hit hit;
    const bool setup = game.isSetupOpen();
    if (!setup) {
        const ThinkingStatus status = game.thinkingStatus();
        if (game.mode() == MODE_DEMO || game.result() != RESULT_IN_PLAY || status == THINKING_MOVE ||
            status == THINKING_ANALYSIS || animating_ || viewBoard_ != game.board() ||
            viewSide_ != game.sideToMove()) {
            return hit;
        }
    }
    QPoint offset;
    const GridPoint point = pointToGrid(pixel, &offset);
    const int ox = offset.x() - CELL_SIZE / 2;
    const int oy = offset.y() - CELL_SIZE / 2;
    if (ox * ox + oy * oy > PICK_RADIUS_SQUARED) return hit;
    if (!isOnBoard(point)) return hit;
    const BoardPiece piece = viewBoard_[boardIndex(point.file, point.rank)];
    if (piece == NO_PIECE) return hit;
    if (!setup && (viewSide_ == SIDE_RED ? !isRedPiece(piece) : !isBlackPiece(piece))) return hit;
    hit.ok = true;
    hit.piece = piece;
    hit.point = point;
    hit.offset = offset;
    return hit;
}

bool BoardView::wantsHandCursor() const {
    return dragging() || hitTest(mapFromGlobal(QCursor::pos())).ok;
}

// -------------------------------------------------------------------- mouse

void BoardView::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        cancelDrag();
        return;
    }
    if (e->button() != Qt::LeftButton || dragging()) return;
    const Hit hit = hitTest(e->position().toPoint());
    if (!hit.ok) return;
    if (!game.isSetupOpen() && hooks.moveRefused && hooks.moveRefused()) return;
    dragPiece = hit.piece;
    dragFrom = hit.point;
    grabOffset = hit.offset;
    mouse = e->position().toPoint();
    update();
    if (hooks.cursorChanged) hooks.cursorChanged();
}

void BoardView::startPaletteDrag(BoardPiece piece, QPoint offset, QPoint boardPixel) {
    dragPiece = piece;
    dragFrom = NO_POINT;
    grabOffset = offset;
    mouse = boardPixel;
    grabMouse();  // the press was in the palette, not here
    update();
}

void BoardView::mouseMoveEvent(QMouseEvent* e) {
    if (dragging()) {
        mouse = e->position().toPoint();
        update();
        if (game.isSetupOpen() && dragFrom == NO_POINT && hooks.paletteDragMoved) {
            hooks.paletteDragMoved(e->globalPosition().toPoint());
        }
    }
    if (hooks.cursorChanged) hooks.cursorChanged();
}

void BoardView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !dragging()) return;
    mouse = e->position().toPoint();
    const GridPoint target =
        pointToGrid(QPoint(mouse.x() - grabOffset.x() + CELL_SIZE / 2, mouse.y() - grabOffset.y() + CELL_SIZE / 2));
    if (game.isSetupOpen()) {
        dropInSetup(target);
        endDrag();
        return;
    }
    dropInPlay(target);
}

bool BoardView::event(QEvent* e) {
    // Whatever takes the mouse away ends a drag, as a lost capture does
    // (a press keeps the mouse on this widget until the release).
    if (e->type() == QEvent::WindowDeactivate || e->type() == QEvent::Hide || e->type() == QEvent::UngrabMouse) {
        cancelDrag();
    }
    return QWidget::event(e);
}

void BoardView::cancelDrag() {
    if (dragging()) endDrag();
}

void BoardView::endDrag() {
    if (!dragging()) return;
    dragPiece = NO_PIECE;
    dragFrom = NO_POINT;
    if (QWidget::mouseGrabber() == this) releaseMouse();
    update();
    if (hooks.cursorChanged) hooks.cursorChanged();
    if (game.isSetupOpen() && hooks.paletteDragEnded) hooks.paletteDragEnded();
}

void BoardView::dropInPlay(GridPoint target) {
    const GridPoint from = dragFrom;
    const bool legal = isOnBoard(target) && isOnBoard(from) && game.tryUserMove(packMove(from, target));
    endDrag();
    syncView();
    if (!legal) return;  // an illegal drop is silent: the piece is back on its square
    game.setModified(true);
    game.shell().refreshCommands();
    const RecordEntry* last = game.recordEntry(game.moveCount() - 1);
    game.shell().playMoveSound(last && last->captured != NO_PIECE);
    if (hooks.afterUserMove) hooks.afterUserMove();
    if (game.checkResult() == RESULT_IN_PLAY && game.mode() == MODE_HUMAN_COMPUTER) game.computerMove();
}

void BoardView::dropInSetup(GridPoint target) {
    const BoardPiece d = dragPiece;
    const bool fromBoard = isOnBoard(dragFrom);
    if (isOnBoard(target)) {
        const int to = boardIndex(target.file, target.rank);
        if (isKing(viewBoard_[to])) return;  // a king is never captured by a drop
        if (fromBoard) viewBoard_[boardIndex(dragFrom.file, dragFrom.rank)] = NO_PIECE;
        if (canPlace(viewBoard_, d, target)) {
            viewBoard_[to] = d;
            dragFrom = NO_POINT;
        } else if (fromBoard) {
            viewBoard_[boardIndex(dragFrom.file, dragFrom.rank)] = d;
        }
        update();
        return;
    }
    if (fromBoard && !isKing(d)) {
        viewBoard_[boardIndex(dragFrom.file, dragFrom.rank)] = NO_PIECE;
        update();
    }
}

// ----------------------------------------------------------------- painting

void BoardView::paintEvent(QPaintEvent*) {
    paintBuffer();
    QPainter p(this);
    p.drawImage(0, 0, backBuffer);
}

void BoardView::paintBuffer() {
    const BitmapSet& bitmaps = BitmapSet::instance();
    QPainter p(&backBuffer);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, bitmaps.board());
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    drawLabels(p);
    drawPieces(p);
    if (animating_) {
        const BoardPiece moving = game.board()[boardIndex(animTo.file, animTo.rank)];
        if (moving != NO_PIECE) {
            p.drawImage(animPos, bitmaps.pieces(), QRect(CELL_SIZE * moving, 0, CELL_SIZE, CELL_SIZE));
        }
    }
    drawMarker(p);
    if (dragging()) {
        p.drawImage(mouse - grabOffset, bitmaps.pieces(), QRect(CELL_SIZE * dragPiece, 0, CELL_SIZE, CELL_SIZE));
    }
}

void BoardView::drawLabels(QPainter& p) {
    const QImage& labels = BitmapSet::instance().labels();
    const int chineseRow = viewSide_ == SIDE_RED ? 40 : 0;
    const int arabicRow = viewSide_ == SIDE_RED ? 20 : 60;
    const int topY = 20;
    const int bottomY = 440;
    for (int i = 0; i < 9; ++i) {
        const QRect chinese(LABEL_SIZE * i, chineseRow, LABEL_SIZE, LABEL_SIZE);
        const QRect arabic(LABEL_SIZE * i, arabicRow, LABEL_SIZE, LABEL_SIZE);
        if (!geo.reverse) {
            p.drawImage(QPoint(25 + 40 * i, topY), labels, chinese);
            p.drawImage(QPoint(345 - 40 * i, bottomY), labels, arabic);
        } else {
            p.drawImage(QPoint(345 - 40 * i, bottomY), labels, chinese);
            p.drawImage(QPoint(25 + 40 * i, topY), labels, arabic);
        }
    }
}

void BoardView::drawPieces(QPainter& p) {
    const QImage& pieces = BitmapSet::instance().pieces();
    for (int rank = 0; rank < 10; ++rank) {
        for (int file = 0; file < 9; ++file) {
            const BoardPiece c = viewBoard_[boardIndex(file, rank)];
            if (c == NO_PIECE || c < 0 || c > 13) continue;
            const GridPoint point{static_cast<std::int8_t>(file), static_cast<std::int8_t>(rank)};
            if (dragging() && point == dragFrom) continue;
            p.drawImage(cellOrigin(point), pieces, QRect(CELL_SIZE * c, 0, CELL_SIZE, CELL_SIZE));
        }
    }
}

PackedMove BoardView::markedMove() const {
    if (animating_) return packMove(animFrom, animTo);
    const RecordEntry* last = game.recordEntry(game.moveCount() - 1);
    return last ? last->move : 0;
}

void BoardView::drawMarker(QPainter& p) {
    const PackedMove m = markedMove();
    if (m == 0) return;
    const QImage& marker = BitmapSet::instance().marker();
    p.drawImage(cellOrigin(moveFrom(m)), marker);
    p.drawImage(cellOrigin(moveTo(m)), marker);
}
