// Helpers for the search tests: a thinking engine with its tables, set to
// a position given as FEN with that position as the game's history.
#pragma once

#include <memory>
#include <string>

#include "engine/engine.h"

std::unique_ptr<Engine> makeSearchEngine();

// Loads the position with the derived data a search needs, and makes it
// the only position of the game so far. False for a bad FEN.
bool loadSearchPosition(Engine& engine, const std::string& fen);

// Adds the engine's current position to the game history.
void markHistory(Engine& engine);

// Plays a coordinate move ("h2e2") on the engine's position, through the
// move test, and loads the result; false if it is not legal.
bool playMove(Engine& engine, const std::string& move);

// A think to a fixed depth, book off, with a clock that never moves.
void thinkToDepth(Engine& engine, int depth);

// The published score from the side to move's view.
int sideScore(const Engine& engine);

// One root iteration at the given depth on fresh search records and
// counters, as think runs it (no book, no deepening).
int rootSearch(Engine& engine, int depth);

// Records and counters zeroed, as think does before its first iteration.
void resetSearch(Engine& engine);

// The engine move for a coordinate move.
EngineMove engineMove(const std::string& move);

// Marks the position after the move (from the current one) as game history.
void markAfter(Engine& engine, const std::string& move);

// The root list's score of a move after a root iteration (its order key).
int rootScoreOf(const Engine& engine, EngineMove move);
