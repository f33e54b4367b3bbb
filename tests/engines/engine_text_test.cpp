// The texts of the engine protocols: moves in both rank numberings,
// option lines of both syntaxes, info lines and the limits of a level.
#include <gtest/gtest.h>

#include "engine/fen.h"
#include "engines/engine_coordinates.h"
#include "engines/engine_info.h"
#include "engines/engine_limits.h"
#include "engines/engine_option.h"

namespace {

TEST(EngineMoveText, BothRankNumberingsNameTheSameMoves) {
    // h2e2 (central cannon) and h9g7 (a black horse) counted from 1 are h3e3 and h10g8.
    EXPECT_EQ(readEngineMove(u"h3e3", RankBase::FROM_ONE), readCoordinateMove("h2e2"));
    EXPECT_EQ(readEngineMove(u"h10g8", RankBase::FROM_ONE), readCoordinateMove("h9g7"));
    EXPECT_EQ(readEngineMove(u"a1a10", RankBase::FROM_ONE), readCoordinateMove("a0a9"));
    EXPECT_EQ(readEngineMove(u"h9g7", RankBase::FROM_ZERO), readCoordinateMove("h9g7"));
    for (const char* text : {"h2e2", "h9g7", "a0i9", "i9a0", "e0e1"}) {
        const PackedMove move = readCoordinateMove(text);
        EXPECT_EQ(writeEngineMove(move, RankBase::FROM_ZERO), QString::fromLatin1(text));
        EXPECT_EQ(readEngineMove(writeEngineMove(move, RankBase::FROM_ONE), RankBase::FROM_ONE), move) << text;
    }
    EXPECT_EQ(writeEngineMove(readCoordinateMove("h9g7"), RankBase::FROM_ONE), QStringLiteral("h10g8"));
}

TEST(EngineMoveText, UnreadableMovesAreNone) {
    for (const char16_t* text : {u"", u"h0e1", u"h11e1", u"h01e1", u"j1e1", u"h1", u"h1e", u"h1e1x", u"H1E1", u"h1 e1",
                                 u"(none)"})
        EXPECT_EQ(readEngineMove(text, RankBase::FROM_ONE), 0u) << QString::fromUtf16(text).toStdString();
    for (const char16_t* text : {u"h10g8", u"h2e", u"0000", u"i9a", u"a0a99"})
        EXPECT_EQ(readEngineMove(text, RankBase::FROM_ZERO), 0u) << QString::fromUtf16(text).toStdString();
}

TEST(EngineOptionText, UciLinesOfEveryType) {
    auto spin = readUciOption(QStringLiteral("option name Skill Level type spin default 20 min -20 max 20"));
    ASSERT_TRUE(spin);
    EXPECT_EQ(spin->name, QStringLiteral("Skill Level"));
    EXPECT_EQ(spin->type, EngineOption::SPIN);
    EXPECT_EQ(spin->min, -20);
    EXPECT_EQ(spin->max, 20);
    EXPECT_TRUE(spin->accepts(QStringLiteral("-20")));
    EXPECT_FALSE(spin->accepts(QStringLiteral("21")));
    EXPECT_FALSE(spin->accepts(QStringLiteral("ten")));

    auto combo = readUciOption(QStringLiteral("option name Analysis Contempt type combo default Both var Both var Off var White"));
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->choices, (QStringList{"Both", "Off", "White"}));
    EXPECT_EQ(combo->defaultValue, QStringLiteral("Both"));
    EXPECT_TRUE(combo->accepts(QStringLiteral("Off")));
    EXPECT_FALSE(combo->accepts(QStringLiteral("Black")));

    auto check = readUciOption(QStringLiteral("option name Ponder type check default false"));
    ASSERT_TRUE(check);
    EXPECT_TRUE(check->accepts(QStringLiteral("true")));
    EXPECT_FALSE(check->accepts(QStringLiteral("yes")));

    auto button = readUciOption(QStringLiteral("option name Clear Hash type button"));
    ASSERT_TRUE(button);
    EXPECT_EQ(button->type, EngineOption::BUTTON);
    EXPECT_TRUE(button->accepts(QString()));

    auto empty = readUciOption(QStringLiteral("option name SyzygyPath type string default <empty>"));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->defaultValue.isEmpty());
    auto path = readUciOption(QStringLiteral("option name Debug Log File type string default "));
    ASSERT_TRUE(path);
    EXPECT_EQ(path->name, QStringLiteral("Debug Log File"));
    EXPECT_FALSE(path->accepts(QStringLiteral("a\nquit")));  // one line only, never a second command
}

