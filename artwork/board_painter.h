// The board picture: the classic one is 390 x 480 with the intersections at
// (35 + 40 file, 60 + 40 rank); a larger one follows its layout.
#pragma once

#include <QImage>

#include "artwork/board_layout.h"

constexpr int BOARD_WIDTH = CLASSIC_BOARD_WIDTH;
constexpr int BOARD_HEIGHT = CLASSIC_BOARD_HEIGHT;

QImage paintBoard(const BoardLayout& layout = {});
