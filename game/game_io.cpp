// Opening and saving the game: the program's own files through GameFile,
// records from the world (PGN, XQF) through their importers, and a new
// game from a pasted position.
#include <sys/stat.h>

#include <cerrno>

#include "game/game_document.h"
#include "game/game_file.h"
#include "game/game.h"
#include "game/pgn_clock.h"
#include "game/gbk.h"
#include "game/pasted_position.h"
#include "game/pgn_collection.h"
#include "game/record_format.h"
#include "game/record_import.h"
#include "game/txt_record.h"
#include "game/system_reason.h"
#include "game/xqf_file.h"
#include "game/xqf_writer.h"

namespace {

// A message format with one "%s" filled with a path. Paths are the
// platform's (UTF-8); messages are GBK.
std::string withPath(const char* format, const std::string& path) {
    std::string text = format;
    const auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, utf8ToGbkLossy(path));
    return text;
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// The message for a record that could not be read: the file, then why.
std::string readFailure(int result, const std::string& path, const std::string& detail) {
    std::string text = withPath(result == 1 ? GBK_FILE_NOT_FOUND : GBK_BAD_FILE_FORMAT, path);
    if (result != 1 && !detail.empty()) text += "\n" + detail;
    return text;
}

// The nodes of the line moves follows through tree from the start; empty
// when the tree does not hold it.
std::vector<int> lineIn(const MoveTree& tree, const std::vector<DocumentMove>& moves) {
    std::vector<int> nodes;
    int node = MoveTree::ROOT;
    for (const DocumentMove& m : moves) {
        node = tree.childWithMove(node, m.move);
        if (node == MoveTree::NONE) return {};
        nodes.push_back(node);
    }
    return nodes;
}

// The formats GameFile::save writes as a text record.
bool writesTextRecord(RecordFormat format) { return format == RecordFormat::Txt || format == RecordFormat::Unknown; }

// A game played against the computer names its sides where the player
// left them empty, for the records written for others.
void namePlayers(GameInfo& info, bool computerPlaysRed) {
    if (info.redPlayer.empty()) info.redPlayer = computerPlaysRed ? GBK_COMPUTER_PLAYER : GBK_PLAYER;
    if (info.blackPlayer.empty()) info.blackPlayer = computerPlaysRed ? GBK_PLAYER : GBK_COMPUTER_PLAYER;
}

bool hasComments(const GameDocument& doc) {
    for (const DocumentMove& m : doc.moves)
        if (!m.comment.empty()) return true;
    return false;
}

}  // namespace

bool Game::openFile(const std::string& path) {
    if (refuseRecordChange()) return false;
    const RecordFormat format = recordFormatOf(path);
    if (format == RecordFormat::Pgn) return openRecordGame(path, 1);
    std::string detail;
    GameDocument doc;
    int loaded = 0;
    if (format == RecordFormat::Xqf) {
        loaded = importXqf(path, doc, detail);
    } else {
        GameFile& files = GameFile::instance();
        loaded = files.load(path);
        if (loaded == 0) doc = files.document();
    }
    if (loaded != 0) {
        // A file of no record format (a picture dropped on the window) is named so.
        const bool notRecord = format == RecordFormat::Unknown && exists(path);
        shell().showMessage(notRecord ? withPath(GBK_FILE_NOT_A_RECORD, path) : readFailure(loaded, path, detail),
                            GBK_CAPTION_ERROR, MessageIcon::Error);
        return false;
    }
    replaceGame(doc);
    // A record keeps its variations from the start; so does a game file with comments.
    if (format == RecordFormat::Xqf || hasComments(doc)) keepVariations_ = true;
    tailFromRecord = format == RecordFormat::Xqf;
    if (format == RecordFormat::Xqf) setTitleFromRecord(path);
    else setTitle(path);
    startReplacedGame();
    return true;
}

bool Game::openRecordGame(const std::string& path, int index) {
    if (refuseRecordChange()) return false;
    std::string detail;
    GameDocument doc;
    const int loaded = importPgnGame(path, index, doc, detail);
    return openImportedGame(path, loaded, doc, detail);
}

