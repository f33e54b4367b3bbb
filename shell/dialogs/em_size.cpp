#include "shell/dialogs/em_size.h"

#include <QFontInfo>
#include <QWidget>
#include <algorithm>

int emPixels(const QWidget& widget) { return std::max(1, QFontInfo(widget.font()).pixelSize()); }

int emQuarters(const QWidget& widget, int quarters) { return (emPixels(widget) * quarters + 2) / 4; }
