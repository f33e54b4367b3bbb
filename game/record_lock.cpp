// The record lock: a long job that reads the record (a review) holds it,
// and the record's changes ask here first.
#include "game/game.h"
#include "game/gbk.h"

void Game::lockRecord(const std::string& reason) {
    recordLocked_ = true;
    lockReason = reason;
}

void Game::unlockRecord() {
    recordLocked_ = false;
    lockReason.clear();
}

bool Game::refuseRecordChange() const {
    if (!recordLocked_) return false;
    shell().showMessage(lockReason, GBK_CAPTION_NOTICE, MessageIcon::Information);
    return true;
}
