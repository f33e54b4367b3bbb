#include "shell/windows/move_choice_list.h"

#include <algorithm>

#include "game/move_tree.h"
#include "game/notation.h"
#include "shell/platform/qt_text.h"

void MoveChoiceList::follow(const MoveTree& tree, int node, const Board90& at, int next) {
    std::vector<std::pair<int, PackedMove>> now;
    if (node != MoveTree::NONE && tree.childCount(node) > 1)
        for (int c = tree.firstChild(node); c != MoveTree::NONE; c = tree.nextSibling(c))
            now.emplace_back(c, tree.move(c));
    if (!list || (node == parent && now == choices && at == board)) return;
    parent = node;
    board = at;
    choices = std::move(now);
    list->clear();
    int place = 0;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, toQt(formatMove(board, choices[i].second)));
        if (choices[i].first == next) place = static_cast<int>(i);
    }
    list->setEnabled(!choices.empty());
    choose(place);
}

int MoveChoiceList::chosen() const {
    if (!list || choices.empty()) return -1;
    return std::max(0, list->indexOfTopLevelItem(list->currentItem()));
}

void MoveChoiceList::choose(int place) {
    if (QTreeWidgetItem* item = list ? list->topLevelItem(place) : nullptr) list->setCurrentItem(item);
}

void MoveChoiceList::step(int delta) { choose(std::clamp(chosen() + delta, 0, count() - 1)); }
