// Reads the header of a RIFF wave image: its PCM format and sample data.
#pragma once

#include <cstdint>
#include <span>

struct WaveFormat {
    std::uint16_t formatTag = 0;  // 1 = PCM
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::span<const std::uint8_t> samples;

    double seconds() const { return byteRate == 0 ? 0.0 : double(samples.size()) / byteRate; }
};

// Answers false for anything that is not a complete RIFF wave image with a
// format chunk and a data chunk.
bool parseWave(std::span<const std::uint8_t> image, WaveFormat& out);
