// The windows built with layouts give their sizes in the height of their
// font, so they keep in proportion to their text whatever face stands in.
#pragma once

class QWidget;

// The height of the widget's font in pixels (at least 1).
int emPixels(const QWidget& widget);
// `quarters` quarters of that height.
int emQuarters(const QWidget& widget, int quarters);
