// Carved wooden discs with the characters cut into them.
#include "artwork/piece_painter.h"

#include <QPainterPath>
#include <QRadialGradient>

#include "artwork/artwork.h"

namespace {

// 帅仕相马车炮兵 for Red, 将士象马车炮卒 for Black.
constexpr const char* PIECE_NAMES[PIECE_CODES] = {
    "帅", "仕", "相", "马", "车", "炮", "兵", "将", "士", "象", "马", "车", "炮", "卒",
};

// The WXF letters, by kind.
constexpr char PIECE_LETTERS[7] = {'K', 'A', 'E', 'H', 'R', 'C', 'P'};

const QColor RED_INK(178, 30, 20);
const QColor BLACK_INK(38, 30, 24);  // never pure black: that is the key colour

// Geometry in the 40-pixel design; the cell's centre pixel is (20, 20).
constexpr double CENTRE = 20.5;
constexpr double RADIUS = 18.7;
constexpr double GROOVE = 15.6;

void drawBody(QPainter& p) {
    QRadialGradient body(QPointF(CENTRE - 6, CENTRE - 7), RADIUS * 1.45, QPointF(CENTRE - 7, CENTRE - 8));
    body.setColorAt(0.0, QColor(252, 232, 190));
    body.setColorAt(0.55, QColor(232, 192, 132));
    body.setColorAt(1.0, QColor(168, 114, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(QPointF(CENTRE, CENTRE), RADIUS, RADIUS);
    // The edge of the disc, turned darker.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(112, 66, 30), 1.1));
    p.drawEllipse(QPointF(CENTRE, CENTRE), RADIUS - 0.55, RADIUS - 0.55);
    // A raised face: a light upper-left edge, a darker lower-right one.
    p.setPen(QPen(QColor(255, 244, 214, 170), 1.0));
    p.drawArc(QRectF(CENTRE - RADIUS + 2, CENTRE - RADIUS + 2, 2 * RADIUS - 4, 2 * RADIUS - 4), 45 * 16, 180 * 16);
    p.setPen(QPen(QColor(128, 80, 38, 150), 1.0));
    p.drawArc(QRectF(CENTRE - RADIUS + 2, CENTRE - RADIUS + 2, 2 * RADIUS - 4, 2 * RADIUS - 4), 225 * 16, 180 * 16);
}

// The cut ring and the character, each with a light lower-right wall so
// that they read as cut in.
void drawCut(QPainter& p, const QPainterPath& shape, QColor ink, double width) {
    const QColor wall(255, 238, 200, 190);
    const QPointF lit(0.8, 0.8);
    if (width > 0) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(wall, width));
        p.drawPath(shape.translated(lit));
        p.setPen(QPen(ink, width));
        p.drawPath(shape);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(wall);
        p.drawPath(shape.translated(lit));
        p.setBrush(ink);
        p.drawPath(shape);
    }
}

QPainterPath characterPath(int code, PieceSet set) {
    QPainterPath path;
    if (set == PieceSet::Symbols) path.addText(0, 0, labelFont(22), QString(QChar(PIECE_LETTERS[code % 7])));
    else path.addText(0, 0, carvedFont(24), QString::fromUtf8(PIECE_NAMES[code]));
    const QRectF box = path.boundingRect();
    return path.translated(CENTRE - box.center().x(), CENTRE - box.center().y());
}

}  // namespace

void paintPiece(QPainter& p, int code, double size, PieceSet set) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / PIECE_CELL, size / PIECE_CELL);
    drawBody(p);
    const QColor ink = code < 7 ? RED_INK : BLACK_INK;
    QPainterPath ring;
    ring.addEllipse(QPointF(CENTRE, CENTRE), GROOVE, GROOVE);
    drawCut(p, ring, ink, 1.2);
    drawCut(p, characterPath(code, set), ink, 0);
    p.restore();
}

QImage paintPieceSheet(int cell, PieceSet set) {
    QImage sheet(cell * PIECE_CODES, cell, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter p(&sheet);
    for (int code = 0; code < PIECE_CODES; ++code) {
        p.save();
        p.translate(cell * code, 0);
        paintPiece(p, code, cell, set);
        p.restore();
    }
    p.end();
    return sheet;
}

QImage paintAppIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    paintPiece(p, 0, size);
    p.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}
