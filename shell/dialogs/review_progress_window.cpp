#include "shell/dialogs/review_progress_window.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/dialogs/em_size.h"
#include "review/game_review.h"
#include "review/review_session.h"
#include "shell/platform/shown_text.h"

QString timeLeftText(long ms) {
    const long seconds = (ms + 999) / 1000;
    if (seconds < 60) return Texts::tr("%1 秒").arg(seconds);
    return Texts::tr("%1 分 %2 秒").arg(seconds / 60).arg(seconds % 60);
}

ReviewProgressWindow& ReviewProgressWindow::instance() {
    static ReviewProgressWindow window;
    return window;
}

ReviewProgressWindow::ReviewProgressWindow() : FloatingWindow(QT_TRANSLATE_NOOP("Texts", "复盘分析")) {}

void ReviewProgressWindow::build(QDialog& window) {
    position = new QLabel(Texts::tr("正在准备"), &window);
    bar = new QProgressBar(&window);
    bar->setRange(0, 1);
    bar->setValue(0);
    timeLeft = new QLabel(&window);
    cancel = new QPushButton(Texts::tr("取消"), &window);
    cancel->setAutoDefault(false);
    cancel->setDefault(true);
    QObject::connect(cancel, &QPushButton::clicked, cancel, [this] { closeRequested(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(position);
    layout->addWidget(bar);
    layout->addWidget(timeLeft);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // As wide as the longest position line wants, with room to spare.
    bar->setMinimumWidth(emPixels(window) * 20);
}

QPushButton* ReviewProgressWindow::cancelButton() const { return isOpen() ? cancel.data() : nullptr; }

void ReviewProgressWindow::update(const GameReview& review) {
    if (!isOpen()) return;
    const int done = review.analysed();
    const int total = review.positions();
    position->setText(done < total ? Texts::tr("正在分析第 %1 / %2 个局面").arg(done + 1).arg(total)
                                   : Texts::tr("已分析 %1 个局面").arg(total));
    bar->setRange(0, total);
    bar->setValue(done);
    timeLeft->setText(Texts::tr("剩余约 ") + timeLeftText(review.estimatedMsLeft()));
}

void ReviewProgressWindow::closeRequested() {
    // 取消, Esc and the close box end the review; what finished stays.
    if (ReviewSession::instance().running()) {
        ReviewSession::instance().cancel();
        return;
    }
    close();
}
