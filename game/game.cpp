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
    if (engineJobOut) thinkingEngine().abandonAndWait();
}

void Game::attachShell(ShellPort* port) { shellPort = port; }

void Game::newGame() {
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
    shell().refreshCommands();
    shell().syncView();
    shell().clockResetAndStart();
    resetGameInfo();
    shell().situationReset();
    resumePlay();
}

void Game::enterSetup() {
    finishAnimation();
    demoContinuationDue = false;
    shell().restoreView();
    stopThinking();
    setTitle(GBK_UNTITLED);
    clearRecord();
    shell().clockReset();
    resetGameInfo();
    shell().situationReset();
    shell().openSetupWindow();
    shell().refreshCommands();
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
    startBoard_ = board_;
    result_ = RESULT_IN_PLAY;
    startSide_ = sideToMove_;
    lastKey = 0;
}

GameResult Game::checkResult() const {
    if (moveCount_ - lastCaptureCount_ >= 100) return RESULT_DRAW;
    Engine& rules = plainEngine();
    rules.setPosition(board_, sideToMove_);
    return rules.gameStatus();
}

void Game::updateResult() {
    const GameResult r = checkResult();
    if (r != RESULT_IN_PLAY) {
        shell().clockGameOver();
    } else if (result_ != RESULT_IN_PLAY) {
        shell().clockGameResumed();
    }
    result_ = r;
    shell().setGameInfoResult(r == RESULT_IN_PLAY && !statedResult_.empty() ? statedResult_ : resultName(r));
    if (r != RESULT_IN_PLAY) {
        shell().showMessage(resultName(r), GBK_CAPTION_NOTICE, MessageIcon::Information);
    }
    shell().refreshCommands();
}

void Game::idle() {
    Engine& rules = plainEngine();
    rules.setPosition(board_, sideToMove_);
    const std::uint64_t key = rules.getHashKey();
    const bool settled = !isSetupOpen() && !shell().isAnimating();
    if (key != lastKey && settled) {
        lastKey = key;
        updateResult();
    }
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
    // The title is GBK; a path is the platform's.
    std::string title = "Morlan - ";
    title += path == GBK_UNTITLED ? path : utf8ToGbkLossy(baseName(path));
    if (modified_) title += '*';
    shell().setWindowTitle(title);
}

void Game::setTitleFromRecord(const std::string& sourcePath) {
    fileName_ = GBK_UNTITLED;
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
