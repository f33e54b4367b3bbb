// A task that waits until a widget has painted for the first time, and
// then runs on the event loop's next turn: what the first frame does not
// need is done once the window is on the screen.
#pragma once

#include <functional>

class QWidget;

void afterFirstPaint(QWidget* widget, std::function<void()> task);
