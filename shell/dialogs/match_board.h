// The match window's own board: a smaller picture of one game's position,
// drawn from the same artwork as the main board. It only shows; the
// player's game on the main board is never touched by a match.
#pragma once

#include <QWidget>

#include "engine/types.h"
#include "shell/board/board_geometry.h"
#include "shell/board/board_pictures.h"

class MatchBoard final : public QWidget {
public:
    explicit MatchBoard(QWidget* parent);
    // Shows a position; nullptr shows the empty board with a note.
    void showPosition(const Board90* board);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const BoardPictures& pictures();

    BoardGeometry geo;
    BoardPictures drawn;
    double drawnRatio = 0;
    Board90 board_ = INITIAL_BOARD;
    bool known = false;
};
