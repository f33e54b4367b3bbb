// Wood, flattening and typefaces.
#include "artwork/artwork.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

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

double lerp(double a, double b, double t) { return a + (b - a) * t; }

// The slowly changing parts of the grain (the warp of the rings, their
// waves, the light and dark patches), worked out once for each whole pixel
// of the classic board; a finer picture takes them between those points.
// At a classic pixel the value is exactly the one worked out there.
class SmoothGrain {
public:
    struct Value {
        double warp = 0, wave = 0, patch = 0;
    };

    SmoothGrain(int columns, int rows, unsigned seed) : columns(columns), values(std::size_t(columns) * rows) {
        for (int j = 0; j < rows; ++j) {
            const double y = j;
            for (int i = 0; i < columns; ++i) {
                const double x = i;
                values[std::size_t(j) * columns + i] = {38 * fractal(x / 110.0, y / 260.0, seed, 4),
                                                        6 * fractal(x / 25.0, y / 70.0, seed + 7, 3),
                                                        fractal(x / 160.0, y / 160.0, seed + 29, 3)};
            }
        }
    }

    Value at(double x, double y) const {
        const int i = int(x), j = int(y);
        const double tx = x - i, ty = y - j;
        const Value& a = value(i, j);
        const Value& b = value(i + 1, j);
        const Value& c = value(i, j + 1);
        const Value& d = value(i + 1, j + 1);
        const auto blend = [&](double Value::*part) {
            return lerp(lerp(a.*part, b.*part, tx), lerp(c.*part, d.*part, tx), ty);
        };
        return {blend(&Value::warp), blend(&Value::wave), blend(&Value::patch)};
    }

private:
    const Value& value(int i, int j) const { return values[std::size_t(j) * columns + i]; }

    int columns;
    std::vector<Value> values;
};

}  // namespace

QImage woodSurface(int width, int height, unsigned seed, QColor light, QColor dark, double unit) {
    QImage img(width, height, QImage::Format_ARGB32);
    // One classic pixel more than the picture reaches, for the blend.
    const SmoothGrain grain(int(std::ceil(width / unit)) + 2, int(std::ceil(height / unit)) + 2, seed);
    for (int py = 0; py < height; ++py) {
        const double y = py / unit;
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(py));
        for (int px = 0; px < width; ++px) {
            const double x = px / unit;
            const SmoothGrain::Value g = grain.at(x, y);
            const double u = x + g.warp + g.wave;
            const double rings = 0.5 + 0.5 * std::sin(u * 0.23);
            const double lateWood = std::pow(rings, 4.0);
            // The fibres are fine: worked out at every pixel.
            const double fibre = fractal(x / 1.5, y / 45.0, seed + 13, 2);
            const double t = 0.42 * lateWood + 0.22 * fibre + 0.45 * (g.patch - 0.5) + 0.12;
            line[px] = qRgb(mix(light.red(), dark.red(), t), mix(light.green(), dark.green(), t),
                            mix(light.blue(), dark.blue(), t));
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

namespace {

QFont cjkFont(const char* family, double pixelSize, QFont::Weight weight) {
    QFont f(family);
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setWeight(weight);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

}  // namespace

QFont carvedFont(double pixelSize) { return cjkFont("Noto Serif CJK SC", pixelSize, QFont::Black); }

QFont labelFont(double pixelSize) { return cjkFont("Noto Sans CJK SC", pixelSize, QFont::Bold); }
