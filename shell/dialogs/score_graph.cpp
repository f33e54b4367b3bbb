#include "shell/dialogs/score_graph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "game/score_scale.h"
#include "review/game_review.h"
#include "shell/platform/shown_text.h"

namespace {

constexpr int LEFT = 38, RIGHT = 8, TOP = 8, BOTTOM = 8;
constexpr int GRID_STEP = 500;
constexpr int MARK_RADIUS = 4;

const QColor RED_AREA(200, 40, 40, 110);
const QColor BLACK_AREA(40, 40, 40, 90);
const QColor CURRENT(30, 90, 220);

QColor markColour(ReviewMark m) {
    switch (m) {
    case MARK_INACCURACY: return {230, 190, 0};
    case MARK_MISTAKE: return {240, 120, 0};
    default: return {210, 0, 0};
    }
}

}  // namespace

int graphScore(const ReviewScore& s) {
    if (s.isMate) return s.mate > 0 ? REVIEW_SCORE_EDGE : -REVIEW_SCORE_EDGE;
    return std::clamp(s.centipawns, -REVIEW_SCORE_EDGE, REVIEW_SCORE_EDGE);
}

ScoreGraph::ScoreGraph(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    setCursor(Qt::PointingHandCursor);
}

void ScoreGraph::show(const GameReview* r, int currentPly) {
    review = r;
    current = currentPly;
    update();
}

QRect ScoreGraph::plotArea() const {
    return rect().adjusted(LEFT, TOP, -RIGHT, -BOTTOM);
}

QPoint ScoreGraph::pointOf(int ply, int score) const {
    const QRect a = plotArea();
    const int last = review ? std::max(1, review->positions() - 1) : 1;
    const int x = a.left() + ply * a.width() / last;
    const int y = a.center().y() - score * (a.height() / 2) / REVIEW_SCORE_EDGE;
    return {x, y};
}

int ScoreGraph::plyAt(int x) const {
    if (!review) return -1;
    const QRect a = plotArea();
    const int last = std::max(1, review->positions() - 1);
    const int ply = ((x - a.left()) * last + a.width() / 2) / std::max(1, a.width());
    return std::clamp(ply, 0, review->positions() - 1);
}

void ScoreGraph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    drawScale(p);
    if (!review) {
        p.setPen(Qt::darkGray);
        p.drawText(plotArea(), Qt::AlignCenter, Texts::tr("尚无复盘（操作 → 复盘分析...）"));
        return;
    }
    drawScores(p);
    drawMarks(p);
}

void ScoreGraph::drawScale(QPainter& p) const {
    const QRect a = plotArea();
    p.setPen(QColor(225, 225, 225));
    for (int s = -REVIEW_SCORE_EDGE; s <= REVIEW_SCORE_EDGE; s += GRID_STEP) {
        const int y = a.center().y() - s * (a.height() / 2) / REVIEW_SCORE_EDGE;
        p.drawLine(a.left(), y, a.right(), y);
        p.setPen(Qt::gray);
        p.drawText(QRect(0, y - 8, LEFT - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                   s > 0 ? QStringLiteral("+%1").arg(s) : QString::number(s));
        p.setPen(QColor(225, 225, 225));
    }
    p.setPen(Qt::black);
    p.drawLine(a.left(), a.center().y(), a.right(), a.center().y());
    p.drawRect(a);
}

void ScoreGraph::drawScores(QPainter& p) const {
    int done = 0;
    while (done < review->positions() && review->ply(done).done) ++done;
    if (current >= 0 && current < review->positions()) {
        const QPoint top = pointOf(current, REVIEW_SCORE_EDGE), bottom = pointOf(current, -REVIEW_SCORE_EDGE);
        p.setPen(QPen(CURRENT, 2));
        p.drawLine(top, bottom);
    }
    // A position whose score is unknown has no point on the line.
    QPolygon line;
    int currentPoint = -1;
    for (int i = 0; i < done; ++i) {
        if (!review->ply(i).scored) continue;
        if (i == current) currentPoint = line.size();
        line << pointOf(i, graphScore(review->redScore(i)));
    }
    if (line.isEmpty()) return;
    const int axis = plotArea().center().y();
    // Above the axis in red, below in black: the area clipped to each half.
    for (const bool above : {true, false}) {
        QPainterPath area;
        area.moveTo(line.first().x(), axis);
        for (const QPoint& pt : line) area.lineTo(pt);
        area.lineTo(line.last().x(), axis);
        area.closeSubpath();
        p.save();
        const QRect a = plotArea();
        p.setClipRect(above ? QRect(a.left(), a.top(), a.width(), axis - a.top())
                            : QRect(a.left(), axis, a.width(), a.bottom() - axis + 1));
        p.fillPath(area, above ? RED_AREA : BLACK_AREA);
        p.restore();
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.drawPolyline(line);
    if (currentPoint >= 0) {
        p.setBrush(CURRENT);
        p.setPen(Qt::white);
        p.drawEllipse(line[currentPoint], MARK_RADIUS + 1, MARK_RADIUS + 1);
    }
}

void ScoreGraph::drawMarks(QPainter& p) const {
    for (int i = 0; i < review->moves(); ++i) {
        const MoveAssessment& m = review->move(i);
        if (!m.judged || !isMistake(m.verdict.mark) || !review->ply(i + 1).done) continue;
        p.setBrush(markColour(m.verdict.mark));
        p.setPen(Qt::black);
        p.drawEllipse(pointOf(i + 1, graphScore(review->redScore(i + 1))), MARK_RADIUS, MARK_RADIUS);
    }
}

void ScoreGraph::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const int ply = plyAt(e->position().toPoint().x());
    if (ply >= 0 && plyClicked) plyClicked(ply);
}
