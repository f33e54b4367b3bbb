// The engine command spoken to in UCCI, as UCCI programs send it.
#include <gtest/gtest.h>

#include "engine/fen.h"
#include "engine_process_support.h"

namespace {

constexpr int ANSWER_MS = 60000;  // only a hang takes this long

// Red mates at once with i0i9 (and only with it); other moves are plenty.
constexpr const char* MATE_FEN = "3k5/7R1/9/2p6/9/9/P8/9/9/4K3R w - - 0 1";

// Sends "ucci" and reads the handshake.
std::vector<std::string> ucciHandshake(EngineProcess& engine) {
    std::vector<std::string> lines;
    engine.send("ucci");
    engine.readUntil("ucciok", lines, ANSWER_MS);
    return lines;
}

// The move of the answer to go, or "nobestmove"; "" when none came.
std::string answerTo(EngineProcess& engine, const std::string& go, std::vector<std::string>* lines = nullptr) {
    std::vector<std::string> read;
    engine.send(go);
    for (std::string line; engine.readLine(line, ANSWER_MS);) {
        read.push_back(line);
        if (lines) *lines = read;
        if (line == "nobestmove") return line;
        if (line.rfind("bestmove ", 0) == 0) return wordsOf(line)[1];
    }
    return "";
}

TEST(EngineUcci, HandshakeOptionsAndQuit) {
    EngineProcess engine;
    ASSERT_TRUE(engine.started());
    const auto lines = ucciHandshake(engine);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "id name Morlan");
    EXPECT_EQ(withPrefix(lines, "id author ").size(), 1u);
    EXPECT_EQ(withPrefix(lines, "option usemillisec type check default false").size(), 1u);
    EXPECT_EQ(withPrefix(lines, "option usebook type check default true").size(), 1u);
    EXPECT_EQ(lines.back(), "ucciok");
    // Bad options and bans get one line each and change nothing.
    for (const char* bad : {"setoption usebook maybe", "setoption hashsize 64", "setoption", "banmoves h2h8"}) {
        engine.send(bad);
        engine.send("isready");
        std::vector<std::string> answer;
        ASSERT_TRUE(engine.readUntil("readyok", answer, ANSWER_MS)) << bad;
        ASSERT_EQ(answer.size(), 2u) << bad;
        EXPECT_EQ(answer[0].rfind("info string ", 0), 0u) << bad;
    }
    engine.send("quit");
    std::vector<std::string> bye;
    EXPECT_TRUE(engine.readUntil("bye", bye, ANSWER_MS));
    EXPECT_EQ(engine.waitForExit(ANSWER_MS), 0);
}

TEST(EngineUcci, TimeAndDepthLimits) {
    EngineProcess engine;
    ucciHandshake(engine);
    engine.send("setoption usebook false");
    engine.send("position startpos");
    std::vector<std::string> lines;
    const std::string best = answerTo(engine, "go depth 3", &lines);
    EXPECT_EQ(withPrefix(lines, "info depth ").size(), 3u);
    EXPECT_TRUE(isLegalFrom(START_FEN, best)) << best;
    // Seconds unless usemillisec is on; both a clock with increment and one for the last move.
    for (const char* go : {"go time 1 increment 0", "go time 100 movestogo 1", "go time 2 increment 1 depth 2",
                           "go draw time 1 opptime 1"}) {
        engine.send("position fen " + std::string(MATE_FEN) + " moves a3a4 c6c5");
        EXPECT_EQ(answerTo(engine, go), "i0i9") << go;
        if (std::string(go) == "go time 1 increment 0") engine.send("setoption usemillisec true");
    }
}

TEST(EngineUcci, BannedMovesAreNotPlayed) {
    EngineProcess engine;
    ucciHandshake(engine);
    engine.send("position fen " + std::string(MATE_FEN));
    engine.send("banmoves i0i9");
    const std::string other = answerTo(engine, "go depth 3");
    EXPECT_NE(other, "i0i9");
    EXPECT_TRUE(isLegalFrom(MATE_FEN, other)) << other;
    // A new position lifts the ban.
    engine.send("position fen " + std::string(MATE_FEN));
    EXPECT_EQ(answerTo(engine, "go depth 3"), "i0i9");
    // The king's only move banned: no move is left.
    engine.send("position fen 4k4/9/9/9/9/9/9/9/9/3K5 w - - 0 1");
    engine.send("banmoves d0d1");
    EXPECT_EQ(answerTo(engine, "go depth 2"), "nobestmove");
    // The book gives no banned move either: ban the book's answer to the start.
    engine.send("position startpos");
    const std::string book = answerTo(engine, "go depth 1");
    ASSERT_TRUE(isLegalFrom(START_FEN, book));
    engine.send("position startpos");
    engine.send("banmoves " + book);
    const std::string instead = answerTo(engine, "go depth 1");
    EXPECT_NE(instead, book);
    EXPECT_TRUE(isLegalFrom(START_FEN, instead));
}

TEST(EngineUcci, InfiniteSearchesUntilStop) {
    EngineProcess engine;
    ucciHandshake(engine);
    for (const char* go : {"go infinite", "go depth infinite"}) {
        engine.send("position startpos moves b2e2");
        engine.send(go);
        std::vector<std::string> lines;
        ASSERT_TRUE(engine.readUntil("info depth 2", lines, ANSWER_MS)) << go;
        EXPECT_TRUE(withPrefix(lines, "bestmove").empty());
        engine.send("stop");
        lines.clear();
        ASSERT_TRUE(engine.readUntil("bestmove ", lines, ANSWER_MS)) << go;
    }
    engine.send("quit");
    EXPECT_EQ(engine.waitForExit(ANSWER_MS), 0);
}

}  // namespace
