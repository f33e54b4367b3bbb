// The twelve toolbar icons: 0 blank page, 1 open folder, 2 disk, 3 arrow
// left, 4 arrow right, 5 question mark, 6 lightning, 7 red cross,
// 8 magnifier, 9 up and down arrows, 10 information sign, 11 page with pen.
#include "tools/make_resources/toolbar_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "artwork/artwork.h"

namespace {

using IconPainter = void (*)(QPainter&);

const QColor OUTLINE(72, 72, 80);

void polygon(QPainter& p, std::initializer_list<QPointF> points, QColor fill, QColor edge) {
    p.setPen(QPen(edge, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

void page(QPainter& p) {
    polygon(p, {{3.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 14.5}, {3.5, 14.5}}, QColor(255, 255, 255), OUTLINE);
    polygon(p, {{9.5, 1.5}, {9.5, 4.5}, {12.5, 4.5}}, QColor(210, 210, 216), OUTLINE);
}

void folder(QPainter& p) {
    polygon(p, {{1.5, 3.5}, {5.5, 3.5}, {6.5, 4.5}, {12.5, 4.5}, {12.5, 13.5}, {1.5, 13.5}}, QColor(214, 160, 40),
            QColor(130, 90, 16));
    polygon(p, {{4.0, 7.5}, {15.5, 7.5}, {12.5, 13.5}, {1.5, 13.5}}, QColor(252, 214, 92), QColor(130, 90, 16));
}

void disk(QPainter& p) {
    polygon(p, {{1.5, 1.5}, {13.5, 1.5}, {14.5, 2.5}, {14.5, 14.5}, {1.5, 14.5}}, QColor(52, 92, 180),
            QColor(20, 40, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(4, 2, 8, 5));
    p.setBrush(QColor(200, 204, 212));
    p.drawRect(QRectF(4, 10, 8, 4));
    p.setBrush(QColor(40, 50, 80));
    p.drawRect(QRectF(9, 11, 2, 2));
}

void arrow(QPainter& p, bool left) {
    auto x = [left](double v) { return left ? v : 16 - v; };
    QLinearGradient g(0, 3, 0, 13);
    g.setColorAt(0, QColor(110, 180, 250));
    g.setColorAt(1, QColor(30, 100, 200));
    p.setPen(QPen(QColor(20, 60, 140), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(g);
    p.drawPolygon(QPolygonF({QPointF(x(1.0), 8), QPointF(x(7.5), 1.5), QPointF(x(7.5), 5.5), QPointF(x(14.5), 5.5),
                             QPointF(x(14.5), 10.5), QPointF(x(7.5), 10.5), QPointF(x(7.5), 14.5)}));
}

void arrowLeft(QPainter& p) { arrow(p, true); }
void arrowRight(QPainter& p) { arrow(p, false); }

void glyph(QPainter& p, const QString& text, double size, QColor fill, QColor edge) {
    QFont font = labelFont(size);
    font.setWeight(QFont::Black);
    QPainterPath path;
    path.addText(0, 0, font, text);
    path.translate(QPointF(8, 8) - path.boundingRect().center());
    p.setPen(QPen(edge, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void question(QPainter& p) { glyph(p, "?", 16, QColor(40, 110, 220), QColor(16, 44, 110)); }

void lightning(QPainter& p) {
    polygon(p, {{9.5, 0.5}, {3.0, 9.0}, {7.0, 9.0}, {5.0, 15.5}, {13.0, 6.0}, {9.0, 6.0}, {11.5, 0.5}},
            QColor(255, 214, 0), QColor(190, 100, 0));
}

void cross(QPainter& p) {
    for (auto [pen, width] : {std::pair{QColor(120, 10, 10), 4.4}, std::pair{QColor(230, 40, 36), 2.6}}) {
        p.setPen(QPen(pen, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }
}

void magnifier(QPainter& p) {
    p.setPen(QPen(QColor(110, 62, 24), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 10.5), QPointF(14.0, 14.0));
    p.setPen(QPen(QColor(60, 60, 72), 1.6));
    p.setBrush(QColor(196, 228, 255));
    p.drawEllipse(QPointF(6.5, 6.5), 4.6, 4.6);
    p.setPen(QPen(QColor(255, 255, 255), 1.0));
    p.drawArc(QRectF(3.6, 3.6, 5, 5), 90 * 16, 90 * 16);
}

void upDown(QPainter& p) {
    const QColor fill(60, 176, 72), edge(20, 90, 30);
    polygon(p, {{8.0, 0.8}, {13.5, 6.5}, {10.5, 6.5}, {10.5, 9.5}, {13.5, 9.5}, {8.0, 15.2}, {2.5, 9.5}, {5.5, 9.5},
                {5.5, 6.5}, {2.5, 6.5}},
            fill, edge);
}

void information(QPainter& p) {
    p.setPen(QPen(QColor(20, 50, 130), 1.0));
    QLinearGradient g(0, 1, 0, 15);
    g.setColorAt(0, QColor(90, 150, 240));
    g.setColorAt(1, QColor(30, 80, 190));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 7.0, 7.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(8, 4.6), 1.4, 1.4);
    p.drawRect(QRectF(6.8, 7.0, 2.4, 5.6));
}

void pageWithPen(QPainter& p) {
    polygon(p, {{1.5, 1.5}, {8.5, 1.5}, {11.5, 4.5}, {11.5, 14.5}, {1.5, 14.5}}, QColor(255, 255, 255), OUTLINE);
    p.setPen(QPen(QColor(150, 150, 160), 1.0));
    for (double y : {6.5, 8.5, 10.5, 12.5}) p.drawLine(QPointF(3, y), QPointF(8, y));
    p.setPen(QPen(QColor(110, 70, 10), 3.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(14.6, 2.4), QPointF(7.6, 9.4));
    p.setPen(QPen(QColor(250, 200, 40), 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(14.2, 2.8), QPointF(7.8, 9.2));
    polygon(p, {{7.2, 8.0}, {9.0, 9.8}, {5.6, 11.4}}, QColor(240, 210, 160), QColor(90, 60, 20));
}

constexpr IconPainter ICON_PAINTERS[TOOLBAR_ICONS] = {
    page, folder, disk, arrowLeft, arrowRight, question, lightning, cross, magnifier, upDown, information, pageWithPen,
};

// Flattens against the button face, then puts the mask colour where nothing
// was drawn. A drawn pixel that happens to equal the mask is nudged.
QImage withMask(const QImage& drawing) {
    const QImage flat = flattenAlpha(drawing, QColor(236, 236, 236));
    QImage out(flat.size(), QImage::Format_RGB32);
    for (int y = 0; y < flat.height(); ++y) {
        for (int x = 0; x < flat.width(); ++x) {
            const QRgb c = flat.pixel(x, y);
            QRgb v = qAlpha(c) == 0 ? TOOLBAR_MASK : (c | 0xFF000000u);
            if (qAlpha(c) != 0 && v == TOOLBAR_MASK) v = qRgb(0, 129, 128);
            out.setPixel(x, y, v);
        }
    }
    return out;
}

}  // namespace

QImage paintToolbar() {
    QImage drawing(TOOLBAR_ICON * TOOLBAR_ICONS, TOOLBAR_ICON, QImage::Format_ARGB32_Premultiplied);
    drawing.fill(Qt::transparent);
    QPainter p(&drawing);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < TOOLBAR_ICONS; ++i) {
        p.save();
        p.translate(TOOLBAR_ICON * i, 0);
        p.setClipRect(0, 0, TOOLBAR_ICON, TOOLBAR_ICON);
        ICON_PAINTERS[i](p);
        p.restore();
    }
    p.end();
    return withMask(drawing);
}

QImage disabledToolbar(const QImage& normal) {
    QImage out = normal.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = out.pixel(x, y);
            if (c == TOOLBAR_MASK) continue;
            const int grey = 120 + (qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11) * 45 / 10000;
            out.setPixel(x, y, qRgb(grey, grey, grey));
        }
    }
    return out;
}