TEST(EngineOptionText, UcciLinesAndWhatIsNotAnOption) {
    auto hash = readUcciOption(QStringLiteral("option hashsize type spin min 16 max 1024 default 64"));
    ASSERT_TRUE(hash);
    EXPECT_EQ(hash->name, QStringLiteral("hashsize"));
    EXPECT_EQ(hash->defaultValue, QStringLiteral("64"));
    EXPECT_EQ(hash->max, 1024);
    auto millis = readUcciOption(QStringLiteral("option usemillisec type check default true"));
    ASSERT_TRUE(millis);
    EXPECT_EQ(millis->type, EngineOption::CHECK);
    auto style = readUcciOption(QStringLiteral("option style type combo var solid var normal var risky default normal"));
    ASSERT_TRUE(style);
    EXPECT_EQ(style->choices.size(), 3);

    for (const char* bad : {"option name Hash type spin default 16", "option name Hash type dial default 1",
                            "option name type check", "option name Hash", "option name X type spin min 5 max 1",
                            "option name X type spin min a max 9", "info depth 3"})
        EXPECT_FALSE(readUciOption(QString::fromLatin1(bad))) << bad;
    EXPECT_FALSE(readUcciOption(QStringLiteral("option type check default true")));
    EXPECT_FALSE(readUcciOption(QStringLiteral("option hashsize type spin")));
}

TEST(EngineInfoText, UciAndUcciReports) {
    EngineInfo info;
    QStringList pv;
    ASSERT_TRUE(readInfoLine(QStringLiteral("info depth 9 seldepth 12 multipv 2 score cp -187 nodes 29456 nps 88722 "
                                            "tbhits 0 time 332 pv b7c7 h0i2 h7h5"),
                             info, pv));
    EXPECT_EQ(info.depth, 9);
    EXPECT_EQ(info.selDepth, 12);
    EXPECT_EQ(info.multiPv, 2);
    EXPECT_EQ(info.scoreKind, EngineInfo::CENTIPAWNS);
    EXPECT_EQ(info.score, -187);
    EXPECT_EQ(info.nodes, 29456);
    EXPECT_EQ(info.nps, 88722);
    EXPECT_EQ(info.timeMs, 332);
    EXPECT_EQ(pv, (QStringList{"b7c7", "h0i2", "h7h5"}));

    ASSERT_TRUE(readInfoLine(QStringLiteral("info depth 6 score 35 pv h2e2"), info, pv));  // UCCI: a bare score
    EXPECT_EQ(info.score, 35);
    EXPECT_EQ(info.multiPv, 1);
    EXPECT_EQ(info.nodes, -1);
    ASSERT_TRUE(readInfoLine(QStringLiteral("info depth 3 score mate -2 lowerbound nodes 5 pv h2e2 h9g7"), info, pv));
    EXPECT_EQ(info.scoreKind, EngineInfo::MATE);
    EXPECT_EQ(info.score, -2);
    EXPECT_TRUE(info.lowerBound);
    EXPECT_EQ(info.nodes, 5);
}

TEST(EngineInfoText, LinesWithoutAReportAreNotOne) {
    EngineInfo info;
    info.depth = 77;
    QStringList pv;
    for (const char* line : {"info string depth 5 score cp 3 pv h2e2", "info depth 10 currmove h2e2 currmovenumber 3",
                             "info depth x score cp 3", "info depth 3 score cp", "info depth 3 score cp 1e3",
                             "info nodes -5 score cp 1", "info multipv 0 score cp 1", "bestmove h2e2", ""})
        EXPECT_FALSE(readInfoLine(QString::fromLatin1(line), info, pv)) << line;
    EXPECT_EQ(info.depth, 77);  // untouched by lines that are not read
}

TEST(EngineLimitsOfLevels, FixedAndCustomLevels) {
    for (int seconds : {2, 6, 18}) {
        const EngineLimits l = EngineLimits::fromRequest({LIMIT_TIME, 0, static_cast<std::int16_t>(seconds)});
        EXPECT_EQ(l.moveTimeMs, seconds * 1000);
        EXPECT_EQ(l.depth, 0);
    }
    const EngineLimits depth = EngineLimits::fromRequest({LIMIT_DEPTH, 7, 0});
    EXPECT_EQ(depth.depth, 7);
    EXPECT_EQ(depth.moveTimeMs, 0);
    const EngineLimits both = EngineLimits::fromRequest({LIMIT_DEPTH | LIMIT_TIME, 9, 30});
    EXPECT_EQ(both.depth, 9);
    EXPECT_EQ(both.moveTimeMs, 30000);
    EXPECT_FALSE(EngineLimits::fromRequest({0, 0, 0}).infinite());  // a move is always asked for with an end
    EXPECT_TRUE(EngineLimits{}.infinite());
}

}  // namespace
