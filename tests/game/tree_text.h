// A tree as one line of text for the tests: its moves in file order, each
// as "depth:move" in coordinates with its comment in braces, so that shape,
// order and comments compare at once.
#pragma once

#include <string>

#include "engine/fen.h"
#include "game/move_tree.h"

inline std::string treeText(const MoveTree& tree) {
    std::string out;
    tree.walk(
        [&](int n) {
            if (!out.empty()) out += ' ';
            out += std::to_string(tree.depth(n)) + ":" + writeCoordinateMove(tree.move(n));
            if (!tree.comment(n).empty()) out += "{" + tree.comment(n) + "}";
            return true;
        },
        [](int) {});
    return out;
}
