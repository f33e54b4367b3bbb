// What the desktop program asks of the module that plays its sounds. The
// module (libmorlan-audio.so, built from this folder) carries the whole
// audio stack, so that the program loads it only once its window shows;
// the program itself links none of it. Both sides are built together, from
// one source tree, with one compiler.
#pragma once

// Samples of one sound, 8-bit unsigned or 16-bit signed PCM, interleaved.
struct PcmSound {
    const char* samples = nullptr;
    int size = 0;  // in bytes
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
};

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts the sound on a free voice; sounds still playing play on
    // unless every voice is taken. The samples are copied.
    virtual void play(const PcmSound& sound) = 0;
    // Stops every voice and closes the audio device.
    virtual void stopAll() = 0;
};

// The module's one entry point: a new output, owned by the caller.
using SoundOutputFactory = SoundOutput* (*)();
inline constexpr char SOUND_OUTPUT_FACTORY[] = "morlanCreateSoundOutput";
