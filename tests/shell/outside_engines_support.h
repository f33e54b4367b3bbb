// What the tests of outside engines in the program share: where the real
// and the fake engines are, and putting an engine to work as the program's
// player and analyst the way the engine manager does.
#pragma once

#include <QString>

class EngineRoster;

// /usr/games/fairy-stockfish, or empty when it is not installed.
QString fairyStockfish();
// build/engine/morlan-engine.
QString morlanEngine();
// A program that runs the client's fake engine in `mode` (see
// tests/engines/fake_engine.sh), written into the working folder; with
// `heard`, the file that gets every line the engine reads.
QString fakeEngine(const QString& mode, const QString& heard = {});

// Lists the program (with the handshake's name and options) and gives it
// both roles; false when its handshake fails.
bool useEngine(EngineRoster& roster, const QString& program);
// The built-in engine in both roles again, the list emptied.
void useBuiltInEngine(EngineRoster& roster);
