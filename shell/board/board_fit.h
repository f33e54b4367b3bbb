// Which board sizes fit the screen: a size fits when the window around
// its board (the frame, menu bar and toolbar, as wide and high as they
// are now) lies within the screen's available area.
#pragma once

#include <QSize>

#include "shell/board/board_scale.h"

// The window a board size makes, with `chrome` the window less its board.
QSize windowForScale(int index, QSize chrome);
bool scaleFits(int index, QSize chrome, QSize available);
// The largest size up to `wanted` that fits; the classic one when none does.
int largestFittingScale(int wanted, QSize chrome, QSize available);
