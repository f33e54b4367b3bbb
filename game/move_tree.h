// The record as a tree of moves. Each node is a move with its comment; the
// first child of a node is the main continuation, the others are its
// variations in order. Nodes live in one vector and point at each other by
// index (first child, next sibling, parent), so that trees of hundreds of
// thousands of moves cost a few bytes a move and every walk is a loop, never
// a recursion.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/types.h"

// What one tree may hold: opening libraries reach 250,000 moves and a few
// hundred plies, so these leave room while a damaged or hostile file cannot
// fill the memory. The depth is what a game file can hold along one line.
constexpr int MOVE_TREE_MAX_MOVES = 4'000'000;
constexpr int MOVE_TREE_MAX_DEPTH = 32767;

class MoveTree {
public:
    static constexpr int ROOT = 0;   // the start position; holds no move
    static constexpr int NONE = -1;

    MoveTree();

    // Moves in the tree (the start position not counted); removed ones are gone.
    int moveCount() const { return liveMoves; }
    bool empty() const { return liveMoves == 0; }
    // Moves that are not their parent's main continuation.
    int variationCount() const;

    PackedMove move(int node) const { return nodes[node].move; }
    int parent(int node) const { return nodes[node].parent; }
    int firstChild(int node) const { return nodes[node].firstChild; }
    int nextSibling(int node) const { return nodes[node].nextSibling; }
    int depth(int node) const { return nodes[node].depth; }  // plies from the start
    int childCount(int node) const;
    int child(int node, int k) const;  // NONE past the last
    int childWithMove(int node, PackedMove m) const;
    int placeAmongSiblings(int node) const;  // 0 for the main continuation
    const std::string& comment(int node) const;
    void setComment(int node, std::string text);

    // Appends move as the last child of node; NONE when the tree is full or
    // the line would be deeper than the limit.
    int appendChild(int node, PackedMove m);
    // The child of node that plays m, added as the last child when there is none.
    int addMove(int node, PackedMove m);
    // Moves the node one place towards the main continuation; false when
    // it is the main continuation already.
    bool promote(int node);
    // Makes the node, and every node above it, the main continuation of its
    // parent, so that the line to it becomes the main line.
    void makeMainLine(int node);
    // Removes the node with everything under it. The start position stays.
    void remove(int node);
    // Removes every move.
    void clear();

    // The nodes from the start to node (node last; the start not included).
    std::vector<int> pathTo(int node) const;
    // node's line carried on along main continuations to its end.
    std::vector<int> lineThrough(int node) const;
    std::vector<int> mainLine() const { return lineThrough(ROOT); }

    // Visits every node below the start in file order (a node, its subtree,
    // then its next sibling). enter(n) returns whether to go into n's
    // subtree; leave(n) follows once n's subtree is done (or skipped).
    template <class Enter, class Leave>
    void walk(Enter enter, Leave leave) const {
        int n = nodes[ROOT].firstChild;
        while (n != NONE) {
            if (enter(n) && nodes[n].firstChild != NONE) {
                n = nodes[n].firstChild;
                continue;
            }
            for (;;) {
                leave(n);
                if (nodes[n].nextSibling != NONE) {
                    n = nodes[n].nextSibling;
                    break;
                }
                n = nodes[n].parent;
                if (n == ROOT) return;
            }
        }
    }

    // Same moves, comments and order.
    friend bool operator==(const MoveTree& a, const MoveTree& b);

private:
    struct Node {
        PackedMove move = 0;
        std::int32_t parent = NONE, firstChild = NONE, lastChild = NONE, nextSibling = NONE;
        std::int32_t comment = 0;  // index into comments; 0: none
        std::int32_t depth = 0;
    };
    std::vector<Node> nodes;
    std::vector<std::string> comments;  // comments[0] is the empty text
    int liveMoves = 0;

    int previousSibling(int node) const;
    void unlink(int node);
    void linkFirst(int node);
};
