// 复盘分析...: the engine, the limit per position (a time of 0.2 to 30
// seconds, 1 by default, or a depth of 1 to 30) and the side or sides to
// judge. The choices stay for the next review of the run.
#pragma once

#include "review/game_review.h"

class ReviewDialog final {
public:
    static ReviewDialog& instance();
    // Shows the dialog; true when the user chose 开始.
    bool run();
    int engineIndex() const { return engine; }
    const ReviewOptions& options() const { return chosen; }

private:
    ReviewDialog() = default;

    int engine = 0;
    ReviewOptions chosen;
    int depth = 12;
};
