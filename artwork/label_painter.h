// The file labels: four rows of nine square labels (white 一..九, white
// 1..9, yellow 一..九, yellow 1..9), 20 x 20 each on the classic board, on
// transparency; the carried sheet is this one flattened onto black, its
// key colour.
#pragma once

#include <QImage>

constexpr int LABEL_CELL = 20;

// Format_ARGB32_Premultiplied, 9 x 4 labels of `cell` pixels.
QImage paintLabelSheet(int cell = LABEL_CELL);
