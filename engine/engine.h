// The engine: its own fast position (16x16 mailbox, piece list, Zobrist
// key, running score), move generation and check tests, evaluation, and
// the small fixed-depth search that decides whether a game is over.
// Two instances exist: plainEngine() for the game model, and the thinking
// instance with its worker thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <thread>

#include "engine/pieces.h"
#include "engine/search_stack.h"
#include "engine/service.h"
#include "engine/tables.h"
#include "engine/think.h"
#include "engine/types.h"
#include "engine/zobrist.h"

class Engine {
public:
    Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // What makeMove saves so that unmakeMove can restore it exactly.
    struct SavedState {
        std::int8_t captured;
        std::uint32_t hashLow;
        std::uint32_t hashHigh;
        std::int16_t materialScore;
    };

    // ---- position (position.cpp) ----
    void setPosition(const Board90& board90, Side side);
    void rebuildPieceSquares();
    void computeHash();
    std::uint64_t getHashKey();
    std::uint64_t hashKey() const { return static_cast<std::uint64_t>(hashHigh) << 32 | hashLow; }
    Board90& exportBoard90(Board90& out) const;
    void initPieceKeys();
    SavedState makeMove(EngineMove move);
    void unmakeMove(EngineMove move, const SavedState& saved);
    void makeNullMove();
    void unmakeNullMove();
    static EngineMove toEngineMove(PackedMove packed);
    static PackedMove toPackedMove(EngineMove move);

    // ---- evaluation (evaluate.cpp) ----
    void computePawnValue();
    void initPieceValues();
    void computeMaterialScore();
    std::int16_t evaluate() const;

    // ---- move generation and tests (movegen.cpp) ----
    std::int8_t generateMoves(Side side, MoveEntry* list) const;
    std::int8_t generateCaptures(Side side, MoveEntry* list) const;
    std::int8_t generatePieceMoves(int piece, MoveEntry* list) const;
    std::int8_t generateProtections(Side side, MoveEntry* list) const;
    bool isInCheck(Side side) const;
    // With a move from -> to just made (captured: it took a piece) by the
    // side whose king was not attacked before it: whether that king is
    // attacked now. Tests only what the move changed (king_exposure.h).
    bool exposedKing(int from, int to, bool captured) const;
    bool isAttackedByOfficer(PieceCode piece);
    bool threatensUnprotectedPiece(PieceCode piece);
    bool tryMove(PackedMove packed);
    bool hasNoAttackingMaterial() const;
    GameResult gameStatus();
    std::int16_t fixedDepthSearch(int recordIndex, int depth, int alpha, int beta);

    // ---- position members ----
    std::int8_t board[256];
    std::uint8_t pieceSquares[32];
    std::uint8_t sideToMove = SIDE_RED;
    std::int8_t ply = 0;
    std::uint32_t hashLow = 0;
    std::uint32_t hashHigh = 0;
    std::int16_t materialScore = 0;
    std::int16_t pieceValues[32][256];
    ZobristKey pieceKeys[32][256];
    // The pawn's base value, computed per instance from its own position.
    std::int16_t pawnValue = 90;

    // ---- shared step tables ----
    const std::uint8_t* kingSteps;
    const std::uint8_t* advisorSteps;
    const std::uint8_t* elephantTargets;
    const std::uint8_t* elephantEyes;
    const std::uint8_t* horseTargets;
    const std::uint8_t* horseLegs;
    const std::uint8_t* redPawnSteps;
    const std::uint8_t* blackPawnSteps;
    const std::int8_t* horseLegByDelta;

    // ---- scratch lists for the move test and the repetition rules ----
    MoveEntry scratchMoves[MOVE_LIST_SIZE];
    MoveEntry scratchDefences[MOVE_LIST_SIZE];

    SearchStack searchStack;

    // ================= search (tables.cpp, search.cpp, think.cpp) =================
    // Only the thinking instance searches: it calls createSearchTables once
    // when it is built. Nothing here allocates during a search.
    void createSearchTables();
    bool hasSearchTables() const { return tables != nullptr; }

    // tables.cpp
    void clearTable();
    std::int16_t probe(int depth, int alpha, int beta, EngineMove* hashMoves);
    void store(int depth, std::uint8_t bound, int score, EngineMove move, bool forced);
    bool tableWalkRepeats(int half, std::uint32_t entryIndex);
    void extractLine(std::int8_t& length, EngineMove* line, int maxMoves);
    // The repetition table as loadHistory and background thinking fill it.
    RepetitionTable& repetitionTable() { return tables->repetition; }
    TranspositionTable& transpositionTable() { return tables->transposition; }

    // search.cpp
    std::int16_t searchRoot(int depth, int alpha, int beta);
    std::int16_t search(PlyRecord& record, int depth, int alpha, int beta);
    std::int16_t quiesce(PlyRecord& record, int alpha, int beta);
    EngineMove nextMove(PlyRecord& record);
    int repetitionVerdict(EngineMove move, std::int8_t mover);

    // think.cpp
    void think();
    void thinkJob();
    PackedMove bestMove() const { return toPackedMove(bestEngineMove); }
    void exportResult(SearchResult& out) const;
    void exportPonder(PonderExport& out) const;
    std::uint32_t workerTime() const { return clock(clockContext); }
    void setClock(WorkerClock newClock, void* context) { clock = newClock; clockContext = context; }
    void setStopFlag(std::atomic<int>* flag) { stopFlag = flag ? flag : &ownStopFlag; }
    bool stopRequested() const { return stopFlag->load(std::memory_order_relaxed) != 0; }

