// The client with real engines: Debian's fairy-stockfish in both of its
// protocols and the project's own morlan-engine in both of its.
#include <gtest/gtest.h>

#include <set>

#include "engine/fen.h"
#include "engines_support.h"

namespace {

constexpr int HANDSHAKE_MS = 15000;
constexpr int ANSWER_MS = 30000;  // only a broken engine takes this long

struct EngineUnderTest {
    const char* label;
    bool fairy;  // fairy-stockfish, else morlan-engine
    EngineProtocol asked;
    EngineProtocol spoken;
    RankBase ranks;
};

constexpr EngineUnderTest ENGINES[] = {
    {"FairyUci", true, EngineProtocol::AUTO, EngineProtocol::UCI, RankBase::FROM_ONE},
    {"FairyUcci", true, EngineProtocol::UCCI, EngineProtocol::UCCI, RankBase::FROM_ZERO},
    {"MorlanUci", false, EngineProtocol::AUTO, EngineProtocol::UCI, RankBase::FROM_ZERO},
    {"MorlanUcci", false, EngineProtocol::UCCI, EngineProtocol::UCCI, RankBase::FROM_ZERO},
};

// A set-up position: Red mates at once with the rook from i0 to i9, after
// one quiet pawn move on each side.
constexpr const char* MATE_SETUP = "3k5/7R1/9/2p6/9/9/P8/9/9/4K3R w - - 0 1";

Board90 boardOf(const char* fen, Side& side) {
    Board90 board{};
    std::string error;
    readFen(fen, board, side, error);
    return board;
}

std::vector<PackedMove> movesOf(std::initializer_list<const char*> texts) {
    std::vector<PackedMove> moves;
    for (const char* t : texts) moves.push_back(readCoordinateMove(t));
    return moves;
}

class RealEngine : public ::testing::TestWithParam<EngineUnderTest> {
protected:
    void SetUp() override {
        ensureApplication();
        const QString program = GetParam().fairy ? fairyStockfishPath() : morlanEnginePath();
        if (program.isEmpty()) GTEST_SKIP() << "fairy-stockfish is not installed (scripts/install-deps.sh)";
        client = std::make_unique<EngineClient>();
        record = std::make_unique<ClientRecord>(*client);
        ASSERT_TRUE(client->start(program, {}, GetParam().asked));
        ASSERT_TRUE(waitFor([this] { return record->readyCount > 0 || !record->failures.isEmpty(); }, HANDSHAKE_MS));
        ASSERT_TRUE(record->failures.isEmpty()) << record->failures.join('\n').toStdString();
    }
    void TearDown() override {
        if (!client) return;
        client->quit();
        EXPECT_TRUE(waitFor([this] { return record->exitedCount > 0; }, 5000));
        EXPECT_TRUE(record->failures.isEmpty()) << record->failures.join('\n').toStdString();
    }
    // Waits for the answer to the running search.
    PackedMove answer() {
        const std::size_t before = record->answers.size();
        EXPECT_TRUE(waitFor([&] { return record->answers.size() > before || !record->failures.isEmpty(); }, ANSWER_MS));
        return record->answers.size() > before ? record->answers.back() : 0;
    }

