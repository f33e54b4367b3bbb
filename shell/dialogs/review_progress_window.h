// 复盘分析 while it runs: the position being analysed, a progress bar, the
// time left, and 取消, which ends the review keeping what is finished.
#pragma once

#include <QPointer>
#include <QString>

#include "shell/dialogs/floating_window.h"

class GameReview;
class QLabel;
class QProgressBar;
class QPushButton;

// "1 分 20 秒", "45 秒" (UTF-8).
QString timeLeftText(long milliseconds);

class ReviewProgressWindow final : public FloatingWindow {
public:
    static ReviewProgressWindow& instance();
    void update(const GameReview& review);
    // Esc and the close box, as 取消.
    void closeRequested() override;
    QPushButton* cancelButton() const;

private:
    ReviewProgressWindow();
    void build(QDialog& window) override;

    QPointer<QLabel> position;
    QPointer<QProgressBar> bar;
    QPointer<QLabel> timeLeft;
    QPointer<QPushButton> cancel;
};
