// File labels, outlined so that they read on light and dark wood alike.
#include "tools/make_resources/label_painter.h"

#include <QPainter>
#include <QPainterPath>

#include "tools/make_resources/artwork.h"

namespace {

constexpr int LABEL = 20;
constexpr const char* CHINESE_NUMERALS[9] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};

const QColor WHITE(255, 255, 255);
const QColor YELLOW(255, 224, 32);
const QColor OUTLINE(70, 38, 14);

void drawLabel(QPainter& p, int column, int row, const QString& text, QColor colour, double size) {
    QPainterPath path;
    path.addText(0, 0, labelFont(size), text);
    const QRectF box = path.boundingRect();
    const QPointF centre(LABEL * column + LABEL / 2.0, LABEL * row + LABEL / 2.0);
    path.translate(centre - box.center());
    p.setPen(QPen(OUTLINE, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

}  // namespace

QImage paintLabelSheet() {
    QImage sheet(9 * LABEL, 4 * LABEL, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < 9; ++i) {
        const QString chinese = QString::fromUtf8(CHINESE_NUMERALS[i]);
        const QString arabic = QString::number(i + 1);
        drawLabel(p, i, 0, chinese, WHITE, 14);
        drawLabel(p, i, 1, arabic, WHITE, 15);
        drawLabel(p, i, 2, chinese, YELLOW, 14);
        drawLabel(p, i, 3, arabic, YELLOW, 15);
    }
    p.end();
    return flattenAlpha(sheet, BOARD_WOOD_AVERAGE);
}
