#include "shell/board/bitmap_set.h"

#include <QPainter>
#include <QPainterPath>
#include <atomic>
#include <cmath>

#include "resources/bitmap_decoder.h"
#include "shell/board/board_geometry.h"
#include "shell/platform/read_ahead.h"
#include "shell/platform/resource_blob.h"

namespace {

constexpr int BITMAP_BOARD = 129;
constexpr int BITMAP_PIECES = 130;
constexpr int BITMAP_LABELS = 131;
constexpr int BITMAP_MARKER = 132;
constexpr int BITMAP_TOOLBAR = 137;
constexpr int BITMAP_TOOLBAR_DISABLED = 138;

constexpr QRgb TRANSPARENT_BLACK = 0xFF000000;
constexpr QRgb TOOLBAR_MASK = 0xFF008080;

// Names of the pieces by code, for the plain drawings.
constexpr const char* PIECE_GLYPHS[PIECE_IMAGE_COUNT] = {
    "帅", "仕", "相", "马", "车", "炮", "兵", "将", "士", "象", "马", "车", "炮", "卒",
};
constexpr const char* CHINESE_NUMERALS[9] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};

QFont boardFont(int pixels, bool bold) {
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// ---- plain drawings for missing bitmaps ----

QImage plainBoard() {
    QImage img(BOARD_WIDTH, BOARD_HEIGHT, QImage::Format_RGB32);
    img.fill(QColor(222, 184, 135));
    QPainter p(&img);
    p.setPen(QPen(QColor(60, 40, 20), 1));
    const BoardGeometry g{BOARD_WIDTH, BOARD_HEIGHT, false};
    const int x0 = g.marginX(), y0 = g.marginY();
    for (int r = 0; r < 10; ++r) p.drawLine(x0, y0 + 40 * r, x0 + 320, y0 + 40 * r);
    for (int f = 0; f < 9; ++f) {
        const bool edge = f == 0 || f == 8;
        p.drawLine(x0 + 40 * f, y0, x0 + 40 * f, y0 + (edge ? 360 : 160));
        if (!edge) p.drawLine(x0 + 40 * f, y0 + 200, x0 + 40 * f, y0 + 360);
    }
    // The palaces' diagonals.
    for (int top : {0, 280}) {
        p.drawLine(x0 + 120, y0 + top, x0 + 200, y0 + top + 80);
        p.drawLine(x0 + 200, y0 + top, x0 + 120, y0 + top + 80);
    }
    p.setFont(boardFont(22, false));
    p.drawText(QRect(x0, y0 + 160, 320, 40), Qt::AlignCenter, QStringLiteral("楚 河          漢 界"));
    return img;
}

QImage plainPieces() {
    QImage img(CELL_SIZE * PIECE_IMAGE_COUNT, CELL_SIZE, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(boardFont(22, true));
    for (int c = 0; c < PIECE_IMAGE_COUNT; ++c) {
        const QColor ink = c < 7 ? QColor(190, 20, 20) : QColor(20, 20, 20);
        const QRect cell(CELL_SIZE * c, 0, CELL_SIZE, CELL_SIZE);
        p.setPen(QPen(ink, 2));
        p.setBrush(QColor(250, 230, 180));
        p.drawEllipse(cell.adjusted(2, 2, -3, -3));
        p.drawText(cell, Qt::AlignCenter, QString::fromUtf8(PIECE_GLYPHS[c]));
    }
    return img;
}

QImage plainLabels() {
    QImage img(180, 80, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setFont(boardFont(14, true));
    for (int row = 0; row < 4; ++row) {
        p.setPen(row < 2 ? QColor(255, 255, 255) : QColor(255, 255, 0));
        for (int i = 0; i < 9; ++i) {
            const QString text = row % 2 == 0 ? QString::fromUtf8(CHINESE_NUMERALS[i]) : QString::number(i + 1);
            p.drawText(QRect(20 * i, 20 * row, 20, 20), Qt::AlignCenter, text);
        }
    }
    return img;
}

QImage plainMarker() {
    QImage img(CELL_SIZE, CELL_SIZE, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 200, 0, 128));
    p.drawEllipse(QRect(12, 12, 16, 16));
    return img;
}

QImage plainToolbar(bool disabled) {
    QImage img(TOOLBAR_ICON_SIZE * TOOLBAR_ICON_COUNT, TOOLBAR_ICON_SIZE, QImage::Format_RGB32);
    img.fill(TOOLBAR_MASK);
    QPainter p(&img);
    for (int i = 0; i < TOOLBAR_ICON_COUNT; ++i) {
        const QColor c = disabled ? QColor(128, 128, 128) : QColor::fromHsv(30 * i, 200, 200);
        p.fillRect(QRect(16 * i + 3, 3, 10, 10), c);
    }
    return img;
}

}  // namespace

QImage carriedBitmap(int id, int width, int height, bool premultiplied) {
    ResourceBlob blob;
    blob.load("BMP", id);
    const std::vector<std::uint8_t> file = blob.decompressed();
    DecodedBitmap bmp;
    if (file.empty() || !decodeBitmap(file, bmp) || bmp.width != width || bmp.height != height) {
        return {};
    }
    QImage img(width, height, premultiplied ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::uint32_t px = bmp.pixel(x, y);
            line[x] = premultiplied ? px : (px | 0xFF000000u);
        }
    }
    return img;
}

