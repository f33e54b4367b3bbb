#include "shell/dialogs/focus_wheel_guard.h"

#include <QEvent>
#include <QWidget>

void FocusWheelGuard::guard(QWidget* field) {
    field->setFocusPolicy(Qt::StrongFocus);
    field->installEventFilter(this);
}

bool FocusWheelGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return false;
    const auto* field = qobject_cast<QWidget*>(watched);
    if (!field || field->hasFocus()) return false;
    // Not taken here: the application hands the wheel to the field's parents.
    event->ignore();
    return true;
}
