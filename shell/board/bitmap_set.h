// The pictures the board view and the toolbar draw with, built once from
// the carried bitmaps. A bitmap that is missing or damaged is replaced by
// a plain drawing of the same size, so the program still shows a board.
// The larger board sizes, and any size on a screen with more than one
// pixel to the window's pixel, are drawn by the artwork instead, once for
// each size and density asked for.
#pragma once

#include <QIcon>
#include <QImage>
#include <map>
#include <tuple>
#include <vector>

#include "shell/board/board_pictures.h"

constexpr int PIECE_IMAGE_COUNT = 14;
constexpr int TOOLBAR_ICON_COUNT = 12;
constexpr int TOOLBAR_ICON_SIZE = 16;

// The carried bitmaps as images, black (or teal, for the toolbar) already
// made transparent; an image is null where its bitmap is missing or
// damaged. Plain image work, which any thread may do.
struct CarriedPictures {
    BoardPictures classic;
    QImage toolbar;
    QImage toolbarDisabled;
};
CarriedPictures decodeCarriedPictures();

class BitmapSet {
public:
    static BitmapSet& instance();
    // Starts decoding the carried bitmaps on a thread of their own, so that
    // they are ready when the window is made; the first instance() takes
    // them if they are, else decodes them itself. Called before the
    // application object exists.
    static void decodeAhead();

    // The board picture (129), opaque.
    const QImage& board() const { return classic.board; }
    // The 14 pieces (130) and the 36 labels (131), black made transparent.
    const QImage& pieces() const { return classic.pieces; }
    const QImage& labels() const { return classic.labels; }
    // The last-move marker (132), premultiplied alpha.
    const QImage& marker() const { return classic.marker; }
    // The pictures for a board size at a pixel density: the carried ones
    // for the Chinese pieces on the classic board at one pixel per pixel,
    // else drawn (the first time) at that resolution with that piece set.
    const BoardPictures& boardPictures(const BoardLayout& layout, PieceSet set = PieceSet::Chinese);
    // Toolbar icon i (137 normal, 138 disabled; teal RGB(0, 128, 128) masked).
    const QIcon& toolbarIcon(int i) const { return icons[i]; }
    // Whether every bitmap came from the program's resources.
    bool complete() const { return allCarried; }
    // Frees the pictures while the application still runs.
    void release();

private:
    explicit BitmapSet(CarriedPictures carried);
    // The carried picture, or the plain drawing where there is none.
    QImage orPlain(QImage carried, QImage (*plain)());
    void makeIcons(QImage normal, QImage disabled);

    BoardPictures classic;
    // By cell, width, height, density in thousandths and piece set.
    std::map<std::tuple<int, int, int, int, int>, BoardPictures> drawn;
    std::vector<QIcon> icons;
    bool allCarried = true;
};

// The 0xAARRGGBB pixels of a carried bitmap as an image; a null image when
// the resource is missing, damaged or not of the expected size.
QImage carriedBitmap(int id, int width, int height, bool premultiplied = false);
// The image with every pixel of colour key made fully transparent.
QImage withTransparentColour(const QImage& image, QRgb key);
