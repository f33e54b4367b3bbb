#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "engines/engine_list.h"
#include "match/match_options.h"
#include "match/match_state.h"

namespace {

struct OptionsCase {
    const char* what;
    QStringList args;
    bool accepted;
    std::function<bool(const MatchSettings&)> holds;
};

const OptionsCase OPTIONS[] = {
    {"an increment clock in seconds", {"--tc", "10+0.1"}, true,
     [](const MatchSettings& s) {
         return s.time.control == TimeControl{TimeControlKind::Increment, 10000, 100, 0, 0};
     }},
    {"moves in time", {"--tc", "40/300"}, true,
     [](const MatchSettings& s) { return s.time.control == TimeControl{TimeControlKind::MovesInTime, 300000, 0, 0, 40}; }},
    {"byoyomi", {"--tc", "60+10b"}, true,
     [](const MatchSettings& s) { return s.time.control == TimeControl{TimeControlKind::Byoyomi, 60000, 0, 10000, 0}; }},
    {"a clock that does not read", {"--tc", "ten"}, false, nullptr},
    {"players with their options", {"--engine", "builtin,depth=6", "--engine", "/usr/games/x,name=X,proto=ucci,option.Hash=64,arg=-q"}, true,
     [](const MatchSettings& s) {
         return s.players.size() == 2 && s.players[0].builtIn() && s.players[0].depth == 6 && s.players[1].name == "X" &&
                s.players[1].protocol == "ucci" && s.players[1].options.value("Hash") == "64" &&
                s.players[1].arguments == QStringList{"-q"};
     }},
    {"the built-in engine at a level", {"--engine", "builtin,level=3", "--engine", "builtin,level=1"}, true,
     [](const MatchSettings& s) { return s.players[0].moveTimeMs == 18000 && s.players[1].moveTimeMs == 2000; }},
    {"a level that does not exist", {"--engine", "builtin,level=4"}, false, nullptr},
    {"an engine part that is not known", {"--engine", "/usr/games/x,colour=red"}, false, nullptr},
    {"openings from a FEN file, shuffled", {"--openings", "fen:a.fen", "--shuffle", "--seed", "9"}, true,
     [](const MatchSettings& s) {
         return s.openings.source == OpeningSource::PositionFile && s.openings.path == "a.fen" && s.openings.shuffle && s.seed == 9;
     }},
    {"adjudication", {"--resign", "900,4", "--draw", "15,6,30"}, true,
     [](const MatchSettings& s) {
         const Adjudication& a = s.adjudication;
         return a.resign && a.resignScore == 900 && a.resignMoves == 4 && a.draw && a.drawScore == 15 && a.drawMoves == 6 &&
                a.drawAfterMove == 30;
     }},
    {"a shard", {"--shard", "3/4"}, true, [](const MatchSettings& s) { return s.shard == 3 && s.shards == 4; }},
    {"a shard beyond the count", {"--shard", "5/4"}, false, nullptr},
    {"an SPRT", {"--sprt", "0,5,0.05,0.05"}, true,
     [](const MatchSettings& s) { return s.sprt && s.sprtSettings.elo1 == 5 && s.sprtSettings.alpha == 0.05; }},
    {"an option without its value", {"--games"}, false, nullptr},
    {"an unknown option", {"--colour", "red"}, false, nullptr},
};

TEST(MatchOptions, TheCommandLineReadsIntoTheSettings) {
    for (const OptionsCase& c : OPTIONS) {
        MatchSettings s;
        QStringList rest;
        QString problem;
        const bool accepted = parseMatchOptions(c.args, s, rest, problem);
        EXPECT_EQ(accepted, c.accepted) << c.what << ": " << problem.toStdString();
        if (accepted && c.holds) {
            EXPECT_TRUE(c.holds(s)) << c.what;
        }
        if (!accepted) {
            EXPECT_FALSE(problem.isEmpty()) << c.what;
        }
    }
}

TEST(MatchOptions, TheFingerprintFollowsWhatDecidesTheGamesOnly) {
    MatchSettings a;
    a.players.resize(2);
    a.players[1].program = QStringLiteral("/usr/games/x");
    const QString base = matchFingerprint(a);
    const std::function<void(MatchSettings&)> same[] = {
        [](MatchSettings& s) { s.concurrency = 4; },
        [](MatchSettings& s) { s.pgnPath = QStringLiteral("other.pgn"); },
        [](MatchSettings& s) { s.shard = 2, s.shards = 3; },
    };
    const std::function<void(MatchSettings&)> other[] = {
        [](MatchSettings& s) { s.seed = 2; },
        [](MatchSettings& s) { s.gamesPerPairing = 4; },
        [](MatchSettings& s) { s.time.control = {TimeControlKind::Sudden, 60000, 0, 0, 0}; },
        [](MatchSettings& s) { s.players[1].options.insert(QStringLiteral("Hash"), QStringLiteral("64")); },
        [](MatchSettings& s) { s.adjudication.resign = true; },
        [](MatchSettings& s) { s.rulings = false; },
        [](MatchSettings& s) { s.openings.source = OpeningSource::Book; },
    };
    for (const auto& change : same) {
        MatchSettings b = a;
        change(b);
        EXPECT_EQ(matchFingerprint(b), base);
    }
    for (const auto& change : other) {
        MatchSettings b = a;
        change(b);
        EXPECT_NE(matchFingerprint(b), base);
    }
}

}  // namespace

namespace {

TEST(MatchOptions, AnEngineOfTheListComesWithItsSavedOptions) {
    const QString path = QDir::temp().filePath(QStringLiteral("morlan-match-engines.json"));
    EngineList list;
    EngineEntry entry;
    entry.name = QStringLiteral("Outside");
    entry.path = QStringLiteral("/usr/games/outside");
    entry.protocol = QStringLiteral("ucci");
    entry.values.insert(QStringLiteral("hashsize"), QStringLiteral("128"));
    entry.values.insert(QStringLiteral("UCI_Variant"), QStringLiteral("xiangqi"));  // the program's own
    ASSERT_GE(list.add(entry), 1);
    ASSERT_TRUE(list.save(path));
    MatchSettings s;
    QStringList rest;
    QString problem;
    ASSERT_TRUE(parseMatchOptions({"--engine-list", path, "--engine", "list=Outside", "--engine", "builtin"}, s, rest, problem))
        << problem.toStdString();
    ASSERT_EQ(s.players.size(), 2u);
    EXPECT_EQ(s.players[0].program, entry.path);
    EXPECT_EQ(s.players[0].name, entry.name);
    EXPECT_EQ(s.players[0].protocol, QStringLiteral("ucci"));
    EXPECT_EQ(s.players[0].options, (QMap<QString, QString>{{QStringLiteral("hashsize"), QStringLiteral("128")}}));
    EXPECT_FALSE(parseMatchOptions({"--engine-list", path, "--engine", "list=Missing"}, s, rest, problem));
    QFile::remove(path);
}

}  // namespace
