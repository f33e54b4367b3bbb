#include "shell/main_window/command_line.h"

#include <cstring>

namespace {

bool isOption(const char* word) { return word[0] == '-' && word[1] == '-'; }

}  // namespace

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    int i = 1;
    for (; i < argc && isOption(argv[i]); ++i) {
        const char* word = argv[i];
        if (std::strcmp(word, "--") == 0) {
            ++i;
            break;
        }
        if (std::strcmp(word, "--help") == 0) {
            line.help = true;
        } else if (std::strcmp(word, "--version") == 0) {
            line.version = true;
        } else if (std::strcmp(word, "--user-folder") == 0) {
            line.userFolder = true;
        } else {
            line.error = std::string("unknown option ") + word;
            return line;
        }
    }
    for (int first = i; i < argc; ++i) {
        if (i > first) line.path += ' ';
        line.path += argv[i];
    }
    return line;
}

std::string commandLineHelp() {
    return "usage: morlan [--user-folder] [--] [GAME]\n"
           "       morlan --help | --version\n"
           "\n"
           "Xiangqi (Chinese chess) against the computer, for two players, or the\n"
           "computer against itself. GAME is a game file or record to open at start\n"
           "(.sav, .txt, .pgn, .pgn.gz or .xqf).\n"
           "\n"
           "The interface is Chinese or English: the locale's language (Chinese for\n"
           "a Chinese locale and for C/POSIX, else English; LANGUAGE, LC_ALL,\n"
           "LC_MESSAGES, LANG), unless Settings -> Language (设置 -> 语言) chose one.\n"
           "Moves are shown in Chinese notation in Chinese and in WXF in English,\n"
           "unless Settings -> Notation (设置 -> 记谱方式) chose one.\n"
           "\n"
           "  --user-folder  keep the settings (Tevrin.cfg), the saved games (Sav/)\n"
           "                 and crash reports (Err/) in $XDG_DATA_HOME/morlan\n"
           "                 (by default ~/.local/share/morlan), creating it; the\n"
           "                 desktop menu entry starts the program this way.\n"
           "                 Without it they are kept in the current folder.\n"
           "  --help         this text\n"
           "  --version      the program's version\n";
}
