// The start positions of a match's games: the standard start, positions
// the built-in book chooses, a FEN/EPD file's lines or the first plies of
// a PGN file's games. An opening is a position and the moves played from
// it, which the engines are told as moves (so repetitions count).
#pragma once

#include <QString>
#include <vector>

#include "engine/types.h"
#include "match/match_settings.h"

struct MatchOpening {
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_RED;
    std::vector<PackedMove> moves;
};

// The openings the settings ask for; none for OpeningSource::None. Book
// openings are drawn with the seed, one per game pair unless a count is
// given (pairs is the schedule's number of rounds). False, with problem
// set, for a file that cannot be read or holds no usable opening.
bool loadOpenings(const MatchSettings& settings, int pairs, std::vector<MatchOpening>& openings, QString& problem);

// Book openings: plies moves drawn by weight from the built-in book (which
// must be loaded), each opening from its own generator seeded by seed and
// its number; a line stops early where the book does.
MatchOpening bookOpening(int plies, std::uint64_t seed, int number);