bool Game::openCollectionGame(const std::string& path, const PgnCollection& collection, int index) {
    if (refuseRecordChange()) return false;
    std::string detail;
    GameDocument doc;
    const int loaded = importCollectionGame(collection, index, doc, detail);
    return openImportedGame(path, loaded, doc, detail);
}

bool Game::openImportedGame(const std::string& path, int loaded, const GameDocument& doc, const std::string& detail) {
    if (loaded != 0) {
        shell().showMessage(readFailure(loaded, path, detail), GBK_CAPTION_ERROR, MessageIcon::Error);
        return false;
    }
    replaceGame(doc);
    keepVariations_ = true;
    tailFromRecord = true;
    setTitleFromRecord(path);
    startReplacedGame();
    return true;
}

bool Game::openDocument(GameDocument doc, const std::string& sourcePath) {
    if (refuseRecordChange()) return false;
    std::string detail;
    if (finishImport(doc, detail) != 0) {
        shell().showMessage(readFailure(2, sourcePath, detail), GBK_CAPTION_ERROR, MessageIcon::Error);
        return false;
    }
    replaceGame(doc);
    setTitleFromRecord(sourcePath);
    startReplacedGame();
    return true;
}

bool Game::newGameFromFen(const std::string& fen) {
    if (refuseRecordChange()) return false;
    Board90 board;
    Side side = SIDE_RED;
    if (const char* refusal = readPastedPosition(fen, board, side)) {
        shell().showMessage(refusal, GBK_CAPTION_ERROR, MessageIcon::Error);
        return false;
    }
    GameDocument doc;
    doc.startBoard = board;
    doc.startSide = side;
    resetGameInfo();
    doc.info = shell().gameInfo();  // a new game's date and result
    replaceGame(doc);
    setTitle(GBK_UNTITLED);
    startReplacedGame();
    return true;
}

// Puts the document's game in place of the one being played; the caller
// sets the title and starts play.
void Game::replaceGame(const GameDocument& doc) {
    finishAnimation();
    demoContinuationDue = false;
    stopThinking();
    board_ = doc.startBoard;
    sideToMove_ = doc.startSide != 0 ? SIDE_RED : SIDE_BLACK;
    shell().setGameInfo(doc.info);
    clearRecord();
    result_ = RESULT_IN_PLAY;
    startBoard_ = board_;
    startSide_ = sideToMove_;
    lastKey = 0;
    std::vector<int> nodes = doc.tree.empty() ? std::vector<int>{} : lineIn(doc.tree, doc.moves);
    if (!doc.moves.empty() && nodes.empty()) {
        for (const DocumentMove& m : doc.moves) {
            addMove(m.move);
            record.back().comment = m.comment;
        }
        syncLineComments();
        showPly(doc.currentPly);
    } else {
        tree_ = doc.tree;
        for (std::size_t i = 0; i < nodes.size(); ++i) tree_.setComment(nodes[i], doc.moves[i].comment);
        showLine(nodes, doc.currentPly);
    }
    if (doc.info.result != GBK_IN_PLAY) statedResult_ = doc.info.result;
    if (!doc.timeControl.empty()) {
        // The record's time control is shown with its notes; the game's own
        // clocks keep the settings' control.
        GameInfo info = doc.info;
        appendLine(info.notes, GBK_TIME_CONTROL_LABEL + doc.timeControl);
        shell().setGameInfo(info);
    }
}

// After replaceGame and the title: the game starts unchanged, clocks anew.
void Game::startReplacedGame() {
    setModified(false);
    restartClocks();
    shell().clockResetAndStart();
    shell().situationReset();
    resumePlay();
}

