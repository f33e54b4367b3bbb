#include "engine/uci/line_input.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

bool LineInput::takeLine(std::string& line) {
    const std::size_t end = pending_.find('\n');
    if (end == std::string::npos) return false;
    line.assign(pending_, 0, end);
    pending_.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

LineInput::Result LineInput::next(std::string& line, int waitMs) {
    if (takeLine(line)) return LINE;
    if (ended_) {
        if (pending_.empty()) return END;
        line.swap(pending_);
        pending_.clear();
        return LINE;
    }
    pollfd p{fd_, POLLIN, 0};
    const int ready = poll(&p, 1, waitMs);
    if (ready == 0 || (ready < 0 && errno == EINTR)) return NOTHING_YET;
    char buffer[4096];
    const ssize_t got = ready < 0 ? -1 : read(fd_, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) return NOTHING_YET;
    if (got <= 0) {  // end of input, or input that cannot be read any more
        ended_ = true;
        return next(line, 0);
    }
    pending_.append(buffer, static_cast<std::size_t>(got));
    return takeLine(line) ? LINE : NOTHING_YET;
}
