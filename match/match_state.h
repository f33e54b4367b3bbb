// The state file beside a match's PGN ("games.pgn.state"): which match the
// PGN belongs to and, for every game written, its number, result, where
// its text lies in the PGN and how it ended. A line is appended after each
// game's text has reached the disk, so after a kill the file names every
// finished game and the PGN can be cut back to the last of them. Text,
// one record a line:
//   morlan-match-state 1
//   match <fingerprint of the settings that decide the schedule and the games>
//   shard <k> <n>
//   base <PGN bytes before the first game>
//   game <index> <1-0|0-1|1/2-1/2> <first byte> <end byte> <termination>
#pragma once

#include <QString>
#include <vector>

#include "engine/types.h"
#include "match/match_settings.h"

struct StateGame {
    int index = 0;
    GameResult result = RESULT_IN_PLAY;
    qint64 begin = 0, end = 0;  // the game's bytes in the PGN
    QString termination;
    friend bool operator==(const StateGame&, const StateGame&) = default;
};

struct MatchState {
    QString fingerprint;
    int shard = 1, shards = 1;
    qint64 base = 0;
    std::vector<StateGame> games;
    friend bool operator==(const MatchState&, const MatchState&) = default;
};

inline QString statePath(const QString& pgnPath) { return pgnPath + QStringLiteral(".state"); }

// A digest of every setting that decides what is played: players, format,
// games, openings, clocks, adjudication, rulings and seed (not the shard,
// the concurrency or the file names).
QString matchFingerprint(const MatchSettings& settings);

const char* resultText(GameResult result);  // "1-0", "0-1", "1/2-1/2", "*"
GameResult resultFromText(const QString& text);

// Reads a state file; false with problem set when it is damaged. A
// missing file reads as false with problem empty. A last line cut short
// by a kill is dropped.
bool readMatchState(const QString& path, MatchState& state, QString& problem);
// Writes the head lines and the games (a new file).
bool writeMatchState(const QString& path, const MatchState& state);
// Appends one game's line and waits until it is on the disk.
bool appendStateGame(const QString& path, const StateGame& game);
// Appends bytes to a file and waits until they are on the disk; answers
// the file's size before them, -1 on failure.
qint64 appendDurably(const QString& path, const QByteArray& bytes);
