// The pictures the board view and the toolbar draw with, built once from
// the carried bitmaps. A bitmap that is missing or damaged is replaced by
// a plain drawing of the same size, so the program still shows a board.
#pragma once

#include <QIcon>
#include <QImage>
#include <vector>

constexpr int PIECE_IMAGE_COUNT = 14;
constexpr int TOOLBAR_ICON_COUNT = 12;
constexpr int TOOLBAR_ICON_SIZE = 16;

class BitmapSet {
public:
    static BitmapSet& instance();

    // The board picture (129), opaque.
    const QImage& board() const { return boardImage; }
    // The 14 pieces (130) and the 36 labels (131), black made transparent.
    const QImage& pieces() const { return pieceImage; }
    const QImage& labels() const { return labelImage; }
    // The last-move marker (132), premultiplied alpha.
    const QImage& marker() const { return markerImage; }
    // Toolbar icon i (137 normal, 138 disabled; teal RGB(0, 128, 128) masked).
    const QIcon& toolbarIcon(int i) const { return icons[i]; }
    // Whether every bitmap came from the program's resources.
    bool complete() const { return allCarried; }
    // Frees the pictures while the application still runs.
    void release();

private:
    BitmapSet();
    void loadBoard();
    void loadPieces();
    void loadLabels();
    void loadMarker();
    void loadIcons();

    QImage boardImage;
    QImage pieceImage;
    QImage labelImage;
    QImage markerImage;
    std::vector<QIcon> icons;
    bool allCarried = true;
};

// The 0xAARRGGBB pixels of a carried bitmap as an image; a null image when
// the resource is missing, damaged or not of the expected size.
QImage carriedBitmap(int id, int width, int height, bool premultiplied = false);
// The image with every pixel of colour key made fully transparent.
QImage withTransparentColour(const QImage& image, QRgb key);
