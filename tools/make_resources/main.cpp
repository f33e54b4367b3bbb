// morlan-make-resources OUTPUT_DIR [--plain DIR]
// Draws and synthesises the program's pictures and sounds and writes them
// to OUTPUT_DIR in the compressed resource form, with the icon as a PNG.
// --plain also writes the uncompressed bitmaps and waves to DIR.
#include <QBuffer>
#include <QGuiApplication>

#include <cstdio>
#include <string>

#include "artwork/artwork.h"
#include "artwork/board_painter.h"
#include "artwork/label_painter.h"
#include "artwork/marker_painter.h"
#include "artwork/piece_painter.h"
#include "tools/make_resources/bitmap_writer.h"
#include "tools/make_resources/palette_quantizer.h"
#include "tools/make_resources/resource_file.h"
#include "tools/make_resources/sound_synth.h"
#include "tools/make_resources/toolbar_painter.h"

namespace {

std::vector<std::uint32_t> pixelsOf(const QImage& image) {
    std::vector<std::uint32_t> out;
    out.reserve(std::size_t(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) out.push_back(image.pixel(x, y));
    }
    return out;
}

// QImage::pixel hands back straight colour; the marker needs the stored
// premultiplied words.
std::vector<std::uint32_t> premultipliedPixelsOf(const QImage& image) {
    const QImage p = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::vector<std::uint32_t> out;
    for (int y = 0; y < p.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(p.constScanLine(y));
        out.insert(out.end(), row, row + p.width());
    }
    return out;
}

struct Output {
    std::string dir;
    std::string plainDir;

    bool write(const std::string& name, const std::string& plainName, const std::vector<std::uint8_t>& bytes) const {
        const std::vector<std::uint8_t> stored = compressResource(bytes);
        if (stored.empty() || !writeFile(dir + "/" + name, stored)) {
            std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), name.c_str());
            return false;
        }
        std::printf("%-24s %7zu bytes, %6zu stored\n", name.c_str(), bytes.size(), stored.size());
        return plainDir.empty() || writeFile(plainDir + "/" + plainName, bytes);
    }
};

std::vector<std::uint8_t> pngOf(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {data.begin(), data.end()};
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--plain")) {
        std::fprintf(stderr, "usage: morlan-make-resources OUTPUT_DIR [--plain DIR]\n");
        return 2;
    }
    const Output out{argv[1], argc == 4 ? argv[3] : ""};
    const QImage toolbar = paintToolbar();
    const QuantizeOptions keyed{.transparentKey = true, .dither = false};
    bool ok = true;
    ok &= out.write("board.bmp.z", "board.bmp",
                    writeIndexedBitmap(quantize(paintBoard(), {.transparentKey = false, .dither = true}), false));
    // Pieces and labels carry black as their transparent colour: their
    // antialiased edges are blended towards the wood instead.
    const QImage pieces = flattenAlpha(paintPieceSheet(), BOARD_WOOD_AVERAGE);
    const QImage labels = flattenAlpha(paintLabelSheet(), BOARD_WOOD_AVERAGE);
    ok &= out.write("pieces.bmp.z", "pieces.bmp", writeIndexedBitmap(quantize(pieces, keyed), true));
    ok &= out.write("labels.bmp.z", "labels.bmp", writeIndexedBitmap(quantize(labels, keyed), true));
    ok &= out.write("marker.bmp.z", "marker.bmp", writeColorBitmap(40, 40, premultipliedPixelsOf(paintMarker()), 32));
    ok &= out.write("toolbar.bmp.z", "toolbar.bmp", writeColorBitmap(192, 16, pixelsOf(toolbar), 24));
    ok &= out.write("toolbar-disabled.bmp.z", "toolbar-disabled.bmp",
                    writeColorBitmap(192, 16, pixelsOf(disabledToolbar(toolbar)), 24));
    ok &= out.write("capture.wav.z", "capture.wav", makeCaptureSound());
    ok &= out.write("move.wav.z", "move.wav", makeMoveSound());
    const std::vector<std::uint8_t> icon = pngOf(paintAppIcon(128));
    ok &= writeFile(out.dir + "/morlan.png", icon);
    std::printf("%-24s %7zu bytes\n", "morlan.png", icon.size());
    return ok ? 0 : 1;
}
