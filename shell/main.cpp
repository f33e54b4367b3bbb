// morlan [path]: the desktop program. A path on the command line is the game
// file or record to open at start.
#include <QApplication>
#include <cstring>

#include "shell/app.h"
#include "shell/crash_handler.h"

namespace {

bool isCrashMessageProcess(const char* argv0) {
    const char* slash = std::strrchr(argv0, '/');
    return std::strcmp(slash ? slash + 1 : argv0, CRASH_MESSAGE_NAME) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 0 && isCrashMessageProcess(argv[0])) return showCrashMessage(argc, argv);
    installCrashHandler();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morlan"));
    App::instance().init();
    App::instance().openCommandLineFile(argc, argv);
    return App::instance().run();
}
