#include "shell/board/board_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "game/game.h"
#include "game/rules.h"
#include "shell/board/bitmap_set.h"
#include "shell/board/board_scale.h"
#include "shell/board/move_arrow.h"

namespace {

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
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void BoardView::setScale(int index) {
    if (index < 0 || index >= BOARD_SCALE_COUNT || index == scaleIndex) return;
    cancelDrag();
    const BoardScale& s = BOARD_SCALES[index];
    scaleIndex = index;
    geo.cell = s.cell;
    geo.width = s.width;
    geo.height = s.height;
    setFixedSize(geo.width, geo.height);
    update();
}

void BoardView::setPieceSet(PieceSet set) {
    pieceSet_ = set;
    update();
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
    const float speed = float(geo.slidePixelsPerSecond());
    const float f = length > 0 ? float(now() - animStart) * 0.001f * speed / length : 2.0f;
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
    const int ox = offset.x() - geo.cell / 2;
    const int oy = offset.y() - geo.cell / 2;
    if (ox * ox + oy * oy > geo.pickRadiusSquared()) return hit;
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
    // A locked record takes no move: no piece may be taken up.
    if (!game.isSetupOpen() && game.refuseRecordChange()) return;
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
    const int half = geo.cell / 2;
    const GridPoint target = pointToGrid(QPoint(mouse.x() - grabOffset.x() + half, mouse.y() - grabOffset.y() + half));
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
    p.drawImage(QRect(0, 0, geo.width, geo.height), backBuffer);
}

// Everything is drawn in the screen's own pixels: the back buffer has
// devicePixelRatio of them to each window pixel, and so have the pictures.
void BoardView::paintBuffer() {
    const qreal ratio = devicePixelRatio();
    const BoardLayout layout = geo.layout(ratio);
    const QSize size(layout.deviceWidth(), layout.deviceHeight());
    if (backBuffer.size() != size || backBuffer.devicePixelRatio() != ratio) {
        backBuffer = QImage(size, QImage::Format_ARGB32_Premultiplied);
        backBuffer.setDevicePixelRatio(ratio);
    }
    const BoardPictures& pictures = BitmapSet::instance().boardPictures(layout, pieceSet_);
    QPainter p(&backBuffer);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRect(0, 0, geo.width, geo.height), pictures.board);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    drawLabels(p, pictures);
    drawPieces(p, pictures);
    if (animating_) {
        const BoardPiece moving = game.board()[boardIndex(animTo.file, animTo.rank)];
        if (moving != NO_PIECE) drawPiece(p, pictures, moving, animPos);
    }
    drawMarker(p, pictures);
    if (arrowShown()) drawMoveArrow(p, cellCentre(moveFrom(arrowMove)), cellCentre(moveTo(arrowMove)), geo.cell);
    if (dragging()) drawPiece(p, pictures, dragPiece, mouse - grabOffset);
}

void BoardView::drawPiece(QPainter& p, const BoardPictures& pictures, BoardPiece code, QPoint at) const {
    if (code < 0 || code >= NO_PIECE) return;
    p.drawImage(QRect(at, QSize(geo.cell, geo.cell)), pictures.pieces, pictures.pieceSource(code));
}

void BoardView::drawLabels(QPainter& p, const BoardPictures& pictures) const {
    // Rows of the label sheet: white 一..九, white 1..9, yellow 一..九, yellow 1..9.
    const int chineseRow = viewSide_ == SIDE_RED ? 2 : 0;
    const int arabicRow = viewSide_ == SIDE_RED ? 1 : 3;
    const QSize size(geo.labelSize(), geo.labelSize());
    for (int i = 0; i < 9; ++i) {
        // Chinese numerals along Red's edge, Arabic along Black's.
        const QRect chinese(geo.labelOrigin(i, !geo.reverse), size);
        const QRect arabic(geo.labelOrigin(i, geo.reverse), size);
        p.drawImage(chinese, pictures.labels, pictures.labelSource(i, chineseRow));
        p.drawImage(arabic, pictures.labels, pictures.labelSource(i, arabicRow));
    }
}

void BoardView::drawPieces(QPainter& p, const BoardPictures& pictures) const {
    for (int rank = 0; rank < 10; ++rank) {
        for (int file = 0; file < 9; ++file) {
            const BoardPiece c = viewBoard_[boardIndex(file, rank)];
            const GridPoint point{static_cast<std::int8_t>(file), static_cast<std::int8_t>(rank)};
            if (dragging() && point == dragFrom) continue;
            drawPiece(p, pictures, c, cellOrigin(point));
        }
    }
}

PackedMove BoardView::markedMove() const {
    if (animating_) return packMove(animFrom, animTo);
    const RecordEntry* last = game.recordEntry(game.moveCount() - 1);
    return last ? last->move : 0;
}

void BoardView::drawMarker(QPainter& p, const BoardPictures& pictures) const {
    const PackedMove m = markedMove();
    if (m == 0) return;
    const QSize size(geo.cell, geo.cell);
    p.drawImage(QRect(cellOrigin(moveFrom(m)), size), pictures.marker);
    p.drawImage(QRect(cellOrigin(moveTo(m)), size), pictures.marker);
}

// ------------------------------------------------------------------- arrow

void BoardView::setArrow(PackedMove move, const Board90& board) {
    if (move == arrowMove && (move == 0 || board == arrowBoard)) return;
    arrowMove = move;
    arrowBoard = board;
    update();
}

bool BoardView::arrowShown() const {
    // Only over the position it belongs to: a preview or a new position hides it.
    return arrowMove != 0 && !animating_ && viewBoard_ == arrowBoard;
}
