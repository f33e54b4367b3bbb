// Median cut over a 15-bit colour histogram.
#include "tools/make_resources/palette_quantizer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct Bucket {
    std::uint32_t count = 0;
    std::array<double, 3> sum{};
    std::array<int, 3> key{};  // 5-bit channels
};

struct Box {
    std::vector<Bucket*> buckets;
    std::uint64_t count() const {
        std::uint64_t n = 0;
        for (const Bucket* b : buckets) n += b->count;
        return n;
    }
    int widestChannel(int& range) const {
        int best = 0;
        range = -1;
        for (int c = 0; c < 3; ++c) {
            int lo = 31, hi = 0;
            for (const Bucket* b : buckets) {
                lo = std::min(lo, b->key[c]);
                hi = std::max(hi, b->key[c]);
            }
            if (hi - lo > range) {
                range = hi - lo;
                best = c;
            }
        }
        return best;
    }
};

bool isKeyPixel(QRgb p, const QuantizeOptions& o) { return o.transparentKey && qAlpha(p) < 128; }

std::vector<Box> medianCut(std::vector<Bucket>& histogram, int colours) {
    std::vector<Box> boxes(1);
    for (Bucket& b : histogram) {
        if (b.count > 0) boxes[0].buckets.push_back(&b);
    }
    while (int(boxes.size()) < colours) {
        // Split the box with the most pixels times extent.
        int pick = -1;
        double score = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            int range = 0;
            boxes[i].widestChannel(range);
            const double s = double(boxes[i].count()) * range;
            if (boxes[i].buckets.size() > 1 && s > score) {
                score = s;
                pick = i;
            }
        }
        if (pick < 0) break;
        Box& box = boxes[pick];
        int range = 0;
        const int c = box.widestChannel(range);
        std::sort(box.buckets.begin(), box.buckets.end(),
                  [c](const Bucket* a, const Bucket* b) { return a->key[c] < b->key[c]; });
        const std::uint64_t half = box.count() / 2;
        std::uint64_t seen = 0;
        std::size_t cut = 1;
        for (; cut < box.buckets.size() - 1; ++cut) {
            seen += box.buckets[cut - 1]->count;
            if (seen >= half) break;
        }
        Box upper;
        upper.buckets.assign(box.buckets.begin() + cut, box.buckets.end());
        box.buckets.resize(cut);
        boxes.push_back(std::move(upper));
    }
    return boxes;
}

std::uint32_t averageColour(const Box& box, bool avoidBlack) {
    std::array<double, 3> sum{};
    double n = 0;
    for (const Bucket* b : box.buckets) {
        for (int c = 0; c < 3; ++c) sum[c] += b->sum[c];
        n += b->count;
    }
    std::array<int, 3> v{};
    for (int c = 0; c < 3; ++c) v[c] = std::clamp(int(std::lround(sum[c] / n)), 0, 255);
    if (avoidBlack && v[0] == 0 && v[1] == 0 && v[2] == 0) v = {8, 6, 5};
    return std::uint32_t(v[0]) << 16 | std::uint32_t(v[1]) << 8 | std::uint32_t(v[2]);
}

int nearest(const std::vector<std::uint32_t>& palette, int first, double r, double g, double b) {
    int best = first;
    double bestDistance = 1e18;
    for (int i = first; i < int(palette.size()); ++i) {
        const double dr = r - double(palette[i] >> 16 & 255);
        const double dg = g - double(palette[i] >> 8 & 255);
        const double db = b - double(palette[i] & 255);
        const double d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

}  // namespace

IndexedImage quantize(const QImage& picture, QuantizeOptions options) {
    const QImage img = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    std::vector<Bucket> histogram(1 << 15);
    for (int i = 0; i < int(histogram.size()); ++i) {
        histogram[i].key = {i >> 10 & 31, i >> 5 & 31, i & 31};
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb p = img.pixel(x, y);
            if (isKeyPixel(p, options)) continue;
            Bucket& b = histogram[(qRed(p) >> 3) << 10 | (qGreen(p) >> 3) << 5 | qBlue(p) >> 3];
            ++b.count;
            b.sum[0] += qRed(p);
            b.sum[1] += qGreen(p);
            b.sum[2] += qBlue(p);
        }
    }
    const int first = options.transparentKey ? 1 : 0;
    IndexedImage out;
    out.width = w;
    out.height = h;
    if (options.transparentKey) out.palette.push_back(0x000000);
    for (const Box& box : medianCut(histogram, 256 - first)) {
        if (!box.buckets.empty()) out.palette.push_back(averageColour(box, options.transparentKey));
    }
    out.indices.assign(std::size_t(w) * h, 0);
    // Error rows for dithering: current and next, with a margin each side.
    std::vector<std::array<double, 3>> error(std::size_t(w + 2) * 2);
    for (int y = 0; y < h; ++y) {
        auto* here = &error[(y & 1) * (w + 2) + 1];
        auto* below = &error[((y + 1) & 1) * (w + 2) + 1];
        for (int x = -1; x <= w; ++x) below[x] = {0, 0, 0};
        for (int x = 0; x < w; ++x) {
            const QRgb p = img.pixel(x, y);
            if (isKeyPixel(p, options)) continue;
            const double r = qRed(p) + here[x][0], g = qGreen(p) + here[x][1], b = qBlue(p) + here[x][2];
            const int index = nearest(out.palette, first, r, g, b);
            out.indices[std::size_t(y) * w + x] = std::uint8_t(index);
            if (!options.dither) continue;
            const std::uint32_t c = out.palette[index];
            const std::array<double, 3> e = {0.8 * (r - double(c >> 16 & 255)), 0.8 * (g - double(c >> 8 & 255)),
                                             0.8 * (b - double(c & 255))};
            for (int k = 0; k < 3; ++k) {
                here[x + 1][k] += e[k] * 7 / 16;
                below[x - 1][k] += e[k] * 3 / 16;
                below[x][k] += e[k] * 5 / 16;
                below[x + 1][k] += e[k] * 1 / 16;
            }
        }
    }
    return out;
}
