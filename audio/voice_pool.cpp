#include "audio/voice_pool.h"

int VoicePool::pick(const std::function<bool(int)>& playing) {
    int chosen = -1;
    for (int i = 0; i < VOICES && chosen < 0; ++i)
        if (!playing(i)) chosen = i;
    if (chosen < 0) {
        chosen = 0;
        for (int i = 1; i < VOICES; ++i)
            if (startOrder[i] < startOrder[chosen]) chosen = i;
    }
    startOrder[chosen] = ++lastStart;
    return chosen;
}
