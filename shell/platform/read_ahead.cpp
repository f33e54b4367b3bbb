#include "shell/platform/read_ahead.h"

#include <sys/resource.h>
#include <unistd.h>

#include "engine/thread_start.h"

namespace {

constexpr int READ_AHEAD_NICENESS = 10;

}  // namespace

std::thread startReadAhead(std::function<void()> work) {
    return startThread([work = std::move(work)] {
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), READ_AHEAD_NICENESS);
        work();
    });
}
