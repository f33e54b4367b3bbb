#include "shell/main_window/clipboard_text.h"

#include <QClipboard>
#include <QGuiApplication>

#include "shell/platform/qt_text.h"

void copyTextToClipboard(const std::string& gbk) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    clipboard->setText(toQt(gbk));
}
