// WXF moves as the program writes them, each read back to the same move:
// every kind, both colours, two like pieces on a file by + and -, pawns
// numbered when three share a file or two files hold two each.
#include <gtest/gtest.h>

#include "engine/fen.h"
#include "game/move_notation.h"
#include "game/wxf_notation.h"
#include "game/wxf_writer.h"
#include "text_support.h"

namespace {

struct WxfCase {
    const char* fen;
    const char* move;  // coordinates
    const char* wxf;
};

constexpr const char* START = "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w";
constexpr const char* START_BLACK = "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR b";
constexpr WxfCase CASES[] = {
    {START, "h2e2", "C2=5"}, {START, "h2h1", "C2-1"}, {START, "h0g2", "H2+3"}, {START, "a0a1", "R9+1"},
    {START, "e3e4", "P5+1"}, {START, "f0e1", "A4+5"}, {START, "c0e2", "E7+5"}, {START, "e0e1", "K5+1"},
    {START_BLACK, "h9g7", "H8+7"},
    {START_BLACK, "a9a8", "R1+1"},
    {START_BLACK, "g9e7", "E7+5"},
    {START_BLACK, "e6e5", "P5+1"},
    // Two like pieces on a file: + the front one, - the rear one; advisors and elephants keep the file.
    {"3k5/9/9/9/9/9/R8/9/9/R3K4 w", "a3a5", "R++2"}, {"3k5/9/9/9/9/9/R8/9/9/R3K4 w", "a0b0", "R-=8"},
    {"3k5/9/2c6/9/2c6/9/9/9/9/4K4 b", "c5c3", "C++2"}, {"3k5/9/2c6/9/2c6/9/9/9/9/4K4 b", "c7d7", "C-=4"},
    {"3k5/9/9/9/9/9/4H4/9/4H4/5K3 w", "e3d5", "H++6"}, {"3k5/9/9/9/9/9/4H4/9/4H4/5K3 w", "e1d3", "H-+6"},
    {"3k5/9/9/9/9/9/9/3A5/9/3AK4 w", "d2e1", "A6-5"}, {"3k5/9/9/9/9/9/9/3A5/9/3AK4 w", "d0e1", "A6+5"},
    {"2b1k4/9/9/9/2b6/9/9/9/9/3K5 b", "c5a7", "E3-1"}, {"2b1k4/9/9/9/2b6/9/9/9/9/3K5 b", "c9e7", "E3+5"},
    {"3k5/9/9/9/9/4p4/4p4/9/9/5K3 b", "e3d3", "P+=4"}, {"3k5/9/9/9/9/4p4/4p4/9/9/5K3 b", "e4d4", "P-=4"},
    // Three pawns on a file, or two on each of two files: numbered from the front, then the file.
    {"3k5/9/4P4/4P4/4P4/9/9/9/9/4K4 w", "e7d7", "15=6"}, {"3k5/9/4P4/4P4/4P4/9/9/9/9/4K4 w", "e6f6", "25=4"},
    {"3k5/9/4P4/4P4/4P4/9/9/9/9/4K4 w", "e5d5", "35=6"}, {"3k5/9/4P4/4P4/4P4/9/9/9/9/4K4 w", "e7e8", "15+1"},
    {"3k5/9/9/9/9/2p1p4/2p1p4/9/9/4K4 b", "e4d4", "25=4"}, {"3k5/9/9/9/9/2p1p4/2p1p4/9/9/4K4 b", "e3e2", "15+1"},
    {"3k5/9/9/9/9/2p1p4/2p1p4/9/9/4K4 b", "c3b3", "13=2"},
};

TEST(WxfWriter, WritesEachCaseAndReadsItBack) {
    for (const WxfCase& c : CASES) {
        Board90 board{};
        Side side = SIDE_RED;
        std::string error;
        ASSERT_TRUE(readFen(c.fen, board, side, error)) << c.fen << ": " << error;
        const PackedMove m = readCoordinateMove(c.move);
        EXPECT_EQ(formatWxfMove(board, m), c.wxf) << c.fen << " " << c.move;
        EXPECT_EQ(judgeWxfMove(board, side, c.wxf), m) << c.fen << " " << c.wxf;
    }
}

TEST(WxfWriter, CoordinatesNameOnlyMovesOfAPiece) {
    EXPECT_EQ(formatMoveAs(MoveNotation::Coordinate, INITIAL_BOARD, readCoordinateMove("h2e2")), "h2e2");
    EXPECT_EQ(formatMoveAs(MoveNotation::Coordinate, INITIAL_BOARD, readCoordinateMove("e4e5")), "");
    EXPECT_EQ(formatMoveAs(MoveNotation::Wxf, INITIAL_BOARD, readCoordinateMove("e4e5")), "");
}

}  // namespace
