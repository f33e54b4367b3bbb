#include "game/move_tree.h"

#include <algorithm>

MoveTree::MoveTree() { clear(); }

void MoveTree::clear() {
    nodes.assign(1, Node{});
    comments.assign(1, std::string{});
    liveMoves = 0;
}

int MoveTree::variationCount() const {
    int n = 0;
    walk([&](int node) { n += nodes[node].parent != NONE && nodes[nodes[node].parent].firstChild != node;
                         return true; },
         [](int) {});
    return n;
}

int MoveTree::childCount(int node) const {
    int n = 0;
    for (int c = nodes[node].firstChild; c != NONE; c = nodes[c].nextSibling) ++n;
    return n;
}

int MoveTree::child(int node, int k) const {
    int c = nodes[node].firstChild;
    for (; c != NONE && k > 0; --k) c = nodes[c].nextSibling;
    return k == 0 ? c : NONE;
}

int MoveTree::childWithMove(int node, PackedMove m) const {
    for (int c = nodes[node].firstChild; c != NONE; c = nodes[c].nextSibling)
        if (nodes[c].move == m) return c;
    return NONE;
}

int MoveTree::placeAmongSiblings(int node) const {
    int k = 0;
    for (int c = nodes[nodes[node].parent].firstChild; c != node; c = nodes[c].nextSibling) ++k;
    return k;
}

const std::string& MoveTree::comment(int node) const { return comments[nodes[node].comment]; }

void MoveTree::setComment(int node, std::string text) {
    Node& n = nodes[node];
    if (n.comment == 0) {
        if (text.empty()) return;
        n.comment = static_cast<std::int32_t>(comments.size());
        comments.push_back(std::move(text));
        return;
    }
    comments[n.comment] = std::move(text);
}

int MoveTree::appendChild(int node, PackedMove m) {
    if (nodes.size() > static_cast<std::size_t>(MOVE_TREE_MAX_MOVES) || nodes[node].depth >= MOVE_TREE_MAX_DEPTH)
        return NONE;
    const int id = static_cast<int>(nodes.size());
    Node n;
    n.move = m;
    n.parent = node;
    n.depth = nodes[node].depth + 1;
    nodes.push_back(n);
    Node& p = nodes[node];
    if (p.lastChild == NONE) p.firstChild = id;
    else nodes[p.lastChild].nextSibling = id;
    p.lastChild = id;
    ++liveMoves;
    return id;
}

int MoveTree::addMove(int node, PackedMove m) {
    const int c = childWithMove(node, m);
    return c != NONE ? c : appendChild(node, m);
}

int MoveTree::previousSibling(int node) const {
    int before = NONE;
    for (int c = nodes[nodes[node].parent].firstChild; c != node; c = nodes[c].nextSibling) before = c;
    return before;
}

// Takes node out of its parent's children, keeping the others in order.
void MoveTree::unlink(int node) {
    Node& p = nodes[nodes[node].parent];
    const int before = previousSibling(node);
    const int after = nodes[node].nextSibling;
    if (before == NONE) p.firstChild = after;
    else nodes[before].nextSibling = after;
    if (p.lastChild == node) p.lastChild = before;
    nodes[node].nextSibling = NONE;
}

void MoveTree::linkFirst(int node) {
    Node& p = nodes[nodes[node].parent];
    nodes[node].nextSibling = p.firstChild;
    p.firstChild = node;
    if (p.lastChild == NONE) p.lastChild = node;
}

bool MoveTree::promote(int node) {
    if (node == ROOT) return false;
    const int before = previousSibling(node);
    if (before == NONE) return false;
    const int beforeThat = previousSibling(before);
    unlink(node);
    if (beforeThat == NONE) {
        linkFirst(node);
        return true;
    }
    Node& p = nodes[nodes[node].parent];
    nodes[node].nextSibling = before;
    nodes[beforeThat].nextSibling = node;
    if (p.lastChild == node) p.lastChild = before;
    return true;
}

void MoveTree::makeMainLine(int node) {
    for (int n = node; n != ROOT; n = nodes[n].parent) {
        if (nodes[nodes[n].parent].firstChild == n) continue;
        unlink(n);
        linkFirst(n);
    }
}

void MoveTree::remove(int node) {
    if (node == ROOT) {
        clear();
        return;
    }
    // Count what goes: the node and its subtree, walked as a loop.
    int gone = 0;
    for (int n = node;;) {
        ++gone;
        if (nodes[n].firstChild != NONE) {
            n = nodes[n].firstChild;
            continue;
        }
        while (n != node && nodes[n].nextSibling == NONE) n = nodes[n].parent;
        if (n == node) break;
        n = nodes[n].nextSibling;
    }
    unlink(node);
    nodes[node].parent = NONE;
    liveMoves -= gone;
}

std::vector<int> MoveTree::pathTo(int node) const {
    std::vector<int> path;
    for (int n = node; n != ROOT && n != NONE; n = nodes[n].parent) path.push_back(n);
    std::reverse(path.begin(), path.end());
    return path;
}

std::vector<int> MoveTree::lineThrough(int node) const {
    std::vector<int> line = pathTo(node);
    for (int n = nodes[node].firstChild; n != NONE; n = nodes[n].firstChild) line.push_back(n);
    return line;
}

bool operator==(const MoveTree& a, const MoveTree& b) {
    if (a.moveCount() != b.moveCount() || a.comment(MoveTree::ROOT) != b.comment(MoveTree::ROOT)) return false;
    // Walk both in file order side by side: same move, comment and shape at every step.
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(a.moveCount()));
    a.walk([&](int n) { order.push_back(n); return true; }, [](int) {});
    std::size_t i = 0;
    bool same = true;
    b.walk(
        [&](int n) {
            if (!same || i >= order.size()) return same = false;
            const int m = order[i++];
            same = a.move(m) == b.move(n) && a.comment(m) == b.comment(n) && a.depth(m) == b.depth(n) &&
                   (a.nextSibling(m) == MoveTree::NONE) == (b.nextSibling(n) == MoveTree::NONE);
            return same;
        },
        [](int) {});
    return same && i == order.size();
}
