// The board sizes of 查看 → 棋盘大小, in menu order: the classic board and
// four larger ones. Each has whole pixels per cell, its lines as far from
// the left edge as from the right, and the classic proportions.
#pragma once

#include <iterator>

#include "shell/board/board_geometry.h"

struct BoardScale {
    int percent;
    int cell;
    int width;
    int height;
};

constexpr BoardScale BOARD_SCALES[] = {
    {100, 40, 390, 480}, {125, 50, 488, 600}, {150, 60, 586, 720}, {200, 80, 780, 960}, {250, 100, 976, 1200},
};
constexpr int BOARD_SCALE_COUNT = int(std::size(BOARD_SCALES));

constexpr bool isSymmetric(const BoardScale& s) {
    return (s.width - 8 * s.cell) % 2 == 0 && (s.height - 9 * s.cell) % 2 == 0 && s.height == 12 * s.cell;
}
static_assert(isSymmetric(BOARD_SCALES[0]) && isSymmetric(BOARD_SCALES[1]) && isSymmetric(BOARD_SCALES[2]) &&
              isSymmetric(BOARD_SCALES[3]) && isSymmetric(BOARD_SCALES[4]));
static_assert(BOARD_SCALES[0].cell == CELL_SIZE && BOARD_SCALES[0].width == BOARD_WIDTH &&
              BOARD_SCALES[0].height == BOARD_HEIGHT);
