#include "shell/main_window/main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "shell/main_window/command_ids.h"
#include "shell/main_window/language_menu.h"
#include "shell/main_window/menu_resources.h"

namespace {

enum class Entry { Menu, EndMenu, Item, Separator, Radio, Check, Note };

// The radio group of 设置 → 语言, whose languages keep their own names.
constexpr int LANGUAGE_GROUP = 7;

struct MenuEntry {
    Entry kind;
    int id;
    const char* caption;  // UTF-8; a tab separates the accelerator text
    int group;            // radio group index (RadioGroup), or -1
    bool checked;         // initially ticked in the resource
};

// The main menu in resource order.
constexpr MenuEntry MAIN_MENU[] = {
    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "文件(&F)"), -1, false},
    {Entry::Item, CMD_NEW_GAME, QT_TRANSLATE_NOOP("MainMenu", "新局(&N)\tCtrl+N"), -1, false},
    {Entry::Item, CMD_OPEN, QT_TRANSLATE_NOOP("MainMenu", "打开(&O)...\tCtrl+O"), -1, false},
    {Entry::Item, CMD_SETUP, QT_TRANSLATE_NOOP("MainMenu", "摆子(&L)..."), -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Item, CMD_OPEN_DATABASE, QT_TRANSLATE_NOOP("MainMenu", "打开棋库(&D)..."), -1, false},
    {Entry::Item, CMD_NEW_DATABASE, QT_TRANSLATE_NOOP("MainMenu", "新建棋库(&B)..."), -1, false},
    {Entry::Item, CMD_IMPORT_DATABASE, QT_TRANSLATE_NOOP("MainMenu", "导入到棋库(&I)..."), -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Item, CMD_SAVE, QT_TRANSLATE_NOOP("MainMenu", "保存(&S)\tCtrl+S"), -1, false},
    {Entry::Item, CMD_SAVE_AS, QT_TRANSLATE_NOOP("MainMenu", "另存为(&A)..."), -1, false},
    {Entry::Item, CMD_COPY_POSITION, QT_TRANSLATE_NOOP("MainMenu", "复制局面(&C)\tCtrl+Shift+C"), -1, false},
    {Entry::Item, CMD_PASTE_POSITION, QT_TRANSLATE_NOOP("MainMenu", "粘贴局面(&V)\tCtrl+Shift+V"), -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Item, CMD_EXIT, QT_TRANSLATE_NOOP("MainMenu", "退出(&X)"), -1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},

    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "操作(&O)"), -1, false},
    {Entry::Item, CMD_UNDO, QT_TRANSLATE_NOOP("MainMenu", "悔棋(&Z)\tCtrl+Z"), -1, false},
    {Entry::Item, CMD_REDO, QT_TRANSLATE_NOOP("MainMenu", "重下(&Y)\tCtrl+Y"), -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Item, CMD_COMPUTER_MOVE, QT_TRANSLATE_NOOP("MainMenu", "电脑走子(&A)\tCtrl+A"), -1, false},
    {Entry::Item, CMD_MOVE_NOW, QT_TRANSLATE_NOOP("MainMenu", "立即出招(&C)\tCtrl+C"), -1, false},
    {Entry::Item, CMD_ANALYSE, QT_TRANSLATE_NOOP("MainMenu", "分析棋局(&N)"), -1, false},
    {Entry::Item, CMD_STOP_THINKING, QT_TRANSLATE_NOOP("MainMenu", "停止思考(&T)"), -1, false},
    {Entry::Check, CMD_NONSTOP_ANALYSIS, QT_TRANSLATE_NOOP("MainMenu", "持续分析"), -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Item, CMD_REVIEW, QT_TRANSLATE_NOOP("MainMenu", "复盘分析(&R)..."), -1, false},
    {Entry::Item, CMD_ENGINE_MATCH, QT_TRANSLATE_NOOP("MainMenu", "引擎比赛(&M)..."), -1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},

    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "设置(&C)"), -1, false},
    {Entry::Item, CMD_ROTATE, QT_TRANSLATE_NOOP("MainMenu", "旋转棋盘(&R)\tCtrl+R"), -1, false},
    {Entry::Check, CMD_KEEP_VARIATIONS, QT_TRANSLATE_NOOP("MainMenu", "保留变着"), -1, false},
    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "重复局面裁决"), -1, false},
    {Entry::Radio, CMD_RULINGS_OFF, QT_TRANSLATE_NOOP("MainMenu", "不裁决"), 4, true},
    {Entry::Radio, CMD_RULINGS_ASIAN, QT_TRANSLATE_NOOP("MainMenu", "亚洲规则"), 4, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::Item, CMD_TIME_CONTROL, QT_TRANSLATE_NOOP("MainMenu", "时限(&I)..."), -1, false},
    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "记谱方式(&N)"), -1, false},
    {Entry::Radio, CMD_NOTATION_FIRST, QT_TRANSLATE_NOOP("MainMenu", "中文"), 5, false},
    {Entry::Radio, CMD_NOTATION_FIRST + 1, QT_TRANSLATE_NOOP("MainMenu", "WXF"), 5, false},
    {Entry::Radio, CMD_NOTATION_LAST, QT_TRANSLATE_NOOP("MainMenu", "坐标"), 5, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "棋子样式(&P)"), -1, false},
    {Entry::Radio, CMD_PIECE_SET_FIRST, QT_TRANSLATE_NOOP("MainMenu", "中文棋子"), 6, false},
    {Entry::Radio, CMD_PIECE_SET_LAST, QT_TRANSLATE_NOOP("MainMenu", "国际符号"), 6, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "语言(Language)"), -1, false},
    {Entry::Radio, CMD_LANGUAGE_FIRST, QT_TRANSLATE_NOOP("MainMenu", "跟随系统"), LANGUAGE_GROUP, false},
    {Entry::Radio, CMD_LANGUAGE_FIRST + 1, "中文", LANGUAGE_GROUP, false},
    {Entry::Radio, CMD_LANGUAGE_LAST, "English", LANGUAGE_GROUP, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "对弈模式(&M)"), -1, false},
    {Entry::Radio, CMD_MODE_HUMAN_COMPUTER, QT_TRANSLATE_NOOP("MainMenu", "人机对弈(&C)"), 0, false},
    {Entry::Radio, CMD_MODE_TWO_HUMANS, QT_TRANSLATE_NOOP("MainMenu", "两人对弈(&H)"), 0, false},
    {Entry::Radio, CMD_MODE_DEMO, QT_TRANSLATE_NOOP("MainMenu", "电脑演示(&D)"), 0, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "先后手(&S)"), -1, false},
    {Entry::Radio, CMD_COMPUTER_RED, QT_TRANSLATE_NOOP("MainMenu", "电脑执红"), 1, false},
    {Entry::Radio, CMD_COMPUTER_BLACK, QT_TRANSLATE_NOOP("MainMenu", "电脑执黑"), 1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "电脑水平(&L)"), -1, false},
    {Entry::Radio, CMD_LEVEL_BEGINNER, QT_TRANSLATE_NOOP("MainMenu", "初级(&L)"), 2, false},
    {Entry::Radio, CMD_LEVEL_INTERMEDIATE, QT_TRANSLATE_NOOP("MainMenu", "中级(&M)"), 2, false},
    {Entry::Radio, CMD_LEVEL_ADVANCED, QT_TRANSLATE_NOOP("MainMenu", "高级(&H)"), 2, false},
    {Entry::Radio, CMD_LEVEL_CUSTOM, QT_TRANSLATE_NOOP("MainMenu", "自定义(&C)..."), 2, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "电脑思考(&T)"), -1, false},
    {Entry::Check, CMD_BOOK, QT_TRANSLATE_NOOP("MainMenu", "开局库"), -1, true},
    {Entry::Check, CMD_PONDER, QT_TRANSLATE_NOOP("MainMenu", "后台思考"), -1, true},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Note, CMD_BUILT_IN_NOTE, QT_TRANSLATE_NOOP("MainMenu", "以上两项只用于内置引擎 Morlan"), -1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::Item, CMD_ENGINE_MANAGER, QT_TRANSLATE_NOOP("MainMenu", "引擎管理(&G)..."), -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "效果(&E)"), -1, false},
    {Entry::Check, CMD_ANIMATION, QT_TRANSLATE_NOOP("MainMenu", "走子动画(&A)"), -1, true},
    {Entry::Check, CMD_SOUND, QT_TRANSLATE_NOOP("MainMenu", "落子声音(&S)"), -1, true},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},

    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "查看(&V)"), -1, false},
    {Entry::Item, CMD_VIEW_TIMER, QT_TRANSLATE_NOOP("MainMenu", "计时(&T)\tCtrl+1"), -1, false},
    {Entry::Item, CMD_VIEW_GAME_INFO, QT_TRANSLATE_NOOP("MainMenu", "棋局信息(&I)\tCtrl+2"), -1, false},
    {Entry::Item, CMD_VIEW_BOOK, QT_TRANSLATE_NOOP("MainMenu", "开局库(&B)\tCtrl+3"), -1, false},
    {Entry::Item, CMD_VIEW_SITUATION, QT_TRANSLATE_NOOP("MainMenu", "局势(&S)\tCtrl+4"), -1, false},
    {Entry::Item, CMD_VIEW_GRAPH, QT_TRANSLATE_NOOP("MainMenu", "局势图(&G)"), -1, false},
    {Entry::Item, CMD_VIEW_EXPLORER, QT_TRANSLATE_NOOP("MainMenu", "开局浏览(&X)"), -1, false},
    {Entry::Separator, 0, nullptr, -1, false},
    {Entry::Item, CMD_VIEW_ENGINE_LOG, QT_TRANSLATE_NOOP("MainMenu", "引擎通信(&E)"), -1, false},
    {Entry::Check, CMD_BEST_MOVE_ARROW, QT_TRANSLATE_NOOP("MainMenu", "分析箭头(&W)"), -1, true},
    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "棋盘大小(&D)"), -1, false},
    {Entry::Radio, CMD_BOARD_SIZE_FIRST, QT_TRANSLATE_NOOP("MainMenu", "100%"), 3, false},
    {Entry::Radio, CMD_BOARD_SIZE_FIRST + 1, QT_TRANSLATE_NOOP("MainMenu", "125%"), 3, false},
    {Entry::Radio, CMD_BOARD_SIZE_FIRST + 2, QT_TRANSLATE_NOOP("MainMenu", "150%"), 3, false},
    {Entry::Radio, CMD_BOARD_SIZE_FIRST + 3, QT_TRANSLATE_NOOP("MainMenu", "200%"), 3, false},
    {Entry::Radio, CMD_BOARD_SIZE_LAST, QT_TRANSLATE_NOOP("MainMenu", "250%"), 3, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},

    {Entry::Menu, 0, QT_TRANSLATE_NOOP("MainMenu", "帮助(&H)"), -1, false},
    {Entry::Item, CMD_ABOUT, QT_TRANSLATE_NOOP("MainMenu", "关于(&A)"), -1, false},
    {Entry::EndMenu, 0, nullptr, -1, false},
};

