#include "shell/platform/sound_set.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include "resources/wave_format.h"
#include "shell/platform/resource_blob.h"

namespace {

constexpr int WAVE_MOVE = 122;
constexpr int WAVE_CAPTURE = 121;

}  // namespace

SoundSet& SoundSet::instance() {
    static SoundSet set;
    return set;
}

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
    s.dataOffset = static_cast<int>(wave.samples.data() - image.data());
    s.dataSize = static_cast<int>(wave.samples.size());
    s.channels = wave.channels;
    s.sampleRate = static_cast<int>(wave.sampleRate);
    s.bitsPerSample = wave.bitsPerSample;
    return s;
}

void SoundSet::load() {
    moveSound = loadSound(WAVE_MOVE);
    captureSound = loadSound(WAVE_CAPTURE);
}

bool SoundSet::hasSound(bool captured) const {
    return (captured ? captureSound : moveSound).dataSize > 0;
}

void SoundSet::play(bool captured) {
    const Sound& s = captured ? captureSound : moveSound;
    if (s.dataSize <= 0) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setChannelCount(s.channels);
    format.setSampleRate(s.sampleRate);
    format.setSampleFormat(s.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;
    Voice& voice = voices[pool.pick([this](int i) { return voices[i].playing(); })];
    voice.stop();
    voice.buffer.setData(s.image.mid(s.dataOffset, s.dataSize));
    voice.buffer.open(QIODevice::ReadOnly);
    voice.sink = std::make_unique<QAudioSink>(device, format);
    voice.sink->start(&voice.buffer);
}

// A voice whose samples have all gone out is idle again, and one that
// could not start is stopped: neither holds back the next sound.
bool SoundSet::Voice::playing() const { return sink && sink->state() == QAudio::ActiveState; }

void SoundSet::Voice::stop() {
    if (sink) sink->stop();
    sink.reset();
    buffer.close();
}

void SoundSet::release() {
    for (Voice& voice : voices) voice.stop();
}
