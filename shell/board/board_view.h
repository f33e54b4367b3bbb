// The board area of the main window: draws the board, the file labels, the
// pieces, the last-move marker and a dragged or sliding piece; turns drags
// into moves for the game; slides moves at 500 pixels per second (on the
// classic board; the same points per second on a larger one); and keeps
// the drawn position in step with the game's. Its size is one of the
// board sizes; everything in pixels follows the geometry.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <functional>

#include "engine/types.h"
#include "artwork/piece_painter.h"
#include "shell/board/board_geometry.h"

class Game;
struct BoardPictures;
struct RecordEntry;

class BoardView : public QWidget {
public:
    using Completion = std::function<void()>;

    struct Hooks {
        std::function<bool()> animationOn;                // 走子动画 is ticked
        std::function<void()> afterUserMove;              // tool windows' idle steps
        std::function<void(QPoint)> paletteDragMoved;     // set-up palette follows (screen point)
        std::function<void()> paletteDragEnded;
        std::function<void()> cursorChanged;              // the window's cursor is to be set again
    };

    struct Hit {
        bool ok = false;
        BoardPiece piece = NO_PIECE;
        GridPoint point = NO_POINT;
        QPoint offset;
    };

    BoardView(Game& game, QWidget* parent);
    void setHooks(Hooks h) { hooks = std::move(h); }

    // ---- geometry (window pixels of the board area, at its size) ----
    const BoardGeometry& geometry() const { return geo; }
    int cellSize() const { return geo.cell; }
    QPoint cellOrigin(GridPoint p) const { return geo.cellOrigin(p); }
    QPoint cellCentre(GridPoint p) const { return geo.cellCentre(p); }
    GridPoint pointToGrid(QPoint pixel, QPoint* offset = nullptr) const { return geo.pointToGrid(pixel, offset); }
    Hit hitTest(QPoint pixel) const;
    bool reversed() const { return geo.reverse; }
    void setReversed(bool r);
    void rotateBoard() { setReversed(!geo.reverse); }
    // The board size, an index of BOARD_SCALES; the widget takes its size.
    int scale() const { return scaleIndex; }
    // The pieces drawn: the Chinese characters or the WXF letters.
    PieceSet pieceSet() const { return pieceSet_; }
    void setPieceSet(PieceSet set);
    void setScale(int index);

    // ---- the drawn position ----
    const Board90& viewBoard() const { return viewBoard_; }
    Side viewSide() const { return viewSide_; }
    void showPosition(const Board90& board, Side side);
    void showBoard(const Board90& board);
    void showSide(Side side);
    void restoreView();
    void syncView();
    void markViewSynced();

    // ---- animation ----
    void startAnimation(PackedMove move, Completion done);
    void stopAnimation();
    bool animating() const { return animating_; }
    // The undo and redo slides of record entry e.
    void animateUndo(const RecordEntry& e, Completion done);
    void animateRedo(const RecordEntry& e, Completion done);

    // ---- dragging ----
    bool dragging() const { return dragPiece != NO_PIECE; }
    // A piece taken from the set-up palette, held at offset inside its cell.
    void startPaletteDrag(BoardPiece piece, QPoint offset, QPoint boardPixel);
    // Ends a drag as a lost capture does.
    void cancelDrag();
    // Whether the hand cursor belongs at the pointer now.
    bool wantsHandCursor() const;

    // ---- the analysis arrow ----
    // Draws an arrow for move while the view shows `board`; 0 removes it.
    void setArrow(PackedMove move, const Board90& board);
    PackedMove arrow() const { return arrowMove; }
    // Whether the arrow is on the board now.
    bool arrowShown() const;

    // Milliseconds of the monotonic clock shared by the animations.
    static qint64 now();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;

private:
    void paintBuffer();
    void drawPiece(QPainter& p, const BoardPictures& pictures, BoardPiece code, QPoint at) const;
    void drawLabels(QPainter& p, const BoardPictures& pictures) const;
    void drawPieces(QPainter& p, const BoardPictures& pictures) const;
    void drawMarker(QPainter& p, const BoardPictures& pictures) const;
    void animationStep();
    void finishAnimation();
    void dropInPlay(GridPoint target);
    void dropInSetup(GridPoint target);
    void endDrag();
    PackedMove markedMove() const;

    Game& game;
    Hooks hooks;
    BoardGeometry geo;
    int scaleIndex = 0;
    PieceSet pieceSet_ = PieceSet::Chinese;
    QImage backBuffer;

    Board90 viewBoard_{};
    Side viewSide_ = 0;
    BoardPiece dragPiece = NO_PIECE;
    GridPoint dragFrom = NO_POINT;
    QPoint mouse;
    QPoint grabOffset;

    bool animating_ = false;
    qint64 animStart = 0;
    GridPoint animFrom = NO_POINT;
    GridPoint animTo = NO_POINT;
    QPoint animPos;
    Completion animDone;

    Board90 syncedBoard{};
    Side syncedSide = 0;

    PackedMove arrowMove = 0;
    Board90 arrowBoard{};
};
