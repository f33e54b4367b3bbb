// The game's life: new game, set-up, result, the idle pass, title and the
// unsaved-changes mark.
#include "game/game.h"

#include <cstdio>
#include <ctime>

#include "engine/engine.h"
#include "engine/service.h"
#include "game/game_info.h"
#include "game/gbk.h"
#include "game/rules.h"

namespace {

// The last path component; paths are the platform's.
std::string baseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Today's date as the game-information window shows it.
std::string todayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::snprintf(text, sizeof text, GBK_DATE_FORMAT, local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return text;
}

}  // namespace

Game& Game::instance() {
    static Game game;
    return game;
}

Game::Game() = default;

Game::~Game() {
    // The engine outlives a game only in tests; never leave it a callback
    // into a game that is gone.
    if (!engineJobOut && !iterationsHooked) return;
    thinkingEngine().abandonAndWait();
    unhookIterations();
}

void Game::attachShell(ShellPort* port) { shellPort = port; }

void Game::newGame() {
    if (refuseRecordChange()) return;
    finishAnimation();
    demoContinuationDue = false;
    stopThinking();
    setTitle(GBK_UNTITLED);
    setModified(false);
    board_ = INITIAL_BOARD;
    sideToMove_ = SIDE_RED;
    clearRecord();
    result_ = RESULT_IN_PLAY;
    startBoard_ = board_;
    startSide_ = SIDE_RED;
    lastKey = 0;
    restartClocks();
    shell().refreshCommands();
    shell().syncView();
    shell().clockResetAndStart();
    resetGameInfo();
    shell().situationReset();
    resumePlay();
}

void Game::enterSetup() {
    if (refuseRecordChange()) return;
    finishAnimation();
    demoContinuationDue = false;
    shell().restoreView();
    stopThinking();
    beforeSetup = BeforeSetup{fileName_, recordSource_, shell().windowTitle(), modified_, result_, startBoard_, startSide_,
                              board_, sideToMove_, record, tree_, lineNodes, keepVariations_, keepOnce,
                              tailFromRecord, moveCount_, lastCaptureCount_, shell().gameInfo(),
                              shell().boardReversed()};
    setTitle(GBK_UNTITLED);
    clearRecord();
    shell().clockReset();
    resetGameInfo();
    shell().situationReset();
    shell().openSetupWindow();
    shell().refreshCommands();
}

bool Game::cancelSetup() {
    if (!beforeSetup) return false;
    BeforeSetup kept = std::move(*beforeSetup);
    beforeSetup.reset();
    fileName_ = std::move(kept.fileName);
    recordSource_ = std::move(kept.recordSource);
    modified_ = kept.modified;
    result_ = kept.result;
    startBoard_ = kept.startBoard;
    startSide_ = kept.startSide;
    board_ = kept.board;
    sideToMove_ = kept.side;
    record = std::move(kept.record);
    tree_ = std::move(kept.tree);
    lineNodes = std::move(kept.lineNodes);
    keepVariations_ = kept.keepVariations;
    keepOnce = kept.keepOnce;
    tailFromRecord = kept.tailFromRecord;
    moveCount_ = kept.moveCount;
    lastCaptureCount_ = kept.lastCaptureCount;
    // The result stands as it was: no new announcement for the old position.
    lastKey = positionKey();
    shell().setWindowTitle(kept.title);
    shell().setGameInfo(kept.info);
    shell().setBoardReversed(kept.reversed);
    shell().restoreView();
    shell().refreshCommands();
    return true;
}

void Game::resetGameInfo() {
    GameInfo info;
    info.date = todayText();
    info.result = resultName(RESULT_IN_PLAY);
    shell().setGameInfo(info);
}

void Game::setBoard(const Board90& board, Side side) {
    board_ = board;
    sideToMove_ = side;
}

void Game::commitStartPosition() {
    beforeSetup.reset();
    startBoard_ = board_;
    result_ = RESULT_IN_PLAY;
    startSide_ = sideToMove_;
    lastKey = 0;
    restartClocks();
}

