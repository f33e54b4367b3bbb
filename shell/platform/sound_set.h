// The two sounds of a move, kept decompressed for the whole run and played
// from memory without holding up the interface. A machine without an audio
// device plays nothing and reports nothing.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <array>
#include <memory>

#include "shell/platform/voice_pool.h"

class QAudioSink;

class SoundSet {
public:
    static SoundSet& instance();
    ~SoundSet();

    // Loads "WAVE" 122 (move), then "WAVE" 121 (capture).
    void load();
    // Starts the capture or the move sound on a free voice; sounds still
    // playing play on unless every voice is taken.
    void play(bool captured);
    bool hasSound(bool captured) const;
    // Stops playing and closes the audio device.
    void release();

private:
    SoundSet() = default;
    struct Sound {
        QByteArray image;  // the whole RIFF wave image
        int dataOffset = 0;
        int dataSize = 0;
        int channels = 0;
        int sampleRate = 0;
        int bitsPerSample = 0;
    };
    static Sound loadSound(int id);

    // One sound at a time, its own samples and its own output.
    struct Voice {
        QBuffer buffer;
        std::unique_ptr<QAudioSink> sink;
        bool playing() const;
        void stop();
    };

    Sound moveSound;
    Sound captureSound;
    std::array<Voice, VoicePool::VOICES> voices;
    VoicePool pool;
};
