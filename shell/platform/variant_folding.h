// Simplified and traditional characters matched alike in Qt's strings, by
// the same table as the game layer's foldVariants (game/chinese_variants.h).
#pragma once

#include <QString>

// The text with traditional characters made simplified and letters made
// lower case.
QString foldVariants(const QString& text);
