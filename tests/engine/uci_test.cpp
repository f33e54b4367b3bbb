// The engine command as another program drives it, through its pipes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "engine/engine.h"
#include "engine/fen.h"
#include "engine/perft.h"
#include "engine_process_support.h"

namespace {

constexpr int ANSWER_MS = 60000;  // only a hang takes this long

// The legal replies to move (none when move is not legal).
std::vector<std::string> repliesAfter(const std::string& fen, const std::string& move) {
    Board90 board;
    Side side;
    std::string error;
    if (!readFen(fen, board, side, error)) return {};
    Engine judge;
    judge.setPosition(board, side);
    const PackedMove m = readCoordinateMove(move);
    if (!judge.tryMove(m)) return {};
    const GridPoint from = moveFrom(m), to = moveTo(m);
    board[boardIndex(to.file, to.rank)] = board[boardIndex(from.file, from.rank)];
    board[boardIndex(from.file, from.rank)] = NO_PIECE;
    judge.setPosition(board, static_cast<Side>(side ^ 1));
    std::vector<std::string> replies;
    for (PackedMove r : legalMoves(judge)) replies.push_back(writeCoordinateMove(r));
    return replies;
}

std::string currentFen(EngineProcess& engine) {
    engine.send("d");
    std::vector<std::string> lines;
    if (!engine.readUntil("Fen: ", lines, ANSWER_MS)) return "";
    return lines.back().substr(5);
}

TEST(EngineProtocol, HandshakeOptionsAndBadInput) {
    EngineProcess engine;
    ASSERT_TRUE(engine.started());
    std::vector<std::string> lines;
    engine.send("uci");
    ASSERT_TRUE(engine.readUntil("uciok", lines, ANSWER_MS));
    EXPECT_EQ(lines.front(), "id name Morlan");
    EXPECT_EQ(withPrefix(lines, "id author ").size(), 1u);
    EXPECT_EQ(withPrefix(lines, "option name OwnBook type check default true").size(), 1u);

    engine.send("position startpos moves h2e2");
    const std::string fen = currentFen(engine);
    ASSERT_FALSE(fen.empty());
    // Each bad command gets exactly one line and leaves the position alone.
    for (const char* bad : {"frobnicate", "position fen rnbakabnr/9/9 w", "position startpos moves h2e2 a0a5",
                            "position startpos moves e2e9", "setoption name Hash value 16",
                            "setoption name OwnBook value maybe", "go depth 0", "go movetime soon"}) {
        engine.send(bad);
        engine.send("isready");
        lines.clear();
        ASSERT_TRUE(engine.readUntil("readyok", lines, ANSWER_MS)) << bad;
        ASSERT_EQ(lines.size(), 2u) << bad;
        EXPECT_EQ(lines[0].rfind("info string ", 0), 0u) << bad;
        EXPECT_EQ(currentFen(engine), fen) << bad;
    }
    engine.send("quit");
    EXPECT_EQ(engine.waitForExit(ANSWER_MS), 0);
}

TEST(EngineProtocol, DepthSearchReportsEveryIterationThenItsMove) {
    EngineProcess engine;
    engine.send("setoption name OwnBook value false");
    engine.send("position startpos moves h2e2 h9g7");
    engine.send("go depth 4");
    std::vector<std::string> lines;
    ASSERT_TRUE(engine.readUntil("bestmove ", lines, ANSWER_MS));
    const auto infos = withPrefix(lines, "info depth ");
    ASSERT_EQ(infos.size(), 4u);
    for (int d = 1; d <= 4; ++d) {
        const std::string& info = infos[d - 1];
        EXPECT_EQ(field(info, "depth"), std::to_string(d));
        EXPECT_FALSE(field(info, "seldepth").empty());
        EXPECT_FALSE(field(info, "nodes").empty());
        EXPECT_FALSE(field(info, "nps").empty());
        EXPECT_FALSE(field(info, "time").empty());
        EXPECT_TRUE(!field(info, "cp").empty() || !field(info, "mate").empty()) << info;
    }
    const std::string best = wordsOf(lines.back())[1];
    EXPECT_EQ(best, field(infos.back(), "pv"));
    EXPECT_TRUE(isLegalFrom(currentFen(engine), best)) << best;
}

TEST(EngineProtocol, TheCarriedBookAnswersTheOpening) {
    // With OwnBook on, the start position is answered from the book without
    // a search; with it off, the same request searches.
    EngineProcess booked;
    booked.send("position startpos");
    booked.send("go depth 4");
    std::vector<std::string> lines;
    ASSERT_TRUE(booked.readUntil("bestmove ", lines, ANSWER_MS));
    EXPECT_TRUE(withPrefix(lines, "info depth ").empty());
    EXPECT_TRUE(isLegalFrom(START_FEN, wordsOf(lines.back())[1])) << lines.back();

    EngineProcess searched;
    searched.send("setoption name OwnBook value false");
    searched.send("position startpos");
    searched.send("go depth 4");
    lines.clear();
    ASSERT_TRUE(searched.readUntil("bestmove ", lines, ANSWER_MS));
    EXPECT_EQ(withPrefix(lines, "info depth ").size(), 4u);
}

TEST(EngineProtocol, CommandsAreAnsweredWhileSearching) {
    EngineProcess engine;
    engine.send("position startpos");
    engine.send("go infinite");
    std::vector<std::string> lines;
    ASSERT_TRUE(engine.readUntil("info depth 2", lines, ANSWER_MS));
    engine.send("isready");
    lines.clear();
    ASSERT_TRUE(engine.readUntil("readyok", lines, ANSWER_MS));
    EXPECT_TRUE(withPrefix(lines, "bestmove").empty());  // still searching
    engine.send("go depth 1");  // refused: one search at a time
    engine.send("stop");
    lines.clear();
    ASSERT_TRUE(engine.readUntil("bestmove ", lines, ANSWER_MS));
    EXPECT_EQ(withPrefix(lines, "info string ").size(), 1u);
    EXPECT_TRUE(isLegalFrom(START_FEN, wordsOf(lines.back())[1]));
    // Nothing else follows the stop.
    engine.send("isready");
    lines.clear();
    ASSERT_TRUE(engine.readUntil("readyok", lines, ANSWER_MS));
    EXPECT_TRUE(withPrefix(lines, "bestmove").empty());
    engine.send("quit");
    EXPECT_EQ(engine.waitForExit(ANSWER_MS), 0);
}

TEST(EngineProtocol, MateInOneIsReportedAsMate) {
    EngineProcess engine;
    engine.send("setoption name OwnBook value false");
    // Red's rook mates on f9.
    const std::string fen = "r2akab2/4n4/2n1bR3/pC2p3p/2p3P2/P8/4P1r1P/9/2C2K3/RNB2AB2 w - - 2 21";
    engine.send("position fen " + fen);
    engine.send("go depth 3");
    std::vector<std::string> lines;
    ASSERT_TRUE(engine.readUntil("bestmove ", lines, ANSWER_MS));
    EXPECT_EQ(field(withPrefix(lines, "info depth ").back(), "mate"), "1");
    const std::string best = wordsOf(lines.back())[1];
    ASSERT_TRUE(isLegalFrom(fen, best));
    EXPECT_TRUE(repliesAfter(fen, best).empty());
}

TEST(EngineProtocol, MatedSideReportsANegativeMate) {
    EngineProcess engine;
    engine.send("setoption name OwnBook value false");
    // Black mates in 3 starting with the horse to c2, in 2 with the rook to g4.
    const std::pair<const char*, const char*> cases[] = {
        {"3ak4/3ca4/4b4/p7p/7N1/3nPCB2/9/9/1r7/4KA3 b - - 7 35 moves d4c2", "-2"},
        {"2bak4/4a4/2n6/4p4/2b5p/p2r2B2/9/3r5/4K4/5ABc1 b - - 1 49 moves d4g4", "-1"},
    };
    for (const auto& [position, mate] : cases) {
        engine.send(std::string("position fen ") + position);
        engine.send("go depth 7");
        std::vector<std::string> lines;
        ASSERT_TRUE(engine.readUntil("bestmove ", lines, ANSWER_MS));
        EXPECT_EQ(field(withPrefix(lines, "info depth ").back(), "mate"), mate) << position;
    }
}

TEST(EngineProtocol, ASideWithoutALegalMoveAnswersNone) {
    EngineProcess engine;
    // Black is mated: every move of its king leaves it to be taken.
    engine.send("position fen 3k4R/7R1/9/9/9/9/9/9/9/4K4 b - - 0 1");
    engine.send("go depth 3");
    std::vector<std::string> lines;
    ASSERT_TRUE(engine.readUntil("bestmove ", lines, ANSWER_MS));
    EXPECT_EQ(lines.back(), "bestmove (none)");
}

TEST(EngineProtocol, EndOfInputFinishesTheSearchAndExits) {
    EngineProcess engine;
    engine.send("setoption name OwnBook value false");
    engine.send("position startpos");
    engine.send("go depth 5");
    engine.closeInput();
    std::vector<std::string> lines;
    ASSERT_TRUE(engine.readUntil("bestmove ", lines, ANSWER_MS));
    EXPECT_EQ(withPrefix(lines, "info depth ").size(), 5u);
    EXPECT_EQ(engine.waitForExit(ANSWER_MS), 0);

    EngineProcess infinite;
    infinite.send("go infinite");
    lines.clear();
    ASSERT_TRUE(infinite.readUntil("info depth 1", lines, ANSWER_MS));
    infinite.closeInput();  // an endless search is stopped, its move still written
    ASSERT_TRUE(infinite.readUntil("bestmove ", lines, ANSWER_MS));
    EXPECT_EQ(infinite.waitForExit(ANSWER_MS), 0);
}

TEST(EngineProtocol, BenchPrintsItsFigures) {
    EngineProcess engine;
    engine.send("bench 2");
    std::vector<std::string> lines;
    ASSERT_TRUE(engine.readUntil("Nodes/second: ", lines, ANSWER_MS));
    const auto searched = withPrefix(lines, "Nodes searched: ");
    ASSERT_EQ(searched.size(), 1u);
    EXPECT_GT(std::stoull(searched[0].substr(16)), 0u);
    // The count is a signature: a second run gives the same.
    engine.send("bench 2");
    std::vector<std::string> again;
    ASSERT_TRUE(engine.readUntil("Nodes/second: ", again, ANSWER_MS));
    EXPECT_EQ(withPrefix(again, "Nodes searched: "), searched);
}

// Stop, quit, new positions and new searches fired at random moments.
TEST(EngineProtocol, InterruptionsNeverHang) {
    const char* const fens[] = {
        "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w",
        "r2akab2/4n4/2n1bR3/pC2p3p/2p3P2/P8/4P1r1P/9/2C2K3/RNB2AB2 w",
        "3ak4/3ca4/4b4/p7p/7N1/3nPCB2/9/9/1r7/4KA3 b",
        "4k4/9/9/9/9/9/9/9/9/4K4 w",
    };
    const char* const searches[] = {"go infinite", "go depth 6", "go movetime 50", "go wtime 400 btime 400",
                                    "go depth 1"};
    std::mt19937 random(20261208);
    for (int run = 0; run < 4; ++run) {
        EngineProcess engine;
        ASSERT_TRUE(engine.started());
        for (int round = 0; round < 25; ++round) {
            engine.send(std::string("position fen ") + fens[random() % 4]);
            engine.send(searches[random() % 5]);
            std::this_thread::sleep_for(std::chrono::milliseconds(random() % 40));
            if (random() % 3 == 0) engine.send(std::string("position fen ") + fens[random() % 4]);
            if (random() % 3 == 0) engine.send("isready");
            engine.send("stop");
            std::vector<std::string> lines;
            ASSERT_TRUE(engine.readUntil("bestmove ", lines, ANSWER_MS)) << "run " << run << " round " << round;
        }
        // Leave in the middle of a search, by quit or by end of input.
        engine.send("go infinite");
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 30));
        if (run % 2 == 0) engine.send("quit");
        else engine.closeInput();
        EXPECT_EQ(engine.waitForExit(ANSWER_MS), 0) << "run " << run;
    }
}

