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
