// The alpha-beta search: mate distances, the check extension, when the
// null move is tried, the repetition rules, the move picker, the capture
// search and the root ordering.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/fen.h"
#include "engine/search.h"
#include "search_support.h"

namespace {

// Black king d9, Red rook d0: Red takes the king.
constexpr const char* KING_EN_PRISE = "3k5/9/9/9/9/9/9/9/9/3RK4 w";
// The same with Black to move: every Black move loses the king.
constexpr const char* MATED = "3k5/9/9/9/9/9/9/9/9/3RK4 b";
// Red mates in one (a0d0 or a0a8).
constexpr const char* MATE_IN_ONE = "3k5/9/9/9/9/9/9/9/9/R3K4 w";
constexpr const char* START = "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w";

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override { engine = makeSearchEngine(); }
    void load(const char* fen) { ASSERT_TRUE(loadSearchPosition(*engine, fen)); }
    std::unique_ptr<Engine> engine;
};

TEST_F(SearchTest, MateScoresMoveOnePointTowardZeroPerPly) {
    load(KING_EN_PRISE);
    EXPECT_EQ(rootSearch(*engine, 1), 29999);
    load(MATED);
    EXPECT_EQ(rootSearch(*engine, 2), -29998);
    load(MATE_IN_ONE);
    EXPECT_EQ(rootSearch(*engine, 3), 29997);
    EXPECT_EQ(mateMoves(29997), 1);
    EXPECT_EQ(mateMoves(-29998), -1);
    EXPECT_EQ(mateMoves(29995), 2);
    EXPECT_EQ(mateMoves(500), 0);
}

TEST_F(SearchTest, CheckAtTheHorizonIsSearchedOnePlyDeeper) {
    // At depth 1 the mate is seen only because Black, in check at the
    // horizon, gets a full ply instead of the capture search.
    load(MATE_IN_ONE);
    EXPECT_EQ(rootSearch(*engine, 1), 29997);
    EXPECT_GT(engine->stats.counters.checkExtensions, 0u);
    load(START);
    rootSearch(*engine, 1);
    EXPECT_EQ(engine->stats.counters.checkExtensions, 0u);
}

// Red two rooks up; the null move at a node with a low beta fails high.
class NullMoveTest : public SearchTest {
protected:
    static constexpr const char* AHEAD = "3k5/9/9/9/9/9/9/9/9/RR2K4 w";
    static constexpr const char* AHEAD_IN_CHECK = "3k5/9/9/9/4r4/9/9/9/9/RR2K4 w";

    // Searches a non-root node; returns whether the null move was tried,
    // and the depth the null-move search stored.
    bool nullTried(const char* fen, int atPly, int depth, int& nullDepth, bool nested = false, bool onPV = false) {
        EXPECT_TRUE(loadSearchPosition(*engine, fen));
        engine->clearTable();
        resetSearch(*engine);
        const std::uint32_t low = engine->hashLow, high = engine->hashHigh;
        engine->ply = static_cast<std::int8_t>(atPly);
        engine->inNullMove = nested;
        engine->followingPV = onPV;
        engine->search(engine->searchStack[atPly], depth, -1001, -1000);
        engine->inNullMove = false;
        engine->followingPV = false;
        engine->ply = 0;
        nullDepth = storedDepth(low ^ SIDE_KEY.low, high ^ SIDE_KEY.high);
        // A null-move cut-off stores nothing for the node itself.
        const bool nodeStored = storedDepth(low, high) >= 0;
        return nullDepth >= 0 && !nodeStored;
    }
    int storedDepth(std::uint32_t low, std::uint32_t high) {
        TranspositionTable& tt = engine->transpositionTable();
        if (tt.primary(low).holds(low, high)) return tt.primary(low).depth;
        if (tt.secondary(low).holds(low, high)) return tt.secondary(low).depth;
        return -1;
    }
};

