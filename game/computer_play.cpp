// Computer play: when the computer moves, handing it the game, playing its
// answer, analyses, stop requests, background thinking, and the play
// settings kept in the menu.
#include "engine/engine.h"
#include "engine/service.h"
#include "engine/think.h"
#include "game/game.h"
#include "game/outside_engine.h"

namespace {

bool engineBusy() {
    const EngineState s = thinkingEngine().state();
    return s != STATE_IDLE && s != STATE_PONDERING;
}

}  // namespace

// ---- menu state ----

GameMode Game::mode() const {
    const int item = shell().selectedItem(RadioGroup::Mode);
    return item >= 0 && item <= 2 ? static_cast<GameMode>(item + 1) : MODE_HUMAN_COMPUTER;
}

void Game::setMode(int m) {
    shell().selectItem(RadioGroup::Mode, m - 1);
    if (m != MODE_DEMO) demoContinuationDue = false;
}

bool Game::computerPlaysRed() const { return shell().selectedItem(RadioGroup::ComputerSide) == 0; }

void Game::setComputerSide(Side side) {
    shell().selectItem(RadioGroup::ComputerSide, side == SIDE_RED ? 0 : 1);
}

Level Game::level() const {
    const int item = shell().selectedItem(RadioGroup::Level);
    return item >= 0 && item <= 3 ? static_cast<Level>(item + 1) : LEVEL_BEGINNER;
}

void Game::setLevel(int l) {
    shell().selectItem(RadioGroup::Level, l - 1);
    if (l < LEVEL_BEGINNER || l > LEVEL_ADVANCED) return;
    SearchRequest limits{};
    limits.flags = LIMIT_TIME;
    limits.seconds = LEVEL_SECONDS[l];
    thinkingEngine().setLimits(limits);
}

void Game::setUseBook(bool use) {
    shell().setChecked(CheckMark::Book, use);
    thinkingEngine().setUseBook(use);
}

void Game::setPonderEnabled(bool enabled) {
    shell().setChecked(CheckMark::Ponder, enabled);
    Engine& engine = thinkingEngine();
    engine.setPonderEnabled(enabled);
    if (engine.state() == STATE_PONDERING) engine.stopAndWait();
}

ThinkingStatus Game::thinkingStatus() const {
    if (outsideBusy) return analysing ? THINKING_ANALYSIS : THINKING_MOVE;
    switch (thinkingEngine().state()) {
    case STATE_IDLE: return THINKING_IDLE;
    case STATE_PONDERING: return THINKING_PONDER;
    default: return analysing ? THINKING_ANALYSIS : THINKING_MOVE;
    }
}

// ---- starting and stopping the computer ----

void Game::resumePlay() {
    shell().markViewSynced();
    thinkingEngine().clearTable();
    if (moveCount_ - lastCaptureCount_ >= 100) return;
    Engine& rules = plainEngine();
    rules.setPosition(board_, sideToMove_);
    if (rules.gameStatus() != RESULT_IN_PLAY) return;
    // A record whose game has ended is not played on by itself; the player
    // may still ask the computer to move.
    if (!statedResult_.empty()) return;
    // The side group says who moves first: with the computer on Red it
    // starts whichever side is to move.
    if ((mode() == MODE_HUMAN_COMPUTER && computerPlaysRed()) || mode() == MODE_DEMO) computerMove();
}

// The feed takes the analysis's iterations only: whatever starts next on
// the engine (a move, background thinking) reports to nobody.
void Game::unhookIterations() {
    if (!iterationsHooked) return;
    Engine& engine = thinkingEngine();
    if (engine.state() != STATE_IDLE) return;
    iterationsHooked = false;
    if (engine.iterationContext != &iterations) return;
    engine.iterationReport = nullptr;
    engine.iterationContext = nullptr;
}

void Game::settleBoard() {
    finishAnimation();
    shell().restoreView();
    abandonOutsideSearch();
    thinkingEngine().stopAndWait();
    unhookIterations();
    // The search just stopped may have played its move and started a
    // slide; it is shown now, while the engine is idle and its result
    // still the one that goes with the move.
    finishAnimation();
}

void Game::loadThinkingPosition() {
    Engine& engine = thinkingEngine();
    std::vector<PackedMove> moves;
    moves.reserve(static_cast<std::size_t>(moveCount_));
    for (int i = 0; i < moveCount_; ++i) moves.push_back(record[static_cast<std::size_t>(i)].move);
    engine.loadHistory(startBoard_, startSide_, moves.data(), moveCount_);
    engine.setPosition(board_, sideToMove_);
}

