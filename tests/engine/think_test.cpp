// Iterative deepening: the stop rules (depth, mate, single move, time on
// a fake clock, a stop request), the book answer, the answer from
// background thinking and the exported result.
#include <gtest/gtest.h>

#include <vector>

#include "engine/bench.h"
#include "engine/fen.h"
#include "engine/search.h"
#include "search_support.h"

namespace {

constexpr const char* START = "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w";
constexpr const char* MATE_IN_ONE = "3k5/9/9/9/9/9/9/9/9/R3K4 w";
// Red's king is in check from the rook on d5; e0 is its only safe square.
constexpr const char* ONE_ESCAPE = "5k3/9/9/9/3r5/9/9/9/9/3K5 w";

// A clock the test moves: each recorded iteration advances it by the
// next step of the list.
struct FakeClock {
    std::uint32_t now = 0;
    std::vector<std::uint32_t> steps;
    std::size_t next = 0;
    static std::uint32_t read(void* self) { return static_cast<FakeClock*>(self)->now; }
    static void advance(const Engine&, void* self) {
        auto* c = static_cast<FakeClock*>(self);
        if (c->next < c->steps.size()) c->now += c->steps[c->next++];
    }
};

class ThinkTest : public ::testing::Test {
protected:
    void SetUp() override { engine = makeSearchEngine(); }
    void load(const char* fen) { ASSERT_TRUE(loadSearchPosition(*engine, fen)); }
    void thinkWith(SearchRequest limits) {
        engine->setClock(FakeClock::read, &clock);
        engine->iterationReport = FakeClock::advance;
        engine->iterationContext = &clock;
        engine->activeLimits = limits;
        engine->startTime = engine->workerTime();
        engine->think();
    }
    const SearchStats& published() const { return engine->publishedStats; }