    std::unique_ptr<EngineClient> client;
    std::unique_ptr<ClientRecord> record;
};

TEST_P(RealEngine, HandshakeNamesProtocolAndOptions) {
    const EngineUnderTest& e = GetParam();
    EXPECT_EQ(client->protocol(), e.spoken);
    EXPECT_EQ(client->rankBase(), e.ranks);
    EXPECT_TRUE(client->name().startsWith(e.fairy ? "Fairy-Stockfish" : "Morlan")) << client->name().toStdString();
    EXPECT_FALSE(client->author().isEmpty());
    EXPECT_FALSE(client->options().empty());
    if (e.fairy) {
        const EngineOption* hash = client->findOption("hash");
        ASSERT_NE(hash, nullptr);
        EXPECT_EQ(hash->type, EngineOption::SPIN);
        EXPECT_GE(client->maxMultiPv(), 5);
        EXPECT_TRUE(client->setOption("Hash", "32"));
        EXPECT_FALSE(client->setOption("Hash", "0"));  // below its minimum: not sent
        EXPECT_FALSE(client->setOption("No Such Option", "1"));
        EXPECT_EQ(record->hasSent("setoption name UCI_Variant value xiangqi"), e.spoken == EngineProtocol::UCI);
        EXPECT_TRUE(record->hasSent(e.spoken == EngineProtocol::UCI ? "setoption name Hash value 32" : "setoption Hash 32"));
    } else {
        EXPECT_EQ(client->maxMultiPv(), 1);
        EXPECT_FALSE(client->setMultiPv(2));
        const QString book = e.spoken == EngineProtocol::UCI ? "OwnBook" : "usebook";
        EXPECT_TRUE(client->setOption(book, "false"));
        EXPECT_FALSE(client->setOption(book, "maybe"));
        EXPECT_EQ(record->hasSent("setoption usemillisec true"), e.spoken == EngineProtocol::UCCI);
    }
    EXPECT_FALSE(client->start(morlanEnginePath()));  // one program at a time
}

TEST_P(RealEngine, PlaysAShortGameAtAShortLimit) {
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_RED;
    std::vector<PackedMove> moves;
    for (int ply = 0; ply < 6; ++ply) {
        ASSERT_TRUE(client->go(INITIAL_BOARD, SIDE_RED, moves, EngineLimits{150, 0}));
        const PackedMove move = answer();
        ASSERT_NE(move, 0u) << "ply " << ply;
        moves.push_back(move);
        Board90 after = INITIAL_BOARD;
        Side afterSide = SIDE_RED;
        ASSERT_TRUE(playMoves(after, afterSide, moves)) << "ply " << ply;
    }
    EXPECT_TRUE(record->hasSent(GetParam().spoken == EngineProtocol::UCI ? "go movetime 150" : "go time 150 movestogo 1"));
    // The last position went out from the start with every move played.
    const QString lastPosition = record->sent.filter("position fen ").last();
    EXPECT_EQ(lastPosition.split(QLatin1Char(' ')).size(), 2 + 6 + 1 + 5);  // "position fen", the FEN, "moves", five moves
    EXPECT_TRUE(lastPosition.contains(QString::fromStdString(writeFen(board, side)) + " moves "));
}

TEST_P(RealEngine, AnalysesInSeveralLinesUntilStopped) {
    const int lines = client->maxMultiPv() >= 3 ? 3 : 1;
    ASSERT_TRUE(client->setMultiPv(lines));
    const std::vector<PackedMove> moves = movesOf({"h2e2"});
    ASSERT_TRUE(client->analyse(INITIAL_BOARD, SIDE_RED, moves));
    std::set<int> seen;
    ASSERT_TRUE(waitFor(
        [&] {
            for (const EngineInfo& i : record->infos)
                if (i.depth >= 3 && !i.pv.empty()) seen.insert(i.multiPv);
            return static_cast<int>(seen.size()) >= lines;
        },
        ANSWER_MS));
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(lines));
    EXPECT_EQ(client->state(), EngineClient::SEARCHING);  // an analysis does not end on its own
    client->stop();
    EXPECT_NE(answer(), 0u);
    EXPECT_EQ(client->state(), EngineClient::IDLE);
    std::set<PackedMove> firstMoves;
    for (const EngineInfo& i : record->infos) {
        Board90 board = INITIAL_BOARD;
        Side side = SIDE_RED;
        ASSERT_TRUE(playMoves(board, side, moves));
        EXPECT_EQ(i.sideToMove, SIDE_BLACK);
        EXPECT_TRUE(playMoves(board, side, i.pv)) << "a variation with a move that is not legal";
        if (i.depth >= 3 && !i.pv.empty()) firstMoves.insert(i.pv.front());
        EXPECT_NE(i.scoreKind, EngineInfo::NO_SCORE);
    }
    EXPECT_GE(firstMoves.size(), static_cast<std::size_t>(lines));  // the lines begin differently
    if (lines == 3) {
        EXPECT_TRUE(record->hasSent(GetParam().spoken == EngineProtocol::UCI ? "setoption name MultiPV value 3"
                                                                              : "setoption MultiPV 3"));
    }
}

TEST_P(RealEngine, StopEndsASearchAtOnce) {
    if (!GetParam().fairy) {  // a search, not the book's answer
        ASSERT_TRUE(client->setOption(GetParam().spoken == EngineProtocol::UCI ? "OwnBook" : "usebook", "false"));
    }
    ASSERT_TRUE(client->go(INITIAL_BOARD, SIDE_RED, movesOf({"b2e2"}), EngineLimits{60000, 0}));
    ASSERT_TRUE(waitFor([&] { return !record->infos.empty(); }, ANSWER_MS));
    QElapsedTimer clock;
    clock.start();
    client->stop();
    const PackedMove move = answer();
    EXPECT_LT(clock.elapsed(), 5000);
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_RED;
    EXPECT_TRUE(playMoves(board, side, movesOf({"b2e2"})));
    EXPECT_TRUE(playMoves(board, side, {move}));
}

TEST_P(RealEngine, FindsTheMateOfASetUpPosition) {
    Side start = SIDE_RED;
    const Board90 setup = boardOf(MATE_SETUP, start);
    const std::vector<PackedMove> moves = movesOf({"a3a4", "c6c5"});
    ASSERT_TRUE(client->go(setup, start, moves, EngineLimits{2000, 4}));
    const PackedMove move = answer();
    EXPECT_EQ(move, readCoordinateMove("i0i9"));
    Board90 board = setup;
    Side side = start;
    ASSERT_TRUE(playMoves(board, side, moves));
    ASSERT_TRUE(playMoves(board, side, {move}));
    EXPECT_TRUE(isCheckmate(board, side));
}

TEST_P(RealEngine, ANewSearchReplacesARunningOne) {
    ASSERT_TRUE(client->analyse(INITIAL_BOARD, SIDE_RED, {}));
    ASSERT_TRUE(waitFor([&] { return !record->infos.empty(); }, ANSWER_MS));
    Side start = SIDE_RED;
    const Board90 setup = boardOf(MATE_SETUP, start);
    ASSERT_TRUE(client->go(setup, start, movesOf({"a3a4", "c6c5"}), EngineLimits{1000, 3}));
    EXPECT_EQ(answer(), readCoordinateMove("i0i9"));  // the analysis's own answer was dropped
    EXPECT_EQ(record->answers.size(), 1u);
    EXPECT_FALSE(client->go(setup, start, movesOf({"a3a5"}), EngineLimits{100, 0}));  // not a legal move
}

INSTANTIATE_TEST_SUITE_P(Engines, RealEngine, ::testing::ValuesIn(ENGINES),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
