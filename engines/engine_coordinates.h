// Moves as outside engines write them: file letter a..i from Red's left,
// then the rank, counted from Red's back rank from 0 or, for engines that
// play Xiangqi as a variant of chess, from 1 ("h3e3" = "h2e2").
#pragma once

#include <QString>
#include <QStringView>

#include "engine/types.h"

enum class RankBase { FROM_ZERO, FROM_ONE };

QString writeEngineMove(PackedMove move, RankBase base);
// 0 for text that is not a move of the numbering (the points are on the
// board; whether the move is legal is for the caller to decide).
PackedMove readEngineMove(QStringView text, RankBase base);
