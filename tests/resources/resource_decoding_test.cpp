// Damaged or unusual input to the resource, bitmap and wave readers:
// the readers answer "no" instead of reading past the data.
#include <gtest/gtest.h>

#include <zlib.h>

#include "resources/bitmap_decoder.h"
#include "resources/resources.h"
#include "resources/wave_format.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}

void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

Bytes stored(const Bytes& content, std::uint32_t declared) {
    uLongf size = compressBound(uLong(content.size()));
    Bytes out(4 + size);
    compress(out.data() + 4, &size, content.data(), uLong(content.size()));
    out.resize(4 + size);
    for (int i = 0; i < 4; ++i) out[i] = std::uint8_t(declared >> (8 * i));
    return out;
}

// A 4 x 3 bitmap of 8 bits with a three-colour palette and the given
// pixel bytes (run-length coded when compression is 1).
Bytes smallBitmap(std::uint32_t compression, const Bytes& pixels, std::int32_t height = 3) {
    Bytes b = {'B', 'M'};
    const std::uint32_t offset = 14 + 40 + 3 * 4;
    put32(b, offset + std::uint32_t(pixels.size()));
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, 4);
    put32(b, std::uint32_t(height));
    put16(b, 1);
    put16(b, 8);
    put32(b, compression);
    put32(b, std::uint32_t(pixels.size()));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 3);
    put32(b, 0);
    for (std::uint32_t c : {0x000000u, 0xFF0000u, 0x00FF00u}) put32(b, c);
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

}  // namespace

TEST(ResourceDecompression, GivesBackTheContentOnlyWhenTheLengthAgrees) {
    const Bytes content(1000, 'x');
    EXPECT_EQ(decompressResource(stored(content, 1000)), content);
    EXPECT_TRUE(decompressResource(stored(content, 999)).empty()) << "declared too short";
    EXPECT_TRUE(decompressResource(stored(content, 1001)).empty()) << "declared too long";
    EXPECT_TRUE(decompressResource(stored(content, 0xFFFFFFFFu)).empty()) << "absurd length";
    Bytes truncated = stored(content, 1000);
    truncated.resize(truncated.size() - 5);
    EXPECT_TRUE(decompressResource(truncated).empty());
    Bytes garbled = stored(content, 1000);
    garbled[6] ^= 0x5A;
    EXPECT_TRUE(decompressResource(garbled).empty());
    EXPECT_TRUE(decompressResource({}).empty());
    EXPECT_TRUE(findResource("BMP", 999).empty());
    EXPECT_TRUE(findResource("NONE", 129).empty());
}

TEST(BitmapDecoding, ReadsRunsLiteralsMovesAndEndMarks) {
    // Bottom row: run of 3 red, then 1 green; middle row: literal green,
    // red, green (padded), then end of line before the last cell; top row:
    // move right 2, run of 2 red, end of bitmap.
    const Bytes rle = {3, 1, 1, 2, 0, 0, 0, 3, 2, 1, 2, 0, 0, 0, 0, 2, 2, 0, 2, 1, 0, 1};
    DecodedBitmap b;
    ASSERT_TRUE(decodeBitmap(smallBitmap(BITMAP_RLE8, rle), b));
    ASSERT_EQ(b.width, 4);
    ASSERT_EQ(b.height, 3);
    EXPECT_EQ(b.indices, (std::vector<std::uint8_t>{0, 0, 1, 1, 2, 1, 2, 0, 1, 1, 1, 2}));
    EXPECT_EQ(b.pixel(0, 2), 0xFFFF0000u);
    EXPECT_EQ(b.pixel(3, 2), 0xFF00FF00u);
    EXPECT_EQ(b.pixel(0, 0), 0xFF000000u);
}

TEST(BitmapDecoding, RefusesDamagedPixelData) {
    DecodedBitmap b;
    EXPECT_FALSE(decodeBitmap(smallBitmap(BITMAP_RLE8, {5, 1, 0, 1}), b)) << "run past the row end";
    EXPECT_FALSE(decodeBitmap(smallBitmap(BITMAP_RLE8, {3, 1, 0, 0}), b)) << "no end-of-bitmap mark";
    EXPECT_FALSE(decodeBitmap(smallBitmap(BITMAP_RLE8, {0, 4, 1, 1}), b)) << "literal cut short";
    EXPECT_FALSE(decodeBitmap(smallBitmap(BITMAP_RLE8, {4, 7, 0, 1}), b)) << "index beyond the palette";
    EXPECT_FALSE(decodeBitmap(smallBitmap(BITMAP_RLE8, {0, 1}, -3), b)) << "coded rows must run bottom-up";
    EXPECT_FALSE(decodeBitmap(smallBitmap(BITMAP_RGB, Bytes(11, 1)), b)) << "plain rows cut short";
    EXPECT_TRUE(b.pixels.empty()) << "a refused bitmap leaves nothing behind";
    Bytes good = smallBitmap(BITMAP_RGB, Bytes(12, 1));
    ASSERT_TRUE(decodeBitmap(good, b));
    Bytes header = good;
    header.resize(40);
    EXPECT_FALSE(decodeBitmap(header, b));
    Bytes notBitmap = good;
    notBitmap[0] = 'X';
    EXPECT_FALSE(decodeBitmap(notBitmap, b));
}

TEST(WaveParsing, RefusesIncompleteImages) {
    Bytes w = {'R', 'I', 'F', 'F'};
    put32(w, 4 + 24 + 8 + 4);
    w.insert(w.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(w, 16);
    put16(w, 1);
    put16(w, 2);
    put32(w, 22050);
    put32(w, 44100);
    put16(w, 2);
    put16(w, 8);
    w.insert(w.end(), {'d', 'a', 't', 'a'});
    put32(w, 4);
    w.insert(w.end(), {128, 128, 130, 126});
    WaveFormat f;
    ASSERT_TRUE(parseWave(w, f));
    EXPECT_EQ(f.samples.size(), 4u);
    Bytes cut = w;
    cut.pop_back();
    EXPECT_FALSE(parseWave(cut, f)) << "RIFF size beyond the image";
    Bytes longData = w;
    longData[40] = 9;  // data chunk claims more than there is
    EXPECT_FALSE(parseWave(longData, f));
    Bytes noFormat = w;
    noFormat[12] = 'x';
    EXPECT_FALSE(parseWave(noFormat, f)) << "data without a format chunk";
}
