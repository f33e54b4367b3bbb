// Bitmap file reading: headers, palette, and the three pixel layouts.
#include "resources/bitmap_decoder.h"

namespace {

constexpr std::size_t FILE_HEADER_SIZE = 14;
constexpr std::uint32_t INFO_HEADER_SIZE = 40;
constexpr int MAX_DIMENSION = 16384;

std::uint32_t read16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8;
}

std::uint32_t read32(std::span<const std::uint8_t> b, std::size_t at) {
    return read16(b, at) | read16(b, at + 2) << 16;
}

struct Header {
    std::uint32_t pixelOffset;
    std::uint32_t infoSize;
    int width;
    int height;  // always positive here
    bool bottomUp;
    int bitCount;
    std::uint32_t compression;
    std::uint32_t imageSize;
    std::uint32_t colorsUsed;
};

bool readHeader(std::span<const std::uint8_t> file, Header& h) {
    if (file.size() < FILE_HEADER_SIZE + INFO_HEADER_SIZE || file[0] != 'B' || file[1] != 'M') {
        return false;
    }
    h.pixelOffset = read32(file, 10);
    h.infoSize = read32(file, 14);
    const auto width = static_cast<std::int32_t>(read32(file, 18));
    const auto height = static_cast<std::int32_t>(read32(file, 22));
    h.bitCount = static_cast<int>(read16(file, 28));
    h.compression = read32(file, 30);
    h.imageSize = read32(file, 34);
    h.colorsUsed = read32(file, 46);
    if (h.infoSize < INFO_HEADER_SIZE || read16(file, 26) != 1 || width <= 0 || width > MAX_DIMENSION ||
        height == 0 || height < -MAX_DIMENSION || height > MAX_DIMENSION) {
        return false;
    }
    h.width = width;
    h.height = height < 0 ? -height : height;
    h.bottomUp = height > 0;
    return h.pixelOffset <= file.size();
}

bool readPalette(std::span<const std::uint8_t> file, const Header& h, DecodedBitmap& out) {
    const std::uint32_t count = h.colorsUsed == 0 ? 256 : h.colorsUsed;
    const std::size_t start = FILE_HEADER_SIZE + h.infoSize;
    if (count > 256 || start + 4 * std::size_t(count) > h.pixelOffset) {
        return false;
    }
    out.palette.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = start + 4 * i;
        out.palette[i] = std::uint32_t(file[at + 2]) << 16 | std::uint32_t(file[at + 1]) << 8 | file[at];
    }
    return true;
}

std::size_t rowStride(int width, int bitCount) {
    return (std::size_t(width) * bitCount + 31) / 32 * 4;
}

int targetRow(const Header& h, int stored) { return h.bottomUp ? h.height - 1 - stored : stored; }

bool readPlainRows(std::span<const std::uint8_t> file, const Header& h, DecodedBitmap& out) {
    const std::size_t stride = rowStride(h.width, h.bitCount);
    if (h.pixelOffset + stride * h.height > file.size()) {
        return false;
    }
    const int bytesPerPixel = h.bitCount / 8;
    for (int stored = 0; stored < h.height; ++stored) {
        const std::size_t row = h.pixelOffset + stride * stored;
        const std::size_t target = std::size_t(targetRow(h, stored)) * h.width;
        for (int x = 0; x < h.width; ++x) {
            const std::size_t at = row + std::size_t(x) * bytesPerPixel;
            if (h.bitCount == 8) {
                out.indices[target + x] = file[at];
            } else {
                const std::uint32_t alpha = h.bitCount == 32 ? file[at + 3] : 255;
                out.pixels[target + x] =
                    alpha << 24 | std::uint32_t(file[at + 2]) << 16 | std::uint32_t(file[at + 1]) << 8 | file[at];
            }
        }
    }
    return true;
}

// Run-length coded rows: (count, index) runs; escapes 0,0 end of line,
// 0,1 end of bitmap, 0,2,dx,dy move, 0,n,n indices (padded to an even
// length). Cells the runs never reach keep index 0.
bool readRle8Rows(std::span<const std::uint8_t> file, const Header& h, DecodedBitmap& out) {
    if (!h.bottomUp) {
        return false;
    }
    std::size_t at = h.pixelOffset;
    int x = 0;
    int y = 0;  // stored row, from the bottom
    auto put = [&](std::uint8_t index) {
        if (x >= h.width || y >= h.height) {
            return false;
        }
        out.indices[std::size_t(targetRow(h, y)) * h.width + x++] = index;
        return true;
    };
    while (at + 2 <= file.size()) {
        const std::uint8_t count = file[at];
        const std::uint8_t value = file[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) {
                if (!put(value)) {
                    return false;
                }
            }
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (at + 2 > file.size()) {
                return false;
            }
            x += file[at];
            y += file[at + 1];
            at += 2;
        } else {
            if (at + value > file.size()) {
                return false;
            }
            for (int i = 0; i < value; ++i) {
                if (!put(file[at + i])) {
                    return false;
                }
            }
            at += value + (value & 1);
        }
    }
    return false;  // no end-of-bitmap mark
}

bool readPixels(std::span<const std::uint8_t> file, const Header& h, DecodedBitmap& out) {
    const std::size_t count = std::size_t(h.width) * h.height;
    out.pixels.assign(count, 0);
    if (h.bitCount != 8) {
        return h.compression == BITMAP_RGB && readPlainRows(file, h, out);
    }
    out.indices.assign(count, 0);
    if (!readPalette(file, h, out)) {
        return false;
    }
    const bool ok = h.compression == BITMAP_RLE8 ? readRle8Rows(file, h, out)
                    : h.compression == BITMAP_RGB ? readPlainRows(file, h, out)
                                                  : false;
    if (!ok) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (out.indices[i] >= out.palette.size()) {
            return false;
        }
        out.pixels[i] = 0xFF000000u | out.palette[out.indices[i]];
    }
    return true;
}

}  // namespace

bool decodeBitmap(std::span<const std::uint8_t> file, DecodedBitmap& out) {
    out = DecodedBitmap{};
    Header h{};
    if (!readHeader(file, h) || (h.bitCount != 8 && h.bitCount != 24 && h.bitCount != 32)) {
        return false;
    }
    DecodedBitmap result;
    result.width = h.width;
    result.height = h.height;
    result.bitCount = h.bitCount;
    result.compression = h.compression;
    if (!readPixels(file, h, result)) {
        return false;
    }
    out = std::move(result);
    return true;
}
