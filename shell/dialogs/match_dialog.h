// 操作 → 引擎比赛 → 设置: who plays (the built-in engine at a level, a
// fixed time or depth per move, and engines of the engine manager's list
// with their saved options), the format, games per pairing, openings,
// the clock, adjudication, games at once, the PGN file, and an optional
// SPRT that ends a two-player match once it decides.
#pragma once

#include "match/match_settings.h"

class EngineList;
class QWidget;

// The built-in engine's limit per move as the dialog offers it.
enum class BuiltInLimit { Clock, Beginner, Intermediate, Advanced, MoveTime, Depth };

struct MatchChoice {
    MatchSettings settings;
    QList<int> engines{0};  // entries of the engine list, in playing order
    BuiltInLimit builtInLimit = BuiltInLimit::Intermediate;
    int builtInMoveTimeMs = 2000;
    int builtInDepth = 8;
};

// The players of the choice, made from the engine list's entries.
std::vector<MatchPlayer> matchPlayers(const MatchChoice& choice, const EngineList& list);

// Shows the dialog with `choice`; true, with choice updated, when the
// player chose 确定 and the choices can be played.
bool editMatchChoice(QWidget* parent, const EngineList& list, MatchChoice& choice);
