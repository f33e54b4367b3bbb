// How the program starts a thread of its own: the thread first runs the
// start hook the program set (the desktop program gives each thread what
// its crash reporting needs there), then its body. The engine knows
// nothing of what the hook does.
#pragma once

#include <functional>
#include <thread>

using ThreadStartHook = void (*)();

// Set once at start-up, before the first thread is started.
void setThreadStartHook(ThreadStartHook hook);
// A thread that runs the hook, if any, and then body.
std::thread startThread(std::function<void()> body);
