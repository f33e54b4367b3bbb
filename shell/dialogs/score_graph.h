// The review's score over the game as a picture: one column per ply, Red's
// advantage above the axis and Black's below, clipped at ±1,500 with mates
// at the edge, a marker on each judged mistake and the current ply lit.
#pragma once

#include <QWidget>
#include <functional>

#include "game/review_marks.h"

class GameReview;

// The height a score from Red's view takes: centipawns clipped at the
// edge, a mate at the edge of the side that mates.
int graphScore(const ReviewScore& redView);

class ScoreGraph final : public QWidget {
public:
    explicit ScoreGraph(QWidget* parent);

    // What to draw: the review (null: nothing yet) and the current ply.
    void show(const GameReview* review, int currentPly);
    // The ply whose column holds x, -1 without a review.
    int plyAt(int x) const;
    // Where a ply and a score are drawn.
    QPoint pointOf(int ply, int score) const;

    std::function<void(int ply)> plyClicked;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QRect plotArea() const;
    void drawScale(class QPainter& p) const;
    void drawScores(class QPainter& p) const;
    void drawMarks(class QPainter& p) const;

    const GameReview* review = nullptr;
    int current = 0;
};
