// Struck wood: a short noise burst exciting a few damped resonances.
#include "tools/make_resources/sound_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct Mode {
    double frequency;  // Hz
    double decay;      // seconds to fall to 1/e
    double amplitude;
};

struct Strike {
    double at;      // seconds from the start
    double weight;  // loudness of this strike
    std::vector<Mode> modes;
};

// A small deterministic noise source (the same sound on every run).
struct Noise {
    std::uint32_t state = 12345;
    double next() {
        state = state * 1664525u + 1013904223u;
        return double(state >> 8) / double(1 << 23) - 1.0;
    }
};

std::vector<double> render(double seconds, const std::vector<Strike>& strikes) {
    const int frames = int(std::lround(seconds * SOUND_RATE));
    std::vector<double> out(frames, 0.0);
    Noise noise;
    for (const Strike& s : strikes) {
        const int start = int(s.at * SOUND_RATE);
        for (int i = start; i < frames; ++i) {
            const double t = double(i - start) / SOUND_RATE;
            double v = 0;
            for (const Mode& m : s.modes) {
                v += m.amplitude * std::exp(-t / m.decay) * std::sin(2 * std::numbers::pi * m.frequency * t);
            }
            // The contact itself: a burst of noise over the first 2 ms.
            v += 0.5 * noise.next() * std::exp(-t / 0.0009);
            out[i] += s.weight * v;
        }
    }
    // Normalise, and fade the last 8 ms so that the sound ends silently.
    double peak = 1e-9;
    for (double v : out) peak = std::max(peak, std::abs(v));
    const int fade = SOUND_RATE * 8 / 1000;
    for (int i = 0; i < frames; ++i) {
        const double tail = std::min(1.0, double(frames - 1 - i) / fade);
        out[i] = out[i] / peak * 0.85 * tail;
    }
    return out;
}

void put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

void putTag(std::vector<std::uint8_t>& b, const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(tag[i]));
}

// Samples as unsigned bytes around 128, the same on both channels.
std::vector<std::uint8_t> waveImage(const std::vector<double>& samples) {
    constexpr int channels = 2;
    const auto dataSize = std::uint32_t(samples.size() * channels);
    std::vector<std::uint8_t> b;
    b.reserve(44 + dataSize + 1);
    putTag(b, "RIFF");
    put32(b, 36 + dataSize + (dataSize & 1));
    putTag(b, "WAVE");
    putTag(b, "fmt ");
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, channels);
    put32(b, SOUND_RATE);
    put32(b, SOUND_RATE * channels);
    put16(b, channels);
    put16(b, 8);
    putTag(b, "data");
    put32(b, dataSize);
    for (double v : samples) {
        const auto s = std::uint8_t(std::clamp(std::lround(128 + 127 * v), 0L, 255L));
        b.push_back(s);
        b.push_back(s);
    }
    if (dataSize & 1) b.push_back(0);
    return b;
}

}  // namespace

std::vector<std::uint8_t> makeMoveSound() {
    const std::vector<Strike> strikes = {
        {0.0, 1.0, {{1180, 0.014, 1.0}, {2420, 0.008, 0.55}, {3650, 0.005, 0.35}, {420, 0.022, 0.45}}},
    };
    return waveImage(render(0.11, strikes));
}

std::vector<std::uint8_t> makeCaptureSound() {
    const std::vector<Strike> strikes = {
        {0.0, 1.0, {{560, 0.040, 1.0}, {1320, 0.022, 0.6}, {2150, 0.012, 0.4}, {180, 0.055, 0.8}}},
        {0.032, 0.55, {{1480, 0.016, 1.0}, {2900, 0.008, 0.5}, {300, 0.03, 0.4}}},
    };
    return waveImage(render(0.18, strikes));
}