TEST_F(NullMoveTest, TriedFromPlyTwoAndDepthThreeWithReducedDepth) {
    int nullDepth = 0;
    EXPECT_TRUE(nullTried(AHEAD, 2, 3, nullDepth));
    EXPECT_EQ(nullDepth, 1);
    EXPECT_TRUE(nullTried(AHEAD, 2, 4, nullDepth));
    EXPECT_EQ(nullDepth, 1);
    EXPECT_TRUE(nullTried(AHEAD, 2, 5, nullDepth));
    EXPECT_EQ(nullDepth, 2);
}

TEST_F(NullMoveTest, NeverTriedNearTheRootShallowInCheckNestedOrOnThePreviousLine) {
    int nullDepth = 0;
    EXPECT_FALSE(nullTried(AHEAD, 1, 3, nullDepth));
    EXPECT_FALSE(nullTried(AHEAD, 2, 2, nullDepth));
    EXPECT_FALSE(nullTried(AHEAD_IN_CHECK, 2, 3, nullDepth));
    EXPECT_FALSE(nullTried(AHEAD, 2, 3, nullDepth, true));
    EXPECT_FALSE(nullTried(AHEAD, 2, 3, nullDepth, false, true));
}

// ---- repetition verdicts ----

class RepetitionTest : public SearchTest {
protected:
    // Makes the move, optionally with the new position in the history,
    // and judges it; checks the board is as it was after the verdict.
    int verdictOf(const char* fen, const char* move, bool repeated = true) {
        EXPECT_TRUE(loadSearchPosition(*engine, fen));
        const EngineMove m = engineMove(move);
        const std::int8_t mover = engine->board[moveSource(m)];
        const Engine::SavedState saved = engine->makeMove(m);
        if (repeated) markHistory(*engine);
        const std::vector<std::int8_t> board(engine->board, engine->board + 256);
        const std::vector<std::uint8_t> squares(engine->pieceSquares, engine->pieceSquares + 32);
        const int v = engine->repetitionVerdict(m, mover);
        EXPECT_EQ(std::vector<std::int8_t>(engine->board, engine->board + 256), board);
        EXPECT_EQ(std::vector<std::uint8_t>(engine->pieceSquares, engine->pieceSquares + 32), squares);
        engine->unmakeMove(m, saved);
        return v;
    }
};

TEST_F(RepetitionTest, NewPositionIsAnOrdinaryMove) {
    EXPECT_EQ(verdictOf("4k4/9/9/9/9/9/9/9/9/R2K5 w", "a0a9", false), REP_NONE);
}

TEST_F(RepetitionTest, RepeatingWithCheckIsForbidden) {
    EXPECT_EQ(verdictOf("4k4/9/9/9/9/9/9/9/9/R2K5 w", "a0a9"), REP_FORBIDDEN);
}

TEST_F(RepetitionTest, EscapeFromAnOfficerIsAnOrdinaryMove) {
    // The rook on a4 stood attacked by the rook on a8.
    EXPECT_EQ(verdictOf("4k4/r8/9/9/9/R8/9/9/9/3K5 w", "a4b4"), REP_NONE);
    // Attacked by a pawn only: no escape, and no threat from b4.
    EXPECT_EQ(verdictOf("4k4/9/9/9/p8/R8/9/9/9/3K5 w", "a4b4"), REP_CAPPED);
}

TEST_F(RepetitionTest, ChasingAnUndefendedPieceIsForbidden) {
    EXPECT_EQ(verdictOf("4k4/9/2n6/9/9/9/9/R8/9/3K5 w", "a2c2"), REP_FORBIDDEN);
    // The rook on c9 defends the horse: no chase.
    EXPECT_EQ(verdictOf("2r1k4/9/2n6/9/9/9/9/R8/9/3K5 w", "a2c2"), REP_CAPPED);
}

TEST_F(RepetitionTest, KingAndPawnRepetitionsAreCapped) {
    EXPECT_EQ(verdictOf("4k4/9/9/9/9/9/9/9/9/R2K5 w", "d0d1"), REP_CAPPED);
    // The pawn on c5 would attack the undefended horse on c6: still capped.
    EXPECT_EQ(verdictOf("4k4/9/9/2n6/2P6/9/9/9/9/3K5 w", "c5b5"), REP_CAPPED);
}

