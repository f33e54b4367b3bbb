// Every position of the shared mate collection: a think deep enough for
// the mate reports a mate no longer than the collection's, and its first
// move keeps the promise: the opponent has no legal move, or after each of
// its replies the mate is one move shorter.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/fen.h"
#include "engine/perft.h"
#include "engine/search.h"
#include "search_support.h"

namespace {

struct MateCase {
    std::string fen;
    int moves;
};

std::vector<MateCase> readMateCases(const std::string& path) {
    std::vector<MateCase> cases;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string fen, n;
        if (std::getline(fields, fen, ';') && std::getline(fields, n, ';')) cases.push_back({fen, std::stoi(n)});
    }
    return cases;
}

std::string fenOf(const Engine& engine) {
    Board90 board;
    engine.exportBoard90(board);
    return writeFen(board, engine.sideToMove);
}

// The side to move mates in at most n moves, by the engine's own moves.
// Returns the distance the first think reported.
int checkMate(Engine& engine, const std::string& fen, int n) {
    SCOPED_TRACE(fen);
    engine.clearTable();
    EXPECT_TRUE(loadSearchPosition(engine, fen));
    thinkToDepth(engine, 2 * n + 3);
    const int found = mateMoves(sideScore(engine));
    EXPECT_GE(found, 1) << "no mate score: " << sideScore(engine);
    EXPECT_LE(found, n) << "score " << sideScore(engine);
    if (found < 1 || found > n) return found;
    const std::string first = writeCoordinateMove(engine.bestMove());
    SCOPED_TRACE("first move " + first);
    EXPECT_TRUE(playMove(engine, first));
    const std::string after = fenOf(engine);
    const auto replies = legalMoves(engine);
    if (replies.empty()) return found;
    EXPECT_GT(found, 1) << "the opponent still has a legal move";
    if (found <= 1) return found;
    for (PackedMove reply : replies) {
        EXPECT_TRUE(loadSearchPosition(engine, after));
        EXPECT_TRUE(playMove(engine, writeCoordinateMove(reply)));
        checkMate(engine, fenOf(engine), found - 1);
    }
    return found;
}

}  // namespace

TEST(MatePositions, DeepEnoughThinkFindsEveryMateAndAMatingMove) {
    const std::string path = std::string(MORLAN_SHARED_DATA) + "/mate-xiangqi.txt";
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "shared data not found: " << path;
    const auto cases = readMateCases(path);
    ASSERT_FALSE(cases.empty());
    auto engine = makeSearchEngine();
    int exact = 0;
    for (const MateCase& c : cases) exact += checkMate(*engine, c.fen, c.moves) == c.moves;
    // The collection's distances come from another engine; a shorter mate
    // found here is checked above like any other.
    EXPECT_GE(exact, static_cast<int>(cases.size()) - 2);
}
