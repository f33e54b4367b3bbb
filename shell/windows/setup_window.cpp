#include "shell/windows/setup_window.h"

#include <QDialog>
#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "game/game.h"
#include "game/gbk.h"
#include "game/rules.h"
#include "shell/board/bitmap_set.h"
#include "shell/board/board_pictures.h"
#include "shell/board/board_view.h"
#include "shell/windows/dialog_units.h"
#include "shell/main_window/main_window.h"
#include "shell/windows/timer_window.h"

namespace {

constexpr DialogTemplate SETUP_TEMPLATE{106, QT_TRANSLATE_NOOP("Texts", "棋子"), 185, 143};
// The palette's place in the template, in dialog units.
constexpr int PALETTE_X = 6, PALETTE_Y = 6, PALETTE_W = 172, PALETTE_H = 57;

constexpr BoardPiece RED_KING = 0;
constexpr BoardPiece BLACK_KING = 7;

bool isRed(BoardPiece p) { return p < 7; }

Game& game() { return Game::instance(); }
BoardView& view() { return MainWindow::instance().boardView(); }

}  // namespace

// The palette control: draws the pieces, hands presses to the window, and
// passes on a drag that the main window could not take over.
class SetupPalette final : public QFrame {
public:
    SetupPalette(SetupWindow& w, QWidget* parent) : QFrame(parent), owner(w) {
        setFrameShape(QFrame::Box);
        setFrameShadow(QFrame::Plain);
        setLineWidth(1);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QFrame::paintEvent(e);
        owner.paintPalette(*this);
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        owner.pressPalette(e->position().toPoint() - contentsRect().topLeft());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (forwardToBoard(e)) return;
        const bool hand = owner.hitAt(e->position().toPoint() - contentsRect().topLeft()).ok;
        setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    void mouseReleaseEvent(QMouseEvent* e) override { forwardToBoard(e); }

private:
    // While the board drags a palette piece, pointer events that still
    // arrive here belong to that drag.
    bool forwardToBoard(QMouseEvent* e) {
        if (owner.draggedPiece() == NO_PIECE || !MainWindow::exists() || !view().dragging()) return false;
        BoardView& board = view();
        const QPointF global = e->globalPosition();
        QMouseEvent moved(e->type(), board.mapFromGlobal(global), global, e->button(), e->buttons(), e->modifiers());
        QApplication::sendEvent(&board, &moved);
        return true;
    }

    SetupWindow& owner;
};

PaletteHit paletteHitTest(const Board90& board, QPoint q, int cell) {
    PaletteHit hit;
    if (q.x() < 0 || q.x() >= PALETTE_COLUMNS * cell || q.y() < 0 || q.y() >= PALETTE_ROWS * cell) return hit;
    const int column = q.x() / cell;
    const int row = q.y() / cell;
    const int dx = q.x() % cell - cell / 2;
    const int dy = q.y() % cell - cell / 2;
    if (dx * dx + dy * dy > pickRadiusSquared(cell)) return hit;
    const auto piece = static_cast<BoardPiece>(1 + column + 7 * row);
    if (!canPlace(board, piece, NO_POINT)) return hit;
    hit.ok = true;
    hit.piece = piece;
    hit.offset = QPoint(q.x() % cell, q.y() % cell);
    return hit;
}

Board90 swappedColours(const Board90& board) {
    Board90 out{};
    for (int i = 0; i < 90; ++i) {
        const BoardPiece p = board[i];
        out[89 - i] = p == NO_PIECE ? NO_PIECE : static_cast<BoardPiece>(isRed(p) ? p + 7 : p - 7);
    }
    return out;
}

Board90 kingsOnlyBoard() {
    Board90 board{};
    board.fill(NO_PIECE);
    board[boardIndex(4, 0)] = RED_KING;
    board[boardIndex(4, 9)] = BLACK_KING;
    return board;
}

SetupWindow& SetupWindow::instance() {
    static SetupWindow window;
    return window;
}

SetupWindow::SetupWindow() : ToolWindow(SETUP_TEMPLATE, false) {}

void SetupWindow::createControls() {
    auto* palette = new SetupPalette(*this, parentForControls());
    placeControl(palette, IDC_PALETTE, PALETTE_X, PALETTE_Y, PALETTE_W, PALETTE_H);
    addGroup(QT_TRANSLATE_NOOP("Texts", "先手方"), 11, 71, 48, 43);
    addRadioButton(IDC_RED_FIRST, QT_TRANSLATE_NOOP("Texts", "红方"), 19, 84, 32, 10);
    addRadioButton(IDC_BLACK_FIRST, QT_TRANSLATE_NOOP("Texts", "黑方"), 19, 97, 32, 10);
    addButton(IDC_CLEAR_BOARD, QT_TRANSLATE_NOOP("Texts", "清除棋局"), 79, 77, 40, 14);
    addButton(IDC_INITIAL_BOARD, QT_TRANSLATE_NOOP("Texts", "初始棋局"), 127, 77, 40, 14);
    addButton(IDC_SWAP_COLOURS, QT_TRANSLATE_NOOP("Texts", "红黑交换"), 79, 99, 40, 14);
    addButton(ID_OK, QT_TRANSLATE_NOOP("Texts", "结束"), 127, 99, 40, 14, true);
    addButton(IDC_CANCEL_SETUP, QT_TRANSLATE_NOOP("Texts", "取消"), 127, 121, 40, 14);
}

bool SetupWindow::onInitialise() {
    ToolWindow::onInitialise();
    if (auto* done = control<QPushButton>(ID_OK)) done->setFocus();
    grownBy = 0;
    fitPalette();
    dragged = NO_PIECE;
    const int tick = game().sideToMove() == SIDE_RED ? IDC_RED_FIRST : IDC_BLACK_FIRST;
    if (auto* radio = control<QRadioButton>(tick)) radio->setChecked(true);
    return false;
}

void SetupWindow::onCommand(int id, int code) {
    if (code != NOTIFY_CLICKED || !MainWindow::exists()) return;
    MainWindow& main = MainWindow::instance();
    BoardView& board = main.boardView();
    switch (id) {
    case IDC_RED_FIRST: board.showSide(SIDE_RED); break;
    case IDC_BLACK_FIRST: board.showSide(SIDE_BLACK); break;
    case IDC_CLEAR_BOARD: board.showBoard(kingsOnlyBoard()); break;
    case IDC_INITIAL_BOARD: board.showBoard(INITIAL_BOARD); break;
    case IDC_SWAP_COLOURS: {
        const Board90 swapped = swappedColours(board.viewBoard());
        main.rotateBoard();
        board.showBoard(swapped);
        break;
    }
    case ID_OK:
    case ID_CANCEL: finish(); break;
    case IDC_CANCEL_SETUP: cancel(); break;
    default: break;
    }
}

bool SetupWindow::finish() {
    if (!isOpen() || !MainWindow::exists()) return false;
    MainWindow& main = MainWindow::instance();
    const Board90 board = main.boardView().viewBoard();
    const Side first = main.boardView().viewSide();
    if (!isSoundPieceSet(board)) {
        main.showMessage(GBK_BAD_PIECE_SET, GBK_CAPTION_ERROR, MessageIcon::Error);
        return false;
    }
    if (!isSetupAcceptable(board, first)) {
        main.showMessage(GBK_KING_IN_CHECK, GBK_CAPTION_ERROR, MessageIcon::Error);
        return false;
    }
    close();
    Game& g = game();
    g.setModified(true);
    g.setBoard(board, first);
    g.commitStartPosition();
    main.updateCommands();
    TimerWindow::instance().restart();
    g.resumePlay();
    return true;
}

void SetupWindow::cancel() {
    if (!isOpen() || !MainWindow::exists()) return;
    BoardView& board = MainWindow::instance().boardView();
    if (board.dragging()) board.cancelDrag();
    close();
    game().cancelSetup();
}

// ------------------------------------------------------------ the palette

int SetupWindow::cell() const { return MainWindow::exists() ? view().cellSize() : PALETTE_CELL; }

void SetupWindow::fitPalette() {
    auto* palette = control<SetupPalette>(IDC_PALETTE);
    QDialog* dialog = window();
    if (!palette || !dialog) return;
    const QRect base = dialogUnits().toPixels(PALETTE_X, PALETTE_Y, PALETTE_W, PALETTE_H);
    const int frame = palette->frameWidth();
    const QSize grid(PALETTE_COLUMNS * cell(), PALETTE_ROWS * cell());
    const QSize size = base.size().expandedTo(grid + QSize(2 * frame, 2 * frame));
    const int grow = size.height() - base.height();
    // The controls under the palette keep their places relative to it.
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != palette && child->y() >= base.bottom()) child->move(child->x(), child->y() + grow - grownBy);
    }
    grownBy = grow;
    palette->setGeometry(QRect(base.topLeft(), size));
    const QSize dialogSize = dialogUnits().toPixels(SETUP_TEMPLATE.width, SETUP_TEMPLATE.height);
    dialog->setFixedSize(dialogSize + QSize(size.width() - base.width(), grow));
    const QRect client = palette->contentsRect();
    origin = QPoint((client.width() - grid.width()) / 2, (client.height() - grid.height()) / 2);
    dragged = NO_PIECE;
    palette->update();
}