TEST_F(RepetitionTest, AnsweringCheckIsNeverAChase) {
    // Red's rook blocks the horse's check on d1 and attacks the undefended
    // horse there; Black is the one checking again and again.
    EXPECT_EQ(verdictOf("2b1ka3/3Ra4/4P4/p8/8p/P8/7cP/4B1N2/2n1Ar3/2BAK4 w", "d8d1"), REP_NONE);
    // Black's rook interposes on e8 and attacks the undefended rook on e7.
    EXPECT_EQ(verdictOf("1R1akab1C/3r5/4R4/p3p4/6p1p/P8/4P1P1P/6N2/9/2BAKAB2 b", "d8e8"), REP_NONE);
    // The same rook move, attacking an undefended horse with no check to
    // answer, is a chase.
    EXPECT_EQ(verdictOf("1R1akab1C/3r3N1/9/p3p4/6p1p/P8/4P1P1P/6N2/9/2BAKAB2 b", "d8e8"), REP_FORBIDDEN);
    // An answer to check that checks in turn is still perpetual check.
    // (The cannon blocks the rook's check and checks through it.)
    EXPECT_EQ(verdictOf("4k4/9/9/9/4r4/9/C8/9/9/4K4 w", "a3e3"), REP_FORBIDDEN);
}

TEST_F(RepetitionTest, MoverIsTestedOnItsOldSquareWithTheNewOneEmpty) {
    // Back on a5 the rook is no target of the cannon on a1: the cannon has
    // no screen once a4 is empty again.
    EXPECT_EQ(verdictOf("4k4/9/9/9/R8/9/9/9/c7r/3K5 w", "a5a4"), REP_CAPPED);
}

TEST_F(RepetitionTest, RootNeverChoosesAForbiddenRepetition) {
    const char* fen = "4k4/9/9/9/9/9/9/9/9/R2K5 w";
    load(fen);
    rootSearch(*engine, 2);
    ASSERT_EQ(engine->searchStack[0].pv[0], engineMove("a0a9"));  // the check is best otherwise
    load(fen);
    markAfter(*engine, "a0a9");
    rootSearch(*engine, 2);
    EXPECT_EQ(rootScoreOf(*engine, engineMove("a0a9")), -MATE_SCORE);
    EXPECT_NE(engine->searchStack[0].pv[0], engineMove("a0a9"));
    EXPECT_GT(engine->searchStack[0].pvLength, 0);
}

TEST_F(RepetitionTest, AForbiddenRepetitionIsPlayedWhenEveryOtherMoveGivesUpTheKing) {
    // Red's king is boxed in and both advisors are pinned: the only legal
    // move is the pawn's check on e9, and it repeats.
    const char* fen = "PPPP1k3/9/9/9/9/9/3n5/9/9/r2AKA2r w";
    load(fen);
    markAfter(*engine, "d9e9");
    rootSearch(*engine, 3);
    EXPECT_EQ(rootScoreOf(*engine, engineMove("d9e9")), -MATE_SCORE);
    ASSERT_GT(engine->searchStack[0].pvLength, 0);
    EXPECT_EQ(engine->searchStack[0].pv[0], engineMove("d9e9"));
    load(fen);
    markAfter(*engine, "d9e9");
    thinkToDepth(*engine, 4);
    EXPECT_EQ(engine->bestEngineMove, engineMove("d9e9"));
}

TEST_F(RepetitionTest, AKingInCheckWhoseOnlyEscapeRepeatsStillEscapes) {
    // The horse on c1 checks; d8d1 is Red's only legal move and repeats.
    load("2b1ka3/3Ra4/4P4/p8/8p/P8/7cP/4B1N2/2n1Ar3/2BAK4 w");
    markAfter(*engine, "d8d1");
    thinkToDepth(*engine, 5);
    EXPECT_EQ(engine->bestEngineMove, engineMove("d8d1"));
}

