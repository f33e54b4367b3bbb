// The carried bitmaps: each decompresses to a bitmap file of the size,
// depth and layout the board view relies on, with the transparent key and
// alpha rules the drawing code depends on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "resources/bitmap_decoder.h"
#include "resources/resources.h"

namespace {

struct BitmapRow {
    int id;
    int width;
    int height;
    int bitCount;
    std::uint32_t compression;
};

constexpr BitmapRow BITMAP_ROWS[] = {
    {129, 390, 480, 8, BITMAP_RGB},  {130, 560, 40, 8, BITMAP_RLE8}, {131, 180, 80, 8, BITMAP_RLE8},
    {132, 40, 40, 32, BITMAP_RGB},   {137, 192, 16, 24, BITMAP_RGB}, {138, 192, 16, 24, BITMAP_RGB},
};

DecodedBitmap decoded(int id) {
    DecodedBitmap bitmap;
    EXPECT_TRUE(decodeBitmap(loadResource("BMP", id), bitmap)) << "BMP " << id;
    return bitmap;
}

int red(std::uint32_t p) { return int(p >> 16 & 255); }
int green(std::uint32_t p) { return int(p >> 8 & 255); }
int blue(std::uint32_t p) { return int(p & 255); }
int alpha(std::uint32_t p) { return int(p >> 24); }
bool isKey(std::uint32_t p) { return (p & 0xFFFFFF) == 0; }
int luminance(std::uint32_t p) { return (red(p) * 30 + green(p) * 59 + blue(p) * 11) / 100; }

double distanceFromCellCentre(int x, int y, int cell) {
    const double c = cell / 2.0 + 0.5;  // the centre pixel of a cell is (cell/2, cell/2)
    return std::hypot(x % cell + 0.5 - c, y + 0.5 - c);
}

}  // namespace

TEST(CarriedBitmaps, EachDecompressesToItsDeclaredSizeAndFormat) {
    for (const BitmapRow& row : BITMAP_ROWS) {
        SCOPED_TRACE("BMP " + std::to_string(row.id));
        const std::span<const std::uint8_t> stored = findResource("BMP", row.id);
        ASSERT_GT(stored.size(), 4u);
        const std::uint32_t declared = stored[0] | stored[1] << 8 | stored[2] << 16 | std::uint32_t(stored[3]) << 24;
        const std::vector<std::uint8_t> file = decompressResource(stored);
        ASSERT_EQ(file.size(), declared);
        // The file header's own size field agrees with the decompressed length.
        ASSERT_GE(file.size(), 54u);
        EXPECT_EQ(file[2] | file[3] << 8 | file[4] << 16 | std::uint32_t(file[5]) << 24, declared);
        DecodedBitmap bitmap;
        ASSERT_TRUE(decodeBitmap(file, bitmap));
        EXPECT_EQ(bitmap.width, row.width);
        EXPECT_EQ(bitmap.height, row.height);
        EXPECT_EQ(bitmap.bitCount, row.bitCount);
        EXPECT_EQ(bitmap.compression, row.compression);
    }
}

TEST(CarriedBitmaps, BoardHasItsLinesOnTheIntersections) {
    const DecodedBitmap board = decoded(129);
    ASSERT_EQ(board.width, 390);
    for (int rank = 0; rank < 10; ++rank) {
        for (int file = 0; file < 9; ++file) {
            const int x = 35 + 40 * file, y = 60 + 40 * rank;
            // A line crosses every intersection; inside a square (off the
            // palace diagonals) is bare wood.
            EXPECT_LT(luminance(board.pixel(x, y)), 110) << file << "," << rank;
            if (file < 8 && rank < 9 && rank != 4) {
                EXPECT_GT(luminance(board.pixel(x + 12, y + 27)), 115) << file << "," << rank;
            }
        }
    }
    // The river interrupts the inner files but not the edge files.
    EXPECT_GT(luminance(board.pixel(35 + 40 * 4, 240 - 12)), 110);
    EXPECT_LT(luminance(board.pixel(35, 240)), 110);
    EXPECT_LT(luminance(board.pixel(355, 240)), 110);
}

TEST(CarriedBitmaps, PiecesAreOpaqueDiscsOnTheKeyColour) {
    const DecodedBitmap pieces = decoded(130);
    ASSERT_EQ(pieces.width, 560);
    ASSERT_EQ(pieces.palette.at(0), 0u) << "index 0 is the transparent key";
    for (std::size_t i = 1; i < pieces.palette.size(); ++i) {
        EXPECT_NE(pieces.palette[i], 0u) << "palette entry " << i << " is pure black";
    }
    for (int code = 0; code < 14; ++code) {
        SCOPED_TRACE("piece " + std::to_string(code));
        int redInk = 0, darkInk = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 40 * code; x < 40 * code + 40; ++x) {
                const std::uint32_t p = pieces.pixel(x, y);
                const double d = distanceFromCellCentre(x, y, 40);
                if (d < 17.5) {
                    ASSERT_FALSE(isKey(p)) << "pure black inside the disc at " << x << "," << y;
                }
                if (d > 20.0) {
                    ASSERT_TRUE(isKey(p)) << "visible pixel outside the disc at " << x << "," << y;
                }
                if (d < 14) {
                    redInk += red(p) > 140 && green(p) < 80;
                    darkInk += luminance(p) < 70;
                }
            }
        }
        // The character is in its side's colour.
        if (code < 7) {
            EXPECT_GT(redInk, 40);
            EXPECT_LT(darkInk, 10);
        } else {
            EXPECT_GT(darkInk, 40);
            EXPECT_LT(redInk, 10);
        }
    }
}

