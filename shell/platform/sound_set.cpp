#include "shell/platform/sound_set.h"

#include <QCoreApplication>
#include <QLibrary>
#include <cstdio>

#include "resources/wave_format.h"
#include "shell/platform/resource_blob.h"

namespace {

constexpr int WAVE_MOVE = 122;
constexpr int WAVE_CAPTURE = 121;

}  // namespace

SoundSet& SoundSet::instance() {
    static SoundSet set(programModule());
    return set;
}

QString SoundSet::programModule() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" MORLAN_AUDIO_MODULE);
}

SoundSet::SoundSet(QString path) : modulePath(std::move(path)) {}

SoundSet::~SoundSet() = default;

SoundSet::Sound SoundSet::loadSound(int id) {
    ResourceBlob blob;
    blob.load("WAVE", id);
    const std::vector<std::uint8_t> image = blob.decompressed();
    WaveFormat wave;
    Sound s;
    if (image.empty() || !parseWave(image, wave) || wave.formatTag != 1) return s;
    if (wave.bitsPerSample != 8 && wave.bitsPerSample != 16) return s;
    s.image = QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
    s.offset = static_cast<qsizetype>(wave.samples.data() - image.data());
    s.pcm.size = static_cast<int>(wave.samples.size());
    s.pcm.channels = wave.channels;
    s.pcm.sampleRate = static_cast<int>(wave.sampleRate);
    s.pcm.bitsPerSample = wave.bitsPerSample;
    return s;
}

void SoundSet::load() {
    moveSound = loadSound(WAVE_MOVE);
    captureSound = loadSound(WAVE_CAPTURE);
}

// The module stays loaded for the rest of the run: the audio stack it
// brings keeps threads and state of its own.
bool SoundSet::preparePlayer() {
    if (playerTried) return ready();
    playerTried = true;
    QLibrary module(modulePath);
    const auto create = reinterpret_cast<SoundOutputFactory>(module.resolve(SOUND_OUTPUT_FACTORY));
    if (!create) {
        std::fprintf(stderr, "morlan: no sounds (%s)\n", qPrintable(module.errorString()));
        return false;
    }
    output.reset(create());
    return ready();
}

bool SoundSet::hasSound(bool captured) const {
    return (captured ? captureSound : moveSound).pcm.size > 0;
}

void SoundSet::play(bool captured) {
    const Sound& s = captured ? captureSound : moveSound;
    if (s.pcm.size <= 0 || !preparePlayer()) return;
    PcmSound pcm = s.pcm;
    pcm.samples = s.image.constData() + s.offset;
    output->play(pcm);
}

void SoundSet::release() {
    if (output) output->stopAll();
}
