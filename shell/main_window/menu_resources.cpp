#include "shell/platform/shown_text.h"
#include "shell/main_window/menu_resources.h"

#include <QAction>
#include <QMenu>

#include "shell/main_window/command_ids.h"

namespace {

struct Accelerator {
    int id;
    Qt::Key key;  // with Control
    bool shift = false;
};

// The accelerators of the main window: the twelve Ctrl keys, and Ctrl+Shift
// for copying and pasting a position.
constexpr Accelerator ACCELERATORS[] = {
    {CMD_NEW_GAME, Qt::Key_N},      {CMD_OPEN, Qt::Key_O},          {CMD_SAVE, Qt::Key_S},
    {CMD_UNDO, Qt::Key_Z},          {CMD_REDO, Qt::Key_Y},          {CMD_COMPUTER_MOVE, Qt::Key_A},
    {CMD_MOVE_NOW, Qt::Key_C},      {CMD_ROTATE, Qt::Key_R},        {CMD_VIEW_TIMER, Qt::Key_1},
    {CMD_VIEW_GAME_INFO, Qt::Key_2}, {CMD_VIEW_BOOK, Qt::Key_3},    {CMD_VIEW_SITUATION, Qt::Key_4},
    {CMD_COPY_POSITION, Qt::Key_C, true}, {CMD_PASTE_POSITION, Qt::Key_V, true},
};

QMenu* makePopup(const char* title, int id, const char* caption) {
    auto* menu = new QMenu(shownText(title));
    menu->addAction(QString::fromUtf8(caption))->setData(id);
    return menu;
}

}  // namespace

MenuResources& MenuResources::instance() {
    static MenuResources resources;
    return resources;
}

void MenuResources::release() {
    delete manual;
    delete pv;
    manual = pv = nullptr;
}

QKeySequence MenuResources::acceleratorFor(int id) const {
    for (const Accelerator& a : ACCELERATORS) {
        if (a.id == id) return QKeySequence(a.shift ? Qt::CTRL | Qt::SHIFT | a.key : Qt::CTRL | a.key);
    }
    return {};
}

QMenu* MenuResources::manualMenu() {
    if (!manual) manual = makePopup("Manual", CMD_COPY_RECORD, QT_TRANSLATE_NOOP("Texts", "复制棋谱(&C)"));
    return manual;
}

QMenu* MenuResources::pvMenu() {
    if (!pv) pv = makePopup("Pv", CMD_RESTORE_PV, QT_TRANSLATE_NOOP("Texts", "还原(&R)"));
    return pv;
}
