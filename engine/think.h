// What a search runs under and what it hands back: the limits of a think,
// the statistics and principal variations of its iterations, the result
// the interface reads, and the record of background thinking.
#pragma once

#include <cstdint>

#include "engine/pieces.h"
#include "engine/types.h"

// Bits of SearchRequest::flags.
constexpr std::uint8_t LIMIT_DEPTH = 0x01;
constexpr std::uint8_t LIMIT_TIME = 0x02;

struct SearchRequest {
    std::uint8_t flags;
    std::int8_t depth;
    std::int16_t seconds;

    bool limitsDepth() const { return (flags & LIMIT_DEPTH) != 0; }
    bool limitsTime() const { return (flags & LIMIT_TIME) != 0; }
    friend bool operator==(const SearchRequest&, const SearchRequest&) = default;
};
static_assert(sizeof(SearchRequest) == 4);

// Deepening never goes past this depth, so that a path (main search,
// extensions and captures) stays inside the 128 search records and the
// 128 recorded lines.
constexpr int MAX_SEARCH_DEPTH = 99;

struct IterationLine {
    std::int8_t length;
    EngineMove moves[128];
};

// Node counters are 64-bit while a search runs so that long searches
// cannot overflow; the result the interface reads carries them as 32-bit.
struct SearchCounters {
    std::uint64_t nodes;
    std::uint64_t alphaRaises;
    std::uint64_t listGenerations;
    std::uint64_t quiescenceNodes;
    std::uint64_t checkExtensions;
    std::uint64_t hashCutoffs;
};

struct SearchStats {
    Board90 board;
    std::uint8_t side;
    std::int16_t score;   // last completed iteration, from Red's view
    std::int32_t elapsed; // ms of worker time at the last recorded iteration
    std::int8_t depth;
    std::int8_t maxPly;
    SearchCounters counters;
    std::int8_t iterations;
    IterationLine lines[128];
};

struct SearchResultLine {
    std::uint8_t length;
    PackedMove moves[128];
};

struct SearchResult {
    Board90 board;
    std::uint8_t side;
    std::int16_t score;
    std::uint32_t elapsed;
    std::uint8_t depth;
    std::uint8_t maxPly;
    std::uint32_t nodes;
    std::uint32_t alphaRaises;
    std::uint32_t listGenerations;
    std::uint32_t quiescenceNodes;
    std::uint32_t checkExtensions;
    std::uint32_t hashCutoffs;
    std::uint8_t iterations;
    SearchResultLine lines[128];
};

struct PonderRecord {
    SearchRequest limits;  // all zero: the record is not valid
    std::uint32_t keyBefore[2];
    EngineMove guessedMove;
    std::uint32_t keyAfter[2];
    EngineMove preparedReply;

    bool isValid() const { return limits.flags != 0 || limits.depth != 0 || limits.seconds != 0; }
};

// The ponder record as the interface reads it.
struct PonderExport {
    SearchRequest limits;
    std::uint32_t keyBefore[2];
    PackedMove guessedMove;
    std::uint32_t keyAfter[2];
    PackedMove preparedReply;
};

// The clock time limits are measured on: milliseconds of some thread's
// processor time. The context is the clock's own (e.g. which thread).
using WorkerClock = std::uint32_t (*)(void* context);

// This thread's processor time in milliseconds (the default clock: the
// search runs on the thread that reads it).
std::uint32_t currentThreadCpuMillis(void* context);

// Moves to mate in a score from the side to move's view: N > 0 when the
// side to move mates in N of its own moves, -N when it is mated in N, 0
// when the score is no mate score.
int mateMoves(int score);