void Game::computerMove() {
    if (refuseRecordChange()) return;
    // Set-up edits a position of its own; the game board under it is not
    // the one to play on.
    if (result_ != RESULT_IN_PLAY || isSetupOpen()) return;
    demoContinuationDue = false;
    analysing = false;
    settleBoard();
    shell().showSearchResult(nullptr, 0);
    if (startOutsideSearch(outsidePlayer_, false)) return;
    loadThinkingPosition();
    startThinking(false);
}

void Game::startThinking(bool analysis) {
    Engine& engine = thinkingEngine();
    const std::int32_t clockLimit = analysis ? -1 : clockLimitMs();
    if (analysis) {
        engineJobOut = engine.startThink([this] { onAnalysisDone(); });
    } else if (clockLimit >= 0) {
        engineJobOut = engine.startThinkWithin([this] { onComputerMoveFound(); }, clockLimit);
    } else {
        engineJobOut = engine.startThink([this] { onComputerMoveFound(); });
    }
    if (engineJobOut) {
        shell().showBusyCursor();
    } else {
        shell().updateCursor();
    }
    shell().refreshCommands();
}

void Game::onComputerMoveFound() {
    engineJobOut = false;
    movedBy = nullptr;
    playComputerMove(thinkingEngine().bestMove());
}

void Game::playComputerMove(PackedMove m) {
    if (m != 0) {
        Engine& rules = plainEngine();
        rules.setPosition(board_, sideToMove_);
        // A move that arrives while a job holds the record is dropped.
        if (rules.tryMove(m) && !recordLocked()) {
            const Side mover = sideToMove_;
            addMove(m);
            clockMove(mover);
        } else {
            m = 0;
        }
    }
    shell().updateCursor();
    shell().refreshCommands();
    if (m != 0) shell().animateComputerMove(m);
}

void Game::onComputerMoveShown() {
    if (movedBy) {
        movedBy->moveShown();
    } else {
        SearchResult shown{};
        thinkingEngine().exportResult(shown);
        shell().showSearchResult(&shown, 1);
    }
    setModified(true);
    shell().syncView();
    const RecordEntry* last = recordEntry(moveCount_ - 1);
    shell().playMoveSound(last && last->captured != NO_PIECE);
    // Demo play goes on from the next idle pass, once that pass has judged
    // the new position; a slide cut short by another command ends here.
    if (!forcingAnimationEnd) demoContinuationDue = true;
}

void Game::finishAnimation() {
    forcingAnimationEnd = true;
    shell().finishAnimation();
    forcingAnimationEnd = false;
}

bool Game::continueDemoIfDue() {
    if (!demoContinuationDue || isSetupOpen() || shell().isAnimating()) return false;
    demoContinuationDue = false;
    if (mode() != MODE_DEMO || result_ != RESULT_IN_PLAY || recordLocked()) return false;
    if (thinkingEngine().state() != STATE_IDLE || outsideBusy) return false;
    computerMove();
    return true;
}

void Game::analyse() {
    if (engineBusy() || outsideBusy || isSetupOpen()) return;
    demoContinuationDue = false;
    analysing = true;
    settleBoard();
    shell().showSearchResult(nullptr, 0);
    if (startOutsideSearch(outsideAnalyst_, true)) return;
    Engine& engine = thinkingEngine();
    loadThinkingPosition();
    engine.clearTable();
    // The engine is idle here: its hook and the feed can change hands.
    engine.iterationReport = IterationFeed::record;
    engine.iterationContext = &iterations;
    iterationsHooked = true;
    iterations.skipWritten();
    if (!shell().isChecked(CheckMark::NonstopAnalysis)) {
        startThinking(true);
        return;
    }
    // Until 停止思考: as deep as the engine goes, no time limit and no
    // book answer; the level and the book stay for the next move.
    const SearchRequest level = engine.configuredLimits;
    const bool book = engine.getUseBook();
    engine.setLimits({LIMIT_DEPTH, MAX_SEARCH_DEPTH, 0});
    engine.setUseBook(false);
    startThinking(true);
    engine.setLimits(level);
    engine.setUseBook(book);
}

void Game::forwardIteration() {
    IterationReport report;
    if (iterations.take(report)) shell().showIteration(report);
}

