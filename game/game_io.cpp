// Opening and saving the game through GameFile.
#include "game/game_document.h"
#include "game/game_file.h"
#include "game/game.h"
#include "game/gbk.h"

namespace {

// A message format with one "%s" filled with a path. Paths are the
// platform's (UTF-8); messages are GBK.
std::string withPath(const char* format, const std::string& path) {
    std::string text = format;
    const auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, utf8ToGbkLossy(path));
    return text;
}

}  // namespace

void Game::openFile(const std::string& path) {
    GameFile& files = GameFile::instance();
    const int loaded = files.load(path);
    if (loaded != 0) {
        const char* format = loaded == 1 ? GBK_FILE_NOT_FOUND : GBK_BAD_FILE_FORMAT;
        shell().showMessage(withPath(format, path), GBK_CAPTION_ERROR, MessageIcon::Error);
        return;
    }
    finishAnimation();
    demoContinuationDue = false;
    stopThinking();
    const GameDocument& doc = files.document();
    board_ = doc.startBoard;
    sideToMove_ = doc.startSide != 0 ? SIDE_RED : SIDE_BLACK;
    shell().setGameInfo(doc.info);
    clearRecord();
    result_ = RESULT_IN_PLAY;
    startBoard_ = board_;
    startSide_ = sideToMove_;
    lastKey = 0;
    for (const DocumentMove& m : doc.moves) {
        makeMove(m.move);
        record.back().comment = m.comment;
    }
    goToPly(doc.currentPly);
    setTitle(path);
    setModified(false);
    shell().clockResetAndStart();
    shell().situationReset();
    resumePlay();
}

bool Game::saveFile(const std::string& path) {
    GameDocument doc;
    doc.startBoard = startBoard_;
    doc.startSide = startSide_;
    doc.currentPly = static_cast<std::int16_t>(moveCount_ & 0xFFFF);
    doc.moves.reserve(record.size());
    for (const RecordEntry& e : record) doc.moves.push_back({e.move, e.comment});
    doc.info = shell().gameInfo();
    GameFile& files = GameFile::instance();
    files.setDocument(doc);
    // A save that did not reach the disk must not look like one that did:
    // the title and the unsaved-changes mark stay as they were.
    if (!files.save(path)) {
        shell().showMessage(withPath(GBK_SAVE_FAILED, path), GBK_CAPTION_ERROR, MessageIcon::Error);
        return false;
    }
    setTitle(path);
    setModified(false);
    return true;
}
