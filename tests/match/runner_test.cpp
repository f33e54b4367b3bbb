#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "game/pgn_collection.h"
#include "match/match_merge.h"
#include "match/match_state.h"
#include "match_support.h"

namespace {

// Red mates at once with b0b9 (Black has its king alone).
constexpr char MATE_IN_ONE[] = "4k4/R8/9/9/9/9/9/9/9/1R1K5 w - - 0 1";
// Horses out and back: the start position comes again after every four plies.
const QStringList SHUFFLE = {"h0g2", "h9g7", "g2h0", "g7h9", "h0g2", "h9g7", "g2h0", "g7h9", "h0g2", "h9g7", "g2h0", "g7h9"};
// Legal moves from the start for both sides, long enough for an adjudication.
const QStringList OPENING = {"h2e2", "h9g7", "h0g2", "i9h9", "i0h0", "b9c7", "b0c2", "a9b9"};

QString writeFile(const QString& folder, const QString& name, const QByteArray& text) {
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text);
    return path;
}

struct EndingCase {
    const char* what;
    QStringList first, second;  // the players' lines
    int firstScore, secondScore;
    bool fromMate;              // start from MATE_IN_ONE, else the standard start
    Adjudication adjudication;
    int moveTimeMs;
    const char* results[2];     // of game 1 (first has Red) and game 2
    const char* terminations[2];
};

constexpr Adjudication NONE{};
constexpr Adjudication RESIGN{true, 1000, 2, false, 0, 0, 0};
constexpr Adjudication DRAW{false, 0, 0, true, 20, 2, 2};

const EndingCase ENDINGS[] = {
    {"mate", {"b0b9"}, {"b0b9"}, 0, 0, true, NONE, 0, {"1-0", "1-0"}, {"mate", "mate"}},
    {"an illegal move loses", {"illegal"}, {"b0b9"}, 0, 0, true, NONE, 0, {"0-1", "1-0"}, {"illegal move", "mate"}},
    {"a crash loses", {"crash"}, {"b0b9"}, 0, 0, true, NONE, 0, {"0-1", "1-0"}, {"engine crash", "mate"}},
    {"no answer in time loses on time", {"hang"}, {"b0b9"}, 0, 0, true, NONE, 300, {"0-1", "1-0"}, {"time forfeit", "mate"}},
    {"a repetition is drawn under the rulings", SHUFFLE, SHUFFLE, 0, 0, false, NONE, 0, {"1/2-1/2", "1/2-1/2"},
     {"repetition", "repetition"}},
    {"both engines see the first winning", OPENING, OPENING, 1500, -1500, false, RESIGN, 0, {"1-0", "0-1"},
     {"adjudication: resign", "adjudication: resign"}},
    {"both engines see a level game", OPENING, OPENING, 5, -5, false, DRAW, 0, {"1/2-1/2", "1/2-1/2"},
     {"adjudication: draw", "adjudication: draw"}},
};

MatchSettings scriptedMatch(const QStringList& first, int firstScore, const QStringList& second, int secondScore) {
    MatchSettings s;
    s.players = {scriptedPlayer(QStringLiteral("First"), firstScore, first),
                 scriptedPlayer(QStringLiteral("Second"), secondScore, second)};
    s.gamesPerPairing = 2;
    s.moveText = MoveText::Coordinates;
    return s;
}

