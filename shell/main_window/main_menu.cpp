#include "shell/main_window/main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "shell/main_window/command_ids.h"
#include "shell/main_window/menu_resources.h"

namespace {

enum class Entry { Menu, EndMenu, Item, Separator, Radio, Check, Note };

struct MenuEntry {
    Entry kind;
    int id;
    const char* caption;  // UTF-8; a tab separates the accelerator text
    int group;            // radio group index (RadioGroup), or -1
    bool checked;         // initially ticked in the resource
};

// The main menu in resource order.
constexpr MenuEntry MAIN_MENU[] = {
    {Entry::Menu, 0, "文件(&F)", -1, false},
    {Entry::Item, CMD_NEW_GAME, "新局(&N)\tCtrl+N", -1, false},
    {Entry::Item, CMD_OPEN, "打开(&O)...\tCtrl+O", -1, false},
    {Entry::Item, CMD_SETUP, "摆子(&L)...", -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Item, CMD_OPEN_DATABASE, "打开棋库(&D)...", -1, false},
    {Entry::Item, CMD_NEW_DATABASE, "新建棋库(&B)...", -1, false},
    {Entry::Item, CMD_IMPORT_DATABASE, "导入到棋库(&I)...", -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Item, CMD_SAVE, "保存(&S)\tCtrl+S", -1, false},
    {Entry::Item, CMD_SAVE_AS, "另存为(&A)...", -1, false},
    {Entry::Item, CMD_COPY_POSITION, "复制局面(&C)\tCtrl+Shift+C", -1, false},
    {Entry::Item, CMD_PASTE_POSITION, "粘贴局面(&V)\tCtrl+Shift+V", -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Item, CMD_EXIT, "退出(&X)", -1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},

    {Entry::Menu, 0, "操作(&O)", -1, false},
    {Entry::Item, CMD_UNDO, "悔棋(&Z)\tCtrl+Z", -1, false},
    {Entry::Item, CMD_REDO, "重下(&Y)\tCtrl+Y", -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Item, CMD_COMPUTER_MOVE, "电脑走子(&A)\tCtrl+A", -1, false},
    {Entry::Item, CMD_MOVE_NOW, "立即出招(&C)\tCtrl+C", -1, false},
    {Entry::Item, CMD_ANALYSE, "分析棋局(&N)", -1, false},
    {Entry::Item, CMD_STOP_THINKING, "停止思考(&T)", -1, false},
    {Entry::Check, CMD_NONSTOP_ANALYSIS, "持续分析", -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Item, CMD_REVIEW, "复盘分析(&R)...", -1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},

    {Entry::Menu, 0, "设置(&C)", -1, false},
    {Entry::Item, CMD_ROTATE, "旋转棋盘(&R)\tCtrl+R", -1, false},
    {Entry::Check, CMD_KEEP_VARIATIONS, "保留变着", -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Menu, 0, "对弈模式(&M)", -1, false},
    {Entry::Radio, CMD_MODE_HUMAN_COMPUTER, "人机对弈(&C)", 0, false},
    {Entry::Radio, CMD_MODE_TWO_HUMANS, "两人对弈(&H)", 0, false},
    {Entry::Radio, CMD_MODE_DEMO, "电脑演示(&D)", 0, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::Menu, 0, "先后手(&S)", -1, false},
    {Entry::Radio, CMD_COMPUTER_RED, "电脑执红", 1, false},
    {Entry::Radio, CMD_COMPUTER_BLACK, "电脑执黑", 1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Menu, 0, "电脑水平(&L)", -1, false},
    {Entry::Radio, CMD_LEVEL_BEGINNER, "初级(&L)", 2, false},
    {Entry::Radio, CMD_LEVEL_INTERMEDIATE, "中级(&M)", 2, false},
    {Entry::Radio, CMD_LEVEL_ADVANCED, "高级(&H)", 2, false},
    {Entry::Radio, CMD_LEVEL_CUSTOM, "自定义(&C)...", 2, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::Menu, 0, "电脑思考(&T)", -1, false},
    {Entry::Check, CMD_BOOK, "开局库", -1, true},
    {Entry::Check, CMD_PONDER, "后台思考", -1, true},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Note, CMD_BUILT_IN_NOTE, "以上两项只用于内置引擎 Morlan", -1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::Item, CMD_ENGINE_MANAGER, "引擎管理(&G)...", -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Menu, 0, "效果(&E)", -1, false},
    {Entry::Check, CMD_ANIMATION, "走子动画(&A)", -1, true},
    {Entry::Check, CMD_SOUND, "落子声音(&S)", -1, true},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},

    {Entry::Menu, 0, "查看(&V)", -1, false},
    {Entry::Item, CMD_VIEW_TIMER, "计时(&T)\tCtrl+1", -1, false},
    {Entry::Item, CMD_VIEW_GAME_INFO, "棋局信息(&I)\tCtrl+2", -1, false},
    {Entry::Item, CMD_VIEW_BOOK, "开局库(&B)\tCtrl+3", -1, false},
    {Entry::Item, CMD_VIEW_SITUATION, "局势(&S)\tCtrl+4", -1, false},
    {Entry::Item, CMD_VIEW_GRAPH, "局势图(&G)", -1, false},
    {Entry::Item, CMD_VIEW_EXPLORER, "开局浏览(&X)", -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Item, CMD_VIEW_ENGINE_LOG, "引擎通信(&E)", -1, false},
    {Entry::Check, CMD_BEST_MOVE_ARROW, "分析箭头(&W)", -1, true},
    {Entry::Menu, 0, "棋盘大小(&D)", -1, false},
    {Entry::Radio, CMD_BOARD_SIZE_FIRST, "100%", 3, false},
    {Entry::Radio, CMD_BOARD_SIZE_FIRST + 1, "125%", 3, false},
    {Entry::Radio, CMD_BOARD_SIZE_FIRST + 2, "150%", 3, false},
    {Entry::Radio, CMD_BOARD_SIZE_FIRST + 3, "200%", 3, false},
    {Entry::Radio, CMD_BOARD_SIZE_LAST, "250%", 3, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},

    {Entry::Menu, 0, "帮助(&H)", -1, false},
    {Entry::Item, CMD_ABOUT, "关于(&A)", -1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
};

