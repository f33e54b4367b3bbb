// The engine service: the thinking engine runs its searches on a worker
// thread while the interface thread keeps its loop. The two share three
// words (the state, the stop word, the quit flag) and poll them; nothing
// takes a lock. The service members themselves are in class Engine.
#pragma once

#include <cstdint>
#include <memory>

class Engine;

// States of the thinking engine's job word.
enum EngineState : int {
    STATE_IDLE = 0,
    STATE_THINKING = 1,
    STATE_PONDERING = 2,
    STATE_DONE = 3,
};

// Values of the stop word: run, time is up, aborted.
enum StopFlag : int {
    STOP_NONE = 0,
    STOP_TIME = 1,
    STOP_ABORT = 2,
};

// How often the worker and a waiting interface thread look at the words.
constexpr int SERVICE_POLL_MS = 10;

// The instance with the worker thread and the search tables, created on
// first use; all searches run on it.
Engine& thinkingEngine();
// A thinking instance of one's own (tables, book probe, running worker),
// for programs and tests that drive more than the process-wide one.
std::unique_ptr<Engine> makeThinkingEngine();
