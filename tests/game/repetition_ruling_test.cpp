// Rulings on a position repeated the third time: a table of cycles, each
// played twice from its start, for Red and (mirrored) for Black, with the
// rulings off and on.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/fen.h"
#include "fake_shell_support.h"
#include "file_test_support.h"
#include "game/game.h"
#include "game/game_end.h"
#include "game/gbk.h"

namespace {

using V = RepetitionVerdict;

struct Cycle {
    const char* name;
    const char* fen;     // Red is the side that may offend
    const char* moves;   // one cycle, back to the start
    V verdict;           // Red the offender when it is a loss
};

constexpr Cycle CYCLES[] = {
    {"rook checks in every move", "4k4/9/9/9/4R4/9/9/9/9/5K3 b", "e9d9 e5d5 d9e9 d5e5", V::PerpetualCheck},
    {"rook chases an unprotected cannon", "4k4/9/c8/9/9/9/9/R8/9/3K5 b", "a7b7 a2b2 b7a7 b2a2",
     V::PerpetualChase},
    {"rook attacks a protected cannon", "4k4/9/c1r6/9/9/9/9/R8/9/3K5 b", "a7b7 a2b2 b7a7 b2a2", V::Repetition},
    {"horse chases a protected rook", "1r2k4/1r7/9/2N6/9/9/9/9/3R5/5K3 b", "b8b7 c6d8 b7b8 d8c6",
     V::PerpetualChase},
    {"a pawn may chase", "c3k4/P8/9/9/9/9/9/9/9/3K5 b", "a9b9 a8b8 b9a9 b8a8", V::Repetition},
    {"one check, one idle move", "4k4/9/9/9/R8/9/9/9/9/3K5 w", "a5e5 e9f9 e5a5 f9e9", V::Repetition},
    // Red's horse uncovers its cannon's check; each block by Black's horse lets its rook take the
    // unprotected horse on b0, a chase in every Black move.
    {"check against a chase: the checker loses", "9/4k4/2r6/1r7/9/2N3n2/9/4C4/2R6/1N3K3 w",
     "c4e3 g4e5 e3c4 e5g4", V::PerpetualCheck},
    // The horse uncovers one rook on the cannon, then the other; the cannon never moves.
    {"a chase of a piece that stands still goes to a judge", "5k3/9/1c6R/9/1N7/9/9/9/9/1R1K5 w",
     "b5c7 f9f8 c7b5 f8f9", V::AmbiguousChase},
};

std::vector<PackedMove> readMoves(const std::string& text) {
    std::vector<PackedMove> moves;
    std::istringstream in(text);
    for (std::string m; in >> m;) moves.push_back(readCoordinateMove(m));
    return moves;
}

// The same cycle with the colours swapped: ranks turned over, pieces and
// side to move exchanged.
Board90 mirrored(const Board90& b) {
    Board90 out{};
    for (int cell = 0; cell < 90; ++cell) {
        const BoardPiece p = b[boardIndex(cell % 9, 9 - cell / 9)];
        out[cell] = p == NO_PIECE ? NO_PIECE : static_cast<BoardPiece>(isRedPiece(p) ? p + 7 : p - 7);
    }
    return out;
}
PackedMove mirrored(PackedMove m) {
    const GridPoint f = moveFrom(m), t = moveTo(m);
    return packMove(f.file, 9 - f.rank, t.file, 9 - t.rank);
}

struct Played {
    Board90 start;
    Side side;
    std::vector<PackedMove> moves;  // the cycle twice: the start occurs the third time at the end
};

Played play(const Cycle& c, bool black) {
    Played p;
    std::string error;
    EXPECT_TRUE(readFen(c.fen, p.start, p.side, error)) << c.name;
    const std::vector<PackedMove> cycle = readMoves(c.moves);
    for (int round = 0; round < 2; ++round) p.moves.insert(p.moves.end(), cycle.begin(), cycle.end());
    if (black) {
        p.start = mirrored(p.start);
        p.side ^= 1;
        for (PackedMove& m : p.moves) m = mirrored(m);
    }
    return p;
}

GameEnd endAfter(const Played& p, std::size_t plies, bool rulings) {
    return judgeGameEnd(p.start, p.side, std::span(p.moves.data(), plies), 0, rulings);
}

}  // namespace

TEST(RepetitionRuling, CycleTable) {
    for (const Cycle& c : CYCLES) {
        for (const bool black : {false, true}) {
            const Played p = play(c, black);
            const Side offender = black ? SIDE_BLACK : SIDE_RED;
            const std::string label = std::string(c.name) + (black ? " (black)" : " (red)");
            // Every move is legal, and nothing ends the game before the third occurrence.
            for (std::size_t ply = 0; ply < p.moves.size(); ++ply)
                ASSERT_EQ(endAfter(p, ply, true).reason, EndReason::None) << label << " ply " << ply;
            EXPECT_EQ(endAfter(p, p.moves.size(), false).reason, EndReason::None) << label;
            const GameEnd end = endAfter(p, p.moves.size(), true);
            EXPECT_EQ(end.ruling.verdict, c.verdict) << label;
            const GameResult loss = offender == SIDE_RED ? RESULT_BLACK_WINS : RESULT_RED_WINS;
            const bool drawn = c.verdict == V::Repetition || c.verdict == V::AmbiguousChase;
            EXPECT_EQ(end.result, drawn ? RESULT_DRAW : loss) << label;
            if (c.verdict != V::Repetition) EXPECT_EQ(end.ruling.offender, offender) << label;
        }
    }
}

// In the game: off, the original game goes on; on, the message names the
// ruling, the result is kept, and a PGN save notes the reason on the last move.
TEST(RepetitionRuling, GameRulesOnlyWhenAsked) {
    for (const bool on : {false, true}) {
        TempDir dir;
        Game game;
        FakeShell shell{game};
        shell.radio[0] = 1;  // two humans
        game.newGame();
        game.setRepetitionRulings(on);
        const Played p = play(CYCLES[0], false);
        game.setBoard(p.start, p.side);
        game.commitStartPosition();
        for (PackedMove m : p.moves) {
            ASSERT_TRUE(game.tryUserMove(m));
            game.idle();
        }
        shell.messages.clear();
        game.idle();
        if (!on) {
            EXPECT_EQ(game.result(), RESULT_IN_PLAY);
            EXPECT_TRUE(shell.messages.empty());
            continue;
        }
        const std::string ruling = std::string(GBK_RED_SIDE) + GBK_PERPETUAL_CHECK_LOSES;
        EXPECT_EQ(game.result(), RESULT_BLACK_WINS);
        EXPECT_EQ(shell.info.result, GBK_BLACK_WINS);
        EXPECT_EQ(game.lastEnd().reason, EndReason::PerpetualCheck);
        const std::string path = dir.file("ruled.pgn");
        ASSERT_TRUE(game.saveFile(path));
        const Bytes bytes = readBytes(path);
        const std::string text(bytes.begin(), bytes.end());
        EXPECT_NE(text.find("{" + gbkToUtf8Lossy(ruling) + "}"), std::string::npos) << text;
        EXPECT_NE(text.find("0-1"), std::string::npos);
    }
}