// The command ids of each radio group, by item position.
constexpr int MODE_ITEMS[] = {CMD_MODE_HUMAN_COMPUTER, CMD_MODE_TWO_HUMANS, CMD_MODE_DEMO};
constexpr int SIDE_ITEMS[] = {CMD_COMPUTER_RED, CMD_COMPUTER_BLACK};
constexpr int LEVEL_ITEMS[] = {CMD_LEVEL_BEGINNER, CMD_LEVEL_INTERMEDIATE, CMD_LEVEL_ADVANCED,
                               CMD_LEVEL_CUSTOM};
constexpr int BOARD_SIZE_ITEMS[] = {CMD_BOARD_SIZE_FIRST, CMD_BOARD_SIZE_FIRST + 1, CMD_BOARD_SIZE_FIRST + 2,
                                    CMD_BOARD_SIZE_FIRST + 3, CMD_BOARD_SIZE_LAST};

constexpr int CHECK_ITEMS[] = {CMD_BOOK, CMD_PONDER, CMD_ANIMATION, CMD_SOUND, CMD_NONSTOP_ANALYSIS};  // by CheckMark

}  // namespace

void MainMenu::build(QMenuBar* bar, QObject* owner, const std::function<void(int)>& onCommand) {
    for (auto& g : groups) {
        g = new QActionGroup(owner);
        g->setExclusive(true);
    }
    std::vector<QMenu*> open;
    for (const MenuEntry& e : MAIN_MENU) {
        if (e.kind == Entry::Menu) {
            const QString title = QString::fromUtf8(e.caption);
            open.push_back(open.empty() ? bar->addMenu(title) : open.back()->addMenu(title));
            continue;
        }
        if (e.kind == Entry::EndMenu) {
            open.pop_back();
            continue;
        }
        if (e.kind == Entry::Separator) {
            open.back()->addSeparator();
            continue;
        }
        QAction* a = open.back()->addAction(QString::fromUtf8(e.caption));
        if (e.kind == Entry::Radio) {
            a->setCheckable(true);
            groups[e.group]->addAction(a);
        } else if (e.kind == Entry::Check) {
            a->setCheckable(true);
            a->setChecked(e.checked);
        } else if (e.kind == Entry::Note) {
            a->setEnabled(false);
        }
        const QKeySequence key = MenuResources::instance().acceleratorFor(e.id);
        if (!key.isEmpty()) {
            a->setShortcut(key);
            // Only while the main window itself is active: in a tool window's
            // edit box Ctrl+C and Ctrl+A stay copy and select-all.
            a->setShortcutContext(Qt::WindowShortcut);
        }
        const int id = e.id;
        QObject::connect(a, &QAction::triggered, owner, [onCommand, id] { onCommand(id); });
        actions[id] = a;
    }
}

QAction* MainMenu::action(int id) const {
    const auto it = actions.find(id);
    return it == actions.end() ? nullptr : it->second;
}

void MainMenu::setEnabled(int id, bool enabled) {
    if (QAction* a = action(id)) a->setEnabled(enabled);
}

bool MainMenu::isEnabled(int id) const {
    const QAction* a = action(id);
    return a && a->isEnabled();
}

namespace {

std::pair<const int*, int> groupItems(RadioGroup group) {
    switch (group) {
    case RadioGroup::Mode: return {MODE_ITEMS, 3};
    case RadioGroup::ComputerSide: return {SIDE_ITEMS, 2};
    case RadioGroup::Level: return {LEVEL_ITEMS, 4};
    case RadioGroup::BoardSize: return {BOARD_SIZE_ITEMS, 5};
    }
    return {nullptr, 0};
}

}  // namespace

int MainMenu::selectedItem(RadioGroup group) const {
    const auto [items, count] = groupItems(group);
    for (int i = 0; i < count; ++i) {
        const QAction* a = action(items[i]);
        if (a && a->isChecked()) return i;
    }
    return -1;
}

void MainMenu::selectItem(RadioGroup group, int item) {
    const auto [items, count] = groupItems(group);
    if (item < 0 || item >= count) return;
    if (QAction* a = action(items[item])) a->setChecked(true);
}

bool MainMenu::isChecked(CheckMark mark) const {
    const QAction* a = action(CHECK_ITEMS[static_cast<int>(mark)]);
    return a && a->isChecked();
}

void MainMenu::setChecked(CheckMark mark, bool checked) {
    if (QAction* a = action(CHECK_ITEMS[static_cast<int>(mark)])) a->setChecked(checked);
}
