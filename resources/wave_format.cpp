// RIFF wave parsing: walk the chunks, take "fmt " and "data".
#include "resources/wave_format.h"

#include <cstring>

namespace {

std::uint32_t read16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8;
}

std::uint32_t read32(std::span<const std::uint8_t> b, std::size_t at) {
    return read16(b, at) | read16(b, at + 2) << 16;
}

bool tagIs(std::span<const std::uint8_t> b, std::size_t at, const char* tag) {
    return std::memcmp(b.data() + at, tag, 4) == 0;
}

}  // namespace

bool parseWave(std::span<const std::uint8_t> image, WaveFormat& out) {
    out = WaveFormat{};
    if (image.size() < 12 || !tagIs(image, 0, "RIFF") || !tagIs(image, 8, "WAVE") ||
        std::size_t(read32(image, 4)) + 8 > image.size()) {
        return false;
    }
    const std::size_t end = std::size_t(read32(image, 4)) + 8;
    WaveFormat result;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= end) {
        const std::size_t size = read32(image, at + 4);
        const std::size_t body = at + 8;
        if (body + size > end) {
            return false;
        }
        if (tagIs(image, at, "fmt ") && size >= 16) {
            result.formatTag = static_cast<std::uint16_t>(read16(image, body));
            result.channels = static_cast<std::uint16_t>(read16(image, body + 2));
            result.sampleRate = read32(image, body + 4);
            result.byteRate = read32(image, body + 8);
            result.blockAlign = static_cast<std::uint16_t>(read16(image, body + 12));
            result.bitsPerSample = static_cast<std::uint16_t>(read16(image, body + 14));
            haveFormat = true;
        } else if (tagIs(image, at, "data") && haveFormat) {
            result.samples = image.subspan(body, size);
            out = result;
            return true;
        }
        at = body + size + (size & 1);
    }
    return false;
}