TEST_F(RepetitionTest, RootScoresACappedRepetitionAtMostZero) {
    const char* fen = "4k4/9/9/9/9/9/9/9/9/R2K5 w";
    load(fen);
    rootSearch(*engine, 2);
    ASSERT_GT(rootScoreOf(*engine, engineMove("d0d1")), 0);
    load(fen);
    markAfter(*engine, "d0d1");
    rootSearch(*engine, 2);
    EXPECT_EQ(rootScoreOf(*engine, engineMove("d0d1")), 0);
}

TEST_F(RepetitionTest, SearchLeavesOnlyTheHistoryInTheTable) {
    load(START);
    markAfter(*engine, "h2e2");
    thinkToDepth(*engine, 4);
    int used = 0;
    for (const auto& s : engine->repetitionTable().slots) {
        used += s.keyLow != 0 || s.keyHigh != 0 || s.mark != 0;
        EXPECT_NE(s.mark, MARK_PATH);
    }
    EXPECT_EQ(used, 2);
}

// ---- move picker ----

TEST_F(SearchTest, PreListPutsThePreviousLineFirstAndListsEachMoveOnce) {
    load(START);
    resetSearch(*engine);
    const EngineMove pvMove = engineMove("h2e2"), other = engineMove("b2e2");
    PlyRecord& root = engine->searchStack[0];
    root.pvLength = 3;
    root.pv[2] = pvMove;
    engine->ply = 2;  // the start position stands for a node two plies down
    PlyRecord& r = engine->searchStack[2];
    r.hashMoves[0] = pvMove;
    r.hashMoves[1] = other;
    engine->followingPV = true;
    std::vector<EngineMove> handed;
    std::vector<int> keys;
    for (EngineMove m = engine->nextMove(r); m != 0; m = engine->nextMove(r)) {
        handed.push_back(m);
        if (r.fullListDone) keys.push_back(r.moves[r.current - 1].key);
    }
    engine->ply = 0;
    ASSERT_GE(handed.size(), 3u);
    EXPECT_EQ(handed[0], pvMove);
    EXPECT_EQ(handed[1], other);
    EXPECT_EQ(engine->stats.counters.listGenerations, 1u);
    // The generated list follows, pre-list moves included once more, best key first.
    EXPECT_EQ(handed.size() - 2, 44u);
    EXPECT_EQ(std::count(handed.begin(), handed.end(), pvMove), 2);
    EXPECT_EQ(std::count(handed.begin(), handed.end(), other), 2);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end(), std::greater<int>()));
}

TEST_F(SearchTest, PreListMovesThatDoNotFitThePositionAreNotHandedOut) {
    load(START);
    resetSearch(*engine);
    PlyRecord& r = engine->searchStack[1];
    r.hashMoves[0] = makeEngineMove(squareAt(4, 4), squareAt(4, 5));  // from an empty square
    r.hashMoves[1] = engineMove("a3a4");
    engine->ply = 1;
    const EngineMove first = engine->nextMove(r);
    engine->ply = 0;
    EXPECT_EQ(first, engineMove("a3a4"));
}

// ---- capture search ----

TEST_F(SearchTest, CaptureSearchStandsPatOrTakesTheBetterCapture) {
    load("3k5/9/9/9/9/9/9/9/4A4/4K4 w");  // nothing to capture
    resetSearch(*engine);
    EXPECT_EQ(engine->quiesce(engine->searchStack[0], -INFINITE_SCORE, INFINITE_SCORE), engine->evaluate());
    load("3k5/9/9/9/r8/9/9/9/9/R3K4 w");  // the rook on a5 hangs
    resetSearch(*engine);
    const int stand = engine->evaluate();
    const EngineMove take = engineMove("a0a5");
    const Engine::SavedState saved = engine->makeMove(take);
    const int afterTake = -engine->evaluate();
    engine->unmakeMove(take, saved);
    EXPECT_GT(afterTake, stand);
    EXPECT_EQ(engine->quiesce(engine->searchStack[0], -INFINITE_SCORE, INFINITE_SCORE), afterTake);
}

// ---- root ----

