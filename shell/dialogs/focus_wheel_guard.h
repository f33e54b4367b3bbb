// Fields of a long form that take the mouse wheel only once they have the
// focus: turning the wheel over the form scrolls it instead of changing
// whichever number box or list happens to pass under the pointer.
#pragma once

#include <QObject>

class QWidget;

class FocusWheelGuard final : public QObject {
public:
    explicit FocusWheelGuard(QObject* parent) : QObject(parent) {}
    // The field gets its focus by click or Tab only, and a wheel turned
    // over it without the focus goes on to the form around it.
    void guard(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
