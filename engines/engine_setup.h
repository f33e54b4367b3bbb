// How an engine of the engine list is put to work, the same for play,
// analysis and review: started under the protocol its last handshake found,
// then given the option values chosen for it in the engine manager.
#pragma once

#include "engines/engine_client.h"
#include "engines/engine_list.h"

// The protocol the list keeps for the engine (both tried when unknown).
EngineProtocol protocolOf(const EngineEntry& entry);
// Starts the entry's program under client; false when it cannot start.
bool startEngine(EngineClient& client, const EngineEntry& entry);
// After the handshake: every chosen value that differs from the engine's
// default, except the options the program sets itself and buttons.
void sendChosenOptions(EngineClient& client, const EngineEntry& entry);
