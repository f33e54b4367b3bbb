// Which of the few voices plays the next sound, so that a sound plays out
// while the next one starts: a finished voice first, and only when every
// voice still plays, the one started longest ago is cut off.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

class VoicePool {
public:
    static constexpr int VOICES = 4;
    // playing(i) tells whether voice i is still playing. The voice picked
    // counts as started now.
    int pick(const std::function<bool(int)>& playing);

private:
    std::array<std::uint64_t, VOICES> startOrder{};  // 0: never started
    std::uint64_t lastStart = 0;
};
