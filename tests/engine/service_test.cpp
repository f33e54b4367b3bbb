#include "engine/service.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "engine/book.h"
#include "engine/engine.h"
#include "engine/fen.h"
#include "engine/perft.h"

namespace {

using namespace std::chrono_literals;

constexpr PackedMove CENTRAL_CANNON = packMove(1, 2, 4, 2);
constexpr SearchRequest DEPTH_3{LIMIT_DEPTH, 3, 0};
constexpr SearchRequest NO_LIMIT{0, 0, 0};

Board90 played(Board90 board, PackedMove move) {
    const GridPoint from = moveFrom(move), to = moveTo(move);
    board[boardIndex(to.file, to.rank)] = board[boardIndex(from.file, from.rank)];
    board[boardIndex(from.file, from.rank)] = NO_PIECE;
    return board;
}

bool isLegalIn(const Board90& board, Side side, PackedMove move) {
    Engine judge;
    judge.setPosition(board, side);
    const auto moves = legalMoves(judge);
    return std::find(moves.begin(), moves.end(), move) != moves.end();
}

std::uint64_t keyOf(const Board90& board, Side side) {
    Engine e;
    e.setPosition(board, side);
    return e.getHashKey();
}

// A clock the test moves by hand, read by both threads.
std::uint32_t fakeClock(void* context) { return static_cast<std::atomic<std::uint32_t>*>(context)->load(); }

// The same, but the worker always reads 0: its own one-third rule never
// fires, so only the interface thread's time rule can end the think.
struct InterfaceOnlyClock {
    std::atomic<std::uint32_t> now{0};
    std::thread::id interface = std::this_thread::get_id();
};
std::uint32_t interfaceOnlyClock(void* context) {
    auto* c = static_cast<InterfaceOnlyClock*>(context);
    return std::this_thread::get_id() == c->interface ? c->now.load() : 0;
}

void countIteration(const Engine&, void* context) { ++*static_cast<std::atomic<int>*>(context); }

class Service : public ::testing::Test {
protected:
    void SetUp() override {
        engine = std::make_unique<Engine>();
        engine->createSearchTables();
        engine->setUseBook(false);
        engine->iterationReport = countIteration;
        engine->iterationContext = &iterations;
        engine->startWorker();
    }
    void TearDown() override { engine->shutdownEngine(); }

    void loadGame(const Board90& start, Side side, std::initializer_list<PackedMove> moves) {
        std::vector<PackedMove> list(moves);
        engine->loadHistory(start, side, list.data(), static_cast<int>(list.size()));
        Board90 board = start;
        for (PackedMove m : list) board = played(board, m);
        engine->setPosition(board, static_cast<Side>(side ^ (list.size() & 1)));
    }
    // Waits without polling: the worker alone moves THINKING to DONE.
    bool waitForState(EngineState wanted) {
        for (auto end = std::chrono::steady_clock::now() + 120s; std::chrono::steady_clock::now() < end;) {
            if (engine->state() == wanted) return true;
            std::this_thread::sleep_for(2ms);
        }
        return false;
    }
    bool waitForIterations(int n) {
        for (auto end = std::chrono::steady_clock::now() + 120s; std::chrono::steady_clock::now() < end;) {
            if (iterations.load() >= n) return true;
            std::this_thread::sleep_for(2ms);
        }
        return false;
    }
    // The interface thread's idle loop until the engine is idle again.
    bool pollUntilIdle() {
        for (auto end = std::chrono::steady_clock::now() + 120s; std::chrono::steady_clock::now() < end;) {
            engine->pollEngine();
            if (engine->state() == STATE_IDLE) return true;
            std::this_thread::sleep_for(2ms);
        }
        return false;
    }

