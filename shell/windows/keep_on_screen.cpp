#include "shell/windows/keep_on_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect keptOnScreen(const QRect& frame, const QRect& titleBar, const QRect& workArea) {
    if (titleBar.intersects(workArea)) return frame;
    return keptInside(frame, workArea);
}

QRect keptInside(const QRect& frame, const QRect& workArea) {
    QRect r = frame;
    if (r.right() > workArea.right()) r.moveLeft(r.left() - (r.right() - workArea.right()));
    if (r.bottom() > workArea.bottom()) r.moveTop(r.top() - (r.bottom() - workArea.bottom()));
    if (r.left() < workArea.left()) r.moveLeft(workArea.left());
    if (r.top() < workArea.top()) r.moveTop(workArea.top());
    return r;
}

void keepOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // The desktop spans every screen; the work area is the union of theirs.
    QRect workArea;
    for (const QScreen* s : QGuiApplication::screens()) workArea |= s->availableGeometry();
    const QRect frame = window.frameGeometry();
    const int titleHeight = window.geometry().top() - frame.top();
    const QRect titleBar(frame.left(), frame.top(), frame.width(), titleHeight > 0 ? titleHeight : 1);
    const QRect kept = keptOnScreen(frame, titleBar, workArea);
    if (kept != frame) window.move(kept.topLeft());
}

void keepInsideScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect frame = window.frameGeometry();
    const QRect kept = keptInside(frame, screen->availableGeometry());
    if (kept != frame) window.move(kept.topLeft());
}
