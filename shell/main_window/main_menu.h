// The main menu: its items with their command ids, captions and
// accelerators, and the radio groups and check marks that hold the game
// mode, the computer's side, the level, the board's size and the four
// switches.
#pragma once

#include <QObject>
#include <functional>
#include <map>

#include "game/shell_port.h"

class QAction;
class QActionGroup;
class QMenuBar;

class MainMenu {
public:
    // Fills the menu bar; every item's command goes to onCommand.
    void build(QMenuBar* bar, QObject* owner, const std::function<void(int)>& onCommand);

    QAction* action(int id) const;
    void setEnabled(int id, bool enabled);
    bool isEnabled(int id) const;

    int selectedItem(RadioGroup group) const;
    void selectItem(RadioGroup group, int item);
    bool isChecked(CheckMark mark) const;
    void setChecked(CheckMark mark, bool checked);
    // Flips a check mark, as its menu command does.
    void toggle(CheckMark mark) { setChecked(mark, !isChecked(mark)); }

private:
    std::map<int, QAction*> actions;
    QActionGroup* groups[7] = {};  // by RadioGroup
};