struct MateCase {
    std::string fen;
    int moves;
};

// The best move and the last reported mate distance of a search.
std::pair<std::string, std::string> searchMate(EngineProcess& engine, const std::string& position, int depth) {
    engine.send(position);
    engine.send("go depth " + std::to_string(depth));
    std::vector<std::string> lines;
    if (!engine.readUntil("bestmove ", lines, ANSWER_MS)) return {"", ""};
    const auto infos = withPrefix(lines, "info depth ");
    return {wordsOf(lines.back())[1], infos.empty() ? "" : field(infos.back(), "mate")};
}

TEST(EngineProtocol, EveryMateOfTheCollection) {
    const std::string path = std::string(MORLAN_SHARED_DATA) + "/mate-xiangqi.txt";
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "shared data not found: " << path;
    std::vector<MateCase> cases;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string fen, n;
        if (std::getline(fields, fen, ';') && std::getline(fields, n, ';')) cases.push_back({fen, std::stoi(n)});
    }
    ASSERT_EQ(cases.size(), 30u);
    EngineProcess engine;
    engine.send("setoption name OwnBook value false");
    int exact = 0;
    for (const MateCase& c : cases) {
        SCOPED_TRACE(c.fen);
        engine.send("ucinewgame");
        const auto [best, mate] = searchMate(engine, "position fen " + c.fen, 2 * c.moves + 3);
        // The collection's distances come from another engine's search,
        // which can miss a shorter mate; a shorter one is checked like any.
        const int found = mate.empty() ? 0 : std::stoi(mate);
        EXPECT_GE(found, 1) << "no mate reported";
        EXPECT_LE(found, c.moves);
        exact += found == c.moves;
        ASSERT_TRUE(isLegalFrom(c.fen, best)) << best;
        // The first move keeps the promise: the opponent has no move, or
        // after each reply the mate is at least one move shorter.
        const auto replies = repliesAfter(c.fen, best);
        if (found <= 1) {
            EXPECT_TRUE(replies.empty()) << "after " << best;
            continue;
        }
        for (const std::string& reply : replies) {
            const std::string after = "position fen " + c.fen + " moves " + best + " " + reply;
            const std::string next = searchMate(engine, after, 2 * found + 1).second;
            const int left = next.empty() ? 0 : std::stoi(next);
            EXPECT_TRUE(left >= 1 && left < found) << "after " << best << " " << reply << ": mate " << next;
        }
    }
    EXPECT_GE(exact, 29);
}

}  // namespace
