// The record: playing, judging, taking back and replaying moves.
#include "engine/engine.h"
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

RecordEntry* Game::recordEntry(int i) {
    if (i < 0 || i >= recordSize()) return nullptr;
    return &record[static_cast<std::size_t>(i)];
}

void Game::makeMove(PackedMove move) {
    const int from = fromIndex(move);
    const int to = toIndex(move);
    const BoardPiece captured = board_[to];
    record.resize(static_cast<std::size_t>(moveCount_));
    record.push_back({move, captured, {}});
    ++moveCount_;
    if (captured != NO_PIECE) lastCaptureCount_ = moveCount_;
    board_[to] = board_[from];
    board_[from] = NO_PIECE;
    sideToMove_ = otherSide(sideToMove_);
}

bool Game::tryUserMove(PackedMove move) {
    Engine& rules = plainEngine();
    rules.setPosition(board_, sideToMove_);
    if (!rules.tryMove(move)) return false;
    makeMove(move);
    return true;
}

void Game::undo() {
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

void Game::redo() {
    if (moveCount_ == recordSize()) return;
    const RecordEntry& e = record[static_cast<std::size_t>(moveCount_)];
    ++moveCount_;
    const int from = fromIndex(e.move);
    const int to = toIndex(e.move);
    board_[to] = board_[from];
    board_[from] = NO_PIECE;
    sideToMove_ = otherSide(sideToMove_);
    if (e.captured != NO_PIECE) lastCaptureCount_ = moveCount_;
}

void Game::goToPly(int n) {
    moveCount_ = 0;
    lastCaptureCount_ = 0;
    board_ = startBoard_;
    sideToMove_ = startSide_;
    for (int i = 0; i < n && moveCount_ < recordSize(); ++i) redo();
}

void Game::clearRecord() {
    record.clear();
    moveCount_ = 0;
    lastCaptureCount_ = 0;
}
