// Judging a tree of moves read from a record: every move is judged by the
// rules in the position its line reaches. A refused move off the main line
// cuts its branch there (the move and everything below it); a refused move
// on the main line is reported, for the caller to refuse the record.
#pragma once

#include <functional>

#include "engine/types.h"
#include "game/move_tree.h"

struct JudgedTree {
    MoveTree tree;          // the moves the rules accept, with their comments
    int cutBranches = 0;    // branches cut at a refused move
    int cutMoves = 0;       // moves dropped with them
    int refusedPly = -1;    // the main line's first refused ply (1 for the first move); -1: none
    int refusedNode = MoveTree::NONE;  // that move's node in the tree read
    Board90 refusedBoard{};            // the position it was refused in
    Side refusedSide = SIDE_RED;       // and the side to move there
};

// The legal move node of the tree read stands for, in board with side to
// move; 0 when the rules refuse it.
using NodeJudge = std::function<PackedMove(const Board90& board, Side side, int node)>;

JudgedTree judgeTree(const MoveTree& read, const Board90& start, Side side, const NodeJudge& judge);
