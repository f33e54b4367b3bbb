// 复盘分析...: the engine, the limit per position (a time of 0.2 to 30
// seconds, 1 by default, or a depth of 1 to 30) and the side or sides to
// judge. The choices stay for the next review of the run.
#pragma once

#include "review/game_review.h"
#include "shell/windows/tool_window.h"

constexpr int IDC_REVIEW_ENGINE = 1111;
constexpr int IDC_REVIEW_BY_TIME = 1112;
constexpr int IDC_REVIEW_SECONDS = 1113;
constexpr int IDC_REVIEW_BY_DEPTH = 1114;
constexpr int IDC_REVIEW_DEPTH = 1115;
constexpr int IDC_REVIEW_SIDES = 1116;

class ReviewDialog final : public ToolWindow {
public:
    static ReviewDialog& instance();
    // Shows the dialog; true when the user chose 开始.
    bool run();
    int engineIndex() const { return engine; }
    const ReviewOptions& options() const { return chosen; }

private:
    ReviewDialog();
    void createControls() override;
    bool onInitialise() override;
    void onCommand(int id, int code) override;
    void take();

    int engine = 0;
    ReviewOptions chosen;
    int depth = 12;
};
