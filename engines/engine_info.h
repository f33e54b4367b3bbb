// What an outside engine reports while it searches: one "info" line with
// its principal variation already read into the program's moves.
#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "engine/types.h"

struct EngineInfo {
    enum ScoreKind { NO_SCORE, CENTIPAWNS, MATE };

    int multiPv = 1;     // which line, 1 = the best
    int depth = -1;      // -1: not reported
    int selDepth = -1;
    ScoreKind scoreKind = NO_SCORE;
    // Centipawns, or moves to mate (> 0 the side to move mates, < 0 it is
    // mated), always from the side to move's view as engines report it.
    int score = 0;
    bool lowerBound = false;
    bool upperBound = false;
    std::int64_t nodes = -1;
    std::int64_t nps = -1;
    std::int64_t timeMs = -1;
    // The variation from the searched position; every move has been checked
    // against the legal moves of the position it is played in. A line whose
    // moves stop being legal keeps only its legal beginning.
    std::vector<PackedMove> pv;
    Side sideToMove = SIDE_RED;  // of the searched position
};

Q_DECLARE_METATYPE(EngineInfo)

// Reads an "info" line of a search (UCI "score cp 35" / "score mate -3",
// UCCI "score 35"); the moves after "pv" are left as words for the caller
// to read and check. False for info lines that report no score and no
// variation ("info string ...", "info currmove ...") and for unreadable ones.
bool readInfoLine(const QString& line, EngineInfo& info, QStringList& pvWords);