// The command ids of each radio group, by item position.
constexpr int MODE_ITEMS[] = {CMD_MODE_HUMAN_COMPUTER, CMD_MODE_TWO_HUMANS, CMD_MODE_DEMO};
constexpr int SIDE_ITEMS[] = {CMD_COMPUTER_RED, CMD_COMPUTER_BLACK};
constexpr int LEVEL_ITEMS[] = {CMD_LEVEL_BEGINNER, CMD_LEVEL_INTERMEDIATE, CMD_LEVEL_ADVANCED,
                               CMD_LEVEL_CUSTOM};
constexpr int BOARD_SIZE_ITEMS[] = {CMD_BOARD_SIZE_FIRST, CMD_BOARD_SIZE_FIRST + 1, CMD_BOARD_SIZE_FIRST + 2,
                                    CMD_BOARD_SIZE_FIRST + 3, CMD_BOARD_SIZE_LAST};

constexpr int RULINGS_ITEMS[] = {CMD_RULINGS_OFF, CMD_RULINGS_ASIAN};
constexpr int NOTATION_ITEMS[] = {CMD_NOTATION_FIRST, CMD_NOTATION_FIRST + 1, CMD_NOTATION_LAST};
constexpr int PIECE_SET_ITEMS[] = {CMD_PIECE_SET_FIRST, CMD_PIECE_SET_LAST};

