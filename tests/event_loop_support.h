// The event loop of the test programs that drive Qt objects without
// widgets (engine clients, match runners).
#pragma once

#include <functional>

// The application object processes and timers need, made once.
void ensureApplication();

// Runs the event loop until done() holds or timeoutMs pass; returns done().
bool waitFor(const std::function<bool()>& done, int timeoutMs);
