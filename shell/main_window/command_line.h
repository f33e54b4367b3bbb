// What the desktop program's command line asks for: the options --help,
// --version and --user-folder, then the game file to open at start. Every
// word after the options is part of that path (the shell has split it at
// spaces, so the words are joined again); "--" ends the options.
#pragma once
#include <string>

struct CommandLine {
    bool help = false;
    bool version = false;
    // Work in the user's data folder instead of the current one.
    bool userFolder = false;
    std::string path;   // empty: no game file
    std::string error;  // an unknown option; empty when the line is good
};

CommandLine parseCommandLine(int argc, const char* const* argv);

// The text --help prints.
std::string commandLineHelp();