TEST(CarriedBitmaps, LabelsAreWhiteThenYellowOnTheKeyColour) {
    const DecodedBitmap labels = decoded(131);
    ASSERT_EQ(labels.height, 80);
    EXPECT_EQ(labels.palette.at(0), 0u);
    for (int row = 0; row < 4; ++row) {
        for (int i = 0; i < 9; ++i) {
            SCOPED_TRACE("label row " + std::to_string(row) + " column " + std::to_string(i));
            int white = 0, yellow = 0, visible = 0;
            for (int y = 20 * row; y < 20 * row + 20; ++y) {
                for (int x = 20 * i; x < 20 * i + 20; ++x) {
                    const std::uint32_t p = labels.pixel(x, y);
                    const bool edge = x % 20 == 0 || x % 20 == 19 || y % 20 == 0 || y % 20 == 19;
                    if (edge) {
                        EXPECT_TRUE(isKey(p)) << "label touches its cell edge at " << x << "," << y;
                    }
                    visible += !isKey(p);
                    white += red(p) > 235 && green(p) > 235 && blue(p) > 235;
                    yellow += red(p) > 220 && green(p) > 190 && blue(p) < 90;
                }
            }
            EXPECT_GT(visible, 20);
            if (row < 2) {
                EXPECT_GT(white, 5);
                EXPECT_EQ(yellow, 0);
            } else {
                EXPECT_GT(yellow, 5);
                EXPECT_EQ(white, 0);
            }
        }
    }
}

TEST(CarriedBitmaps, MarkerIsAHalfTransparentGreenDiscWithPremultipliedAlpha) {
    const DecodedBitmap marker = decoded(132);
    ASSERT_EQ(marker.bitCount, 32);
    int covered = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const std::uint32_t p = marker.pixel(x, y);
            // Premultiplied: no channel exceeds the alpha.
            ASSERT_LE(red(p), alpha(p));
            ASSERT_LE(green(p), alpha(p));
            ASSERT_LE(blue(p), alpha(p));
            const double d = distanceFromCellCentre(x, y, 40);
            if (d > 9.0) {
                ASSERT_EQ(alpha(p), 0) << x << "," << y;
            }
            if (d < 7.0) {
                EXPECT_GT(alpha(p), 64) << x << "," << y;
                EXPECT_LT(alpha(p), 192) << x << "," << y;
                EXPECT_GT(green(p), red(p) + 20) << x << "," << y;
                EXPECT_GT(green(p), blue(p) + 20) << x << "," << y;
            }
            covered += alpha(p) > 0;
        }
    }
    // A disc of 16 pixels across covers about 200 pixels.
    EXPECT_NEAR(covered, 201, 40);
}

TEST(CarriedBitmaps, ToolbarIconsShareOneMaskAndTheDisabledOnesAreGrey) {
    const DecodedBitmap normal = decoded(137);
    const DecodedBitmap disabled = decoded(138);
    ASSERT_EQ(normal.pixels.size(), disabled.pixels.size());
    constexpr std::uint32_t MASK = 0x008080;
    for (int icon = 0; icon < 12; ++icon) {
        SCOPED_TRACE("icon " + std::to_string(icon));
        int drawn = 0, coloured = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 16 * icon; x < 16 * icon + 16; ++x) {
                const std::uint32_t n = normal.pixel(x, y) & 0xFFFFFF;
                const std::uint32_t d = disabled.pixel(x, y) & 0xFFFFFF;
                ASSERT_EQ(n == MASK, d == MASK) << "masks differ at " << x << "," << y;
                if (n == MASK) continue;
                ++drawn;
                coloured += std::abs(red(n) - green(n)) + std::abs(green(n) - blue(n)) > 40;
                EXPECT_TRUE(red(d) == green(d) && green(d) == blue(d)) << x << "," << y;
            }
        }
        EXPECT_GT(drawn, 30);
        EXPECT_LT(drawn, 256) << "an icon leaves some of its cell to the mask";
        if (icon != 0) {
            EXPECT_GT(coloured, 0) << "only the blank page has no colour";
        }
    }
}

TEST(CarriedResources, ApplicationIconIsAPngFile) {
    const std::span<const std::uint8_t> icon = findResource("ICON", 114);
    ASSERT_GT(icon.size(), 8u);
    EXPECT_EQ(std::memcmp(icon.data(), "\x89PNG\r\n\x1a\n", 8), 0);
}
