#include "engine/thread_start.h"

#include <atomic>

namespace {

// Written once at start-up, read by every thread at its start.
std::atomic<ThreadStartHook> startHook{nullptr};

}  // namespace

void setThreadStartHook(ThreadStartHook hook) { startHook.store(hook, std::memory_order_release); }

std::thread startThread(std::function<void()> body) {
    return std::thread([body = std::move(body)] {
        if (const ThreadStartHook hook = startHook.load(std::memory_order_acquire)) hook();
        body();
    });
}
