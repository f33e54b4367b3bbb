// The tool windows are laid out in dialog units, as their templates give
// them: a quarter of the interface font's average character width across,
// an eighth of its height down. Converting with the font actually in use
// keeps every control in proportion to its text.
#pragma once

#include <QFont>
#include <QRect>

class QWidget;

// The dialogs' font: 新宋体 at 9 points, or the nearest Song-style face
// the system has.
QFont dialogFont();

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    // Base units in pixels: average character width and character height.
    int baseX() const { return base_x; }
    int baseY() const { return base_y; }

    int toX(int du) const;
    int toY(int du) const;
    QRect toPixels(int x, int y, int width, int height) const;
    QSize toPixels(int width, int height) const;

private:
    int base_x;
    int base_y;
};

// The units of the dialogs' font, measured once.
const DialogUnits& dialogUnits();
