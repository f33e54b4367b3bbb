// Wood, flattening and typefaces.
#include "artwork/artwork.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

double hashUnit(int x, int y, unsigned seed) {
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xFFFFFF) / double(0xFFFFFF);
}

double smooth(double t) { return t * t * (3 - 2 * t); }

double valueNoise(double x, double y, unsigned seed) {
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = smooth(x - x0), fy = smooth(y - y0);
    const double a = hashUnit(x0, y0, seed), b = hashUnit(x0 + 1, y0, seed);
    const double c = hashUnit(x0, y0 + 1, seed), d = hashUnit(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

// Fractal noise in 0..1.
double fractal(double x, double y, unsigned seed, int octaves) {
    double sum = 0, weight = 0, amplitude = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + unsigned(i) * 101u);
        weight += amplitude;
        amplitude *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / weight;
}

int mix(int a, int b, double t) { return int(std::lround(a + (b - a) * std::clamp(t, 0.0, 1.0))); }

}  // namespace

QImage woodSurface(int width, int height, unsigned seed, QColor light, QColor dark, double unit) {
    QImage img(width, height, QImage::Format_ARGB32);
    for (int py = 0; py < height; ++py) {
        const double y = py / unit;
        for (int px = 0; px < width; ++px) {
            const double x = px / unit;
            const double warp = 38 * fractal(x / 110.0, y / 260.0, seed, 4);
            const double u = x + warp + 6 * fractal(x / 25.0, y / 70.0, seed + 7, 3);
            const double rings = 0.5 + 0.5 * std::sin(u * 0.23);
            const double lateWood = std::pow(rings, 4.0);
            const double fibre = fractal(x / 1.5, y / 45.0, seed + 13, 2);
            const double patch = fractal(x / 160.0, y / 160.0, seed + 29, 3);
            const double t = 0.42 * lateWood + 0.22 * fibre + 0.45 * (patch - 0.5) + 0.12;
            img.setPixel(px, py, qRgb(mix(light.red(), dark.red(), t), mix(light.green(), dark.green(), t),
                                      mix(light.blue(), dark.blue(), t)));
        }
    }
    return img;
}

QImage flattenAlpha(const QImage& drawing, QColor background) {
    const QImage src = drawing.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_ARGB32);
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < src.width(); ++x) {
            const QRgb p = src.pixel(x, y);
            const int a = qAlpha(p);
            if (a < 128) {
                out.setPixel(x, y, 0);
                continue;
            }
            const int k = 255 - a;
            out.setPixel(x, y, qRgb((qRed(p) * a + background.red() * k + 127) / 255,
                                    (qGreen(p) * a + background.green() * k + 127) / 255,
                                    (qBlue(p) * a + background.blue() * k + 127) / 255));
        }
    }
    return out;
}

QFont carvedFont(double pixelSize) {
    QFont f("Noto Serif CJK SC");
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setWeight(QFont::Black);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont labelFont(double pixelSize) {
    QFont f("Noto Sans CJK SC");
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setWeight(QFont::Bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}
