// One finished match game as PGN text: the tags Event, Site, Date, Round,
// Red, Black, Result, TimeControl, FEN (when not from the standard start)
// and Termination; the moves in Chinese notation or coordinates, each
// engine move with its comment (score/depth time).
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include "game/game_document.h"
#include "match/match_game.h"
#include "match/match_settings.h"

QByteArray matchGamePgn(const MatchSettings& settings, const ScheduledGame& game, const GameDocument& record,
                        const GameVerdict& verdict, const QString& red, const QString& black, const QDate& date);

// The TimeControl tag's value: the clock's ("600+5"), a fixed time a move
// as "N/S" of PGN's moves-in-time form with one move ("1/5"), a fixed depth
// or no limit as "-".
QString matchTimeControlTag(const MatchTime& time);
