// Engines that fail, played by tests/engines/fake_engine.sh: each failure
// is reported once with a message, the program is ended, and no move of a
// failing engine is ever passed on.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "engine/fen.h"
#include "engines_support.h"

namespace {

constexpr int WAIT_MS = 10000;  // far beyond the short timeouts; only a fault waits this long

class FakeEngine : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        client.setTimeouts(shortTimeouts());
    }
    void TearDown() override {
        client.quit();
        waitFor([this] { return client.state() == EngineClient::NOT_RUNNING; }, WAIT_MS);
    }
    // Starts the fake engine in a mode.
    void start(const char* mode, EngineProtocol protocol = EngineProtocol::AUTO) {
        ASSERT_TRUE(client.start("/bin/sh", {fakeEnginePath(), QString::fromLatin1(mode)}, protocol));
    }
    bool handshake() {
        return waitFor([this] { return record.readyCount > 0 || !record.failures.isEmpty(); }, WAIT_MS) &&
               record.readyCount == 1;
    }
    // Waits for the failure and checks what every failure must leave behind.
    void expectFailure(EngineFailure kind) {
        ASSERT_TRUE(waitFor([this] { return !record.failures.isEmpty(); }, WAIT_MS));
        EXPECT_EQ(client.failure(), kind);
        EXPECT_EQ(record.failures.size(), 1);
        EXPECT_FALSE(record.failures.front().isEmpty());
        EXPECT_EQ(client.failureMessage(), record.failures.front());
        EXPECT_TRUE(record.answers.empty()) << "a failing engine's move was passed on";
        EXPECT_TRUE(waitFor([this] { return record.exitedCount == 1; }, WAIT_MS)) << "the program was not ended";
        EXPECT_EQ(client.state(), EngineClient::NOT_RUNNING);
        EXPECT_FALSE(client.go(INITIAL_BOARD, SIDE_RED, {}, EngineLimits{100, 0}));
    }

    EngineClient client;
    ClientRecord record{client};
};

TEST_F(FakeEngine, AGoodEngineAndItsTexts) {
    start("good");
    ASSERT_TRUE(handshake());
    EXPECT_EQ(client.protocol(), EngineProtocol::UCI);
    EXPECT_EQ(client.rankBase(), RankBase::FROM_ZERO);  // no UCI_Variant: ranks from 0
    EXPECT_EQ(client.name(), QStringLiteral("Fake Engine"));
    EXPECT_EQ(client.options().size(), 4u);
    EXPECT_EQ(client.maxMultiPv(), 5);
    EXPECT_TRUE(client.setOption("clear hash"));
    EXPECT_TRUE(record.hasSent("setoption name Clear Hash"));
    EXPECT_TRUE(client.setOption("Style", "Risky"));
    EXPECT_FALSE(client.setOption("Style", "Wild"));
    ASSERT_TRUE(client.setMultiPv(2));
    EXPECT_FALSE(client.setMultiPv(6));
    ASSERT_TRUE(client.go(INITIAL_BOARD, SIDE_RED, {}, EngineLimits::fromRequest({LIMIT_TIME, 0, 2})));
    ASSERT_TRUE(waitFor([this] { return !record.answers.empty(); }, WAIT_MS));
    EXPECT_EQ(record.answers, std::vector<PackedMove>{readCoordinateMove("h2e2")});
    EXPECT_TRUE(record.hasSent("setoption name MultiPV value 2"));
    EXPECT_TRUE(record.hasSent("position fen rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w - - 0 1"));
    EXPECT_TRUE(record.hasSent("go movetime 2000"));
    // "pv h2e2 h9g7 a0a9 h0g2": the variation stops before its illegal move.
    ASSERT_EQ(record.infos.size(), 1u);
    EXPECT_EQ(record.infos[0].pv, (std::vector<PackedMove>{readCoordinateMove("h2e2"), readCoordinateMove("h9g7")}));
    EXPECT_EQ(record.infos[0].score, 12);
    EXPECT_EQ(record.infos[0].depth, 1);
    EXPECT_EQ(client.state(), EngineClient::IDLE);
    client.quit();
    EXPECT_TRUE(waitFor([this] { return record.exitedCount == 1; }, WAIT_MS));
    EXPECT_TRUE(record.failures.isEmpty());  // a program told to quit has not failed
    EXPECT_EQ(record.sent.last(), QStringLiteral("quit"));
}

TEST_F(FakeEngine, UcciLimitsAndDepths) {
    start("good", EngineProtocol::UCCI);
    ASSERT_TRUE(handshake());
    EXPECT_EQ(client.protocol(), EngineProtocol::UCCI);
    EXPECT_TRUE(record.hasSent("setoption usemillisec true"));
    EXPECT_FALSE(record.hasSent("uci"));
    ASSERT_TRUE(client.go(INITIAL_BOARD, SIDE_RED, {}, EngineLimits::fromRequest({LIMIT_TIME, 0, 6})));
    ASSERT_TRUE(waitFor([this] { return record.answers.size() == 1; }, WAIT_MS));
    EXPECT_TRUE(record.hasSent("go time 6000 movestogo 1"));
    ASSERT_TRUE(client.go(INITIAL_BOARD, SIDE_RED, {}, EngineLimits::fromRequest({LIMIT_DEPTH, 8, 0})));
    ASSERT_TRUE(waitFor([this] { return record.answers.size() == 2; }, WAIT_MS));
    EXPECT_TRUE(record.hasSent("go depth 8"));
    EXPECT_TRUE(client.setOption("hashsize", "64"));
    EXPECT_TRUE(record.hasSent("setoption hashsize 64"));
}

