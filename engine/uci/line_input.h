// Lines from a file descriptor without blocking the command loop: the
// loop waits at most a poll interval for input, so it can also serve the
// engine while a search runs.
#pragma once

#include <string>

class LineInput {
public:
    enum Result { LINE, NOTHING_YET, END };

    explicit LineInput(int fd) : fd_(fd) {}
    // A complete line (without its end) or, at end of input, the last
    // unterminated one; NOTHING_YET when none arrived within waitMs.
    Result next(std::string& line, int waitMs);

private:
    bool takeLine(std::string& line);

    int fd_;
    std::string pending_;
    bool ended_ = false;
};
