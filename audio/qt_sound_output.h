// The sounds played through Qt's audio output, one sink for each voice.
// Asking for the default device once on creation opens the connection to
// the sound server then, not on the first move.
#pragma once

#include <QBuffer>
#include <array>
#include <memory>

#include "audio/sound_output.h"
#include "audio/voice_pool.h"

class QAudioSink;

class QtSoundOutput final : public SoundOutput {
public:
    QtSoundOutput();
    ~QtSoundOutput() override;
    void play(const PcmSound& sound) override;
    void stopAll() override;

private:
    // One sound at a time, its own samples and its own output.
    struct Voice {
        QBuffer buffer;
        std::unique_ptr<QAudioSink> sink;
        bool playing() const;
        void stop();
    };
    std::array<Voice, VoicePool::VOICES> voices;
    VoicePool pool;
};
