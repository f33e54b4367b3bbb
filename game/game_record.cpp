// The record: playing, judging, taking back and replaying moves.
#include "engine/engine.h"
#include "engine/board_move.h"
#include "game/game.h"

namespace {

int fromIndex(PackedMove m) {
    const GridPoint p = moveFrom(m);
    return boardIndex(p.file, p.rank);
}

int toIndex(PackedMove m) {
    const GridPoint p = moveTo(m);
    return boardIndex(p.file, p.rank);
}

Side otherSide(Side s) { return s == SIDE_RED ? SIDE_BLACK : SIDE_RED; }

}  // namespace

const RecordEntry* Game::recordEntry(int i) const {
    if (i < 0 || i >= recordSize()) return nullptr;
    return &record[static_cast<std::size_t>(i)];
}

void Game::setComment(int ply, const std::string& text) {
    if (ply < 0 || ply >= recordSize()) return;
    record[static_cast<std::size_t>(ply)].comment = text;
    if (const int node = lineNode(ply); node != MoveTree::NONE) tree_.setComment(node, text);
}

bool Game::makeMove(PackedMove move) {
    if (refuseRecordChange()) return false;
    const Side mover = sideToMove_;
    addMove(move);
    clockMove(mover);
    return true;
}

// Plays move at the position shown. The move enters the tree at the current
// node: a child that plays it already is entered with its continuation; a
// new one is added after the others. Without 保留变着 the old continuation
// is dropped first, as a game without variations always did.
void Game::addMove(PackedMove move) {
    const int parent = currentNode();
    const bool keep = keepVariations_ || keepOnce;
    keepOnce = false;
    if (!keep && moveCount_ < recordSize()) {
        if (const int tail = lineNode(moveCount_); tail != MoveTree::NONE) tree_.remove(tail);
        lineNodes.resize(std::min(lineNodes.size(), static_cast<std::size_t>(moveCount_)));
        record.resize(static_cast<std::size_t>(moveCount_));
    }
    const int node = parent == MoveTree::NONE ? MoveTree::NONE : tree_.addMove(parent, move);
    if (node != MoveTree::NONE && node == lineNode(moveCount_)) {
        stepForward();  // the line's own next move: its continuation stays
        return;
    }
    if (node != MoveTree::NONE && tree_.firstChild(node) != MoveTree::NONE) {
        // An existing variation: show it with its continuation.
        std::vector<int> nodes(lineNodes.begin(), lineNodes.begin() + moveCount_);
        for (int n = node; n != MoveTree::NONE; n = tree_.firstChild(n)) nodes.push_back(n);
        showLine(nodes, moveCount_);
        stepForward();
        return;
    }
    // A move the record does not hold: from here the rules decide the result.
    statedResult_.clear();
    syncLineComments();
    const BoardPiece captured = board_[toIndex(move)];
    record.resize(static_cast<std::size_t>(moveCount_));
    lineNodes.resize(std::min(lineNodes.size(), static_cast<std::size_t>(moveCount_)));
    record.push_back({move, captured, node == MoveTree::NONE ? std::string() : tree_.comment(node)});
    lineNodes.push_back(node);
    ++moveCount_;
    if (captured != NO_PIECE) lastCaptureCount_ = moveCount_;
    playOnBoard(board_, move);
    sideToMove_ = otherSide(sideToMove_);
}

bool Game::tryUserMove(PackedMove move) {
    if (refuseRecordChange()) return false;
    Engine& rules = plainEngine();
    rules.setPosition(board_, sideToMove_);
    if (!rules.tryMove(move)) return false;
    // A continuation that came from a record or carries comments is not
    // dropped without asking; the line's own next move drops nothing.
    const int next = lineNode(moveCount_);
    const bool sameAsNext = next != MoveTree::NONE && tree_.move(next) == move;
    if (!keepVariations_ && moveCount_ < recordSize() && !sameAsNext && tailWorthAsking()) {
        // "放弃后面的 N 步？"
        switch (shell().askDropTail(recordSize() - moveCount_)) {
        case TailAnswer::KeepAsVariation: keepOnce = true; break;
        case TailAnswer::Drop: break;
        case TailAnswer::Cancel: return false;
        }
    }
    if (sameAsNext && tailWorthAsking()) keepOnce = true;
    const Side mover = sideToMove_;
    addMove(move);
    clockMove(mover);
    return true;
}

bool Game::undo() {
    if (refuseRecordChange()) return false;
    stepBack();
    return true;
}

bool Game::redo() {
    if (refuseRecordChange()) return false;
    stepForward();
    return true;
}

bool Game::goToPly(int n) {
    if (refuseRecordChange()) return false;
    showPly(n);
    return true;
}

void Game::stepBack() {
    if (moveCount_ == 0) return;
    --moveCount_;
    const RecordEntry& e = record[static_cast<std::size_t>(moveCount_)];
    const int from = fromIndex(e.move);
    const int to = toIndex(e.move);
    board_[from] = board_[to];
    board_[to] = e.captured;
    sideToMove_ = otherSide(sideToMove_);
    if (e.captured == NO_PIECE) return;
    lastCaptureCount_ = 0;
    for (int i = moveCount_ - 1; i >= 0; --i) {
        if (record[static_cast<std::size_t>(i)].captured != NO_PIECE) {
            lastCaptureCount_ = i + 1;
            break;
        }
    }
}

void Game::stepForward() {
    if (moveCount_ == recordSize()) return;
    const RecordEntry& e = record[static_cast<std::size_t>(moveCount_)];
    ++moveCount_;
    playOnBoard(board_, e.move);
    sideToMove_ = otherSide(sideToMove_);
    if (e.captured != NO_PIECE) lastCaptureCount_ = moveCount_;
}

void Game::showPly(int n) {
    moveCount_ = 0;
    lastCaptureCount_ = 0;
    board_ = startBoard_;
    sideToMove_ = startSide_;
    for (int i = 0; i < n && moveCount_ < recordSize(); ++i) stepForward();
}

void Game::clearRecord() {
    record.clear();
    tree_.clear();
    lineNodes.clear();
    keepVariations_ = keepVariationsDefault;
    keepOnce = false;
    tailFromRecord = false;
    statedResult_.clear();
    moveCount_ = 0;
    lastCaptureCount_ = 0;
}
