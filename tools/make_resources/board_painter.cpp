// The board: wood, the lines, the palaces, the river and the position marks.
#include "tools/make_resources/board_painter.h"

#include <QPainter>
#include <QPainterPath>

#include "tools/make_resources/artwork.h"

namespace {

constexpr int LEFT = 35;   // x of file 0
constexpr int TOP = 60;    // y of rank 0 as drawn
constexpr int STEP = 40;
constexpr int FRAME_GAP = 21;  // from the outer grid line to the frame, clear of the pieces

const QColor INK(74, 40, 18);
const QColor INK_LIGHT(120, 72, 36);

int px(int file) { return LEFT + STEP * file; }
int py(int rank) { return TOP + STEP * rank; }

// A one-pixel line along pixel rows or columns, crisp.
void line(QPainter& p, int x0, int y0, int x1, int y1) {
    if (x0 == x1) {
        p.fillRect(x0, std::min(y0, y1), 1, std::abs(y1 - y0) + 1, INK);
    } else {
        p.fillRect(std::min(x0, x1), y0, std::abs(x1 - x0) + 1, 1, INK);
    }
}

void drawGrid(QPainter& p) {
    for (int r = 0; r <= 9; ++r) {
        line(p, px(0), py(r), px(8), py(r));
    }
    for (int f = 0; f <= 8; ++f) {
        if (f == 0 || f == 8) {
            line(p, px(f), py(0), px(f), py(9));
        } else {
            line(p, px(f), py(0), px(f), py(4));
            line(p, px(f), py(5), px(f), py(9));
        }
    }
}

void drawPalaces(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(INK, 1.1));
    const double c = 0.5;  // pixel centres
    for (int base : {0, 7}) {
        p.drawLine(QPointF(px(3) + c, py(base) + c), QPointF(px(5) + c, py(base + 2) + c));
        p.drawLine(QPointF(px(5) + c, py(base) + c), QPointF(px(3) + c, py(base + 2) + c));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void drawFrame(QPainter& p) {
    const int x0 = px(0) - FRAME_GAP, y0 = py(0) - FRAME_GAP;
    const int x1 = px(8) + FRAME_GAP, y1 = py(9) + FRAME_GAP;
    p.fillRect(x0 - 1, y0 - 1, x1 - x0 + 2, 2, INK);
    p.fillRect(x0 - 1, y1, x1 - x0 + 2, 2, INK);
    p.fillRect(x0 - 1, y0 - 1, 2, y1 - y0 + 3, INK);
    p.fillRect(x1, y0 - 1, 2, y1 - y0 + 3, INK);
    // The outer lines of the grid are drawn doubled.
    p.fillRect(px(0) - 1, py(0) - 1, px(8) - px(0) + 3, 1, INK);
    p.fillRect(px(0) - 1, py(9) + 1, px(8) - px(0) + 3, 1, INK);
    p.fillRect(px(0) - 1, py(0) - 1, 1, py(9) - py(0) + 3, INK);
    p.fillRect(px(8) + 1, py(0) - 1, 1, py(9) - py(0) + 3, INK);
}

// The corner marks of a cannon or pawn point; edge files get only the
// inner half.
void drawMark(QPainter& p, int file, int rank) {
    constexpr int gap = 3, arm = 7;
    const int cx = px(file), cy = py(rank);
    for (int sx : {-1, 1}) {
        if ((file == 0 && sx < 0) || (file == 8 && sx > 0)) continue;
        for (int sy : {-1, 1}) {
            const int x = cx + sx * gap, y = cy + sy * gap;
            line(p, x, y, x + sx * arm, y);
            line(p, x, y, x, y + sy * arm);
        }
    }
}

void drawMarks(QPainter& p) {
    for (int rank : {2, 7}) {
        drawMark(p, 1, rank);
        drawMark(p, 7, rank);
    }
    for (int rank : {3, 6}) {
        for (int file = 0; file <= 8; file += 2) drawMark(p, file, rank);
    }
}

// Characters cut into the wood: a light lower edge, a dark body.
void carveText(QPainter& p, const QRectF& box, const QString& text, double size) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(carvedFont(size));
    p.setPen(QColor(246, 220, 170, 200));
    p.drawText(box.translated(0.8, 1.0), Qt::AlignCenter, text);
    p.setPen(INK_LIGHT);
    p.drawText(box, Qt::AlignCenter, text);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void drawRiver(QPainter& p) {
    const double top = py(4) + 1, height = STEP - 1;
    // 楚河 on Red's left, 汉界 on Red's right.
    carveText(p, QRectF(px(0), top, px(4) - px(0), height), QString::fromUtf8("楚  河"), 27);
    carveText(p, QRectF(px(4), top, px(8) - px(4), height), QString::fromUtf8("汉  界"), 27);
}

// A darker band towards the edges, as on a board seen under a lamp.
void shadeEdges(QImage& img) {
    const double cx = img.width() / 2.0, cy = img.height() / 2.0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const double dx = (x - cx) / cx, dy = (y - cy) / cy;
            const double k = 1.0 - 0.13 * std::max(0.0, (dx * dx + dy * dy) * 0.6 - 0.15);
            const QRgb c = img.pixel(x, y);
            img.setPixel(x, y, qRgb(int(qRed(c) * k), int(qGreen(c) * k), int(qBlue(c) * k)));
        }
    }
}

}  // namespace

QImage paintBoard() {
    QImage img = woodSurface(BOARD_WIDTH, BOARD_HEIGHT, 1729, QColor(236, 196, 136), QColor(176, 118, 62));
    shadeEdges(img);
    QPainter p(&img);
    drawFrame(p);
    drawGrid(p);
    drawPalaces(p);
    drawMarks(p);
    drawRiver(p);
    p.end();
    return img;
}
