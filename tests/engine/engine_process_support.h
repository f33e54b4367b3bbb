// The engine command run as a child process with pipes on its standard
// input and output, for the protocol tests.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class EngineProcess {
public:
    EngineProcess();  // starts the built morlan-engine
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    bool started() const { return pid_ > 0; }
    void send(const std::string& line);
    // The next output line; false when none came within timeoutMs or the
    // output ended.
    bool readLine(std::string& line, int timeoutMs);
    // Reads lines up to and including the first that starts with prefix;
    // every line read is appended to lines.
    bool readUntil(const std::string& prefix, std::vector<std::string>& lines, int timeoutMs);
    // Lines that arrive within quietMs of each other.
    std::vector<std::string> readAvailable(int quietMs);
    void closeInput();
    // The exit status, or -1 when the process did not end within timeoutMs
    // (it is then killed).
    int waitForExit(int timeoutMs);

private:
    pid_t pid_ = -1;
    int toEngine_ = -1;
    int fromEngine_ = -1;
    std::string pending_;
};

// Words of a line.
std::vector<std::string> wordsOf(const std::string& line);

// The lines that start with prefix.
std::vector<std::string> withPrefix(const std::vector<std::string>& lines, const std::string& prefix);
// The value after key in an info line, or "" without it.
std::string field(const std::string& line, const std::string& key);
// Whether move (coordinates) is legal in the FEN's position.
bool isLegalFrom(const std::string& fen, const std::string& move);
