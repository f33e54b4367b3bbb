// The game under time controls: when the side to move's clock runs, what
// a move costs, the flag falling, and the time the computer may think.
#include <algorithm>

#include "engine/engine.h"
#include "engine/service.h"
#include "game/game.h"
#include "game/gbk.h"
#include "game/move_budget.h"
#include "game/rules.h"

namespace {

Side otherSide(Side s) { return s == SIDE_RED ? SIDE_BLACK : SIDE_RED; }

}  // namespace

void Game::setTimeControls(const TimeControl& red, const TimeControl& black) {
    clocks_.setControl(SIDE_RED, red);
    clocks_.setControl(SIDE_BLACK, black);
    restartClocks();
}

// Fresh clocks; the turn is that of the side to move at the record's end.
void Game::restartClocks() {
    const Side atEnd = static_cast<Side>(startSide_ ^ (record.size() & 1));
    clocks_.restart(atEnd);
    flagOnMove_.reset();
    endedOnTime_ = false;
}

bool Game::clockRuns() const {
    if (!shellPort) return false;
    return result_ == RESULT_IN_PLAY && moveCount_ == recordSize() && !recordLocked_ && !clocksHeld_ &&
           !isSetupOpen() && !shell().isAnimating();
}

void Game::holdClocks() {
    clocksHeld_ = true;
    clocks_.setRunning(false, clockNow());
}

// A move was played in the game (by a player or an engine, not read from
// a record): it is charged to the mover's clock.
void Game::clockMove(Side mover) {
    if (!clocks_.moveMade(mover, moveCount_ - 1, clockNow())) flagOnMove_ = mover;
}

// The idle pass: the side to move's clock runs or stops, and a fallen
// flag ends the game.
void Game::updateClocks() {
    clocksHeld_ = false;
    const std::int64_t now = clockNow();
    if (flagOnMove_) {
        const Side loser = *flagOnMove_;
        flagOnMove_.reset();
        if (result_ == RESULT_IN_PLAY) endOnTime(loser);
        return;
    }
    clocks_.setRunning(clockRuns(), now);
    if (clocks_.running() && clocks_.flagFell(now)) endOnTime(clocks_.turn());
}

void Game::endOnTime(Side loser) {
    clocks_.setRunning(false, clockNow());
    finishAnimation();
    abandonOutsideSearch();
    thinkingEngine().abandonAndWait();
    unhookIterations();
    engineJobOut = false;
    const Side winner = otherSide(loser);
    const bool drawn = !hasAttackingMaterial(board_, winner);
    result_ = drawn ? RESULT_DRAW : winner == SIDE_RED ? RESULT_RED_WINS : RESULT_BLACK_WINS;
    lastEnd_ = {result_, EndReason::Time, {}};
    endedOnTime_ = true;
    shell().clockGameOver();
    shell().setGameInfoResult(resultName(result_));
    shell().updateCursor();
    shell().refreshCommands();
    shell().showMessage(timeEndText(loser, drawn), GBK_CAPTION_NOTICE, MessageIcon::Information);
}

// The limit of the computer's think on the side to move's clock, -1 when
// that side has no time control.
std::int32_t Game::clockLimitMs() const {
    const TimeControl& control = clocks_.control(sideToMove_);
    if (control.unlimited() || clocks_.turn() != sideToMove_) return -1;
    const SideClock& clock = clocks_.clock(sideToMove_);
    const MoveBudget budget = moveBudget(control, clock);
    // Time already gone on this move (the clock ran before the think began)
    // is off the limit, and so is what the game keeps back for the poll
    // that stops the think and the answer reaching the board.
    const std::int64_t untilFlag = clocks_.untilFlag(clockNow());
    const std::int64_t limit = std::min(budget.maxMs, untilFlag - flagReserve(untilFlag));
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(limit, 1, 1 << 30));
}

std::string timeEndText(Side loser, bool drawn) {
    return std::string(loser == SIDE_RED ? GBK_RED_SIDE : GBK_BLACK_SIDE) + (drawn ? GBK_TIME_DRAWN : GBK_TIME_LOSES);
}
