// The statistics as a line of text, the same in the standings the command
// line prints and in the match window: "Elo +12.0 +/- 7.9, LOS 99.9%",
// "LLR 2.95 (-2.94, 2.94) [0.0, 5.0]". Plain ASCII, so it reads the same
// on any terminal and in any code page.
#pragma once

#include <string>

#include "match/elo_stats.h"
#include "match/sprt.h"

// An estimate without results reads "Elo -"; a score of 0 or 1 gives
// "-inf" or "+inf", and an interval that reaches them "+/- inf".
std::string eloText(const EloEstimate& estimate);
std::string sprtText(const SprtSettings& settings, double ratio);
