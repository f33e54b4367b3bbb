// Joining the PGNs of a split match: every shard's finished games (as its
// state file names them) written in schedule order into one PGN with its
// own state file, so the joined match reads, resumes and counts as if one
// runner had played it.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "match/match_settings.h"
#include "match/match_standings.h"

// Refused, with problem set and nothing written, when an input is of
// another match, two inputs hold the same game, or the output exists.
bool mergeShards(const MatchSettings& settings, const QStringList& inputs, const QString& output,
                 std::vector<FinishedGame>& games, QString& problem);
