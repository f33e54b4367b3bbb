#include "shell/platform/end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

namespace {

// The one thing the handler may touch: the pipe's end it writes to.
int signalPipeEnd = -1;

void writeSignal(int sig) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(sig);
    // A full pipe already holds a signal still to be handled.
    [[maybe_unused]] const ssize_t written = ::write(signalPipeEnd, &number, 1);
    errno = saved;
}

}  // namespace

bool watchEndSignals(QObject* owner, std::function<void(int)> onSignal) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    signalPipeEnd = ends[1];
    auto* notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [readEnd = ends[0], onSignal] {
        unsigned char number = 0;
        while (::read(readEnd, &number, 1) == 1) onSignal(number);
    });
    struct sigaction action {};
    action.sa_handler = writeSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : END_SIGNALS) ::sigaction(sig, &action, nullptr);
    return true;
}
