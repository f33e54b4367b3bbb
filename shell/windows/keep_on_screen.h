// Brings back a window whose title bar has left the desktop's work area.
#pragma once

#include <QRect>

class QWidget;

// The frame rectangle moved, without resizing, so that it lies inside the
// work area where it can (pure, for the window operation below).
QRect keptOnScreen(const QRect& frame, const QRect& titleBar, const QRect& workArea);
void keepOnScreen(QWidget& window);
// The frame moved, without resizing, so that as much of it as fits lies in
// the work area, its top-left corner first.
QRect keptInside(const QRect& frame, const QRect& workArea);
// A window that has grown is moved into its own screen's work area so.
void keepInsideScreen(QWidget& window);
