// The moves the line can go on with from the position shown, the main
// continuation first, listed when there are at least two: the player
// chooses one (Up and Down, or the mouse) and steps into it.
#pragma once

#include <QPointer>
#include <QTreeWidget>
#include <utility>
#include <vector>

#include "engine/types.h"

class MoveTree;

class MoveChoiceList {
public:
    explicit MoveChoiceList(QTreeWidget* list) : list(list) {}

    // Shows the children of node as they are played on board; `next` is
    // the child the line goes on with, chosen at first. A position with one
    // move or none lists nothing. Nothing is redrawn when the choices are
    // those shown already.
    void follow(const MoveTree& tree, int node, const Board90& board, int next);
    // How many moves are listed (0 or at least 2).
    int count() const { return static_cast<int>(choices.size()); }
    // The chosen move's place among the children (0 the main continuation).
    int chosen() const;
    void choose(int place);
    // Moves the choice one up (-1) or down (+1), kept within the list.
    void step(int delta);

private:
    QPointer<QTreeWidget> list;
    int parent = -1;
    Board90 board{};
    std::vector<std::pair<int, PackedMove>> choices;  // node, move
};
