// morlan [path]: the desktop program. A path on the command line is the game
// file to open at start.
#include <QApplication>
#include <cstring>
#include <string>

#include "game/game.h"
#include "shell/app.h"
#include "shell/crash_handler.h"
#include "shell/qt_translation.h"

namespace {

bool isCrashMessageProcess(const char* argv0) {
    const char* slash = std::strrchr(argv0, '/');
    return std::strcmp(slash ? slash + 1 : argv0, CRASH_MESSAGE_NAME) == 0;
}

// The command line after the program name, as one text: the shell has
// already split it at spaces, so the words are joined again.
std::string commandLineText(int argc, char** argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 0 && isCrashMessageProcess(argv[0])) return showCrashMessage(argc, argv);
    installCrashHandler();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morlan"));
    installQtTranslation();
    App::instance().init();
    const std::string path = commandLineText(argc, argv);
    if (!path.empty()) Game::instance().openFile(path);
    return App::instance().run();
}
