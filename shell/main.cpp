// morlan [--user-folder] [GAME]: the desktop program. A path on the command
// line is the game file or record to open at start; --help and --version
// answer without opening a window.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/board/bitmap_set.h"
#include "shell/main_window/app.h"
#include "shell/main_window/command_line.h"
#include "shell/platform/crash_handler.h"
#include "shell/platform/font_warm_up.h"
#include "game/settings_file.h"
#include "shell/main_window/language_menu.h"
#include "shell/platform/interface_language.h"
#include "shell/platform/user_folder.h"
#include "shell/platform/start_marks.h"

namespace {

bool isCrashMessageProcess(const char* argv0) {
    const char* slash = std::strrchr(argv0, '/');
    return std::strcmp(slash ? slash + 1 : argv0, CRASH_MESSAGE_NAME) == 0;
}

// Settings, saved games and crash reports all live in the current folder, so
// moving to the user's data folder first keeps the three together.
void enterUserFolder() {
    std::string error;
    if (!enterFolder(userDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")), error))
        std::fprintf(stderr, "morlan: cannot use the user folder (%s); staying in the current folder\n",
                     error.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    startMark("main");
    if (argc > 0 && isCrashMessageProcess(argv[0])) return showCrashMessage(argc, argv);
    CommandLine line = parseCommandLine(argc, argv);
    if (!line.error.empty()) {
        std::fprintf(stderr, "morlan: %s\n%s", line.error.c_str(), commandLineHelp().c_str());
        return 2;
    }
    if (line.help) {
        std::fputs(commandLineHelp().c_str(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("morlan %s\n", MORLAN_VERSION);
        return 0;
    }
    if (line.userFolder) {
        line.path = absolutePath(line.path);
        enterUserFolder();
    }
    installCrashHandler();
    // Fonts and pictures are read on threads of their own while Qt starts.
    FontWarmUp fonts;
    BitmapSet::decodeAhead();
    QApplication application(argc, argv);
    startMark("application");
    QApplication::setApplicationName(QStringLiteral("Morlan"));
    // The language is chosen before any window is made: the stored choice, else the locale's.
    SettingsFile::instance().load();
    installInterfaceLanguage(chosenLanguage(static_cast<LanguageChoice>(storedLanguageChoice()), systemLanguages()));
    startMark("language");
    App::instance().init();
    App::instance().openStartFile(line.path);
    return App::instance().run();
}
