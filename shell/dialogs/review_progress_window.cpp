#include "shell/dialogs/review_progress_window.h"

#include <QDialog>
#include <QLabel>
#include <QProgressBar>

#include "review/game_review.h"
#include "review/review_session.h"

namespace {

constexpr DialogTemplate PROGRESS_TEMPLATE{131, "复盘分析", 180, 76};

}  // namespace

QString timeLeftText(long ms) {
    const long seconds = (ms + 999) / 1000;
    if (seconds < 60) return QStringLiteral("%1 秒").arg(seconds);
    return QStringLiteral("%1 分 %2 秒").arg(seconds / 60).arg(seconds % 60);
}

ReviewProgressWindow& ReviewProgressWindow::instance() {
    static ReviewProgressWindow window;
    return window;
}

ReviewProgressWindow::ReviewProgressWindow() : ToolWindow(PROGRESS_TEMPLATE, false) {}

void ReviewProgressWindow::createControls() {
    addStatic(IDC_REVIEW_POSITION, "正在准备", 10, 8, 160, 10);
    auto* bar = new QProgressBar(parentForControls());
    placeControl(bar, IDC_REVIEW_PROGRESS, 10, 22, 160, 12);
    bar->setRange(0, 1);
    bar->setValue(0);
    addStatic(IDC_REVIEW_TIME_LEFT, "", 10, 40, 160, 10);
    addButton(ID_CANCEL, "取消", 71, 56, 38, 14, true);
}

void ReviewProgressWindow::update(const GameReview& review) {
    if (!isOpen()) return;
    const int done = review.analysed();
    const int total = review.positions();
    if (auto* label = control<QLabel>(IDC_REVIEW_POSITION)) {
        label->setText(done < total ? QStringLiteral("正在分析第 %1 / %2 个局面").arg(done + 1).arg(total)
                                    : QStringLiteral("已分析 %1 个局面").arg(total));
    }
    if (auto* bar = control<QProgressBar>(IDC_REVIEW_PROGRESS)) {
        bar->setRange(0, total);
        bar->setValue(done);
    }
    if (auto* left = control<QLabel>(IDC_REVIEW_TIME_LEFT))
        left->setText(QStringLiteral("剩余约 ") + timeLeftText(review.estimatedMsLeft()));
}

void ReviewProgressWindow::onCommand(int id, int code) {
    // 取消, Esc and the close box end the review; what finished stays.
    if ((id == ID_CANCEL || id == ID_OK) && code == NOTIFY_CLICKED && ReviewSession::instance().running()) {
        ReviewSession::instance().cancel();
        return;
    }
    ToolWindow::onCommand(id, code);
}
