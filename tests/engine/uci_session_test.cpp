#include <sstream>

#include <gtest/gtest.h>

#include "engine/fen.h"
#include "engine/uci/uci_session.h"

namespace {

TEST(UciSession, PositionWithMovesAndPerft) {
    std::ostringstream out;
    UciSession s(out);
    EXPECT_TRUE(s.handle("position startpos moves h2e2 h9g7"));
    EXPECT_EQ(s.side(), SIDE_RED);
    EXPECT_EQ(s.board()[boardIndex(4, 2)], 5);   // red cannon on file five
    EXPECT_EQ(s.board()[boardIndex(2, 7)], 10);  // black horse
    s.handle("position startpos");
    s.handle("go perft 2");
    const std::string text = out.str();
    EXPECT_NE(text.find("h2e2: 45"), std::string::npos);
    EXPECT_NE(text.find("Nodes searched: 1920"), std::string::npos);
    EXPECT_FALSE(s.handle("quit"));
}

TEST(UciSession, BadInputChangesNothing) {
    std::ostringstream out;
    UciSession s(out);
    s.handle("position startpos moves h2e2");
    const Board90 before = s.board();
    for (const char* line : {"position startpos moves h2e2 h2e3", "position fen 9/9/9 w", "position sideways",
                             "position startpos moves zz99", "frobnicate"}) {
        out.str("");
        s.handle(line);
        EXPECT_EQ(s.board(), before) << line;
        EXPECT_EQ(s.side(), SIDE_BLACK) << line;
        EXPECT_EQ(out.str().rfind("info string ", 0), 0u) << line;
    }
}

TEST(UciSession, FenPositionAndDisplay) {
    std::ostringstream out;
    UciSession s(out);
    s.handle("position fen 4k4/9/9/9/9/9/9/9/9/R3K4 b - - 0 1");
    EXPECT_EQ(s.side(), SIDE_BLACK);
    s.handle("d");
    EXPECT_NE(out.str().find("Fen: 4k4/9/9/9/9/9/9/9/9/R3K4 b"), std::string::npos);
}

}  // namespace