TEST(MatchRunner, EveryEndingGivesTheRightResultAndTermination) {
    ensureApplication();
    for (const EndingCase& c : ENDINGS) {
        const QString folder = testFolder(QStringLiteral("endings"));
        MatchSettings s = scriptedMatch(c.first, c.firstScore, c.second, c.secondScore);
        if (c.fromMate) {
            s.openings.source = OpeningSource::PositionFile;
            s.openings.path = writeFile(folder, QStringLiteral("mate.fen"), QByteArray(MATE_IN_ONE) + '\n');
        }
        s.adjudication = c.adjudication;
        s.time.moveTimeMs = c.moveTimeMs;
        s.pgnPath = QDir(folder).filePath(QStringLiteral("games.pgn"));
        MatchRunner runner(s);
        QStringList results, terminations;
        QObject::connect(&runner, &MatchRunner::gameFinished, [&](int index, const QString& result, const QString& why) {
            results.insert(std::min<qsizetype>(index, results.size()), result);
            terminations.insert(std::min<qsizetype>(index, terminations.size()), why);
        });
        ASSERT_TRUE(playMatch(runner)) << c.what;
        EXPECT_EQ(results, (QStringList{c.results[0], c.results[1]})) << c.what;
        EXPECT_EQ(terminations, (QStringList{c.terminations[0], c.terminations[1]})) << c.what;
        EXPECT_EQ(runner.timeLosses(), c.moveTimeMs > 0 ? 1 : 0) << c.what;

        // The PGN holds both games whole, with the tags of the match.
        std::vector<PgnGameSummary> games;
        std::string error;
        ASSERT_TRUE(listPgnGames(s.pgnPath.toStdString(), games, error)) << c.what << error;
        ASSERT_EQ(games.size(), 2u) << c.what;
        PgnCollection collection;
        ASSERT_TRUE(readPgnCollection(s.pgnPath.toStdString(), collection, error));
        for (int i = 1; i <= 2; ++i) {
            GameDocument doc;
            std::string message;
            EXPECT_EQ(importCollectionGame(collection, i, doc, message), 0) << c.what << " " << message;
            EXPECT_EQ(doc.startBoard == INITIAL_BOARD, !c.fromMate) << c.what;
        }
    }
}

TEST(MatchRunner, ACrashedEngineIsStartedAgainForTheNextGame) {
    ensureApplication();
    const QString folder = testFolder(QStringLiteral("restart"));
    const QString log = QDir(folder).filePath(QStringLiteral("starts"));
    qputenv("MATCH_ENGINE_LOG", log.toLocal8Bit());
    // The first crashes on its first move each game; the second moves and the first must answer.
    MatchSettings s = scriptedMatch({"h2e2", "crash"}, 0, {"h2e2", "h9g7"}, 0);
    s.gamesPerPairing = 4;
    MatchRunner runner(s);
    QStringList terminations;
    QObject::connect(&runner, &MatchRunner::gameFinished, [&](int, const QString&, const QString& why) { terminations << why; });
    const bool played = playMatch(runner);
    qunsetenv("MATCH_ENGINE_LOG");
    ASSERT_TRUE(played);
    EXPECT_EQ(terminations, QStringList(4, QStringLiteral("engine crash")));
    QFile starts(log);
    ASSERT_TRUE(starts.open(QIODevice::ReadOnly));
    // Two at the start, then the first once again after each of its crashes but the last.
    EXPECT_EQ(starts.readAll().count("start"), 2 + 3);
}

// A state file and PGN as a kill leaves them: games 1 and 2 noted, game 3
// half written to the PGN and not noted.
TEST(MatchRunner, GoesOnAfterAKillLosingOnlyTheGameInProgress) {
    ensureApplication();
    const QString folder = testFolder(QStringLiteral("resume"));
    MatchSettings s = scriptedMatch(SHUFFLE, 0, SHUFFLE, 0);
    s.gamesPerPairing = 4;
    s.pgnPath = QDir(folder).filePath(QStringLiteral("games.pgn"));
    {
        MatchRunner whole(s);
        ASSERT_TRUE(playMatch(whole));
    }
    MatchState state;
    QString problem;
    ASSERT_TRUE(readMatchState(statePath(s.pgnPath), state, problem)) << problem.toStdString();
    ASSERT_EQ(state.games.size(), 4u);
    const qint64 second = state.games[1].end;
    state.games.resize(2);
    ASSERT_TRUE(writeMatchState(statePath(s.pgnPath), state));
    QFile pgn(s.pgnPath);
    ASSERT_TRUE(pgn.resize(second + 40));  // part of game 3
    QFile stateFile(statePath(s.pgnPath));
    ASSERT_TRUE(stateFile.open(QIODevice::Append));
    stateFile.write("game 2 1/2-1/2 1");  // a line the kill cut short
    stateFile.close();

    MatchRunner again(s);
    std::vector<int> played;
    QObject::connect(&again, &MatchRunner::gameStarted, [&](int index, const QString&, const QString&) { played.push_back(index); });
    ASSERT_TRUE(playMatch(again));
    EXPECT_EQ(again.resumedGames(), 2);
    EXPECT_EQ(played, (std::vector<int>{2, 3}));
    EXPECT_EQ(again.standings().gamesDone, 4);
    std::vector<PgnGameSummary> games;
    std::string error;
    ASSERT_TRUE(listPgnGames(s.pgnPath.toStdString(), games, error)) << error;
    ASSERT_EQ(games.size(), 4u);

    // The same PGN under other settings is refused and left as it is.
    const qint64 size = QFileInfo(s.pgnPath).size();
    MatchSettings other = s;
    other.seed = 99;
    MatchRunner refused(other);
    EXPECT_FALSE(refused.start(&problem));
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_EQ(QFileInfo(s.pgnPath).size(), size);
}

