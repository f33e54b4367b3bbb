// 计时: the clock window with the time each side has used, or under a time
// control the time each side has left (and the 读秒 period). The clocks run
// on whether or not the window is open.
#pragma once

#include <cstdint>
#include <string>

#include "shell/windows/game_clock.h"
#include "shell/windows/tool_window.h"

class Game;

class TimerWindow final : public ToolWindow {
public:
    static TimerWindow& instance();

    // Zero and stopped (set-up); zero and running (a new or opened game).
    void reset();
    void restart();
    // A result was set / cleared.
    void stop();
    void resume();
    // The idle step: the side to move's clock runs, except while a move slides.
    void idle();

    const GameClock& clock() const { return clock_; }

private:
    TimerWindow();
    void createControls() override;
    bool onInitialise() override;
    void display();
    void displayLeft(const Game& game);
    void showCaptions(const char* const (&captions)[2]);

    GameClock clock_;
    const char* const* shownCaptions = nullptr;
    std::string shownTexts[2];
    std::int64_t shownRed = 0;
    std::int64_t shownBlack = 0;
};

constexpr int IDC_RED_TIME = 1007;
constexpr int IDC_BLACK_TIME = 1008;
constexpr int IDC_RED_CAPTION = 1009;
constexpr int IDC_BLACK_CAPTION = 1010;
