// A modeless window beside the main window, built with Qt layouts. The
// object lives for the whole run; its window exists from opening to
// closing, remembers where it was on the screen and reopens there.
#pragma once

#include <QPoint>
#include <QPointer>

#include "shell/windows/remembered_position.h"

class QDialog;

class FloatingWindow {
public:
    virtual ~FloatingWindow();
    FloatingWindow(const FloatingWindow&) = delete;
    FloatingWindow& operator=(const FloatingWindow&) = delete;

    // Creates the window, or brings it to the front when it is open.
    void open();
    // Destroys the window; closing() runs first.
    void close();
    bool isOpen() const { return !dialog_.isNull(); }
    QDialog* window() const;

    // Moves the window there (and back onto the desktop when it would be
    // lost); UNSET_POSITION takes the window's present place.
    void setPosition(int x, int y);
    // The remembered top-left corner; x is UNSET_POSITION when there is none.
    QPoint position() const { return position_.point(); }

    // ---- from the window ----
    void moved(QPoint topLeft);
    // Esc and the close box: closes unless the window says otherwise.
    virtual void closeRequested() { close(); }

protected:
    explicit FloatingWindow(const char* title);  // UTF-8

    // Fills the new window with its widgets and layout.
    virtual void build(QDialog& window) = 0;
    // After building, before the window shows.
    virtual void opened() {}
    virtual void closing() {}

private:
    const char* title_;
    QPointer<QDialog> dialog_;
    RememberedPosition position_;
};

