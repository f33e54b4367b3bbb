// Why a game is over: the end-of-game rules in the order the game applies
// them (a hundred plies without a capture, no attacking material, no move
// that keeps the king) and, when the repetition rulings are on, the
// ruling on a position that occurs for the third time.
#pragma once

#include <span>

#include "engine/types.h"
#include "game/repetition_ruling.h"

// Time: a side's flag fell (the clocks decide it, not the position).
enum class EndReason { None, HundredPlies, NoAttackers, Mate, PerpetualCheck, PerpetualChase, Repetition, Time };

struct GameEnd {
    GameResult result = RESULT_IN_PLAY;
    EndReason reason = EndReason::None;
    RepetitionRuling ruling;  // the repetition ruling, when that ended it
};

// The end of the position reached by playing line from lineStart
// (lineSide to move there); pliesBefore plies without a capture came before
// lineStart. The line is best taken from the last capture on.
GameEnd judgeGameEnd(const Board90& lineStart, Side lineSide, std::span<const PackedMove> line, int pliesBefore,
                     bool repetitionRulings);

// "mate", "no-attackers", "100-plies", "perpetual-check",
// "perpetual-chase", "repetition", "time"; empty for None.
const char* endReasonName(EndReason reason);
