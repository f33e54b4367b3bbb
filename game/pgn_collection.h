// Games of a PGN collection as the program opens them: the list of a
// collection's games for choosing one, and one game read whole into a
// GameDocument. The moves may be written in Chinese notation, in the WXF
// notation or in coordinates (told apart per game from its moves); every
// move is judged by the rules.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/types.h"
#include "game/game_document.h"
#include "game/held_text.h"
#include "game/pgn_reader.h"

// One game of a collection, for the list to choose from. Texts are GBK.
struct PgnGameSummary {
    int index = 0;  // 1 for the first game of the file
    std::string red, black, result, date, event;
    int plies = 0;  // moves as written, not yet judged
};

// Lists every game of the collection at path (plain or gzip). False, with
// error (GBK) telling why, when the file cannot be opened or read; games
// holds what was listed before the failure.
bool listPgnGames(const std::string& path, std::vector<PgnGameSummary>& games, std::string& error);

// A collection read once: its list and its text, so that the game chosen
// from the list opens without reading the file again.
struct PgnCollection {
    std::vector<PgnGameSummary> games;
    HeldText text;  // the file's bytes, uncompressed
    bool cancelled = false;  // the reader's observer stopped it
};
// Told now and then how much of a collection is read and listed, in
// thousandths; answers false to stop there.
using CollectionProgress = std::function<bool(int permille)>;
// Reads the collection at path (at most 1 GiB uncompressed) and lists it
// as listPgnGames does. Stopped by progress, it returns false with
// collection.cancelled set and no error.
bool readPgnCollection(const std::string& path, PgnCollection& collection, std::string& error,
                       const CollectionProgress& progress = {});
// Game number index of a collection read, as importPgnGame reads it from
// a file (0 read, 2 no such game or bad content).
int importCollectionGame(const PgnCollection& collection, int index, GameDocument& doc, std::string& message);

// Reads game number index (1 for the first) of the collection at path into
// doc: 0 read, 1 the file cannot be opened, 2 bad content (no such game, a
// bad FEN tag, a move the rules refuse, a game the program cannot hold).
// On 1 and 2 doc is unchanged and message (GBK) says why; where a move
// fails it names the game, the ply and the move as written.
// The tags Red, Black, Date, Site and Result fill the game information;
// Event and the comment before the first move become the notes; every
// other comment in braces becomes the comment of the move it follows.
int importPgnGame(const std::string& path, int index, GameDocument& doc, std::string& message);

// The same for a collection held in memory (text as a file holds it).
int importPgnText(const std::string& text, int index, GameDocument& doc, std::string& message);

// The document of a game whose moves were judged (judgePgnMoves): its
// information, notes and comments, shown at its last move, and its whole
// tree with the variations (branches cut at a move the rules refuse are
// counted in the notes: "N 个变着含不合规则的着法，已略去"). Not yet checked
// against the set-up rules (importPgnGame does that).
GameDocument pgnGameDocument(const PgnGame& game, const std::vector<PackedMove>& moves);