    std::unique_ptr<SearchTables> tables;
    std::uint8_t searchAge = 0;
    bool followingPV = false;
    bool inNullMove = false;
    bool onlyOneMove = false;
    // The stop word (0 run, 1 time is up, 2 aborted) lives wherever the
    // engine service keeps it; until it says otherwise, in ownStopFlag.
    std::atomic<int> ownStopFlag{0};
    std::atomic<int>* stopFlag = &ownStopFlag;
    WorkerClock clock = currentThreadCpuMillis;
    void* clockContext = nullptr;
    std::uint32_t startTime = 0;
    EngineMove bestEngineMove = 0;
    SearchStats stats{};
    SearchStats publishedStats{};
    SearchRequest configuredLimits{LIMIT_DEPTH, 1, 0};
    SearchRequest activeLimits{LIMIT_DEPTH, 1, 0};
    PonderRecord ponderRecord{};
    bool useBook = true;
    // Root moves the search must not play (the protocol's "banmoves"); the
    // built-in game never sets any.
    EngineMove bannedMoves[MOVE_LIST_SIZE] = {};
    int bannedCount = 0;
    bool isBanned(EngineMove move) const;
    // The opening book's answer for a key (0 = none); no book when empty.
    PackedMove (*bookProbe)(std::uint64_t key) = nullptr;
    // Called on the searching thread after every recorded iteration
    // (progress reports); may be empty.
    void (*iterationReport)(const Engine& engine, void* context) = nullptr;
    void* iterationContext = nullptr;
    // ============================== end of search ==============================

    // ============================ engine service (service.cpp) ============================
    // The thinking instance runs its jobs on two worker threads (startWorker,
    // once, when it is built): thinking on one at normal priority, background
    // thinking on one at idle priority for its whole life, since an ordinary
    // thread that enters idle priority may not leave it. The state word
    // hands the instance to one of them at a time. Everything below except
    // workerLoop and ponderJob is called on the interface thread. Shared words are atomics:
    // the worker's results are visible once STATE_DONE has been read.
    using CompletionCallback = std::function<void()>;
    ~Engine();
    void startWorker();
    void workerLoop(EngineState job);
    void ponderJob();
    // Both refuse (false) after shutdown, without a worker, or while a job
    // is still running or unpolled; startPonder also when pondering is off.
    bool startThink(CompletionCallback callback);
    // A think under a game's time control: limitMs of wall-clock time at
    // most (the game's own clock is a wall clock), in place of the
    // configured limits. Deepening stops after a third of it.
    bool startThinkWithin(CompletionCallback callback, std::int32_t limitMs);
    bool startPonder(CompletionCallback callback);
    void pollEngine();
    void stopAndWait();
    void abandonAndWait();
    void loadHistory(const Board90& startBoard, Side startSide, const PackedMove* moves, int count);
    void shutdownEngine();
    void setLimits(SearchRequest limits) { configuredLimits = limits; }
    void setUseBook(bool on) { bookSwitch = on; }
    bool getUseBook() const { return bookSwitch; }
    void setPonderEnabled(bool on) { ponderEnabled = on; }
    bool getPonderEnabled() const { return ponderEnabled; }
    EngineState state() const { return static_cast<EngineState>(engineState.load(std::memory_order_acquire)); }
    // The time limit of activeLimits in milliseconds, -1 without one. A
    // clockLimitMs, else a moveTimeMs, of 0 or more replaces seconds x 1000
    // (the game's clocks, the protocol's millisecond budgets).
    std::int32_t timeLimitMs() const;
    void beginTimePhase();
    bool startJob(CompletionCallback callback, EngineState job, std::int32_t limitMs = -1);
    void applyTimeRule();
    void finishJob();

    std::atomic<int> engineState{STATE_IDLE};
    std::atomic<bool> quitFlag{false};
    std::thread worker;      // runs STATE_THINKING jobs
    std::thread idleWorker;  // runs STATE_PONDERING jobs at idle priority
    CompletionCallback completionCallback;
    bool bookSwitch = true;  // copied into useBook when a job starts
    bool ponderEnabled = true;
    std::int32_t moveTimeMs = -1;
    // The running job's limit from startThinkWithin, -1 for none: it comes
    // before moveTimeMs and the configured seconds.
    std::int32_t clockLimitMs = -1;
    // The running job measures its time on the monotonic wall clock
    // instead of the worker's processor time.
    std::atomic<bool> wallClockJob{false};
    // The running phase's time rule as the interface thread reads it. The
    // worker changes start and budget between two steps of timePhase (odd
    // while it writes), so a reader can tell a consistent pair and notice
    // that a phase ended under it.
    std::atomic<std::uint32_t> timePhase{0};
    std::atomic<std::uint32_t> phaseStart{0};
    std::atomic<std::int32_t> phaseBudget{-1};
    clockid_t workerClock{};
    clockid_t idleWorkerClock{};
    // The CPU clock of the worker running the current job, set when the job
    // starts; both threads read it through workerTime.
    std::atomic<clockid_t> jobClock{};
    std::uint32_t frozenWorkerTime = 0;  // the clock after the worker ended
    // ========================== end of engine service ==========================
};

// The instance without a worker thread, used by the game model to judge
// moves and positions. Created on first use, kept until exit.
Engine& plainEngine();
