// The file labels: 180 x 80, four rows of nine 20 x 20 labels (white
// 一..九, white 1..9, yellow 一..九, yellow 1..9) on black, the key colour.
#pragma once

#include <QImage>

QImage paintLabelSheet();
