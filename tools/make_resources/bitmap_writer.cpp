// Bitmap file writing.
#include "tools/make_resources/bitmap_writer.h"

namespace {

constexpr std::uint32_t FILE_HEADER_SIZE = 14;
constexpr std::uint32_t INFO_HEADER_SIZE = 40;
constexpr std::uint32_t PIXELS_PER_METRE = 2835;  // 72 dpi

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<std::uint8_t> headers(int width, int height, int bitCount, std::uint32_t compression,
                                  std::uint32_t paletteCount, std::uint32_t imageSize) {
    const std::uint32_t offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + 4 * paletteCount;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);
    put32(out, INFO_HEADER_SIZE);
    put32(out, std::uint32_t(width));
    put32(out, std::uint32_t(height));  // positive: rows stored bottom-up
    put16(out, 1);
    put16(out, std::uint32_t(bitCount));
    put32(out, compression);
    put32(out, imageSize);
    put32(out, PIXELS_PER_METRE);
    put32(out, PIXELS_PER_METRE);
    put32(out, paletteCount);
    put32(out, 0);
    return out;
}

std::uint32_t stride(int width, int bitCount) { return (std::uint32_t(width) * bitCount + 31) / 32 * 4; }

// Indices are emitted literally (escape 0, n) for mixed stretches of at
// least three; shorter ones as runs.
int runLength(const std::uint8_t* row, int at, int width) {
    int n = 1;
    while (at + n < width && n < 255 && row[at + n] == row[at]) {
        ++n;
    }
    return n;
}

}  // namespace

std::vector<std::uint8_t> encodeRle8Row(const std::uint8_t* row, int width) {
    std::vector<std::uint8_t> out;
    int x = 0;
    while (x < width) {
        const int run = runLength(row, x, width);
        if (run >= 3) {
            out.push_back(std::uint8_t(run));
            out.push_back(row[x]);
            x += run;
            continue;
        }
        int end = x;
        while (end < width && end - x < 255 && runLength(row, end, width) < 3) {
            end += runLength(row, end, width);
        }
        if (end - x > 255) {
            end = x + 255;
        }
        const int literal = end - x;
        if (literal < 3) {
            for (int i = x; i < end; ++i) {
                out.push_back(1);
                out.push_back(row[i]);
            }
        } else {
            out.push_back(0);
            out.push_back(std::uint8_t(literal));
            out.insert(out.end(), row + x, row + end);
            if (literal & 1) {
                out.push_back(0);
            }
        }
        x = end;
    }
    return out;
}

std::vector<std::uint8_t> writeIndexedBitmap(const IndexedImage& image, bool runLengthCoded) {
    std::vector<std::uint8_t> pixels;
    const int w = image.width;
    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* row = image.indices.data() + std::size_t(y) * w;
        if (runLengthCoded) {
            const std::vector<std::uint8_t> coded = encodeRle8Row(row, w);
            pixels.insert(pixels.end(), coded.begin(), coded.end());
            pixels.push_back(0);
            pixels.push_back(y == 0 ? 1 : 0);  // end of line, or of the bitmap
        } else {
            pixels.insert(pixels.end(), row, row + w);
            pixels.resize(pixels.size() + (stride(w, 8) - w), 0);
        }
    }
    const auto count = std::uint32_t(image.palette.size());
    std::vector<std::uint8_t> out = headers(w, image.height, 8, runLengthCoded ? 1 : 0, count,
                                            std::uint32_t(pixels.size()));
    for (std::uint32_t c : image.palette) {
        put32(out, c & 0xFFFFFF);  // blue, green, red, 0
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

std::vector<std::uint8_t> writeColorBitmap(int width, int height, const std::vector<std::uint32_t>& pixels,
                                           int bitCount) {
    const std::uint32_t rowBytes = stride(width, bitCount);
    std::vector<std::uint8_t> out = headers(width, height, bitCount, 0, 0, rowBytes * height);
    for (int y = height - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[std::size_t(y) * width + x];
            out.push_back(std::uint8_t(p));
            out.push_back(std::uint8_t(p >> 8));
            out.push_back(std::uint8_t(p >> 16));
            if (bitCount == 32) {
                out.push_back(std::uint8_t(p >> 24));
            }
        }
        out.resize(start + rowBytes, 0);
    }
    return out;
}
