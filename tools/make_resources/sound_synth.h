// The two sounds, synthesised: RIFF wave images, PCM 8-bit stereo 22050 Hz.
#pragma once

#include <cstdint>
#include <vector>

constexpr int SOUND_RATE = 22050;

// A short wooden click, about 0.11 s.
std::vector<std::uint8_t> makeMoveSound();
// A heavier knock of one piece on another, about 0.18 s.
std::vector<std::uint8_t> makeCaptureSound();
