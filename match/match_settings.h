// Everything a match or tournament between engines is played under: who
// plays, in which format, from which openings, on which clocks, when a game
// is adjudicated, how many games run at once and where they are written.
// The schedule follows from these settings alone (and the seed), so two
// runs, a resumed run and the shards of a split match all agree on it.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "game/time_control.h"
#include "match/sprt.h"

// One player: an engine program speaking UCI or UCCI, or the built-in
// engine (program empty: morlan-engine beside the runner).
struct MatchPlayer {
    QString name;                    // in the standings and the PGN tags
    QString program;                 // empty: the built-in engine
    QStringList arguments;
    QString protocol;                // "uci", "ucci", or empty to detect
    QMap<QString, QString> options;  // sent with setoption after the handshake
    // The player's own limit per move, in place of the match's clock (the
    // built-in engine's levels): 0 = none.
    int moveTimeMs = 0;
    int depth = 0;

    bool builtIn() const { return program.isEmpty(); }
    friend bool operator==(const MatchPlayer&, const MatchPlayer&) = default;
};

enum class MatchFormat : std::uint8_t {
    Match,       // the first two players
    RoundRobin,  // every player against every other
    Gauntlet,    // the first player against each of the others
};

enum class OpeningSource : std::uint8_t {
    None,          // the standard start
    Book,          // the first plies of the built-in book's choices
    PositionFile,  // FEN/EPD, one start position a line
    PgnFile,       // the first plies of each game of a PGN file
};

struct MatchOpenings {
    OpeningSource source = OpeningSource::None;
    QString path;         // PositionFile, PgnFile
    int plies = 8;        // Book, PgnFile: how many plies of each opening
    int count = 0;        // Book: how many different openings (0: one per game pair)
    bool shuffle = false; // in the order of the file, or shuffled with the seed

    friend bool operator==(const MatchOpenings&, const MatchOpenings&) = default;
};

struct MatchTime {
    // The clock of both sides (Unlimited: no clock; then moveTimeMs or
    // depth, or each player's own limit, bounds every move).
    TimeControl control;
    int moveTimeMs = 0;  // a fixed time per move (no clock)
    int depth = 0;       // a fixed depth per move (no clock)
    // What a move may take past the clock's limit before its side loses on
    // time: the pipe, the scheduler and the engine's reading of its clock.
    int marginMs = MARGIN_DEFAULT_MS;

    static constexpr int MARGIN_DEFAULT_MS = 100;
    friend bool operator==(const MatchTime&, const MatchTime&) = default;
};

// Scores are centipawns from each engine's own view, as it reported them
// with its move.
struct Adjudication {
    bool resign = false;  // both agree one side is lost by resignScore for resignMoves moves each
    int resignScore = 1000;
    int resignMoves = 3;
    bool draw = false;    // both within drawScore of 0 for drawMoves moves each, from move drawAfterMove on
    int drawScore = 10;
    int drawMoves = 8;
    int drawAfterMove = 40;

    friend bool operator==(const Adjudication&, const Adjudication&) = default;
};

enum class MoveText : std::uint8_t {
    Chinese,      // 炮二平五
    Coordinates,  // h2e2
};

struct MatchSettings {
    std::vector<MatchPlayer> players;
    MatchFormat format = MatchFormat::Match;
    int gamesPerPairing = 2;  // rounded up to whole game pairs
    MatchOpenings openings;
    MatchTime time;
    Adjudication adjudication;
    bool rulings = true;      // perpetual check and chase judged by the Asian rules
    int concurrency = 1;      // games at once
    QString pgnPath;          // games appended as they end; the state file lives beside it
    MoveText moveText = MoveText::Chinese;
    bool moveComments = true; // score, depth and time of each engine move
    std::uint64_t seed = 1;   // shuffles the openings (and the book's choices)
    int shard = 1;            // play only the shard-th of shards slices of the schedule
    int shards = 1;
    QString event = QStringLiteral("Engine match");
    QString builtInProgram;   // where morlan-engine is; empty: found beside the runner
    // A match of two stops when the SPRT on its game pairs decides.
    bool sprt = false;
    SprtSettings sprtSettings;

    friend bool operator==(const MatchSettings&, const MatchSettings&) = default;
};