TEST(MatchRunner, TwoShardsMergedCountAsOneRun) {
    ensureApplication();
    const QString folder = testFolder(QStringLiteral("shards"));
    // The first wins every game (by adjudication); its colour alternates.
    MatchSettings s = scriptedMatch(OPENING, 1500, OPENING, -1500);
    s.adjudication = RESIGN;
    s.gamesPerPairing = 8;
    s.openings.source = OpeningSource::Book;
    s.openings.plies = 0;
    QStringList shards;
    for (int k = 1; k <= 2; ++k) {
        MatchSettings part = s;
        part.shard = k;
        part.shards = 2;
        part.pgnPath = QDir(folder).filePath(QStringLiteral("shard%1.pgn").arg(k));
        MatchRunner runner(part);
        ASSERT_TRUE(playMatch(runner)) << k;
        EXPECT_EQ(runner.finishedGames().size(), 4u) << k;
        shards << part.pgnPath;
    }
    MatchSettings one = s;
    one.pgnPath = QDir(folder).filePath(QStringLiteral("one.pgn"));
    MatchRunner whole(one);
    ASSERT_TRUE(playMatch(whole));

    std::vector<FinishedGame> merged;
    QString problem;
    const QString joined = QDir(folder).filePath(QStringLiteral("joined.pgn"));
    ASSERT_TRUE(mergeShards(s, shards, joined, merged, problem)) << problem.toStdString();
    const MatchStandings a = computeStandings(s, whole.schedule(), merged), b = whole.standings();
    EXPECT_EQ(a.gamesDone, 8);
    EXPECT_EQ(a.pairings[0].wins, b.pairings[0].wins);
    EXPECT_EQ(a.pairings[0].draws, b.pairings[0].draws);
    EXPECT_EQ(a.pairings[0].pentanomial, b.pairings[0].pentanomial);
    std::vector<PgnGameSummary> games;
    std::string error;
    ASSERT_TRUE(listPgnGames(joined.toStdString(), games, error));
    ASSERT_EQ(games.size(), 8u);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(games[static_cast<std::size_t>(i)].red, i % 2 == 0 ? "First" : "Second") << i;
    // Joining again over the output, or a shard twice, is refused.
    EXPECT_FALSE(mergeShards(s, shards, joined, merged, problem));
    EXPECT_FALSE(mergeShards(s, {shards[0], shards[0]}, QDir(folder).filePath(QStringLiteral("twice.pgn")), merged, problem));
}

}  // namespace

