// SIGTERM and SIGHUP (a desktop logout, a closed terminal) as a call in the
// event loop: the handler only writes the signal's number to a pipe, which
// the loop watches, so that the work they ask for runs as any other event.
#pragma once

#include <csignal>
#include <functional>

class QObject;

// Installs the handlers; onSignal runs in the calling thread's event loop
// with the signal's number, once per signal received. owner keeps the
// watcher. False when the pipe cannot be made: the signals then end the
// process as they always did.
bool watchEndSignals(QObject* owner, std::function<void(int)> onSignal);

// The signals watched.
inline constexpr int END_SIGNALS[] = {SIGTERM, SIGHUP};