    std::unique_ptr<Engine> engine;
    std::atomic<int> iterations{0};
};

TEST_F(Service, IdleEngineIgnoresStopAndPoll) {
    int calls = 0;
    engine->completionCallback = [&] { ++calls; };
    engine->stopAndWait();
    engine->pollEngine();
    EXPECT_EQ(engine->state(), STATE_IDLE);
    EXPECT_EQ(calls, 0);
}

TEST_F(Service, ThinkGoesThroughEveryStateAndRunsItsCallbackOnce) {
    loadGame(INITIAL_BOARD, SIDE_RED, {});
    engine->setLimits(DEPTH_3);
    int calls = 0;
    PackedMove move = 0;
    ASSERT_TRUE(engine->startThink([&] {
        ++calls;
        EXPECT_EQ(engine->state(), STATE_IDLE);  // idle before the callback runs
        move = engine->bestMove();
    }));
    EXPECT_EQ(engine->state(), STATE_THINKING);
    EXPECT_FALSE(engine->startThink([] {}));  // one job at a time
    ASSERT_TRUE(waitForState(STATE_DONE));
    EXPECT_EQ(calls, 0);  // callbacks run only from the interface thread's poll
    engine->pollEngine();
    EXPECT_EQ(engine->state(), STATE_IDLE);
    EXPECT_EQ(calls, 1);
    engine->pollEngine();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(isLegalIn(INITIAL_BOARD, SIDE_RED, move));
    SearchResult result;
    engine->exportResult(result);
    EXPECT_EQ(result.iterations, 3);
    EXPECT_EQ(result.lines[2].moves[0], move);
}

TEST_F(Service, NothingStartsAfterShutdownOrWithPonderingOff) {
    loadGame(INITIAL_BOARD, SIDE_RED, {CENTRAL_CANNON});
    int calls = 0;
    engine->setPonderEnabled(false);
    EXPECT_FALSE(engine->startPonder([&] { ++calls; }));
    EXPECT_EQ(engine->state(), STATE_IDLE);
    engine->pollEngine();
    engine->stopAndWait();
    EXPECT_EQ(calls, 0);
    engine->shutdownEngine();
    engine->setPonderEnabled(true);
    EXPECT_FALSE(engine->startThink([&] { ++calls; }));
    EXPECT_FALSE(engine->startPonder([&] { ++calls; }));
    EXPECT_EQ(engine->state(), STATE_IDLE);
    EXPECT_EQ(calls, 0);
}

TEST_F(Service, PonderHitPlaysThePreparedReplyWithoutSearching) {
    engine->setLimits(DEPTH_3);
    loadGame(INITIAL_BOARD, SIDE_RED, {CENTRAL_CANNON});
    const Board90 pondered = played(INITIAL_BOARD, CENTRAL_CANNON);
    int calls = 0;
    ASSERT_TRUE(engine->startPonder([&] { ++calls; }));
    EXPECT_EQ(engine->state(), STATE_PONDERING);
    ASSERT_TRUE(pollUntilIdle());
    EXPECT_EQ(calls, 1);
    PonderExport p;
    engine->exportPonder(p);
    EXPECT_EQ(p.limits, DEPTH_3);
    const std::uint64_t before = keyOf(pondered, SIDE_BLACK);
    EXPECT_EQ(p.keyBefore[0], static_cast<std::uint32_t>(before));
    EXPECT_EQ(p.keyBefore[1], static_cast<std::uint32_t>(before >> 32));
    ASSERT_TRUE(isLegalIn(pondered, SIDE_BLACK, p.guessedMove));
    const Board90 guessed = played(pondered, p.guessedMove);
    ASSERT_TRUE(isLegalIn(guessed, SIDE_RED, p.preparedReply));
    EXPECT_EQ(p.keyAfter[0], static_cast<std::uint32_t>(keyOf(guessed, SIDE_RED)));

    // The opponent plays the guess: the think answers from the record.
    loadGame(INITIAL_BOARD, SIDE_RED, {CENTRAL_CANNON, p.guessedMove});
    const std::uint8_t age = engine->searchAge;
    PackedMove answer = 0;
    ASSERT_TRUE(engine->startThink([&] { answer = engine->bestMove(); }));
    ASSERT_TRUE(pollUntilIdle());
    EXPECT_EQ(answer, p.preparedReply);
    EXPECT_EQ(engine->searchAge, age);  // no search was made

    // A deeper level is not answered by a depth-3 record, nor is a time level.
    for (SearchRequest stronger : {SearchRequest{LIMIT_DEPTH, 4, 0}, SearchRequest{LIMIT_TIME, 0, 1}}) {
        engine->setLimits(stronger);
        loadGame(INITIAL_BOARD, SIDE_RED, {CENTRAL_CANNON, p.guessedMove});
        const std::uint8_t ageBefore = engine->searchAge;
        ASSERT_TRUE(engine->startThink(nullptr));
        ASSERT_TRUE(pollUntilIdle());
        EXPECT_NE(engine->searchAge, ageBefore);
    }
}

TEST_F(Service, StopAndWaitPlaysTheLastCompletedIteration) {
    loadGame(INITIAL_BOARD, SIDE_RED, {});
    engine->setLimits(NO_LIMIT);
    int calls = 0;
    PackedMove move = 0;
    ASSERT_TRUE(engine->startThink([&] {
        ++calls;
        move = engine->bestMove();
    }));
    ASSERT_TRUE(waitForIterations(2));
    engine->stopAndWait();
    EXPECT_EQ(engine->state(), STATE_IDLE);
    EXPECT_EQ(calls, 1);
    SearchResult result;
    engine->exportResult(result);
    ASSERT_GE(result.iterations, 2);
    EXPECT_EQ(move, result.lines[result.iterations - 1].moves[0]);
    EXPECT_TRUE(isLegalIn(INITIAL_BOARD, SIDE_RED, move));
}

TEST_F(Service, AbandonAndWaitPlaysNothing) {
    loadGame(INITIAL_BOARD, SIDE_RED, {});
    engine->setLimits(NO_LIMIT);
    int calls = 0;
    ASSERT_TRUE(engine->startThink([&] { ++calls; }));
    ASSERT_TRUE(waitForIterations(1));
    engine->abandonAndWait();
    EXPECT_EQ(engine->state(), STATE_IDLE);
    engine->pollEngine();
    EXPECT_EQ(calls, 0);
}

TEST_F(Service, StopAndWaitServesAThinkStartedByTheCallback) {
    // Computer against computer: each answer starts the next think.
    loadGame(INITIAL_BOARD, SIDE_RED, {});
    engine->setLimits(NO_LIMIT);
    PackedMove first = 0, second = 0;
    ASSERT_TRUE(engine->startThink([&] {
        first = engine->bestMove();
        loadGame(INITIAL_BOARD, SIDE_RED, {first});
        engine->setLimits(DEPTH_3);
        EXPECT_TRUE(engine->startThink([&] { second = engine->bestMove(); }));
    }));
    ASSERT_TRUE(waitForIterations(1));
    engine->stopAndWait();
    EXPECT_EQ(engine->state(), STATE_IDLE);
    ASSERT_TRUE(isLegalIn(INITIAL_BOARD, SIDE_RED, first));
    EXPECT_TRUE(isLegalIn(played(INITIAL_BOARD, first), SIDE_BLACK, second));
    SearchResult result;
    engine->exportResult(result);
    EXPECT_EQ(result.iterations, 3);  // the second think ran to its own depth
}

TEST_F(Service, StopWhilePonderingLeavesAnEmptyRecord) {
    loadGame(INITIAL_BOARD, SIDE_RED, {CENTRAL_CANNON});
    engine->setLimits(NO_LIMIT);
    int calls = 0;
    ASSERT_TRUE(engine->startPonder([&] { ++calls; }));
    ASSERT_TRUE(waitForIterations(1));
    engine->stopAndWait();
    EXPECT_EQ(calls, 1);
    PonderExport p;
    engine->exportPonder(p);
    EXPECT_EQ(p.limits, NO_LIMIT);
    EXPECT_EQ(p.guessedMove, 0u);
    EXPECT_EQ(p.preparedReply, 0u);
    EXPECT_EQ(p.keyBefore[0] | p.keyBefore[1] | p.keyAfter[0] | p.keyAfter[1], 0u);
}

TEST_F(Service, PonderingAFinishedGameLeavesAnEmptyRecord) {
    // Red's rook mates: Black, to move, has nothing to think about.
    Board90 board;
    Side side;
    std::string error;
    ASSERT_TRUE(readFen("r2akab2/4n4/2n1bR3/pC2p3p/2p3P2/P8/4P1r1P/9/2C2K3/RNB2AB2 w", board, side, error)) << error;
    const PackedMove mate = readCoordinateMove("f7f9");
    loadGame(board, side, {mate});
    engine->setLimits(DEPTH_3);
    int calls = 0;
    ASSERT_TRUE(engine->startPonder([&] { ++calls; }));
    ASSERT_TRUE(pollUntilIdle());
    EXPECT_EQ(calls, 1);
    PonderExport p;
    engine->exportPonder(p);
    EXPECT_EQ(p.limits, NO_LIMIT);
    EXPECT_EQ(p.guessedMove, 0u);
}

TEST_F(Service, TimeRuleStopsTheJobOnceTheBudgetIsSpent) {
    InterfaceOnlyClock clock;
    engine->setClock(interfaceOnlyClock, &clock);
    loadGame(INITIAL_BOARD, SIDE_RED, {});
    engine->setLimits({LIMIT_TIME, 0, 1});
    int calls = 0;
    ASSERT_TRUE(engine->startThink([&] { ++calls; }));
    ASSERT_TRUE(waitForIterations(1));
    clock.now = 1000;  // exactly the budget: not yet over
    engine->pollEngine();
    EXPECT_EQ(engine->stopFlag->load(), STOP_NONE);
    EXPECT_EQ(engine->state(), STATE_THINKING);
    clock.now = 1001;
    engine->pollEngine();
    EXPECT_EQ(engine->stopFlag->load(), STOP_TIME);
    ASSERT_TRUE(pollUntilIdle());
    EXPECT_EQ(calls, 1);
    SearchResult result;
    engine->exportResult(result);
    ASSERT_GE(result.iterations, 1);
    EXPECT_EQ(engine->bestMove(), result.lines[result.iterations - 1].moves[0]);
}

TEST_F(Service, ReplySearchKeepsItsOwnTimeBudget) {
    // 3 s per move: the guess gets 1 s, the reply the full 3 s from its own start.
    std::atomic<std::uint32_t> now{0};
    engine->setClock(fakeClock, &now);
    loadGame(INITIAL_BOARD, SIDE_RED, {CENTRAL_CANNON});
    engine->setLimits({LIMIT_TIME, 0, 3});
    ASSERT_TRUE(engine->startPonder(nullptr));
    ASSERT_TRUE(waitForIterations(1));
    const std::uint32_t guessPhase = engine->timePhase.load();
    EXPECT_EQ(engine->phaseBudget.load(), 1000);
    now = 1001;
    for (int i = 0; i < 60000 && engine->timePhase.load() == guessPhase; ++i) {
        engine->pollEngine();
        std::this_thread::sleep_for(1ms);
    }
    ASSERT_NE(engine->timePhase.load(), guessPhase) << "the guess search did not end";
    EXPECT_EQ(engine->phaseBudget.load(), 3000);
    EXPECT_EQ(engine->phaseStart.load(), 1001u);
    // 3500 is past 3 s from the guess's start but not from the reply's.
    now = 3500;
    for (int i = 0; i < 5; ++i) {
        engine->pollEngine();
        EXPECT_NE(engine->stopFlag->load(), STOP_TIME);
        std::this_thread::sleep_for(2ms);
    }
    now = 4002;
    ASSERT_TRUE(pollUntilIdle());
    PonderExport p;
    engine->exportPonder(p);
    EXPECT_EQ(p.limits, (SearchRequest{LIMIT_TIME, 0, 3}));
    EXPECT_NE(p.guessedMove, 0u);
    EXPECT_NE(p.preparedReply, 0u);
}

TEST_F(Service, LoadHistoryMarksEveryPositionOfTheGame) {
    const PackedMove blackHorse = packMove(1, 9, 2, 7);
    loadGame(INITIAL_BOARD, SIDE_RED, {CENTRAL_CANNON, blackHorse});
    const Board90 one = played(INITIAL_BOARD, CENTRAL_CANNON);
    const Board90 two = played(one, blackHorse);
    const RepetitionTable& table = engine->repetitionTable();
    int marked = 0;
    for (const auto& slot : table.slots) marked += slot.mark != MARK_FREE;
    EXPECT_EQ(marked, 3);
    for (std::uint64_t key : {keyOf(INITIAL_BOARD, SIDE_RED), keyOf(one, SIDE_BLACK), keyOf(two, SIDE_RED)}) {
        const auto low = static_cast<std::uint32_t>(key), high = static_cast<std::uint32_t>(key >> 32);
        EXPECT_TRUE(table.contains(low, high));
        EXPECT_EQ(table.slots[low & RepetitionTable::INDEX_MASK].mark, MARK_HISTORY);
    }
    EXPECT_EQ(engine->hashKey(), keyOf(two, SIDE_RED));

    // A record move from an empty point ends the marking there.
    const PackedMove fromNowhere = packMove(4, 4, 4, 5);
    std::vector<PackedMove> damaged{CENTRAL_CANNON, fromNowhere, blackHorse};
    engine->loadHistory(INITIAL_BOARD, SIDE_RED, damaged.data(), 3);
    marked = 0;
    for (const auto& slot : table.slots) marked += slot.mark != MARK_FREE;
    EXPECT_EQ(marked, 2);
}

TEST_F(Service, BookMoveAnswersAThinkAndAnUnfitOneIsSearched) {
    const std::uint64_t start = keyOf(INITIAL_BOARD, SIDE_RED);
    const auto low = static_cast<std::uint32_t>(start), high = static_cast<std::uint32_t>(start >> 32);
    engine->bookProbe = probeOpeningBook;
    engine->setLimits({LIMIT_DEPTH, 2, 0});
    auto thinkOnce = [&](bool useBook) {
        engine->setUseBook(useBook);
        loadGame(INITIAL_BOARD, SIDE_RED, {});
        EXPECT_TRUE(engine->startThink(nullptr));
        EXPECT_TRUE(pollUntilIdle());
        SearchResult result;
        engine->exportResult(result);
        return std::pair{engine->bestMove(), static_cast<int>(result.iterations)};
    };
    const auto book = encodeBook({{low, high, {{CENTRAL_CANNON, 10}}}});
    ASSERT_TRUE(openingBook().loadBook(book.data(), book.size()));
    EXPECT_EQ(thinkOnce(true), std::pair(CENTRAL_CANNON, 0));
    EXPECT_EQ(thinkOnce(false).second, 2);
    // A rook through its own horse is not played even though the book says so.
    const auto unfit = encodeBook({{low, high, {{packMove(0, 0, 2, 0), 10}}}});
    ASSERT_TRUE(openingBook().loadBook(unfit.data(), unfit.size()));
    const auto [move, depth] = thinkOnce(true);
    EXPECT_EQ(depth, 2);
    EXPECT_TRUE(isLegalIn(INITIAL_BOARD, SIDE_RED, move));
    openingBook().clear();
}

// ---- priorities of the two workers ----

// Where the last iteration was searched: the thread and its policy there.
struct SearchingThread {
    std::atomic<int> iterations{0};
    std::atomic<pid_t> tid{0};
    std::atomic<int> policy{-1};
};
void recordSearchingThread(const Engine&, void* context) {
    auto* seen = static_cast<SearchingThread*>(context);
    seen->tid = gettid();
    seen->policy = sched_getscheduler(0);
    ++seen->iterations;
}

// The policy Linux reports for a thread of this process: field 41 of its
// stat line, counted after the name in parentheses (which may hold spaces).
int reportedPolicy(pid_t tid) {
    std::ifstream in("/proc/self/task/" + std::to_string(tid) + "/stat");
    std::string line;
    std::getline(in, line);
    const auto nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos) return -1;
    std::istringstream fields(line.substr(nameEnd + 1));
    std::string field;
    for (int number = 3; fields >> field; ++number)
        if (number == 41) return std::stoi(field);
    return -1;
}

