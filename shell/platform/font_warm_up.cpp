#include "shell/platform/font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include "engine/thread_start.h"

// FcInit keeps the configuration as the current one; Qt's own FcInit then
// finds it there. Were Qt to come first, each would read one and fontconfig
// keep the first: slower, never wrong.
FontWarmUp::FontWarmUp() : worker(startThread([] { FcInit(); })) {}

FontWarmUp::~FontWarmUp() { finish(); }

void FontWarmUp::finish() {
    if (worker.joinable()) worker.join();
}
