// File labels, outlined so that they read on light and dark wood alike.
#include "artwork/label_painter.h"

#include <QPainter>
#include <QPainterPath>

#include "artwork/artwork.h"

namespace {

constexpr const char* CHINESE_NUMERALS[9] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};

const QColor WHITE(255, 255, 255);
const QColor YELLOW(255, 224, 32);
const QColor OUTLINE(70, 38, 14);

// A label of the given classic font size in a cell of `cell` pixels.
void drawLabel(QPainter& p, int cell, int column, int row, const QString& text, QColor colour, double size) {
    const double unit = double(cell) / LABEL_CELL;
    QPainterPath path;
    path.addText(0, 0, labelFont(size * unit), text);
    const QRectF box = path.boundingRect();
    const QPointF centre(cell * column + cell / 2.0, cell * row + cell / 2.0);
    path.translate(centre - box.center());
    p.setPen(QPen(OUTLINE, 2.6 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

}  // namespace

QImage paintLabelSheet(int cell) {
    QImage sheet(9 * cell, 4 * cell, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < 9; ++i) {
        const QString chinese = QString::fromUtf8(CHINESE_NUMERALS[i]);
        const QString arabic = QString::number(i + 1);
        drawLabel(p, cell, i, 0, chinese, WHITE, 14);
        drawLabel(p, cell, i, 1, arabic, WHITE, 15);
        drawLabel(p, cell, i, 2, chinese, YELLOW, 14);
        drawLabel(p, cell, i, 3, arabic, YELLOW, 15);
    }
    p.end();
    return sheet;
}
