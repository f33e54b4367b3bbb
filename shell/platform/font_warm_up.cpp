#include "shell/platform/font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include "shell/platform/read_ahead.h"

// FcInit keeps the configuration as the current one; Qt's own FcInit then
// finds it there. Were Qt to come first, each would read one and fontconfig
// keep the first: Qt never waits for the warm-up.
FontWarmUp::FontWarmUp() : worker(startReadAhead([] { FcInit(); })) {}

FontWarmUp::~FontWarmUp() {
    if (worker.joinable()) worker.join();
}
