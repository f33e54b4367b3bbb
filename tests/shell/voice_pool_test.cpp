// Which voice plays the next sound; no audio device is needed to tell.
#include <QTest>
#include <array>

#include "audio/voice_pool.h"
#include "shell_support.h"

namespace {

// Voices that play until the test ends them, as the audio output would.
struct Voices {
    VoicePool pool;
    std::array<bool, VoicePool::VOICES> playing{};
    int start() {
        const int voice = pool.pick([this](int i) { return playing[i]; });
        playing[voice] = true;
        return voice;
    }
};

}  // namespace

class VoicePoolTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aSecondSoundLeavesTheFirstPlaying();
    void aFinishedVoiceIsTakenBeforeAnyIsCut();
    void withEveryVoiceBusyTheOldestIsCut();
};

void VoicePoolTest::aSecondSoundLeavesTheFirstPlaying() {
    Voices v;
    const int capture = v.start();
    const int reply = v.start();
    QVERIFY(reply != capture);
    QVERIFY(v.playing[capture]);
    // Quick undo and redo: every sound started while the others play has a voice of its own.
    std::array<bool, VoicePool::VOICES> used{};
    used[capture] = used[reply] = true;
    for (int i = 2; i < VoicePool::VOICES; ++i) {
        const int voice = v.start();
        QVERIFY(!used[voice]);
        used[voice] = true;
    }
}

void VoicePoolTest::aFinishedVoiceIsTakenBeforeAnyIsCut() {
    Voices v;
    for (int i = 0; i < VoicePool::VOICES; ++i) v.start();
    v.playing[2] = false;
    QCOMPARE(v.start(), 2);
    // Once a voice has played out it is free again, even the newest.
    v.playing[2] = false;
    QCOMPARE(v.start(), 2);
}

void VoicePoolTest::withEveryVoiceBusyTheOldestIsCut() {
    Voices v;
    std::array<int, VoicePool::VOICES> order{};
    for (int& voice : order) voice = v.start();
    // All busy: the first started goes, then the second, in the order they began.
    QCOMPARE(v.start(), order[0]);
    QCOMPARE(v.start(), order[1]);
    // A voice freed and restarted becomes the newest and is cut last.
    v.playing[order[2]] = false;
    QCOMPARE(v.start(), order[2]);
    QCOMPARE(v.start(), order[3]);
    QCOMPARE(v.start(), order[0]);
}

SHELL_TEST(VoicePoolTest);
#include "voice_pool_test.moc"
