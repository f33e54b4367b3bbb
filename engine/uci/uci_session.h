// The engine command's protocol: one text command per line in, text out.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/engine.h"

class UciSession {
public:
    explicit UciSession(std::ostream& out);
    // Handles one command line; returns false after "quit".
    bool handle(const std::string& line);

    const Board90& board() const { return board_; }
    Side side() const { return side_; }

private:
    void position(const std::vector<std::string>& words);
    void go(const std::vector<std::string>& words);
    void goPerft(int depth);
    void display();
    void info(const std::string& text);

    std::ostream& out_;
    std::unique_ptr<Engine> engine_;
    Board90 board_;
    Side side_ = SIDE_RED;
};
