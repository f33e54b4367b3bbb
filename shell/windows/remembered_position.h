// Where a tool window stands, kept while it is closed so that it reopens
// there (and stored in the settings file by the main window).
#pragma once

#include <QPoint>

class QWidget;

class RememberedPosition {
public:
    RememberedPosition();

    // The top-left corner; x is UNSET_POSITION when there is none.
    QPoint point() const { return {x_, y_}; }
    // Remembers (x, y) and moves the open window there, kept on screen;
    // UNSET_POSITION instead takes the open window's present place.
    void set(QWidget* open, int x, int y);
    // Follows the open window moved by the user.
    void follow(QPoint topLeft) {
        x_ = topLeft.x();
        y_ = topLeft.y();
    }

private:
    int x_;
    int y_ = 0;
};
