// Adjudication of engine games from the scores the engines give with their
// moves: a resignation when both sides' engines agree, for a number of
// their moves in a row, that one side is lost by a margin; a draw when
// both hold the game level for a number of moves after a given move.
#pragma once

#include <optional>
#include <vector>

#include "engine/types.h"
#include "match/match_settings.h"

// What a mate score counts as, in centipawns.
constexpr int MATE_SCORE_CP = 30000;

class MatchAdjudicator {
public:
    explicit MatchAdjudicator(const Adjudication& rules) : rules_(rules) {}

    // The score (centipawns, from the mover's own view) the mover's engine
    // gave with its move at ply (0 the game's first engine move); nullopt
    // when it gave none, which breaks every run.
    void addScore(Side mover, std::optional<int> moverScore);
    // The result adjudicated after the scores so far, RESULT_IN_PLAY for none.
    // fullMove: the number of the move just played (1 for the first).
    GameResult verdict(int fullMove) const;

private:
    Adjudication rules_;
    std::vector<std::optional<int>> redView_;  // every score from Red's view
};
