// Where the board's lines lie in a board picture drawn at some size and
// pixel density. The classic board is 390 x 480 with the cells 40 apart;
// a larger board keeps its proportions, in whole pixels of the window
// (its cell size and its width and height), and is drawn in the screen's
// own pixels, devicePixelRatio of them to a window pixel.
#pragma once

#include <cmath>

constexpr int CLASSIC_CELL = 40;
constexpr int CLASSIC_BOARD_WIDTH = 390;
constexpr int CLASSIC_BOARD_HEIGHT = 480;

struct BoardLayout {
    // The board in window pixels.
    int width = CLASSIC_BOARD_WIDTH;
    int height = CLASSIC_BOARD_HEIGHT;
    int cell = CLASSIC_CELL;
    double devicePixelRatio = 1.0;

    // Picture pixels per pixel of the classic board.
    double unit() const { return cell * devicePixelRatio / CLASSIC_CELL; }
    // A picture measure for one of the classic board, in whole pixels.
    int pixels(double classic) const { return int(std::lround(classic * unit())); }
    int deviceWidth() const { return int(std::lround(width * devicePixelRatio)); }
    int deviceHeight() const { return int(std::lround(height * devicePixelRatio)); }
    // The side of a piece's (and the marker's) square and of a file label.
    int deviceCell() const { return int(std::lround(cell * devicePixelRatio)); }
    int deviceLabel() const { return int(std::lround(cell / 2 * devicePixelRatio)); }

    // The width of the board's lines, whole pixels so that they stay sharp.
    int lineWidth() const { return pixels(1.0) < 1 ? 1 : pixels(1.0); }
    // The first pixel column of file f's line and row of rank r's (ranks
    // as drawn, from the top). On the classic board the line of a point
    // is the pixel at the centre of its cell; a wider line keeps its middle
    // where the classic one has it.
    int lineX(int file) const { return lineStart((width - 8 * cell) / 2 + cell * file); }
    int lineY(int rank) const { return lineStart((height - 9 * cell) / 2 + cell * rank); }

private:
    int lineStart(int centre) const {
        return int(std::lround(centre * devicePixelRatio + 0.5 * unit() - lineWidth() / 2.0));
    }
};