void Game::onAnalysisDone() {
    engineJobOut = false;
    shell().updateCursor();
    shell().refreshCommands();
    SearchResult shown{};
    thinkingEngine().exportResult(shown);
    shell().showSearchResult(&shown, 0);
    forwardIteration();
    unhookIterations();
}

void Game::moveNow() {
    // An outside engine answers in its own time; the move comes through
    // onOutsideMoveFound.
    if (outsideBusy && !analysing) {
        outsideBusy->moveNow();
        return;
    }
    thinkingEngine().stopAndWait();
}

void Game::stopThinking() {
    abandonOutsideSearch();
    thinkingEngine().abandonAndWait();
    unhookIterations();
    engineJobOut = false;
    shell().updateCursor();
    shell().refreshCommands();
}

// ---- background thinking ----

void Game::startPondering() {
    if (engineBusy()) return;
    thinkingEngine().stopAndWait();
    unhookIterations();
    loadThinkingPosition();
    shell().showPonderRecord(nullptr);
    engineJobOut = thinkingEngine().startPonder([this] { onPonderDone(); });
}

void Game::onPonderDone() {
    engineJobOut = false;
    PonderExport record{};
    thinkingEngine().exportPonder(record);
    shell().showPonderRecord(&record);
}

void Game::ponderIfDue(std::uint64_t key) {
    Engine& engine = thinkingEngine();
    // Background thinking never takes the processor from an outside engine.
    if (engine.state() != STATE_IDLE || outsideBusy) return;
    if (!engine.getPonderEnabled() || shell().isAnimating() || result_ != RESULT_IN_PLAY || isSetupOpen()) return;
    PonderExport done{};
    engine.exportPonder(done);
    const SearchRequest& limits = engine.configuredLimits;
    const std::uint64_t before = static_cast<std::uint64_t>(done.keyBefore[1]) << 32 | done.keyBefore[0];
    const bool sameLimits = done.limits.flags == limits.flags &&
                            (!limits.limitsTime() || done.limits.seconds >= limits.seconds) &&
                            (!limits.limitsDepth() || done.limits.depth >= limits.depth);
    if (before == key && sameLimits) return;
    startPondering();
}

// ---- engines outside the program ----

void Game::setOutsideEngines(OutsideEngine* player, OutsideEngine* analyst) {
    if (outsideBusy && outsideBusy != (analysing ? analyst : player)) {
        abandonOutsideSearch();
        shell().updateCursor();
        shell().refreshCommands();
    }
    if (movedBy != player) movedBy = nullptr;
    outsidePlayer_ = player;
    outsideAnalyst_ = analyst;
}

bool Game::startOutsideSearch(OutsideEngine* engine, bool analysis) {
    if (!engine) return false;
    OutsideSearch search;
    search.startBoard = startBoard_;
    search.startSide = startSide_;
    for (int i = 0; i < moveCount_; ++i) search.moves.push_back(record[static_cast<std::size_t>(i)].move);
    search.limits = thinkingEngine().configuredLimits;
    search.analysis = analysis;
    if (!analysis) search.clock = engineClock(clocks_, sideToMove_, clockNow());
    if (!engine->startSearch(search)) return false;
    outsideBusy = engine;
    shell().showBusyCursor();
    shell().refreshCommands();
    return true;
}

void Game::abandonOutsideSearch() {
    answerFrom = nullptr;
    if (!outsideBusy) return;
    OutsideEngine* engine = outsideBusy;
    outsideBusy = nullptr;
    engine->abandon();
}

void Game::onOutsideMoveFound(OutsideEngine* from, PackedMove move) {
    if (!from || from != outsideBusy || analysing) return;
    answerFrom = from;
    answer = move;
}

void Game::playOutsideAnswer() {
    OutsideEngine* from = answerFrom;
    answerFrom = nullptr;
    if (!from || from != outsideBusy || analysing) return;
    outsideBusy = nullptr;
    movedBy = from;
    playComputerMove(answer);
}

void Game::onOutsideEngineFailed(OutsideEngine* engine) {
    if (!engine) return;
    const bool wasSearching = engine == outsideBusy;
    if (wasSearching) abandonOutsideSearch();
    if (movedBy == engine) movedBy = nullptr;
    if (outsidePlayer_ == engine) outsidePlayer_ = nullptr;
    if (outsideAnalyst_ == engine) outsideAnalyst_ = nullptr;
    shell().updateCursor();
    shell().refreshCommands();
    if (!wasSearching) return;
    // The built-in engine takes over the search the failing one had.
    if (analysing) {
        analyse();
    } else {
        computerMove();
    }
}
