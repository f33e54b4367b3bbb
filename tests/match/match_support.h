// What the match tests share: the event loop, scripted players and a
// runner played to its end.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "match/match_runner.h"
#include "match/match_settings.h"
#include "event_loop_support.h"


// A player run by tests/match/match_engine.sh with that score and those answers.
MatchPlayer scriptedPlayer(const QString& name, int score, const QStringList& answers);

// A folder of its own for one test's files, emptied first.
QString testFolder(const QString& name);

// Starts a runner on settings and waits (up to a minute) for finished();
// false when it would not start or did not finish.
bool playMatch(MatchRunner& runner, QString* problem = nullptr);
