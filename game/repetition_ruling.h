// The ruling when a position occurs for the third time with the same side
// to move, under the Asian rules: perpetual check loses (长将判负), a
// perpetual chase of one piece loses (长捉判负), check against chase loses
// for the checking side, anything else is drawn (重复局面判和). A chase that
// the rules leave to a judge is drawn and said to be so.
#pragma once

#include <span>
#include <string>

#include "engine/types.h"

enum class RepetitionVerdict {
    None,             // the position has not occurred three times
    PerpetualCheck,   // offender checked in every move of the cycle
    PerpetualChase,   // offender chased one piece in every move of the cycle
    AmbiguousChase,   // a perpetual chase only a judge could call: drawn
    Repetition,       // drawn
};

struct RepetitionRuling {
    RepetitionVerdict verdict = RepetitionVerdict::None;
    GameResult result = RESULT_IN_PLAY;
    Side offender = SIDE_RED;  // the side that loses (or would, for an ambiguous chase)
    friend bool operator==(const RepetitionRuling&, const RepetitionRuling&) = default;
};

// Rules on the position after moves, played from start with startSide to
// move. Only positions after the last capture can repeat, so callers may
// pass the line from there.
RepetitionRuling judgeRepetition(const Board90& start, Side startSide, std::span<const PackedMove> moves);

// The GBK text naming the ruling, as the end-of-game message shows it:
// "红方长将，判负", "黑方长捉，判负", "重复局面判和"; empty for None.
std::string rulingText(const RepetitionRuling& ruling);
