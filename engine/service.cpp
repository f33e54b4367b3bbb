// The worker thread and its jobs, and the interface thread's side of them:
// starting a job, the time rule, completion callbacks and stopping.
#include "engine/service.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <chrono>

#include "engine/book.h"
#include "engine/engine.h"
#include "engine/thread_start.h"

namespace {

std::uint32_t workerCpuMillis(void* context) {
    const Engine& engine = *static_cast<const Engine*>(context);
    timespec t{};
    const clockid_t clock =
        engine.wallClockJob.load(std::memory_order_acquire) ? CLOCK_MONOTONIC : engine.jobClock.load(std::memory_order_acquire);
    if (clock_gettime(clock, &t) != 0) return engine.frozenWorkerTime;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(t.tv_sec) * 1000u +
                                      static_cast<std::uint64_t>(t.tv_nsec) / 1000000u);
}

std::uint32_t frozenMillis(void* context) { return static_cast<const Engine*>(context)->frozenWorkerTime; }

void sleepOnePoll() { std::this_thread::sleep_for(std::chrono::milliseconds(SERVICE_POLL_MS)); }

// Any thread may enter SCHED_IDLE; an ordinary one may not leave it again,
// which is why background thinking has a worker of its own. Where the
// system refuses even that, the worker thinks at normal priority.
void enterIdlePriority() {
    sched_param param{};
    param.sched_priority = 0;
    pthread_setschedparam(pthread_self(), SCHED_IDLE, &param);
}

clockid_t cpuClockOf(std::thread& thread) {
    clockid_t clock{};
    if (pthread_getcpuclockid(thread.native_handle(), &clock) != 0) return CLOCK_THREAD_CPUTIME_ID;
    return clock;
}

// Plays the guessed move on the board only (board, pieceSquares, side),
// as background thinking does before it thinks about the reply.
void playOnBoard(Engine& e, EngineMove move) {
    const Square256 from = moveSource(move), to = moveTarget(move);
    const std::int8_t mover = e.board[from], captured = e.board[to];
    if (captured >= 0 && captured < 32) e.pieceSquares[captured] = 0;
    e.board[to] = mover;
    e.board[from] = EMPTY;
    if (mover >= 0 && mover < 32) e.pieceSquares[mover] = to;
    e.sideToMove ^= 1;
}

bool isPlayingPoint(GridPoint p) { return p.file >= 0 && p.file < 9 && p.rank >= 0 && p.rank < 10; }

}  // namespace

std::unique_ptr<Engine> makeThinkingEngine() {
    auto engine = std::make_unique<Engine>();
    engine->createSearchTables();
    engine->bookProbe = probeOpeningBook;
    engine->startWorker();
    return engine;
}

Engine& thinkingEngine() {
    static const std::unique_ptr<Engine> instance = makeThinkingEngine();
    return *instance;
}

Engine::~Engine() {
    if (!worker.joinable()) return;
    // At exit nobody is left to run a callback: end the job and the threads.
    completionCallback = nullptr;
    stopFlag->store(STOP_ABORT, std::memory_order_release);
    quitFlag.store(true, std::memory_order_release);
    worker.join();
    idleWorker.join();
}

void Engine::startWorker() {
    if (worker.joinable() || quitFlag.load(std::memory_order_acquire)) return;
    worker = startThread([this] { workerLoop(STATE_THINKING); });
    idleWorker = startThread([this] {
        enterIdlePriority();
        workerLoop(STATE_PONDERING);
    });
    workerClock = cpuClockOf(worker);
    idleWorkerClock = cpuClockOf(idleWorker);
    jobClock.store(workerClock, std::memory_order_release);
    setClock(workerCpuMillis, this);
}

// ---- worker thread ----

// Each worker serves one kind of job; the other's state is not its own.
void Engine::workerLoop(EngineState job) {
    while (!quitFlag.load(std::memory_order_acquire)) {
        sleepOnePoll();
        if (engineState.load(std::memory_order_acquire) != job) continue;
        if (job == STATE_PONDERING) ponderJob();
        else thinkJob();
        engineState.store(STATE_DONE, std::memory_order_release);
    }
}

