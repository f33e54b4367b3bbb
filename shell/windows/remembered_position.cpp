#include "shell/windows/remembered_position.h"

#include <QWidget>

#include "shell/main_window/main_window.h"
#include "shell/windows/keep_on_screen.h"

RememberedPosition::RememberedPosition() : x_(UNSET_POSITION) {}

void RememberedPosition::set(QWidget* open, int x, int y) {
    if (x == UNSET_POSITION) {
        if (open) follow(open->pos());
        return;
    }
    x_ = x;
    y_ = y;
    if (!open) return;
    open->move(x, y);
    keepOnScreen(*open);
}
