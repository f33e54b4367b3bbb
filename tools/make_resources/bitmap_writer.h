// Writes Windows bitmap files: 8 bits with a palette (plain or run-length
// coded), 24 bits, and 32 bits with premultiplied alpha.
#pragma once

#include <cstdint>
#include <vector>

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> palette;  // 0xRRGGBB, at most 256
    std::vector<std::uint8_t> indices;   // rows from the top
};

std::vector<std::uint8_t> writeIndexedBitmap(const IndexedImage& image, bool runLengthCoded);

// pixels: 0xAARRGGBB rows from the top; bitCount 24 drops the alpha, 32
// stores it as the fourth byte (the caller premultiplies).
std::vector<std::uint8_t> writeColorBitmap(int width, int height, const std::vector<std::uint32_t>& pixels,
                                           int bitCount);

// The run-length coding of one row (without the end-of-line mark).
std::vector<std::uint8_t> encodeRle8Row(const std::uint8_t* row, int width);