QImage withTransparentColour(const QImage& image, QRgb key) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key) line[x] = 0;
        }
    }
    return out;
}

namespace {

// An image with its colour key made transparent, or null if it is null.
QImage keyed(const QImage& image, QRgb key) { return image.isNull() ? image : withTransparentColour(image, key); }

}  // namespace

CarriedPictures decodeCarriedPictures() {
    const int toolbarWidth = TOOLBAR_ICON_SIZE * TOOLBAR_ICON_COUNT;
    CarriedPictures c;
    c.classic.board = carriedBitmap(BITMAP_BOARD, BOARD_WIDTH, BOARD_HEIGHT);
    c.classic.pieces = keyed(carriedBitmap(BITMAP_PIECES, CELL_SIZE * PIECE_IMAGE_COUNT, CELL_SIZE), TRANSPARENT_BLACK);
    c.classic.labels = keyed(carriedBitmap(BITMAP_LABELS, 180, 80), TRANSPARENT_BLACK);
    c.classic.marker = carriedBitmap(BITMAP_MARKER, CELL_SIZE, CELL_SIZE, true);
    c.toolbar = keyed(carriedBitmap(BITMAP_TOOLBAR, toolbarWidth, TOOLBAR_ICON_SIZE), TOOLBAR_MASK);
    c.toolbarDisabled = keyed(carriedBitmap(BITMAP_TOOLBAR_DISABLED, toolbarWidth, TOOLBAR_ICON_SIZE), TOOLBAR_MASK);
    return c;
}

namespace {

// The decoding decodeAhead started, until the first instance() takes it.
// The read-ahead runs at a low priority: on a busy machine the interface's
// thread does not wait for it, but decodes the pictures itself.
struct AheadDecoding {
    std::thread worker;
    std::atomic<bool> done{false};
    CarriedPictures pictures;
    ~AheadDecoding() {
        if (worker.joinable()) worker.join();
    }
};

AheadDecoding& ahead() {
    static AheadDecoding decoding;
    return decoding;
}

CarriedPictures decodedPictures() {
    AheadDecoding& a = ahead();
    if (!a.worker.joinable() || !a.done.load(std::memory_order_acquire)) return decodeCarriedPictures();
    a.worker.join();
    return std::move(a.pictures);
}

}  // namespace

void BitmapSet::decodeAhead() {
    AheadDecoding& a = ahead();
    if (a.worker.joinable()) return;
    a.worker = startReadAhead([&a] {
        a.pictures = decodeCarriedPictures();
        a.done.store(true, std::memory_order_release);
    });
}

BitmapSet& BitmapSet::instance() {
    static BitmapSet set(decodedPictures());
    return set;
}

// The plain drawings need the application's fonts, so they are made here,
// on the interface's thread.
BitmapSet::BitmapSet(CarriedPictures carried) {
    classic.board = orPlain(carried.classic.board, [] { return plainBoard(); });
    classic.pieces = orPlain(carried.classic.pieces, [] { return withTransparentColour(plainPieces(), TRANSPARENT_BLACK); });
    classic.labels = orPlain(carried.classic.labels, [] { return withTransparentColour(plainLabels(), TRANSPARENT_BLACK); });
    classic.marker = orPlain(carried.classic.marker, [] { return plainMarker(); });
    makeIcons(orPlain(carried.toolbar, [] { return withTransparentColour(plainToolbar(false), TOOLBAR_MASK); }),
              orPlain(carried.toolbarDisabled, [] { return withTransparentColour(plainToolbar(true), TOOLBAR_MASK); }));
}

QImage BitmapSet::orPlain(QImage carried, QImage (*plain)()) {
    if (!carried.isNull()) return carried;
    allCarried = false;
    return plain();
}

void BitmapSet::makeIcons(QImage normal, QImage disabled) {
    icons.clear();
    for (int i = 0; i < TOOLBAR_ICON_COUNT; ++i) {
        const QRect cell(TOOLBAR_ICON_SIZE * i, 0, TOOLBAR_ICON_SIZE, TOOLBAR_ICON_SIZE);
        QIcon icon;
        icon.addPixmap(QPixmap::fromImage(normal.copy(cell)), QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(disabled.copy(cell)), QIcon::Disabled);
        icons.push_back(icon);
    }
}

const BoardPictures& BitmapSet::boardPictures(const BoardLayout& layout, PieceSet set) {
    if (set == PieceSet::Chinese && layout.cell == CELL_SIZE && layout.devicePixelRatio == 1.0) return classic;
    const auto key = std::tuple(layout.cell, layout.width, layout.height,
                                int(std::lround(layout.devicePixelRatio * 1000)), static_cast<int>(set));
    auto it = drawn.find(key);
    if (it == drawn.end()) it = drawn.emplace(key, drawnBoardPictures(layout, set)).first;
    return it->second;
}

void BitmapSet::release() {
    icons.clear();
    classic = BoardPictures{};
    drawn.clear();
}
