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

constexpr int SEARCH_STACK_SIZE = 128;
using SearchStack = std::array<PlyRecord, SEARCH_STACK_SIZE>;
