#include "audio/qt_sound_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

QtSoundOutput::QtSoundOutput() { QMediaDevices::defaultAudioOutput(); }

QtSoundOutput::~QtSoundOutput() { stopAll(); }

void QtSoundOutput::play(const PcmSound& s) {
    if (s.size <= 0) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setChannelCount(s.channels);
    format.setSampleRate(s.sampleRate);
    format.setSampleFormat(s.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;
    Voice& voice = voices[pool.pick([this](int i) { return voices[i].playing(); })];
    voice.stop();
    voice.buffer.setData(s.samples, s.size);
    voice.buffer.open(QIODevice::ReadOnly);
    voice.sink = std::make_unique<QAudioSink>(device, format);
    voice.sink->start(&voice.buffer);
}

// A voice whose samples have all gone out is idle again, and one that
// could not start is stopped: neither holds back the next sound.
bool QtSoundOutput::Voice::playing() const { return sink && sink->state() == QAudio::ActiveState; }

void QtSoundOutput::Voice::stop() {
    if (sink) sink->stop();
    sink.reset();
    buffer.close();
}

void QtSoundOutput::stopAll() {
    for (Voice& voice : voices) voice.stop();
}

extern "C" __attribute__((visibility("default"))) SoundOutput* morlanCreateSoundOutput() {
    return new QtSoundOutput;
}
