// The board picture: 390 x 480, intersections at (35 + 40 file, 60 + 40 rank).
#pragma once

#include <QImage>

constexpr int BOARD_WIDTH = 390;
constexpr int BOARD_HEIGHT = 480;

QImage paintBoard();
