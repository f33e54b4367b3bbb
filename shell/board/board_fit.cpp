#include "shell/board/board_fit.h"

#include <algorithm>

QSize windowForScale(int index, QSize chrome) {
    const BoardScale& s = BOARD_SCALES[std::clamp(index, 0, BOARD_SCALE_COUNT - 1)];
    return chrome + QSize(s.width, s.height);
}

bool scaleFits(int index, QSize chrome, QSize available) {
    const QSize window = windowForScale(index, chrome);
    return window.width() <= available.width() && window.height() <= available.height();
}

int largestFittingScale(int wanted, QSize chrome, QSize available) {
    for (int i = std::clamp(wanted, 0, BOARD_SCALE_COUNT - 1); i > 0; --i) {
        if (scaleFits(i, chrome, available)) return i;
    }
    return 0;
}
