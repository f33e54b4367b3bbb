#include "shell/windows/eval_bar.h"

#include <QPainter>

namespace {

constexpr int MATE_BOUND = 29872;
constexpr int WIN_BOUND = 2000;
constexpr float SCORE_SCALE = 0.00049f;  // 0.98 at a score of 2000

}  // namespace

float evalBarFraction(int score) {
    if (score < -MATE_BOUND) return -1.0f;
    if (score < -WIN_BOUND) return -0.98f;
    if (score > MATE_BOUND) return 1.0f;
    if (score > WIN_BOUND) return 0.98f;
    return static_cast<float>(score) * SCORE_SCALE;
}

int evalBarRedStart(int score, int width) {
    const float w = static_cast<float>(width);
    return static_cast<int>((w - w * evalBarFraction(score)) * 0.5f);
}

QImage drawEvalBar(int score, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    if (width <= 0 || height <= 0) return image;
    const int x = evalBarRedStart(score, width);
    QPainter p(&image);
    p.fillRect(0, 0, x, height, Qt::black);
    p.fillRect(x, 0, width - x, height, QColor(255, 0, 0));
    p.fillRect(width / 2, 0, 1, height, Qt::white);
    return image;
}

EvalBar::EvalBar(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void EvalBar::setScore(int score) {
    score_ = score;
    update();
}

void EvalBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, drawEvalBar(score_, width(), height()));
}