TEST_F(FakeEngine, ProtocolDetectionFallsBackToUcci) {
    start("ucci-only");  // never answers "uci": tried again with "ucci" after the detection wait
    ASSERT_TRUE(handshake());
    EXPECT_EQ(client.protocol(), EngineProtocol::UCCI);
    EXPECT_TRUE(record.hasSent("uci"));
    EXPECT_TRUE(record.hasSent("ucci"));
}

TEST_F(FakeEngine, AnEngineThatDoesNotKnowUciIsAskedForUcciAtOnce) {
    start("unknown-uci");
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(handshake());
    EXPECT_EQ(client.protocol(), EngineProtocol::UCCI);
    EXPECT_LT(clock.elapsed(), shortTimeouts().detectMs);
}

TEST_F(FakeEngine, NoHandshake) {
    start("silent");
    expectFailure(EngineFailure::NO_HANDSHAKE);
}

TEST_F(FakeEngine, MissingProgram) {
    ASSERT_TRUE(client.start("/nonexistent/engine"));
    expectFailure(EngineFailure::MISSING);
    EXPECT_TRUE(client.failureMessage().contains("/nonexistent/engine"));
}

TEST_F(FakeEngine, ProgramThatCannotStart) {
    QTemporaryDir dir;
    QFile file(dir.filePath("engine"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x7f" "ELF but not really");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(client.start(file.fileName()));
    expectFailure(EngineFailure::CANNOT_START);
}

TEST_F(FakeEngine, CrashInTheMiddleOfASearch) {
    start("crash");
    ASSERT_TRUE(handshake());
    ASSERT_TRUE(client.go(INITIAL_BOARD, SIDE_RED, {}, EngineLimits{1000, 0}));
    expectFailure(EngineFailure::CRASHED);
}

TEST_F(FakeEngine, HangPastTheLimit) {
    start("hang");
    ASSERT_TRUE(handshake());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(client.go(INITIAL_BOARD, SIDE_RED, {}, EngineLimits{200, 0}));
    expectFailure(EngineFailure::HUNG);
    EXPECT_GE(clock.elapsed(), 200 + shortTimeouts().graceMs);
}

TEST_F(FakeEngine, HangAfterStop) {
    start("hang");
    ASSERT_TRUE(handshake());
    ASSERT_TRUE(client.analyse(INITIAL_BOARD, SIDE_RED, {}));
    waitFor([] { return false; }, 2 * shortTimeouts().graceMs);
    EXPECT_TRUE(record.failures.isEmpty());  // an analysis may take as long as it likes
    client.stop();
    expectFailure(EngineFailure::HUNG);
}

TEST_F(FakeEngine, UcciEngineIsStoppedAtItsTime) {
    start("hang", EngineProtocol::UCCI);
    ASSERT_TRUE(handshake());
    ASSERT_TRUE(client.go(INITIAL_BOARD, SIDE_RED, {}, EngineLimits{200, 0}));
    expectFailure(EngineFailure::HUNG);
    EXPECT_EQ(record.sent.filter("stop").size(), 1);  // asked for its move when the time was up
}

TEST_F(FakeEngine, IllegalMove) {
    start("illegal");
    ASSERT_TRUE(handshake());
    ASSERT_TRUE(client.go(INITIAL_BOARD, SIDE_RED, {}, EngineLimits{100, 0}));
    expectFailure(EngineFailure::ILLEGAL_MOVE);
    EXPECT_TRUE(client.failureMessage().contains("a0a5"));
}

TEST_F(FakeEngine, UnreadableMove) {
    start("unreadable");
    ASSERT_TRUE(handshake());
    ASSERT_TRUE(client.go(INITIAL_BOARD, SIDE_RED, {}, EngineLimits{100, 0}));
    expectFailure(EngineFailure::GARBAGE);
}

TEST_F(FakeEngine, GarbageLines) {
    start("garbage");
    ASSERT_TRUE(handshake());
    ASSERT_TRUE(client.go(INITIAL_BOARD, SIDE_RED, {}, EngineLimits{5000, 0}));
    expectFailure(EngineFailure::GARBAGE);
    EXPECT_GE(record.received.size(), 50);  // every line reached the log, readable
    for (const QString& line : record.received)
        for (QChar c : line) EXPECT_GE(c.unicode(), 0x20);
}

TEST_F(FakeEngine, ALineWithoutEnd) {
    start("endless-line");
    ASSERT_TRUE(handshake());
    ASSERT_TRUE(client.go(INITIAL_BOARD, SIDE_RED, {}, EngineLimits{5000, 0}));
    expectFailure(EngineFailure::GARBAGE);
}

TEST_F(FakeEngine, EndlessInfoLinesNeitherBlockNorHideAHang) {
    start("flood");
    ASSERT_TRUE(handshake());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(client.go(INITIAL_BOARD, SIDE_RED, {}, EngineLimits{300, 0}));
    expectFailure(EngineFailure::HUNG);
    EXPECT_LT(clock.elapsed(), WAIT_MS / 2);  // the timer still fired under the stream
    EXPECT_GT(record.infos.size(), 100u);
}

TEST_F(FakeEngine, BadRequestsSendNothing) {
    start("good");
    ASSERT_TRUE(handshake());
    const qsizetype before = record.sent.size();
    EXPECT_FALSE(client.go(INITIAL_BOARD, SIDE_RED, {readCoordinateMove("h2h8")}, EngineLimits{100, 0}));
    EXPECT_FALSE(client.go(INITIAL_BOARD, SIDE_RED, {0}, EngineLimits{100, 0}));
    EXPECT_FALSE(client.setOption("Hash", "1\nquit"));
    EXPECT_EQ(record.sent.size(), before);
    EXPECT_EQ(client.state(), EngineClient::IDLE);
}

}  // namespace