// A PGN keeps the game's time control and, after each move, the time its
// mover had left (the tree's comments carry them when it is written).
void Game::addClocks(GameDocument& doc) const {
    if (!clocks_.limited()) return;
    const TimeControl& red = clocks_.control(SIDE_RED);
    doc.timeControl = pgnTimeControl(red.unlimited() ? clocks_.control(SIDE_BLACK) : red);
    for (std::size_t i = 0; i < doc.moves.size(); ++i) {
        const std::int64_t left = clocks_.leftAfter(static_cast<int>(i));
        doc.moves[i].clockMs = left;
        const int node = lineNode(static_cast<int>(i));
        if (left < 0 || doc.tree.empty() || node <= MoveTree::ROOT) continue;
        const std::string& comment = doc.tree.comment(node);
        doc.tree.setComment(node, comment.empty() ? clockCommand(left) : clockCommand(left) + ' ' + comment);
    }
}

void Game::addRulingComment(GameDocument& doc) const {
    const std::string ruling = rulingText(lastEnd_.ruling);
    if (ruling.empty() || result_ == RESULT_IN_PLAY || moveCount_ == 0) return;
    // On the move that ended the game, after what the player wrote there.
    const auto withRuling = [&](const std::string& comment) {
        return comment.empty() ? ruling : comment + ' ' + ruling;
    };
    std::string& comment = doc.moves[static_cast<std::size_t>(moveCount_ - 1)].comment;
    comment = withRuling(comment);
    const int node = lineNode(moveCount_ - 1);
    if (!doc.tree.empty() && node > MoveTree::ROOT) doc.tree.setComment(node, withRuling(doc.tree.comment(node)));
}

bool Game::saveFile(const std::string& path) {
    const RecordFormat format = recordFormatOf(path);
    const bool keepsTree = format == RecordFormat::Pgn || format == RecordFormat::Xqf;
    if (!keepsTree && hasVariations()) {
        // "此格式只保存当前变着，其余变着将丢失。继续吗？"
        switch (shell().askSaveLineOnly()) {
        case LineSaveAnswer::Continue: break;
        case LineSaveAnswer::SaveAsPgn: shell().saveAsPgn(); return false;
        case LineSaveAnswer::Cancel: return false;
        }
    }
    syncLineComments();
    GameDocument doc = documentToSave(keepsTree);
    if (writesTextRecord(format) && !textRecordAgreed(doc)) return false;
    if (format == RecordFormat::Pgn && mode() == MODE_HUMAN_COMPUTER && !tailFromRecord)
        namePlayers(doc.info, computerPlaysRed());
    if (format == RecordFormat::Pgn) {
        addRulingComment(doc);
        addClocks(doc);
    }
    GameFile& files = GameFile::instance();
    files.setDocument(doc);
    // A save that did not reach the disk must not look like one that did:
    // the title and the unsaved-changes mark stay as they were.
    errno = 0;
    const bool saved = format == RecordFormat::Xqf ? writeXqf(path, doc) : files.save(path);
    if (!saved) {
        const std::string why = systemReason(errno, FileUse::Writing);
        shell().showMessage(withPath(GBK_SAVE_FAILED, path) + "\n" + why, GBK_CAPTION_ERROR, MessageIcon::Error);
        return false;
    }
    setTitle(path);
    setModified(false);
    return true;
}

GameDocument Game::documentToSave(bool withTree) const {
    GameDocument doc;
    doc.startBoard = startBoard_;
    doc.startSide = startSide_;
    doc.currentPly = static_cast<std::int16_t>(moveCount_ & 0xFFFF);
    doc.moves.reserve(record.size());
    for (const RecordEntry& e : record) doc.moves.push_back({e.move, e.comment});
    doc.info = shell().gameInfo();
    if (withTree) doc.tree = tree_;
    return doc;
}

// A text record holds neither the start position nor a move its notation
// cannot name: such a game is never written as one (it would not open
// again); the player is offered the formats that keep it.
bool Game::textRecordAgreed(const GameDocument& doc) {
    const TxtLoss loss = TxtRecord::loss(doc);
    if (loss == TxtLoss::None) return true;
    switch (shell().askTextRecordRefused(loss == TxtLoss::Start ? GBK_TXT_LOSES_START : GBK_TXT_LOSES_MOVES)) {
    case TextSaveAnswer::SaveAsSav: shell().saveAsSav(); break;
    case TextSaveAnswer::SaveAsPgn: shell().saveAsPgn(); break;
    case TextSaveAnswer::Cancel: break;
    }
    return false;
}