PaletteHit SetupWindow::hitAt(QPoint at) const {
    if (!MainWindow::exists()) return {};
    return paletteHitTest(view().viewBoard(), at - origin, cell());
}

bool SetupWindow::pressPalette(QPoint at) {
    const PaletteHit hit = hitAt(at);
    auto* palette = control<SetupPalette>(IDC_PALETTE);
    if (!hit.ok || !palette) return false;
    dragged = hit.piece;
    grab = hit.offset;
    pointer = at;
    palette->update();
    MainWindow& main = MainWindow::instance();
    main.raise();
    main.activateWindow();
    BoardView& board = main.boardView();
    const QPoint screen = palette->mapToGlobal(at + palette->contentsRect().topLeft());
    board.startPaletteDrag(hit.piece, hit.offset, board.mapFromGlobal(screen));
    board.setCursor(Qt::PointingHandCursor);
    return true;
}

void SetupWindow::dragMoved(QPoint screen) {
    auto* palette = control<SetupPalette>(IDC_PALETTE);
    if (!palette) return;
    pointer = palette->mapFromGlobal(screen) - palette->contentsRect().topLeft();
    palette->update();
}

void SetupWindow::dragEnded() {
    dragged = NO_PIECE;
    if (auto* palette = control<SetupPalette>(IDC_PALETTE)) palette->update();
}

void SetupWindow::paintPalette(SetupPalette& palette) {
    const QRect client = palette.contentsRect();
    QPainter p(&palette);
    p.setClipRect(client);
    p.translate(client.topLeft());
    p.fillRect(QRect(QPoint(0, 0), client.size()), Qt::black);
    const int side = cell();
    BoardGeometry size;
    PieceSet set = PieceSet::Chinese;
    if (MainWindow::exists()) {
        size = view().geometry();
        set = view().pieceSet();
    }
    const BoardPictures& pictures = BitmapSet::instance().boardPictures(size.layout(palette.devicePixelRatio()), set);
    const auto draw = [&](BoardPiece code, QPoint at) {
        p.drawImage(QRect(at, QSize(side, side)), pictures.pieces, pictures.pieceSource(code));
    };
    // Red's advisor .. pawn (codes 1..6) above Black's (8..13).
    for (int row = 0; row < PALETTE_ROWS; ++row) {
        for (int column = 0; column < PALETTE_COLUMNS; ++column) {
            draw(static_cast<BoardPiece>(1 + column + 7 * row), origin + QPoint(side * column, side * row));
        }
    }
    if (dragged != NO_PIECE) draw(dragged, pointer - grab);
}
