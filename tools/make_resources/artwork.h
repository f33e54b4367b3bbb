// Drawing helpers shared by the picture generators: the wood surface, and
// turning a smooth drawing into one with a transparent key colour.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

// The wood the board is made of, on average: antialiased edges of pieces
// and labels are blended towards it, since their transparency is a key
// colour and cannot be partial.
inline const QColor BOARD_WOOD_AVERAGE(214, 168, 108);

// A procedural wooden surface (grain running from top to bottom).
QImage woodSurface(int width, int height, unsigned seed, QColor light, QColor dark);

// Pixels covered less than half become fully transparent; the others become
// opaque, their partial coverage mixed with `background`.
QImage flattenAlpha(const QImage& drawing, QColor background);

// The typefaces: a bold serif CJK face for the carved characters and the
// river, a bold sans face for the small labels.
QFont carvedFont(double pixelSize);
QFont labelFont(double pixelSize);
