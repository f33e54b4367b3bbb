// 棋子: the palette of the set-up mode. Pieces are dragged from it onto the
// board (the main window runs the drag), the side to move is chosen, and
// closing the window accepts the position unless the side that has just
// "moved" would stand in check.
#pragma once

#include <QPoint>

#include "engine/types.h"
#include "shell/windows/tool_window.h"

class SetupPalette;

constexpr int IDC_PALETTE = 1025;
constexpr int IDC_RED_FIRST = 1007;
constexpr int IDC_BLACK_FIRST = 1008;
constexpr int IDC_CLEAR_BOARD = 3;
constexpr int IDC_INITIAL_BOARD = 4;
constexpr int IDC_SWAP_COLOURS = 5;
constexpr int IDC_CANCEL_SETUP = 6;

// The palette's piece grid: two rows of six cells, 40 pixels on the
// classic board and as large as the board's on a larger one.
constexpr int PALETTE_COLUMNS = 6;
constexpr int PALETTE_ROWS = 2;
constexpr int PALETTE_CELL = 40;

// What a press at a palette point would pick up.
struct PaletteHit {
    bool ok = false;
    BoardPiece piece = NO_PIECE;
    QPoint offset;  // inside the piece's cell
};

// The piece at q (relative to the grid's top-left) that board can still
// take; refused outside the grid, beyond the pick-up radius from a cell's
// centre (18 pixels for 40-pixel cells), and for a piece already on the
// board as often as allowed.
PaletteHit paletteHitTest(const Board90& board, QPoint q, int cell = PALETTE_CELL);

// The board with every piece changing colour and the board turned round:
// cell 89 - i takes cell i with the other colour.
Board90 swappedColours(const Board90& board);
// Only the two kings, on their home points.
Board90 kingsOnlyBoard();

class SetupWindow final : public ToolWindow {
public:
    static SetupWindow& instance();

    // ---- from the main window's drag of a palette piece ----
    void dragMoved(QPoint screen);
    void dragEnded();

    // ---- the palette (also for tests) ----
    QPoint paletteOrigin() const { return origin; }
    BoardPiece draggedPiece() const { return dragged; }
    // A press at a point of the palette's client area.
    bool pressPalette(QPoint at);
    // "结束" or closing: answers whether the position was taken.
    bool finish();
    // 取消 or Esc: the game as it was before set-up.
    void cancel();

    void paintPalette(SetupPalette& palette);
    // What a press at a point of the palette's client area would pick up.
    PaletteHit hitAt(QPoint at) const;
    // Sizes the palette for the board's cells: as the template has it while
    // the grid fits, else larger, the controls below it moved down as much.
    void fitPalette();

private:
    SetupWindow();
    void createControls() override;
    bool onInitialise() override;
    void onCommand(int id, int code) override;
    // Esc goes back to the game as it was; the close box still accepts, as 结束 does.
    void onEscape() override { cancel(); }

    int cell() const;

    QPoint origin;
    int grownBy = 0;  // how far fitPalette moved the controls below the palette
    BoardPiece dragged = NO_PIECE;
    QPoint grab;
    QPoint pointer;
};
