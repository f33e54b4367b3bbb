// The two sounds of a move, kept decompressed for the whole run, and the
// player that plays them from memory without holding up the interface.
// The player is a module of its own (audio/sound_output.h) that the
// program loads after its window shows, before any move can be made; the
// first sound loads it if nothing did before. A machine without an audio
// device, or without the module, plays nothing and reports nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "audio/sound_output.h"

class SoundSet {
public:
    // The program's sounds, played by the module beside the program.
    static SoundSet& instance();
    // Sounds played by the module at modulePath.
    explicit SoundSet(QString modulePath);
    // Where the program's module is: beside the program's own folder.
    static QString programModule();
    ~SoundSet();

    // Loads "WAVE" 122 (move), then "WAVE" 121 (capture).
    void load();
    // Loads the player; tried once, later calls return the first answer.
    bool preparePlayer();
    // Whether the player is loaded.
    bool ready() const { return output != nullptr; }
    // Starts the capture or the move sound on a free voice; sounds still
    // playing play on unless every voice is taken.
    void play(bool captured);
    bool hasSound(bool captured) const;
    // Stops playing and closes the audio device.
    void release();

private:
    struct Sound {
        QByteArray image;     // the whole RIFF wave image
        qsizetype offset = 0;  // of the samples in image
        PcmSound pcm;         // the samples' form; samples is set to play
    };
    static Sound loadSound(int id);

    QString modulePath;
    bool playerTried = false;
    Sound moveSound;
    Sound captureSound;
    std::unique_ptr<SoundOutput> output;
};
