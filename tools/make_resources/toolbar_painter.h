// The toolbar icons: twelve 16 x 16 icons side by side (192 x 16) on the
// mask colour RGB(0, 128, 128), in a normal and a disabled look.
#pragma once

#include <QImage>

inline constexpr QRgb TOOLBAR_MASK = 0xFF008080;
constexpr int TOOLBAR_ICONS = 12;
constexpr int TOOLBAR_ICON = 16;

// Format_RGB32; every pixel is either the mask colour or part of an icon.
QImage paintToolbar();
QImage disabledToolbar(const QImage& normal);