GameResult Game::checkResult() const { return judgeEnd().result; }

GameEnd Game::judgeEnd() const {
    // Only the moves since the last capture can repeat a position: the line
    // from there, its first position found by taking those moves back.
    Board90 lineStart = board_;
    std::vector<PackedMove> line(static_cast<std::size_t>(moveCount_ - lastCaptureCount_));
    for (int i = moveCount_ - 1; i >= lastCaptureCount_; --i) {
        const RecordEntry& e = record[static_cast<std::size_t>(i)];
        const int from = boardIndex(moveFrom(e.move).file, moveFrom(e.move).rank);
        const int to = boardIndex(moveTo(e.move).file, moveTo(e.move).rank);
        lineStart[from] = lineStart[to];
        lineStart[to] = e.captured;
        line[static_cast<std::size_t>(i - lastCaptureCount_)] = e.move;
    }
    const Side lineSide = static_cast<Side>(sideToMove_ ^ (line.size() & 1));
    return judgeGameEnd(lineStart, lineSide, line, 0, repetitionRulings_);
}

void Game::setRepetitionRulings(bool on) {
    repetitionRulings_ = on;
}

void Game::updateResult() {
    if (endedOnTime_) return;  // the clocks decided it; the position does not reopen it
    lastEnd_ = judgeEnd();
    const GameResult r = lastEnd_.result;
    if (r != RESULT_IN_PLAY) {
        shell().clockGameOver();
    } else if (result_ != RESULT_IN_PLAY) {
        shell().clockGameResumed();
    }
    result_ = r;
    shell().setGameInfoResult(r == RESULT_IN_PLAY && !statedResult_.empty() ? statedResult_ : resultName(r));
    if (r != RESULT_IN_PLAY) {
        const std::string ruling = rulingText(lastEnd_.ruling);
        shell().showMessage(ruling.empty() ? resultName(r) : ruling, GBK_CAPTION_NOTICE, MessageIcon::Information);
    }
    shell().refreshCommands();
}

void Game::idle() {
    updateClocks();
    playOutsideAnswer();
    Engine& rules = plainEngine();
    rules.setPosition(board_, sideToMove_);
    const std::uint64_t key = rules.getHashKey();
    const bool settled = !isSetupOpen() && !shell().isAnimating();
    if (key != lastKey && settled) {
        lastKey = key;
        updateResult();
    }
    if (!outsideBusy && thinkingStatus() == THINKING_ANALYSIS) forwardIteration();
    if (continueDemoIfDue()) return;
    ponderIfDue(key);
}

std::uint64_t Game::positionKey() const {
    if (isSetupOpen()) return 0;
    Engine& rules = plainEngine();
    rules.setPosition(board_, sideToMove_);
    return rules.getHashKey();
}

void Game::setTitle(const std::string& path) {
    fileName_ = path;
    recordSource_.clear();
    // The title is GBK; a path is the platform's.
    std::string title = "Morlan - ";
    title += path == GBK_UNTITLED ? path : utf8ToGbkLossy(baseName(path));
    if (modified_) title += '*';
    shell().setWindowTitle(title);
}

void Game::setTitleFromRecord(const std::string& sourcePath) {
    fileName_ = GBK_UNTITLED;
    recordSource_ = sourcePath;
    std::string title = std::string("Morlan - ") + GBK_UNTITLED + " (" + utf8ToGbkLossy(baseName(sourcePath)) + ")";
    if (modified_) title += '*';
    shell().setWindowTitle(title);
}

void Game::setModified(bool flag) {
    std::string title = shell().windowTitle();
    const bool marked = !title.empty() && title.back() == '*';
    if (flag && !marked) {
        title += '*';
        shell().setWindowTitle(title);
    } else if (!flag && marked) {
        title.pop_back();
        shell().setWindowTitle(title);
    }
    modified_ = flag;
    shell().refreshCommands();
}
