// What was sent to the outside engines and what they answered, for players
// who set engines up (查看 → 引擎通信): the latest lines only, so an engine
// that talks for hours costs no more memory than one that talks a little.
#pragma once

#include <QString>
#include <cstdint>
#include <deque>

constexpr int ENGINE_LOG_LINES = 2000;

class EngineLog {
public:
    // One line of the engine `engine`; sent: from the program to the engine.
    void append(const QString& engine, bool sent, const QString& line);
    // A note of the program's own (an engine started, failed, ended).
    void note(const QString& engine, const QString& text);

    int size() const { return static_cast<int>(lines_.size()); }
    const QString& line(int i) const { return lines_[static_cast<std::size_t>(i)]; }
    // How many lines were ever appended: a window showing the log catches
    // up from the count it last saw.
    std::uint64_t total() const { return total_; }
    void clear();

private:
    void push(QString text);
    std::deque<QString> lines_;
    std::uint64_t total_ = 0;
};
