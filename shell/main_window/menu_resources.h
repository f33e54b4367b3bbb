// The accelerator table and the context menu with its two pop-ups
// ("Manual": copy the record; "Pv": restore the board), loaded once.
#pragma once

#include <QKeySequence>

class QMenu;

class MenuResources {
public:
    static MenuResources& instance();
    // Frees the pop-ups while the application still runs.
    void release();

    // The Ctrl key bound to a command, or an empty sequence.
    QKeySequence acceleratorFor(int id) const;
    // Pop-up 0 "Manual" and pop-up 1 "Pv"; their commands go to the window
    // that shows them.
    QMenu* manualMenu();
    QMenu* pvMenu();

private:
    MenuResources() = default;
    QMenu* manual = nullptr;
    QMenu* pv = nullptr;
};
