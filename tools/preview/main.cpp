// morlan-preview OUTPUT_DIR
// Draws the carried pictures the way the board view does (Red at the
// bottom, labels, pieces after 炮二平五 with the last-move marker) into
// board.png, and the same twice as large in board-2x.png; the toolbar
// icons, normal and disabled, and the piece and label sheets on the wood
// colour, four times as large, in toolbar.png, pieces.png and labels.png.
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <string>

#include "engine/types.h"
#include "resources/bitmap_decoder.h"
#include "resources/resources.h"

namespace {

bool load(int id, DecodedBitmap& out) {
    if (!decodeBitmap(loadResource("BMP", id), out)) {
        std::fprintf(stderr, "BMP %d is missing or damaged\n", id);
        return false;
    }
    return true;
}

// Copies a w x h block; black source pixels are left out when keyed.
void copy(QImage& dst, int dx, int dy, const DecodedBitmap& src, int sx, int sy, int w, int h, bool keyed) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = src.pixel(sx + x, sy + y) | 0xFF000000u;
            if (!(keyed && p == 0xFF000000u)) dst.setPixel(dx + x, dy + y, p);
        }
    }
}

// Premultiplied source over the destination.
void blend(QImage& dst, int dx, int dy, const DecodedBitmap& src) {
    for (int y = 0; y < src.height; ++y) {
        for (int x = 0; x < src.width; ++x) {
            const std::uint32_t s = src.pixel(x, y);
            const int k = 255 - int(s >> 24);
            const QRgb d = dst.pixel(dx + x, dy + y);
            dst.setPixel(dx + x, dy + y,
                         qRgb(int(s >> 16 & 255) + qRed(d) * k / 255, int(s >> 8 & 255) + qGreen(d) * k / 255,
                              int(s & 255) + qBlue(d) * k / 255));
        }
    }
}

struct Cell {
    int left, top;
};

// The cell of a point with Red at the bottom (the view's default).
Cell cellOrigin(const DecodedBitmap& board, int file, int rank) {
    const int mx = (board.width - 320) / 2, my = (board.height - 360) / 2;
    return {board.width - mx - 40 * file - 20, board.height - my - 40 * rank - 20};
}

QImage drawBoardView() {
    DecodedBitmap board, pieces, labels, marker;
    if (!load(129, board) || !load(130, pieces) || !load(131, labels) || !load(132, marker)) return {};
    QImage view(board.width, board.height, QImage::Format_RGB32);
    copy(view, 0, 0, board, 0, 0, board.width, board.height, false);
    // Black to move after the first move: Black's (Arabic) labels are yellow.
    const bool redToMove = false;
    for (int i = 0; i < 9; ++i) {
        copy(view, 345 - 40 * i, 440, labels, 20 * i, redToMove ? 40 : 0, 20, 20, true);
        copy(view, 25 + 40 * i, 20, labels, 20 * i, redToMove ? 20 : 60, 20, 20, true);
    }
    Board90 position = INITIAL_BOARD;
    position[boardIndex(4, 2)] = position[boardIndex(1, 2)];
    position[boardIndex(1, 2)] = NO_PIECE;
    for (int rank = 0; rank < 10; ++rank) {
        for (int file = 0; file < 9; ++file) {
            const int code = position[boardIndex(file, rank)];
            if (code == NO_PIECE) continue;
            const Cell c = cellOrigin(board, file, rank);
            copy(view, c.left, c.top, pieces, 40 * code, 0, 40, 40, true);
        }
    }
    for (auto [file, rank] : {std::pair{1, 2}, std::pair{4, 2}}) {
        const Cell c = cellOrigin(board, file, rank);
        blend(view, c.left, c.top, marker);
    }
    return view;
}

QImage drawToolbars() {
    DecodedBitmap normal, disabled;
    if (!load(137, normal) || !load(138, disabled)) return {};
    QImage strip(normal.width, 2 * normal.height + 4, QImage::Format_RGB32);
    strip.fill(qRgb(236, 236, 236));
    for (int y = 0; y < normal.height; ++y) {
        for (int x = 0; x < normal.width; ++x) {
            if ((normal.pixel(x, y) & 0xFFFFFF) != 0x008080) strip.setPixel(x, y, normal.pixel(x, y));
            if ((disabled.pixel(x, y) & 0xFFFFFF) != 0x008080)
                strip.setPixel(x, y + normal.height + 4, disabled.pixel(x, y));
        }
    }
    return strip.scaled(strip.size() * 4);
}

// A keyed sheet on the wood colour, four times as large.
QImage drawSheet(int id) {
    DecodedBitmap sheet;
    if (!load(id, sheet)) return {};
    QImage out(sheet.width, sheet.height, QImage::Format_RGB32);
    out.fill(qRgb(214, 168, 108));
    copy(out, 0, 0, sheet, 0, 0, sheet.width, sheet.height, true);
    return out.scaled(out.size() * 4);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: morlan-preview OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const QImage view = drawBoardView();
    const QImage toolbars = drawToolbars();
    const QImage pieces = drawSheet(130);
    const QImage labels = drawSheet(131);
    if (view.isNull() || toolbars.isNull() || pieces.isNull() || labels.isNull()) return 1;
    const bool ok = view.save(QString::fromStdString(dir + "/board.png")) &&
                    view.scaled(view.size() * 2).save(QString::fromStdString(dir + "/board-2x.png")) &&
                    toolbars.save(QString::fromStdString(dir + "/toolbar.png")) &&
                    pieces.save(QString::fromStdString(dir + "/pieces.png")) &&
                    labels.save(QString::fromStdString(dir + "/labels.png"));
    std::printf("wrote %s/board.png, board-2x.png, toolbar.png, pieces.png, labels.png\n", dir.c_str());
    return ok ? 0 : 1;
}
