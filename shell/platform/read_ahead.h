// Work read ahead of the first frame on a thread of its own, at a lower
// priority than the interface's thread and the display server, which the
// start waits on: on a busy machine it takes only the time they leave
// (measured: a niced read-ahead shows the window sooner than one at the
// interface's priority, and than the same work done in line).
#pragma once

#include <functional>
#include <thread>

std::thread startReadAhead(std::function<void()> work);
