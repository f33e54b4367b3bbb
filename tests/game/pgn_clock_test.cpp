// The clocks in a PGN: the TimeControl tag and the mover's time after each
// move go out and come back; clock commands never stay in comment text.
#include <gtest/gtest.h>

#include "game/pgn_clock.h"
#include "game/pgn_collection.h"
#include "game/pgn_writer.h"
#include "text_support.h"

namespace {

TEST(PgnClock, CommandsLeaveTheCommentText) {
    struct {
        const char* comment;
        std::int64_t clock;  // -1: none
        const char* left;
    } cases[] = {
        {"[%clk 0:00:58]", 58'000, ""},
        {"[%clk 1:02:03] good move", 3'723'000, "good move"},
        {"fine [%emt 0:00:02] [%clk 0:09:58.5]", 598'500, "fine"},
        {"[%clk 12:05]", 725'000, ""},
        {"[%clk soon] text", -1, "text"},
        {"no clock here", -1, "no clock here"},
        {"[%clk 0:00:05", -1, "[%clk 0:00:05"},  // not closed: left alone
    };
    for (const auto& c : cases) {
        std::string comment = c.comment;
        EXPECT_EQ(takeClockCommands(comment).value_or(-1), c.clock) << c.comment;
        EXPECT_EQ(comment, c.left) << c.comment;
    }
    EXPECT_EQ(clockCommand(3'723'999), "[%clk 1:02:03]");
    EXPECT_EQ(clockCommand(-5), "[%clk 0:00:00]");
}

TEST(PgnClock, TagAndClocksRoundTrip) {
    GameDocument doc;
    doc.startBoard = INITIAL_BOARD;
    doc.startSide = SIDE_RED;
    doc.moves = {{packMove(1, 2, 4, 2), gbk("中炮"), 59'000},
                 {packMove(1, 9, 2, 7), {}, 57'000},
                 {packMove(1, 0, 2, 2), {}, -1}};
    doc.timeControl = "60+1";
    const std::string text = encodePgn(doc);
    EXPECT_NE(text.find("[TimeControl \"60+1\"]"), std::string::npos) << text;
    EXPECT_NE(text.find("{[%clk 0:00:59] "), std::string::npos) << text;
    GameDocument back;
    std::string message;
    ASSERT_EQ(importPgnText(text, 1, back, message), 0) << utf8(message);
    EXPECT_EQ(back.timeControl, "60+1");
    ASSERT_EQ(back.moves.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.moves[i].clockMs, doc.moves[i].clockMs) << i;
        EXPECT_EQ(back.moves[i].comment, doc.moves[i].comment) << i;
    }
    doc.timeControl.clear();
    for (DocumentMove& m : doc.moves) m.clockMs = -1;
    EXPECT_EQ(encodePgn(doc).find("TimeControl"), std::string::npos);
    EXPECT_EQ(encodePgn(doc).find("%clk"), std::string::npos);
}

}  // namespace
