#include "shell/main_window/after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Lets the paint through, posts the task and goes.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget* widget, std::function<void()> t) : QObject(widget), task(std::move(t)) {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && task) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, std::move(task));
            task = nullptr;
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> task;
};

}  // namespace

void afterFirstPaint(QWidget* widget, std::function<void()> task) { new FirstPaintWatch(widget, std::move(task)); }