void Engine::ponderJob() {
    if (gameStatus() != RESULT_IN_PLAY) {
        ponderRecord = {};
        return;
    }
    const SearchRequest saved = activeLimits;
    if (activeLimits.limitsTime()) activeLimits.seconds = static_cast<std::int16_t>(activeLimits.seconds / 3);
    else if (activeLimits.limitsDepth()) activeLimits.depth = static_cast<std::int8_t>(activeLimits.depth - 1);
    beginTimePhase();
    computeHash();
    ponderRecord.keyBefore[0] = hashLow;
    ponderRecord.keyBefore[1] = hashHigh;
    think();
    ponderRecord.guessedMove = bestEngineMove;
    // Without a guess there is nothing to answer: the record stays valid
    // with no reply and a zero keyAfter, so it answers no think but marks
    // this position as thought over. After an abort the reply is pointless.
    if (bestEngineMove != 0 && stopFlag->load(std::memory_order_acquire) != STOP_ABORT) {
        playOnBoard(*this, bestEngineMove);
        if (gameStatus() == RESULT_IN_PLAY) {
            activeLimits = saved;
            beginTimePhase();
            int timeUp = STOP_TIME;  // an abort written meanwhile must survive
            stopFlag->compare_exchange_strong(timeUp, STOP_NONE, std::memory_order_acq_rel);
            computeHash();
            ponderRecord.keyAfter[0] = hashLow;
            ponderRecord.keyAfter[1] = hashHigh;
            // The guessed position joins the game's history for the reply
            // search; the slot's old content comes back afterwards.
            RepetitionSlot& slot = repetitionTable().slotOf(hashLow);
            const RepetitionSlot before = slot;
            slot = {hashLow, hashHigh, MARK_HISTORY};
            think();
            ponderRecord.preparedReply = bestEngineMove;
            slot = before;
        }
    }
    activeLimits = saved;
    if (stopFlag->load(std::memory_order_acquire) == STOP_ABORT) ponderRecord = {};
    else ponderRecord.limits = saved;
}

void Engine::beginTimePhase() {
    timePhase.fetch_add(1, std::memory_order_acq_rel);
    startTime = workerTime();
    phaseStart.store(startTime, std::memory_order_release);
    phaseBudget.store(timeLimitMs(), std::memory_order_release);
    timePhase.fetch_add(1, std::memory_order_acq_rel);
}

std::int32_t Engine::timeLimitMs() const {
    if (!activeLimits.limitsTime()) return -1;
    if (clockLimitMs >= 0) return clockLimitMs;
    if (moveTimeMs >= 0) return moveTimeMs;
    return activeLimits.seconds < 0 ? 0 : activeLimits.seconds * 1000;
}

// ---- interface thread ----

bool Engine::startJob(CompletionCallback callback, EngineState job, std::int32_t limitMs) {
    if (quitFlag.load(std::memory_order_acquire) || !worker.joinable()) return false;
    if (engineState.load(std::memory_order_acquire) != STATE_IDLE) return false;
    completionCallback = std::move(callback);
    jobClock.store(job == STATE_PONDERING ? idleWorkerClock : workerClock, std::memory_order_release);
    wallClockJob.store(limitMs >= 0, std::memory_order_release);
    clockLimitMs = limitMs;
    activeLimits = limitMs >= 0 ? SearchRequest{LIMIT_TIME, 0, 0} : configuredLimits;
    useBook = bookSwitch;
    stopFlag->store(STOP_NONE, std::memory_order_release);
    beginTimePhase();
    engineState.store(job, std::memory_order_release);
    return true;
}

bool Engine::startThink(CompletionCallback callback) { return startJob(std::move(callback), STATE_THINKING); }

bool Engine::startThinkWithin(CompletionCallback callback, std::int32_t limitMs) {
    return startJob(std::move(callback), STATE_THINKING, std::max<std::int32_t>(limitMs, 1));
}