namespace {

struct ClockCase {
    const char* protocol;
    TimeControl control;
    const char* firstGo;
};

const ClockCase CLOCKS[] = {
    {"uci", {TimeControlKind::Increment, 60000, 1000, 0, 0}, "go wtime 60000 btime 60000 winc 1000 binc 1000"},
    {"ucci", {TimeControlKind::Increment, 60000, 1000, 0, 0}, "go time 60000 increment 1000 opptime 60000 oppincrement 1000"},
    {"uci", {TimeControlKind::MovesInTime, 300000, 0, 0, 40}, "go wtime 300000 btime 300000 winc 0 binc 0 movestogo 40"},
    {"ucci", {TimeControlKind::MovesInTime, 300000, 0, 0, 40}, "go time 300000 movestogo 40 opptime 300000 oppmovestogo 40"},
    // 读秒 before its periods: the base and one period, the period as the increment.
    {"uci", {TimeControlKind::Byoyomi, 60000, 0, 10000, 0}, "go wtime 70000 btime 70000 winc 10000 binc 10000"},
    {"uci", {TimeControlKind::Sudden, 60000, 0, 0, 0}, "go wtime 60000 btime 60000 winc 0 binc 0"},
};

TEST(MatchRunner, TheEnginesAreToldBothClocks) {
    ensureApplication();
    for (const ClockCase& c : CLOCKS) {
        const QString folder = testFolder(QStringLiteral("clocks"));
        const QString log = QDir(folder).filePath(QStringLiteral("heard"));
        qputenv("MATCH_ENGINE_LOG", log.toLocal8Bit());
        MatchSettings s = scriptedMatch(OPENING, 1500, OPENING, -1500);
        for (MatchPlayer& p : s.players) p.protocol = QString::fromLatin1(c.protocol);
        s.adjudication = RESIGN;
        s.time.control = c.control;
        MatchRunner runner(s);
        const bool played = playMatch(runner);
        qunsetenv("MATCH_ENGINE_LOG");
        ASSERT_TRUE(played) << c.firstGo;
        EXPECT_EQ(runner.timeLosses(), 0) << c.firstGo;
        QFile heard(log);
        ASSERT_TRUE(heard.open(QIODevice::ReadOnly));
        QStringList goes;
        for (const QByteArray& line : heard.readAll().split('\n'))
            if (line.startsWith("go")) goes << QString::fromLatin1(line);
        ASSERT_GE(goes.size(), 3) << c.firstGo;
        EXPECT_EQ(goes[0], QString::fromLatin1(c.firstGo));
        if (c.control.kind != TimeControlKind::Increment || QLatin1String(c.protocol) != QLatin1String("uci")) continue;
        // Black's first move: Red's clock has its increment for the move it made.
        const QStringList words = goes[1].split(QLatin1Char(' '));
        ASSERT_EQ(words.size(), 9);
        EXPECT_EQ(words[1], QStringLiteral("wtime"));
        const int red = words[2].toInt();
        EXPECT_GT(red, 60000 - 5000);  // the script answers at once
        EXPECT_LE(red, 61000);
        EXPECT_EQ(words[4], QStringLiteral("60000"));
    }
}

}  // namespace

namespace {

TEST(MatchRunner, StopEndsTheEnginesAndKeepsOnlyFinishedGames) {
    ensureApplication();
    const QString folder = testFolder(QStringLiteral("stop"));
    // Game 1 ends at once; game 2's engines think for ever (a fixed depth has no time limit).
    MatchSettings s = scriptedMatch({"b0b9"}, 0, {"hang"}, 0);
    s.openings.source = OpeningSource::PositionFile;
    s.openings.path = writeFile(folder, QStringLiteral("mate.fen"), QByteArray(MATE_IN_ONE) + '\n');
    s.time.depth = 3;
    s.pgnPath = QDir(folder).filePath(QStringLiteral("games.pgn"));
    MatchRunner runner(s);
    bool finished = false;
    QObject::connect(&runner, &MatchRunner::finished, [&] { finished = true; });
    QObject::connect(&runner, &MatchRunner::gameStarted, [&](int index, const QString&, const QString&) {
        if (index == 1) QTimer::singleShot(200, &runner, &MatchRunner::stop);
    });
    ASSERT_TRUE(runner.start());
    ASSERT_TRUE(waitFor([&] { return finished; }, 30000));
    EXPECT_FALSE(runner.running());
    ASSERT_EQ(runner.finishedGames().size(), 1u);
    EXPECT_EQ(runner.finishedGames()[0].index, 0);
    MatchState state;
    QString problem;
    ASSERT_TRUE(readMatchState(statePath(s.pgnPath), state, problem));
    ASSERT_EQ(state.games.size(), 1u);
    EXPECT_EQ(QFileInfo(s.pgnPath).size(), state.games[0].end);
}

}  // namespace
