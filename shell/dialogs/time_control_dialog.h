// 设置 → 时限...: each side's time control (不限时, 包干, 加秒, 读秒, 步数限时)
// and its numbers, with 双方相同 to give both sides the same one.
#pragma once

#include "game/time_control.h"

class TimeControlDialog final {
public:
    // Shows the controls given; true, with them changed, when the user
    // chose 确定 with numbers that make a control.
    static bool run(TimeControl& red, TimeControl& black);
};
