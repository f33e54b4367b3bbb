// The last lines a client sent to its engines and read from them, for
// players who set up engines: connect EngineClient::logLine to append().
#pragma once

#include <QString>
#include <cstdint>
#include <deque>

class EngineLog {
public:
    static constexpr std::size_t CAPACITY = 2000;

    struct Line {
        bool sent;  // to the engine; else from it
        QString text;
    };

    // Keeps the newest CAPACITY lines; the oldest go first.
    void append(bool sent, const QString& text);
    void clear() { lines_.clear(); }
    const std::deque<Line>& lines() const { return lines_; }
    // Lines appended since the log was made (a view tells new ones by it).
    std::uint64_t total() const { return total_; }
    // The log as text: "> " before a line sent, "< " before one read.
    QString text() const;

private:
    std::deque<Line> lines_;
    std::uint64_t total_ = 0;
};
