// One libFuzzer program per target: FUZZ_ENTRY names the entry (see
// tests/fuzz/CMakeLists.txt). A broken promise aborts, so libFuzzer keeps
// the input.
#include <cstdlib>

#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!FUZZ_ENTRY(data, size)) std::abort();
    return 0;
}
