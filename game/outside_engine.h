// An engine outside the program (another process) that plays or analyses
// for the game. The engine sessions implement it with the engine client;
// the game hands it the position and the level's limits, and the engine's
// answer comes back through Game::onOutsideMoveFound to wait for the idle
// pass, where it is judged by the rule book like every other move before
// it reaches the board.
#pragma once

#include <vector>

#include "engine/think.h"
#include "engine/types.h"
#include "game/engine_clock.h"

// The position to search, as the record has it: the start position and
// the moves played from it (the last of them leads to the game's board).
struct OutsideSearch {
    Board90 startBoard{};
    Side startSide = SIDE_RED;
    std::vector<PackedMove> moves;
    SearchRequest limits{};  // the level's; an analysis runs without end
    EngineClock clock;       // timed: the game's clocks replace the level
    bool analysis = false;
};

class OutsideEngine {
public:
    virtual ~OutsideEngine() = default;
    // Starts the search; false when the engine cannot take it (the game
    // then asks the built-in engine).
    virtual bool startSearch(const OutsideSearch& search) = 0;
    // Ends a move search at once; its best move so far still comes back.
    virtual void moveNow() = 0;
    // Ends the search; whatever it still answers is dropped.
    virtual void abandon() = 0;
    // The move the game took from this engine has been shown on the board.
    virtual void moveShown() = 0;
};
