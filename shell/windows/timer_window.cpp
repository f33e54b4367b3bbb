#include "shell/windows/timer_window.h"

#include <QLabel>

#include "game/game.h"
#include "shell/board/board_view.h"
#include "shell/main_window/main_window.h"
#include "shell/platform/shown_text.h"

namespace {

constexpr DialogTemplate TIMER_TEMPLATE{112, QT_TRANSLATE_NOOP("Texts", "计时"), 99, 58};
// The captions: the time used (不限时), or the time left under a control.
constexpr const char* USED_CAPTIONS[2] = {QT_TRANSLATE_NOOP("Texts", "红方用时"), QT_TRANSLATE_NOOP("Texts", "黑方用时")};
constexpr const char* LEFT_CAPTIONS[2] = {QT_TRANSLATE_NOOP("Texts", "红方剩余"), QT_TRANSLATE_NOOP("Texts", "黑方剩余")};
constexpr Side SIDES[2] = {SIDE_RED, SIDE_BLACK};

std::int64_t now() { return BoardView::now(); }

}  // namespace

TimerWindow& TimerWindow::instance() {
    static TimerWindow window;
    return window;
}

TimerWindow::TimerWindow() : ToolWindow(TIMER_TEMPLATE, false) { clock_.reset(now()); }

void TimerWindow::createControls() {
    addStatic(IDC_RED_CAPTION, USED_CAPTIONS[0], 12, 9);
    addStatic(IDC_RED_TIME, "00:00:00", 54, 9, 33, 8);
    addStatic(IDC_BLACK_CAPTION, USED_CAPTIONS[1], 12, 23);
    addStatic(IDC_BLACK_TIME, "00:00:00", 54, 23, 33, 8);
    addButton(ID_CANCEL, QT_TRANSLATE_NOOP("Texts", "关闭"), 30, 39, 38, 14, true);
}

bool TimerWindow::onInitialise() {
    ToolWindow::onInitialise();
    shownRed = shownBlack = 0;
    shownCaptions = nullptr;
    shownTexts[0].clear();
    shownTexts[1].clear();
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
    // While a move slides the clocks switch over to nobody yet; otherwise
    // the time used counts only while the game's clock runs (not while the
    // player looks back, a review holds the record, set-up is open).
    const Game& game = Game::instance();
    const bool sliding = MainWindow::exists() && MainWindow::instance().isAnimating();
    if (game.clockRuns()) clock_.tick(game.sideToMove(), now());
    else if (!sliding) clock_.pause(now());
    display();
}

void TimerWindow::display() {
    if (!isOpen()) return;
    const Game& game = Game::instance();
    if (game.clocks().limited()) {
        displayLeft(game);
        return;
    }
    showCaptions(USED_CAPTIONS);
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

void TimerWindow::displayLeft(const Game& game) {
    showCaptions(LEFT_CAPTIONS);
    const std::int64_t t = game.clockNow();
    constexpr int IDS[2] = {IDC_RED_TIME, IDC_BLACK_TIME};
    for (int i = 0; i < 2; ++i) {
        // A side without a limit under a handicap shows none.
        const std::string text = game.timeControl(SIDES[i]).unlimited()
                                     ? std::string("-")
                                     : formatRemaining(game.clocks().reading(SIDES[i], t));
        if (text == shownTexts[i]) continue;
        shownTexts[i] = text;
        if (auto* label = control<QLabel>(IDS[i])) label->setText(QString::fromStdString(text));
    }
    shownRed = shownBlack = -1;  // the time used is drawn afresh when the control goes
}

void TimerWindow::showCaptions(const char* const (&captions)[2]) {
    if (shownCaptions == captions) return;
    shownCaptions = captions;
    constexpr int IDS[2] = {IDC_RED_CAPTION, IDC_BLACK_CAPTION};
    for (int i = 0; i < 2; ++i)
        if (auto* label = control<QLabel>(IDS[i])) label->setText(shownText(captions[i]));
    shownTexts[0].clear();
    shownTexts[1].clear();
}
