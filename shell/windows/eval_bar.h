// The evaluation bar of the situation window: black from the left, red
// from the right, Red's share growing with Red's score, and a white line
// at the middle.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

// The bar's reach for a score from Red's view: -1 (Black mates) to 1.
float evalBarFraction(int score);
// The first red column of a bar w pixels wide.
int evalBarRedStart(int score, int width);
// The bar's picture.
QImage drawEvalBar(int score, int width, int height);

class EvalBar final : public QWidget {
public:
    explicit EvalBar(QWidget* parent);
    void setScore(int score);
    int score() const { return score_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int score_ = 0;
};
