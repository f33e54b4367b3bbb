// The lines of the match window's standings that a player reads to judge
// two engines: each pairing's results with the Elo difference from single
// games and from colour-swapped pairs, and the SPRT's state.
#pragma once

#include <QString>

#include "match/match_standings.h"
#include "match/sprt.h"

// "A - B: +12 =20 -8 | Elo +34.9 +/- 40.1, LOS 91.0% | 对局对 Elo ...",
// from first's side; the pairs' part once a pair is complete.
QString pairingText(const QString& first, const QString& second, const PairingStanding& pairing);

// The SPRT on a pairing's complete pairs: "SPRT LLR 1.20 (-2.94, 2.94)
// [0.0, 5.0]: 继续" and its decision.
QString sprtLine(const SprtSettings& settings, const PairingStanding& pairing, SprtDecision& decision);

// A clock's time left: "12:05", "1:02:05", under ten seconds "9.4", "-"
// without a clock.
QString clockText(qint64 ms);
