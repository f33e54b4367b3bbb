// One record per ply of a search: its move list, picker state, hash moves
// and principal variation. The root uses record 0.
#pragma once

#include <array>
#include <cstdint>

#include "engine/pieces.h"

struct PlyRecord {
    bool singleMode;
    bool preListDone;
    bool fullListDone;
    std::int8_t current;
    std::int8_t count;
    MoveEntry moves[MOVE_LIST_SIZE];
    EngineMove hashMoves[2];
    std::int8_t pvLength;
    EngineMove pv[128];
};

// A line holds at most this many moves: its length is a signed byte.
constexpr int MAX_LINE_LENGTH = 127;

// The pv of a node: its move followed by the child's line, cut at the
// longest line a length can count.
inline void adoptLine(PlyRecord& r, EngineMove m, const PlyRecord& child) {
    const int kept = child.pvLength < MAX_LINE_LENGTH ? child.pvLength : MAX_LINE_LENGTH - 1;
    r.pv[0] = m;
    for (int i = 0; i < kept; ++i) r.pv[i + 1] = child.pv[i];
    r.pvLength = static_cast<std::int8_t>(kept + 1);
}

constexpr int SEARCH_STACK_SIZE = 128;
using SearchStack = std::array<PlyRecord, SEARCH_STACK_SIZE>;