// Starts an unlimited job, and once it has searched an iteration reads the
// searching thread's policy from outside while the job still runs; then
// stops it. Returns -1 when the job did not start or search.
int policyWhileRunning(Engine& engine, SearchingThread& seen, bool ponder, pid_t& tid) {
    seen.iterations = 0;
    if (!(ponder ? engine.startPonder(nullptr) : engine.startThink(nullptr))) return -1;
    for (auto end = std::chrono::steady_clock::now() + 120s; seen.iterations.load() == 0;) {
        if (std::chrono::steady_clock::now() > end) return -1;
        std::this_thread::sleep_for(2ms);
    }
    tid = seen.tid;
    const int outside = reportedPolicy(tid);
    const bool running = engine.state() == (ponder ? STATE_PONDERING : STATE_THINKING);
    engine.stopAndWait();
    if (!running || outside != seen.policy) return -1;
    return outside;
}

bool fail(const char* why) {
    std::fprintf(stderr, "%s\n", why);
    return false;
}

// An ordinary user's process may enter idle priority but never leave it.
bool jobsKeepTheirPrioritiesAsAnOrdinaryUser() {
    constexpr uid_t NOBODY = 65534;
    if (geteuid() == 0 && (setresgid(NOBODY, NOBODY, NOBODY) != 0 || setresuid(NOBODY, NOBODY, NOBODY) != 0))
        return fail("could not become an ordinary user");
    Engine engine;
    engine.createSearchTables();
    engine.setUseBook(false);
    SearchingThread seen;
    engine.iterationReport = recordSearchingThread;
    engine.iterationContext = &seen;
    engine.setLimits(NO_LIMIT);
    engine.setPosition(INITIAL_BOARD, SIDE_RED);
    engine.startWorker();
    pid_t ponderTid = 0, thinkTid = 0;
    // Twice: a think after background thinking is back at normal priority.
    for (int round = 0; round < 2; ++round) {
        if (policyWhileRunning(engine, seen, true, ponderTid) != SCHED_IDLE)
            return fail("background thinking is not at idle priority");
        if (policyWhileRunning(engine, seen, false, thinkTid) != SCHED_OTHER)
            return fail("thinking is not at normal priority");
    }
    engine.shutdownEngine();
    return ponderTid != thinkTid || fail("one thread did both jobs");
}

TEST(ServicePriority, BackgroundThinkingAloneRunsAtIdlePriority) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(jobsKeepTheirPrioritiesAsAnOrdinaryUser() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

}  // namespace
