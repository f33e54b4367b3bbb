#include "shell/windows/dialog_units.h"

#include <QFontInfo>
#include <QStringList>

namespace {

constexpr int DIALOG_POINT_SIZE = 9;

// a * b / c rounded to the nearest integer, as dialog templates scale.
int scaled(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>(p >= 0 ? (p + c / 2) / c : (p - c / 2) / c);
}

}  // namespace

QFont dialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("NSimSun"), QStringLiteral("新宋体"), QStringLiteral("SimSun"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSize(DIALOG_POINT_SIZE);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    // The templates were drawn for a face whose Latin letters are half as
    // wide as a Chinese character and whose character height is its size,
    // so the units come from the size of the font in use, not from the
    // spacing of whichever face stands in for it.
    const int em = QFontInfo(font).pixelSize();
    base_x = (em + 1) / 2;
    base_y = em;
    if (base_x < 1) base_x = 1;
    if (base_y < 1) base_y = 1;
}

int DialogUnits::toX(int du) const { return scaled(du, base_x, 4); }
int DialogUnits::toY(int du) const { return scaled(du, base_y, 8); }

QRect DialogUnits::toPixels(int x, int y, int width, int height) const {
    return {toX(x), toY(y), toX(width), toY(height)};
}

QSize DialogUnits::toPixels(int width, int height) const { return {toX(width), toY(height)}; }

const DialogUnits& dialogUnits() {
    static const DialogUnits units(dialogFont());
    return units;
}