bool Engine::startPonder(CompletionCallback callback) {
    if (!ponderEnabled || quitFlag.load(std::memory_order_acquire)) return false;
    if (engineState.load(std::memory_order_acquire) != STATE_IDLE) return false;
    ponderRecord = {};
    return startJob(std::move(callback), STATE_PONDERING);
}

void Engine::applyTimeRule() {
    if (stopFlag->load(std::memory_order_acquire) != STOP_NONE) return;
    const std::uint32_t phase = timePhase.load(std::memory_order_acquire);
    if (phase & 1) return;  // the worker is changing phases: next pass
    const std::uint32_t start = phaseStart.load(std::memory_order_acquire);
    const std::int32_t budget = phaseBudget.load(std::memory_order_acquire);
    if (timePhase.load(std::memory_order_acquire) != phase || budget < 0) return;
    const std::uint32_t elapsed = workerTime() - start;
    if (elapsed <= static_cast<std::uint32_t>(budget)) return;
    int running = STOP_NONE;
    if (!stopFlag->compare_exchange_strong(running, STOP_TIME, std::memory_order_acq_rel)) return;
    // The phase ended between the test and the write: the stop was meant
    // for the old one, so take it back from the new one.
    if (timePhase.load(std::memory_order_acquire) != phase) {
        int timeUp = STOP_TIME;
        stopFlag->compare_exchange_strong(timeUp, STOP_NONE, std::memory_order_acq_rel);
    }
}

void Engine::finishJob() {
    // Moved out first: the callback may start the next job and set a new one.
    CompletionCallback callback = std::move(completionCallback);
    completionCallback = nullptr;
    engineState.store(STATE_IDLE, std::memory_order_release);
    if (callback) callback();
}

void Engine::pollEngine() {
    switch (engineState.load(std::memory_order_acquire)) {
    case STATE_THINKING:
    case STATE_PONDERING: applyTimeRule(); break;
    case STATE_DONE: finishJob(); break;
    default: break;
    }
}

void Engine::stopAndWait() {
    if (engineState.load(std::memory_order_acquire) == STATE_IDLE) return;
    stopFlag->store(STOP_ABORT, std::memory_order_release);
    while (engineState.load(std::memory_order_acquire) != STATE_IDLE) {
        sleepOnePoll();
        pollEngine();
    }
}

void Engine::abandonAndWait() {
    completionCallback = nullptr;
    stopAndWait();
}

void Engine::shutdownEngine() {
    if (!worker.joinable()) return;
    stopAndWait();
    quitFlag.store(true, std::memory_order_release);
    worker.join();
    idleWorker.join();
    frozenWorkerTime = workerTime();
    setClock(frozenMillis, this);
}

void Engine::loadHistory(const Board90& startBoard, Side startSide, const PackedMove* moves, int count) {
    setPosition(startBoard, startSide);
    RepetitionTable& repetition = repetitionTable();
    repetition.clear();
    computeHash();
    for (int i = 0;; ++i) {
        repetition.mark(hashLow, hashHigh, MARK_HISTORY);
        if (i >= count) break;
        const GridPoint from = moveFrom(moves[i]), to = moveTo(moves[i]);
        if (!isPlayingPoint(from) || !isPlayingPoint(to)) break;  // a damaged record: mark no further
        const Square256 f = squareAt(from.file, from.rank), t = squareAt(to.file, to.rank);
        const std::int8_t mover = board[f], captured = board[t];
        if (mover < 0 || mover >= 32) break;
        hashLow ^= pieceKeys[mover][f].low ^ pieceKeys[mover][t].low ^ SIDE_KEY.low;
        hashHigh ^= pieceKeys[mover][f].high ^ pieceKeys[mover][t].high ^ SIDE_KEY.high;
        if (captured >= 0 && captured < 32) {
            hashLow ^= pieceKeys[captured][t].low;
            hashHigh ^= pieceKeys[captured][t].high;
        }
        board[t] = mover;
        board[f] = EMPTY;
    }
}
