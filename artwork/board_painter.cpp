// The board: wood, the lines, the palaces, the river and the position marks.
#include "artwork/board_painter.h"

#include <QPainter>
#include <QPainterPath>

#include "artwork/artwork.h"

namespace {

constexpr double FRAME_GAP = 21;  // from the outer grid line to the frame, clear of the pieces

const QColor INK(74, 40, 18);
const QColor INK_LIGHT(120, 72, 36);

// The board's measures in the picture's pixels: lines of width w (one
// pixel on the classic board), starting at px(file) and py(rank).
struct Grid {
    const BoardLayout& layout;
    int w = layout.lineWidth();

    int px(int file) const { return layout.lineX(file); }
    int py(int rank) const { return layout.lineY(rank); }
    int pixels(double classic) const { return layout.pixels(classic); }
    double unit() const { return layout.unit(); }
};

// A line along pixel rows or columns, w pixels wide, crisp.
void line(QPainter& p, const Grid& g, int x0, int y0, int x1, int y1) {
    if (x0 == x1) {
        p.fillRect(x0, std::min(y0, y1), g.w, std::abs(y1 - y0) + g.w, INK);
    } else {
        p.fillRect(std::min(x0, x1), y0, std::abs(x1 - x0) + g.w, g.w, INK);
    }
}

void drawGrid(QPainter& p, const Grid& g) {
    for (int r = 0; r <= 9; ++r) {
        line(p, g, g.px(0), g.py(r), g.px(8), g.py(r));
    }
    for (int f = 0; f <= 8; ++f) {
        if (f == 0 || f == 8) {
            line(p, g, g.px(f), g.py(0), g.px(f), g.py(9));
        } else {
            line(p, g, g.px(f), g.py(0), g.px(f), g.py(4));
            line(p, g, g.px(f), g.py(5), g.px(f), g.py(9));
        }
    }
}

void drawPalaces(QPainter& p, const Grid& g) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(INK, 1.1 * g.unit()));
    const double c = g.w / 2.0;  // the lines' middle
    for (int base : {0, 7}) {
        p.drawLine(QPointF(g.px(3) + c, g.py(base) + c), QPointF(g.px(5) + c, g.py(base + 2) + c));
        p.drawLine(QPointF(g.px(5) + c, g.py(base) + c), QPointF(g.px(3) + c, g.py(base + 2) + c));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void drawFrame(QPainter& p, const Grid& g) {
    const int gap = g.pixels(FRAME_GAP), w = g.w;
    const int x0 = g.px(0) - gap, y0 = g.py(0) - gap;
    const int x1 = g.px(8) + gap, y1 = g.py(9) + gap;
    p.fillRect(x0 - w, y0 - w, x1 - x0 + 2 * w, 2 * w, INK);
    p.fillRect(x0 - w, y1, x1 - x0 + 2 * w, 2 * w, INK);
    p.fillRect(x0 - w, y0 - w, 2 * w, y1 - y0 + 3 * w, INK);
    p.fillRect(x1, y0 - w, 2 * w, y1 - y0 + 3 * w, INK);
    // The outer lines of the grid are drawn doubled.
    p.fillRect(g.px(0) - w, g.py(0) - w, g.px(8) - g.px(0) + 3 * w, w, INK);
    p.fillRect(g.px(0) - w, g.py(9) + w, g.px(8) - g.px(0) + 3 * w, w, INK);
    p.fillRect(g.px(0) - w, g.py(0) - w, w, g.py(9) - g.py(0) + 3 * w, INK);
    p.fillRect(g.px(8) + w, g.py(0) - w, w, g.py(9) - g.py(0) + 3 * w, INK);
}

// The corner marks of a cannon or pawn point; edge files get only the
// inner half.
void drawMark(QPainter& p, const Grid& g, int file, int rank) {
    const int gap = g.pixels(3), arm = g.pixels(7);
    const int cx = g.px(file), cy = g.py(rank);
    for (int sx : {-1, 1}) {
        if ((file == 0 && sx < 0) || (file == 8 && sx > 0)) continue;
        for (int sy : {-1, 1}) {
            const int x = cx + sx * gap, y = cy + sy * gap;
            line(p, g, x, y, x + sx * arm, y);
            line(p, g, x, y, x, y + sy * arm);
        }
    }
}

void drawMarks(QPainter& p, const Grid& g) {
    for (int rank : {2, 7}) {
        drawMark(p, g, 1, rank);
        drawMark(p, g, 7, rank);
    }
    for (int rank : {3, 6}) {
        for (int file = 0; file <= 8; file += 2) drawMark(p, g, file, rank);
    }
}

// Characters cut into the wood: a light lower edge, a dark body.
void carveText(QPainter& p, const Grid& g, const QRectF& box, const QString& text, double size) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(carvedFont(size * g.unit()));
    p.setPen(QColor(246, 220, 170, 200));
    p.drawText(box.translated(0.8 * g.unit(), 1.0 * g.unit()), Qt::AlignCenter, text);
    p.setPen(INK_LIGHT);
    p.drawText(box, Qt::AlignCenter, text);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void drawRiver(QPainter& p, const Grid& g) {
    const double top = g.py(4) + g.w, height = g.py(5) - g.py(4) - g.w;
    // 楚河 on Red's left, 汉界 on Red's right.
    carveText(p, g, QRectF(g.px(0), top, g.px(4) - g.px(0), height), QString::fromUtf8("楚  河"), 27);
    carveText(p, g, QRectF(g.px(4), top, g.px(8) - g.px(4), height), QString::fromUtf8("汉  界"), 27);
}

// A darker band towards the edges, as on a board seen under a lamp.
void shadeEdges(QImage& img) {
    const double cx = img.width() / 2.0, cy = img.height() / 2.0;
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));  // Format_ARGB32, opaque
        for (int x = 0; x < img.width(); ++x) {
            const double dx = (x - cx) / cx, dy = (y - cy) / cy;
            const double k = 1.0 - 0.13 * std::max(0.0, (dx * dx + dy * dy) * 0.6 - 0.15);
            const QRgb c = line[x];
            line[x] = qRgb(int(qRed(c) * k), int(qGreen(c) * k), int(qBlue(c) * k));
        }
    }
}

}  // namespace

QImage paintBoard(const BoardLayout& layout) {
    QImage img = woodSurface(layout.deviceWidth(), layout.deviceHeight(), 1729, QColor(236, 196, 136),
                             QColor(176, 118, 62), layout.unit());
    shadeEdges(img);
    const Grid g{layout};
    QPainter p(&img);
    drawFrame(p, g);
    drawGrid(p, g);
    drawPalaces(p, g);
    drawMarks(p, g);
    drawRiver(p, g);
    p.end();
    return img;
}