    std::unique_ptr<Engine> engine;
    FakeClock clock;
};

TEST_F(ThinkTest, DepthLimitRunsExactlyThatManyIterations) {
    load(START);
    thinkWith({LIMIT_DEPTH, 1, 0});
    EXPECT_EQ(published().iterations, 1);
    EXPECT_EQ(published().depth, 1);
    ASSERT_GT(published().lines[0].length, 0);
    EXPECT_EQ(engine->bestEngineMove, published().lines[0].moves[0]);
    load(START);
    thinkWith({LIMIT_DEPTH, 4, 0});
    EXPECT_EQ(published().iterations, 4);
    EXPECT_EQ(engine->bestEngineMove, published().lines[3].moves[0]);
}

TEST_F(ThinkTest, MateEndsTheDeepeningUnderALongTimeLimit) {
    load(MATE_IN_ONE);
    thinkWith({LIMIT_TIME, 0, 18});
    EXPECT_LE(published().iterations, 3);
    EXPECT_EQ(mateMoves(published().score), 1);
    EXPECT_NE(engine->bestMove(), 0u);
}

TEST_F(ThinkTest, SingleMoveThatDoesNotLoseEndsTheDeepening) {
    load(ONE_ESCAPE);
    thinkWith({LIMIT_DEPTH, 10, 0});
    // Depth 1 stands pat after d0d1; depth 2 sees the rook take the king.
    EXPECT_EQ(published().iterations, 2);
    EXPECT_TRUE(engine->onlyOneMove);
    EXPECT_EQ(engine->bestEngineMove, engineMove("d0e0"));
}

TEST_F(ThinkTest, NoIterationStartsAfterAThirdOfTheTime) {
    // 2 s: an iteration may start while at most 666 ms are used.
    load(START);
    clock.steps = {666, 1};
    thinkWith({LIMIT_TIME, 0, 2});
    EXPECT_EQ(published().iterations, 3);
    EXPECT_EQ(published().elapsed, 667);
    // With both limits, whichever comes first.
    load(START);
    clock = {};
    clock.steps = {700};
    thinkWith({LIMIT_DEPTH | LIMIT_TIME, 5, 2});
    EXPECT_EQ(published().iterations, 2);
    load(START);
    clock = {};
    thinkWith({LIMIT_DEPTH | LIMIT_TIME, 2, 2});
    EXPECT_EQ(published().iterations, 2);
}

TEST_F(ThinkTest, StopDuringTheFirstIterationStillGivesAMove) {
    load(START);
    engine->stopFlag->store(1);
    thinkWith({LIMIT_DEPTH, 5, 0});
    engine->stopFlag->store(0);
    EXPECT_EQ(published().iterations, 1);
    EXPECT_NE(engine->bestMove(), 0u);
}

TEST_F(ThinkTest, StopDuringTheFirstIterationStillGivesALegalMove) {
    // The rook on e1 is pinned by the rook on e8: every move along its rank,
    // the first moves of the list, leaves the king to be taken. The first
    // iteration runs to its end even when a stop is already there, so that
    // its move is never one of those.
    const char* fen = "3k5/4r4/9/9/9/9/9/9/4R4/4K4 w";
    load(fen);
    engine->stopFlag->store(1);
    thinkWith({LIMIT_DEPTH, 5, 0});
    engine->stopFlag->store(0);
    EXPECT_EQ(published().iterations, 1);
    Board90 board;
    Side side;
    std::string error;
    ASSERT_TRUE(readFen(fen, board, side, error));
    Engine& rules = plainEngine();
    rules.setPosition(board, side);
    EXPECT_TRUE(rules.tryMove(engine->bestMove()));
    EXPECT_EQ(Engine::toEngineMove(engine->bestMove()), engineMove("e1e8"));
}

TEST_F(ThinkTest, StoppedLaterIterationIsDropped) {
    load(START);
    struct StopAfter {
        std::atomic<int>* flag;
        int iterations;
    } stopper{engine->stopFlag, 2};
    engine->iterationReport = nullptr;
    engine->activeLimits = {LIMIT_DEPTH, 6, 0};
    engine->iterationReport = [](const Engine& e, void* self) {
        auto* s = static_cast<StopAfter*>(self);
        if (e.stats.iterations == s->iterations) s->flag->store(2);
    };
    engine->iterationContext = &stopper;
    engine->think();
    engine->stopFlag->store(0);
    EXPECT_EQ(published().iterations, 2);
    EXPECT_EQ(published().depth, 2);
    EXPECT_EQ(engine->stats.depth, 3);  // the working copy saw the third start
    EXPECT_EQ(engine->bestEngineMove, published().lines[1].moves[0]);
}

TEST_F(ThinkTest, MainSearchTreatsPlyNinetySixAsTheHorizon) {
    load(START);
    resetSearch(*engine);
    engine->ply = 96;
    const int v = engine->search(engine->searchStack[96], 5, -INFINITE_SCORE, INFINITE_SCORE);
    const int q = engine->quiesce(engine->searchStack[96], -INFINITE_SCORE, INFINITE_SCORE);
    engine->ply = 0;
    EXPECT_EQ(v, q);
    const TTEntry& p = engine->transpositionTable().primary(engine->hashLow);
    EXPECT_FALSE(p.holds(engine->hashLow, engine->hashHigh));  // no node of its own was searched
    EXPECT_LE(engine->stats.maxPly, 127);
}

// ---- book ----

PackedMove bookCentralCannon(std::uint64_t) { return readCoordinateMove("h2e2"); }
PackedMove bookNonsense(std::uint64_t) { return packMove(4, 4, 4, 5); }     // from an empty point

TEST_F(ThinkTest, BookMoveAnswersAtOnceWithoutASearch) {
    load(START);
    engine->useBook = true;
    engine->bookProbe = bookCentralCannon;
    thinkWith({LIMIT_DEPTH, 5, 0});
    EXPECT_EQ(engine->bestMove(), readCoordinateMove("h2e2"));
    EXPECT_EQ(published().depth, 0);
    EXPECT_EQ(published().iterations, 0);
    EXPECT_EQ(published().counters.nodes, 0u);
    // With the book off the same think searches.
    engine->useBook = false;
    thinkWith({LIMIT_DEPTH, 2, 0});
    EXPECT_EQ(published().iterations, 2);
}

TEST_F(ThinkTest, BookMoveTheGeneratorDoesNotKnowIsIgnored) {
    load(START);
    engine->useBook = true;
    engine->bookProbe = bookNonsense;
    thinkWith({LIMIT_DEPTH, 2, 0});
    EXPECT_EQ(published().iterations, 2);
    EXPECT_NE(engine->bestMove(), packMove(4, 4, 4, 5));
}

// ---- background thinking's answer ----

class PonderAnswerTest : public ThinkTest {
protected:
    void SetUp() override {
        ThinkTest::SetUp();
        load(START);
        engine->computeHash();
        reply = engineMove("h9g7");
    }
    // A record made under the given limits whose guessed move leads here.
    void record(SearchRequest limits) {
        engine->ponderRecord = {};
        engine->ponderRecord.limits = limits;
        engine->ponderRecord.keyAfter[0] = engine->hashLow;
        engine->ponderRecord.keyAfter[1] = engine->hashHigh;
        engine->ponderRecord.preparedReply = reply;
    }
    // Whether thinkJob answers from the record (no search is made then);
    // a search that does run is stopped after two iterations.
    bool answers(SearchRequest active) {
        engine->setClock(FakeClock::read, &clock);
        engine->bestEngineMove = 0;
        engine->publishedStats.iterations = 0;
        engine->activeLimits = active;
        engine->iterationContext = engine->stopFlag;
        engine->iterationReport = [](const Engine& e, void* flag) {
            if (e.stats.iterations >= 2) static_cast<std::atomic<int>*>(flag)->store(1);
        };
        engine->thinkJob();
        engine->stopFlag->store(0);
        return engine->bestEngineMove == reply && published().iterations == 0;
    }
    EngineMove reply = 0;
};

TEST_F(PonderAnswerTest, RecordAnswersThinksItsLimitsCover) {
    record({LIMIT_TIME, 0, 6});
    EXPECT_TRUE(answers({LIMIT_TIME, 0, 6}));
    EXPECT_TRUE(answers({LIMIT_TIME, 0, 2}));
    EXPECT_FALSE(answers({LIMIT_DEPTH, 1, 0}));
}

TEST_F(PonderAnswerTest, RecordDoesNotAnswerLongerOrOtherLimitsOrAnotherPosition) {
    record({LIMIT_TIME, 0, 6});
    engine->ponderRecord.preparedReply = reply;
    EXPECT_FALSE(answers({LIMIT_TIME, 0, 18}));
    record({LIMIT_DEPTH, 3, 0});
    EXPECT_FALSE(answers({LIMIT_TIME, 0, 2}));
    EXPECT_FALSE(answers({LIMIT_DEPTH, 4, 0}));
    record({LIMIT_TIME, 0, 6});
    engine->ponderRecord.keyAfter[1] ^= 1;
    EXPECT_FALSE(answers({LIMIT_TIME, 0, 2}));
    engine->ponderRecord = {};  // an empty record never answers
    EXPECT_FALSE(answers({0, 0, 0}));
}

TEST_F(PonderAnswerTest, RecordIsExportedWithPackedMoves) {
    record({LIMIT_TIME, 0, 6});
    engine->ponderRecord.guessedMove = engineMove("h2e2");
    PonderExport out{};
    engine->exportPonder(out);
    EXPECT_EQ(out.limits, (SearchRequest{LIMIT_TIME, 0, 6}));
    EXPECT_EQ(out.guessedMove, readCoordinateMove("h2e2"));
    EXPECT_EQ(out.preparedReply, Engine::toPackedMove(reply));
    EXPECT_EQ(out.keyAfter[0], engine->hashLow);
}

TEST_F(ThinkTest, ExportedResultCarriesScoreCountersAndLinesAsPackedMoves) {
    load("rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C2C4/9/RNBAKABNR b");
    thinkWith({LIMIT_DEPTH, 3, 0});
    auto result = std::make_unique<SearchResult>();
    engine->exportResult(*result);
    const SearchStats& s = published();
    EXPECT_EQ(result->side, SIDE_BLACK);
    EXPECT_EQ(result->score, s.score);
    EXPECT_EQ(result->depth, 3);
    EXPECT_EQ(result->iterations, 3);
    EXPECT_EQ(result->nodes, static_cast<std::uint32_t>(s.counters.nodes));
    EXPECT_EQ(result->board, s.board);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(result->lines[i].length, s.lines[i].length);
        for (int j = 0; j < s.lines[i].length; ++j)
            EXPECT_EQ(result->lines[i].moves[j], Engine::toPackedMove(s.lines[i].moves[j]));
    }
    EXPECT_EQ(result->lines[2].moves[0], engine->bestMove());
}

TEST_F(ThinkTest, BenchNodeCountIsTheSameOnEveryRun) {
    // The bench's own positions at a small depth, twice on one engine.
    load(START);
    const BenchResult first = runBench(*engine, 3);
    const BenchResult second = runBench(*engine, 3);
    EXPECT_EQ(first.positions, BENCH_POSITION_COUNT);
    EXPECT_GE(BENCH_POSITION_COUNT, 20);
    EXPECT_GT(first.nodes, 0u);
    EXPECT_EQ(first.nodes, second.nodes);
}

TEST_F(ThinkTest, BenchNodeCountsArePinned) {
    // The search tree's signature: any change to the generators' order, the
    // evaluation, the move picker or the search changes these counts. (The
    // full benchmark, depth 7, searches 23,524,714 nodes.)
    load(START);
    EXPECT_EQ(runBench(*engine, 3).nodes, 96778u);
    EXPECT_EQ(runBench(*engine, 5).nodes, 2579486u);
}

}  // namespace
