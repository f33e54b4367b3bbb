// The command line of morlan-match read into match settings:
//   --engine PLAYER        a player (repeat): "builtin" or a program
//                          path, then ",key=value" fields: name=, proto=uci|ucci,
//                          arg=, option.NAME=VALUE, movetime=MS, depth=N,
//                          level=1|2|3 (the built-in levels' 2, 6, 18 s a move),
//                          or list=NAME for an engine of an Engines.json list
//   --engine-list FILE     the Engines.json the list= players come from
//   --format match|round-robin|gauntlet   --games N
//   --openings none|book|fen:FILE|pgn:FILE   --plies K   --shuffle   --seed N
//   --tc SECONDS[+INC]|MOVES/SECONDS|SECONDS+PERIODb   --movetime MS   --depth N
//   --margin MS   --resign CP,MOVES   --draw CP,MOVES,AFTER   --no-rulings
//   --concurrency N   --pgn FILE   --notation chinese|coordinates
//   --no-comments   --shard K/N   --event TEXT   --builtin-program PATH
//   --sprt ELO0,ELO1,ALPHA,BETA
// Words that are not options (merge's input PGNs) are handed back in rest.
#pragma once

#include <QString>
#include <QStringList>

#include "match/match_settings.h"

// False, with problem saying what is wrong, for an unknown option, a value
// that does not read or a player the list does not have.
bool parseMatchOptions(const QStringList& args, MatchSettings& settings, QStringList& rest, QString& problem);

// One --engine argument: PROGRAM or builtin, then key=value fields.
bool parseEngineArgument(const QString& argument, MatchPlayer& player, QString& listName, QString& problem);
