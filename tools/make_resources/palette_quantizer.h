// Reduces a drawn picture to 8 bits per pixel: a median-cut palette and the
// nearest entry per pixel.
#pragma once

#include <QImage>

#include "tools/make_resources/bitmap_writer.h"

struct QuantizeOptions {
    // Keep index 0 as pure black for the pixels whose alpha is below half
    // (the transparent key); no other entry is pure black.
    bool transparentKey = false;
    // Spread the rounding error over the neighbours (for smooth wood).
    bool dither = false;
};

IndexedImage quantize(const QImage& picture, QuantizeOptions options);
