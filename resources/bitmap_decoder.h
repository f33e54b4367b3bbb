// Reads the Windows bitmap files the program carries: 8 bits per pixel
// with a palette (plain or run-length coded), 24 bits, and 32 bits whose
// fourth byte is a premultiplied alpha.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

constexpr std::uint32_t BITMAP_RGB = 0;   // uncompressed rows
constexpr std::uint32_t BITMAP_RLE8 = 1;  // run-length coded 8-bit rows

struct DecodedBitmap {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::uint32_t compression = BITMAP_RGB;
    // Palette entries as 0xRRGGBB (8-bit images only).
    std::vector<std::uint32_t> palette;
    // Palette index per pixel, rows from the top (8-bit images only).
    std::vector<std::uint8_t> indices;
    // Pixels as 0xAARRGGBB, rows from the top. Alpha is 255 except in 32-bit
    // images, where it is the stored (premultiplied) value.
    std::vector<std::uint32_t> pixels;

    std::uint32_t pixel(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// Fills `out` and answers true for a well-formed file; answers false and
// leaves `out` empty for anything damaged or of another kind.
bool decodeBitmap(std::span<const std::uint8_t> file, DecodedBitmap& out);
