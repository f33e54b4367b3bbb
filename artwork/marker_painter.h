// The last-move marker: a square of a piece's size (40 x 40 on the classic
// board) with premultiplied alpha, a half-transparent green disc of 16
// classic pixels diameter in the centre.
#pragma once

#include <QImage>

// Format_ARGB32_Premultiplied, size x size.
QImage paintMarker(int size = 40);