constexpr int CHECK_ITEMS[] = {CMD_BOOK, CMD_PONDER, CMD_ANIMATION, CMD_SOUND, CMD_NONSTOP_ANALYSIS};  // by CheckMark

}  // namespace

void MainMenu::build(QMenuBar* bar, QObject* owner, const std::function<void(int)>& onCommand) {
    for (auto& g : groups) {
        g = new QActionGroup(owner);
        g->setExclusive(true);
    }
    auto* languages = new QActionGroup(owner);
    languages->setExclusive(true);
    std::vector<QMenu*> open;
    for (const MenuEntry& e : MAIN_MENU) {
        if (e.kind == Entry::Menu) {
            const QString title = QCoreApplication::translate("MainMenu", e.caption);
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
        const bool ownName = e.group == LANGUAGE_GROUP && e.id != CMD_LANGUAGE_FIRST;
        QAction* a = open.back()->addAction(ownName ? QString::fromUtf8(e.caption)
                                                    : QCoreApplication::translate("MainMenu", e.caption));
        if (e.kind == Entry::Radio) {
            a->setCheckable(true);
            (e.group == LANGUAGE_GROUP ? languages : groups[e.group])->addAction(a);
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
    if (QAction* a = action(CMD_LANGUAGE_FIRST + storedLanguageChoice())) a->setChecked(true);
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
    case RadioGroup::Rulings: return {RULINGS_ITEMS, 2};
    case RadioGroup::Notation: return {NOTATION_ITEMS, 3};
    case RadioGroup::PieceSet: return {PIECE_SET_ITEMS, 2};
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
