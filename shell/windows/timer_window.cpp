#include "shell/windows/timer_window.h"

#include <QLabel>

#include "game/game.h"
#include "shell/board/board_view.h"
#include "shell/main_window/main_window.h"

namespace {

constexpr DialogTemplate TIMER_TEMPLATE{112, QT_TRANSLATE_NOOP("Texts", "计时"), 99, 58};

std::int64_t now() { return BoardView::now(); }

}  // namespace

TimerWindow& TimerWindow::instance() {
    static TimerWindow window;
    return window;
}

TimerWindow::TimerWindow() : ToolWindow(TIMER_TEMPLATE, false) { clock_.reset(now()); }

void TimerWindow::createControls() {
    addStatic(0, QT_TRANSLATE_NOOP("Texts", "红方用时"), 12, 9);
    addStatic(IDC_RED_TIME, "00:00:00", 54, 9, 33, 8);
    addStatic(0, QT_TRANSLATE_NOOP("Texts", "黑方用时"), 12, 23);
    addStatic(IDC_BLACK_TIME, "00:00:00", 54, 23, 33, 8);
    addButton(ID_CANCEL, QT_TRANSLATE_NOOP("Texts", "关闭"), 30, 39, 38, 14, true);
}

bool TimerWindow::onInitialise() {
    ToolWindow::onInitialise();
    shownRed = shownBlack = 0;
    display();
    return true;
}

void TimerWindow::reset() {
    clock_.reset(now());
    display();
}

void TimerWindow::restart() {
    reset();
    clock_.running = true;
}

void TimerWindow::stop() { clock_.stop(now()); }
void TimerWindow::resume() { clock_.resume(); }

void TimerWindow::idle() {
    if (!clock_.running) return;
    const bool sliding = MainWindow::exists() && MainWindow::instance().isAnimating();
    if (!sliding) clock_.tick(Game::instance().sideToMove(), now());
    display();
}

void TimerWindow::display() {
    if (!isOpen()) return;
    const std::int64_t t = now();
    const std::int64_t elapsed[2] = {clock_.redElapsed(t), clock_.blackElapsed(t)};
    std::int64_t* shown[2] = {&shownRed, &shownBlack};
    constexpr int IDS[2] = {IDC_RED_TIME, IDC_BLACK_TIME};
    for (int i = 0; i < 2; ++i) {
        const std::int64_t s = elapsed[i] / 1000;
        if (s == *shown[i]) continue;
        *shown[i] = s;
        if (auto* label = control<QLabel>(IDS[i])) label->setText(QString::fromStdString(formatClock(elapsed[i])));
    }
}
