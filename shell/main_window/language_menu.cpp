#include "shell/main_window/language_menu.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "game/settings_file.h"

namespace {

constexpr char LANGUAGE_KEY[] = "language";

}  // namespace

int storedLanguageChoice() {
    int choice = 0;
    if (!SettingsFile::instance().getInt(LANGUAGE_KEY, choice)) return 0;
    return choice >= 0 && choice <= CMD_LANGUAGE_LAST - CMD_LANGUAGE_FIRST ? choice : 0;
}

void chooseLanguage(int id, QWidget* parent) {
    const int choice = id - CMD_LANGUAGE_FIRST;
    if (choice == storedLanguageChoice()) return;
    // Written with the other settings at exit.
    SettingsFile::instance().setInt(LANGUAGE_KEY, choice);
    QMessageBox::information(parent, QCoreApplication::translate("MainWindow", "提示"),
                             QCoreApplication::translate("MainWindow", "所选语言在程序下次启动时生效。"));
}
