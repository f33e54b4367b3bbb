// 复盘分析 while it runs: the position being analysed, a progress bar, the
// time left, and 取消, which ends the review keeping what is finished.
#pragma once

#include "shell/windows/tool_window.h"

class GameReview;

constexpr int IDC_REVIEW_POSITION = 1101;
constexpr int IDC_REVIEW_PROGRESS = 1102;
constexpr int IDC_REVIEW_TIME_LEFT = 1103;

// "1 分 20 秒", "45 秒" (UTF-8).
QString timeLeftText(long milliseconds);

class ReviewProgressWindow final : public ToolWindow {
public:
    static ReviewProgressWindow& instance();
    void update(const GameReview& review);

private:
    ReviewProgressWindow();
    void createControls() override;
    void onCommand(int id, int code) override;
};
