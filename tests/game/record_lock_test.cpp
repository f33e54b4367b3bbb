// The record lock: while a job holds the record, every path that changes
// it is refused with the holder's reason and changes nothing.
#include <gtest/gtest.h>

#include <functional>

#include "fake_shell_support.h"
#include "file_test_support.h"
#include "game/game.h"
#include "text_support.h"

namespace {

const PackedMove CANNON = readCoordinateMove("h2e2"), HORSE = readCoordinateMove("h9g7"),
                 OTHER_CANNON = readCoordinateMove("b2e2"), BLACK_CANNON = readCoordinateMove("h7e7");

// What a change of the record would show.
struct Shown {
    std::vector<PackedMove> line;
    int ply;
    int firstMove;  // the tree's main first move
    std::string file;
    ThinkingStatus thinking;
    bool operator==(const Shown&) const = default;
};

Shown shown(const Game& g) {
    Shown s{{}, g.moveCount(), g.tree().firstChild(MoveTree::ROOT), g.fileName(), g.thinkingStatus()};
    for (int i = 0; i < g.recordSize(); ++i) s.line.push_back(g.recordEntry(i)->move);
    return s;
}

struct LockedPath {
    const char* what;
    std::function<void(Game&, const std::string& pgn)> change;
};

const LockedPath PATHS[] = {
    {"a move", [](Game& g, auto&) { g.makeMove(BLACK_CANNON); }},
    {"a move on the board", [](Game& g, auto&) { g.tryUserMove(BLACK_CANNON); }},
    {"undo", [](Game& g, auto&) { g.undo(); }},
    {"redo", [](Game& g, auto&) { g.redo(); }},
    {"go to a ply", [](Game& g, auto&) { g.goToPly(0); }},
    {"go to another line", [](Game& g, auto&) { g.goToNode(g.tree().firstChild(MoveTree::ROOT)); }},
    {"enter a variation", [](Game& g, auto&) { g.enterVariation(0); }},
    {"promote a variation", [](Game& g, auto&) { g.promoteVariation(g.lineNode(0)); }},
    {"make the main line", [](Game& g, auto&) { g.makeMainLine(g.lineNode(0)); }},
    {"remove a variation", [](Game& g, auto&) { g.removeVariation(g.lineNode(0)); }},
    {"new game", [](Game& g, auto&) { g.newGame(); }},
    {"set-up", [](Game& g, auto&) { g.enterSetup(); }},
    {"open", [](Game& g, const std::string& pgn) { g.openFile(pgn); }},
    {"open a database's game",
     [](Game& g, auto&) {
         GameDocument doc;
         doc.startBoard = INITIAL_BOARD;
         doc.startSide = SIDE_RED;
         g.openDocument(doc, "games.db");
     }},
    {"paste", [](Game& g, auto&) { g.newGameFromFen("rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w"); }},
    {"a computer move", [](Game& g, auto&) { g.computerMove(); }},
};

TEST(RecordLock, EveryPathThatChangesTheRecordIsRefusedWhileLocked) {
    TempDir dir;
    const std::string pgn = dir.file("other.pgn");
    writeBytes(pgn, bytesOf("[Event \"x\"]\n\n1. c3c4 *\n"));
    for (const LockedPath& path : PATHS) {
        SCOPED_TRACE(path.what);
        Game game;
        FakeShell shell{game};
        shell.radio[0] = 1;  // two humans
        game.setPonderEnabled(false);
        game.newGame();
        game.setKeepVariations(true);
        // h2e2 h9g7 taken back, then b2e2 h9g7 with one ply taken back.
        for (PackedMove m : {CANNON, HORSE}) ASSERT_TRUE(game.tryUserMove(m));
        game.goToPly(0);
        for (PackedMove m : {OTHER_CANNON, HORSE}) ASSERT_TRUE(game.tryUserMove(m));
        game.undo();
        const Shown before = shown(game);

        game.lockRecord("busy");
        path.change(game, pgn);
        EXPECT_EQ(shown(game), before);
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].substr(0, 5), "busy|");

        // Unlocked, the same path does change the record.
        game.unlockRecord();
        path.change(game, pgn);
        EXPECT_NE(shown(game), before);
        game.stopThinking();
    }
}

}  // namespace
