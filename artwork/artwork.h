// Drawing helpers shared by the board's pictures and the toolbar: the wood
// surface, turning a smooth drawing into one with a transparent key colour,
// and the typefaces.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

// The wood the board is made of, on average: antialiased edges of pieces
// and labels are blended towards it, since their transparency is a key
// colour and cannot be partial.
inline const QColor BOARD_WOOD_AVERAGE(214, 168, 108);

// A procedural wooden surface (grain running from top to bottom). unit is
// the number of pixels per pixel of the classic board, so that a larger
// board shows the same grain, only finer.
QImage woodSurface(int width, int height, unsigned seed, QColor light, QColor dark, double unit = 1.0);

// Pixels covered less than half become fully transparent; the others become
// opaque, their partial coverage mixed with `background`.
QImage flattenAlpha(const QImage& drawing, QColor background);

// The typefaces: a bold serif CJK face for the carved characters and the
// river, a bold sans face for the small labels.
QFont carvedFont(double pixelSize);
QFont labelFont(double pixelSize);
