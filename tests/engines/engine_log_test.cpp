#include <gtest/gtest.h>

#include "engines/engine_log.h"

namespace {

TEST(EngineLogLines, KeepsTheNewestAndMarksTheirWay) {
    EngineLog log;
    log.append(true, "uci");
    log.append(false, "uciok");
    EXPECT_EQ(log.text(), QStringLiteral("> uci\n< uciok\n"));
    for (int i = 0; i < 2500; ++i) log.append(i % 2 == 0, QString::number(i));
    EXPECT_EQ(log.lines().size(), EngineLog::CAPACITY);
    EXPECT_EQ(log.total(), 2502u);
    EXPECT_EQ(log.lines().front().text, QStringLiteral("500"));
    EXPECT_TRUE(log.lines().front().sent);
    EXPECT_EQ(log.lines().back().text, QStringLiteral("2499"));
    EXPECT_FALSE(log.lines().back().sent);
    log.clear();
    EXPECT_TRUE(log.lines().empty());
    EXPECT_EQ(log.total(), 2502u);
}

}  // namespace
