// The record's tree in the game: the line shown follows a path through it,
// and the tree edits the record list offers keep that line in step.
#include "game/game.h"
#include "engine/board_move.h"

int Game::lineNode(int i) const {
    if (i < 0) return MoveTree::ROOT;
    return i < static_cast<int>(lineNodes.size()) ? lineNodes[static_cast<std::size_t>(i)] : MoveTree::NONE;
}

// The record entries hold the comments the windows edit; the tree takes them
// before the line changes or the tree is written.
void Game::syncLineComments() {
    for (std::size_t i = 0; i < lineNodes.size() && i < record.size(); ++i)
        if (lineNodes[i] != MoveTree::NONE) tree_.setComment(lineNodes[i], record[i].comment);
}

// Makes nodes (a path from the start) the line shown, at ply.
void Game::showLine(const std::vector<int>& nodes, int ply) {
    syncLineComments();
    lineNodes = nodes;
    record.clear();
    record.reserve(nodes.size());
    Board90 board = startBoard_;
    for (int n : nodes) {
        const PackedMove m = tree_.move(n);
        const BoardPiece captured = playOnBoard(board, m);
        record.push_back({m, captured, tree_.comment(n)});
    }
    showPly(ply);
}

bool Game::goToNode(int node) {
    if (node == MoveTree::NONE || refuseRecordChange()) return false;
    showLine(tree_.lineThrough(node), tree_.depth(node));
    return true;
}

bool Game::enterVariation(int k) {
    const int parent = currentNode();
    if (parent == MoveTree::NONE) return false;
    const int child = tree_.child(parent, k);
    if (child == MoveTree::NONE || refuseRecordChange()) return false;
    if (child != lineNode(moveCount_)) {
        std::vector<int> nodes(lineNodes.begin(), lineNodes.begin() + moveCount_);
        for (int n = child; n != MoveTree::NONE; n = tree_.firstChild(n)) nodes.push_back(n);
        showLine(nodes, moveCount_);
    }
    stepForward();
    return true;
}

bool Game::promoteVariation(int node) {
    if (node == MoveTree::NONE || node == MoveTree::ROOT || refuseRecordChange()) return false;
    syncLineComments();
    if (!tree_.promote(node)) return false;
    setModified(true);
    return true;
}

bool Game::makeMainLine(int node) {
    if (node == MoveTree::NONE || node == MoveTree::ROOT || refuseRecordChange()) return false;
    syncLineComments();
    tree_.makeMainLine(node);
    setModified(true);
    return true;
}

bool Game::removeVariation(int node) {
    if (node == MoveTree::NONE || node == MoveTree::ROOT || refuseRecordChange()) return false;
    syncLineComments();
    const int depth = tree_.depth(node);  // the removed move's ply on the line, counted from 1
    const bool onLine = lineNode(depth - 1) == node;
    const int parent = tree_.parent(node);
    tree_.remove(node);
    if (onLine) {
        // The line ends before the removed move; the position shown moves back to it when it was beyond.
        std::vector<int> nodes(lineNodes.begin(), lineNodes.begin() + (depth - 1));
        for (int n = tree_.firstChild(parent); n != MoveTree::NONE; n = tree_.firstChild(n)) nodes.push_back(n);
        showLine(nodes, std::min(moveCount_, depth - 1));
    }
    setModified(true);
    return true;
}

void Game::setNodeComment(int node, const std::string& text) {
    if (node == MoveTree::NONE || node == MoveTree::ROOT) return;
    tree_.setComment(node, text);
    const int i = tree_.depth(node) - 1;
    if (lineNode(i) == node) record[static_cast<std::size_t>(i)].comment = text;
    setModified(true);
}

int Game::addVariation(int i, PackedMove move) {
    if (i < 0 || i >= recordSize() || move == 0 || record[static_cast<std::size_t>(i)].move == move) return MoveTree::NONE;
    const int parent = lineNode(i - 1);
    if (parent == MoveTree::NONE) return MoveTree::NONE;
    const int known = tree_.childWithMove(parent, move);
    if (known != MoveTree::NONE) return known;
    const int node = tree_.appendChild(parent, move);
    if (node != MoveTree::NONE) setModified(true);
    return node;
}

void Game::setKeepVariations(bool on) {
    keepVariations_ = on;
    keepVariationsDefault = on;
}

// A continuation worth asking about before it is dropped: one that came from
// a record, carries comments or review marks, or holds variations.
bool Game::tailWorthAsking() const {
    if (tailFromRecord || shell().reviewMarksFrom(moveCount_)) return true;
    for (int i = moveCount_; i < recordSize(); ++i) {
        if (!record[static_cast<std::size_t>(i)].comment.empty()) return true;
        const int n = lineNode(i);
        if (n != MoveTree::NONE && tree_.childCount(n) > 1) return true;
    }
    return false;
}