void expectRootOrderFromPreviousScores(Engine& engine) {
    rootSearch(engine, 1);
    const PlyRecord& root = engine.searchStack[0];
    std::vector<MoveEntry> expected(root.moves, root.moves + root.count);
    const EngineMove best = root.pv[0];
    for (auto& m : expected)
        if (m.move() == best) m.key = INFINITE_SCORE;
    std::stable_sort(expected.begin(), expected.end(), [](const MoveEntry& a, const MoveEntry& b) { return a.key > b.key; });
    // The second iteration, without resetting the records.
    engine.searchRoot(2, -INFINITE_SCORE, INFINITE_SCORE);
    ASSERT_EQ(root.count, static_cast<int>(expected.size()));
    for (int i = 0; i < root.count; ++i) EXPECT_EQ(root.moves[i].move(), expected[i].move()) << "at " << i;
}

TEST_F(SearchTest, LaterIterationsTakeThePreviousBestThenTheOthersByScore) {
    load(START);
    // The first iteration keeps generation order.
    rootSearch(*engine, 1);
    MoveEntry generated[MOVE_LIST_SIZE];
    const int n = engine->generateMoves(SIDE_RED, generated);
    ASSERT_EQ(engine->searchStack[0].count, n);
    for (int i = 0; i < n; ++i) EXPECT_EQ(engine->searchStack[0].moves[i].move(), generated[i].move());
    load(START);
    expectRootOrderFromPreviousScores(*engine);
    load("rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C2C4/9/RNBAKABNR b");
    expectRootOrderFromPreviousScores(*engine);
}

// Every recorded line is a sequence of moves the generator gives, from the
// root on: lines completed from the table are read from the right position.
TEST_F(SearchTest, RecordedLinesArePlayableFromTheRoot) {
    const char* fens[] = {
        START,
        "2bakab2/3r1r3/1cn3nc1/p1p1p1p1p/9/2P3P2/P3P3P/1CN3NC1/R2R5/2BAKAB2 b",
        "2bak4/4a4/1Cn1b1n2/4r3p/2p1C1c2/4P4/R1c5P/2N1B4/4A2r1/3AK1B2 b",
        "2b1k4/4a2C1/4b4/3R5/6p2/3n5/5rP1P/4B4/4A4/2BAK4 b",
    };
    for (const char* fen : fens) {
        SCOPED_TRACE(fen);
        load(fen);
        thinkToDepth(*engine, 6);
        // Again with the table of the first think: children of the root now
        // answer from the table and their lines are completed from it.
        load(fen);
        thinkToDepth(*engine, 6);
        const SearchStats& s = engine->publishedStats;
        ASSERT_GT(s.iterations, 0);
        for (int i = 0; i < s.iterations; ++i) {
            load(fen);
            for (int j = 0; j < s.lines[i].length; ++j) {
                const EngineMove m = s.lines[i].moves[j];
                MoveEntry list[MOVE_LIST_SIZE];
                const int n = engine->generateMoves(engine->sideToMove, list);
                ASSERT_TRUE(std::any_of(list, list + n, [m](const MoveEntry& e) { return e.move() == m; }))
                    << "line " << i << " move " << j;
                engine->makeMove(m);
            }
        }
    }
}

}  // namespace

namespace {

// A child line of 127 moves under one more move: the node keeps the
// longest line a length can count, never a wrapped length.
TEST(AdoptLine, LineIsCutAt127Moves) {
    static PlyRecord child{}, node{};
    for (int i = 0; i < 128; ++i) child.pv[i] = static_cast<EngineMove>(0x3344 + i);
    for (const int childLength : {0, 5, 126, 127}) {
        child.pvLength = static_cast<std::int8_t>(childLength);
        adoptLine(node, 0x1122, child);
        ASSERT_EQ(node.pvLength, std::min(childLength + 1, MAX_LINE_LENGTH)) << childLength;
        EXPECT_EQ(node.pv[0], 0x1122);
        EXPECT_EQ(node.pv[node.pvLength - 1], node.pvLength > 1 ? 0x3344 + node.pvLength - 2 : 0x1122);
    }
}

}  // namespace
