// The game's doors for records from other programs: opening a PGN game or
// an XQF record as an untitled game, saving as PGN, and a new game from a
// pasted position; every refusal shown and the game left as it was.
#include <gtest/gtest.h>

#include "fake_shell_support.h"
#include "file_test_support.h"
#include "game/game.h"
#include "game/gbk.h"
#include "game/pgn_writer.h"
#include "text_support.h"
#include "xqf_builder.h"

namespace {

const char COLLECTION[] =
    "[Red \"甲\"]\n\n{开局} 1. h2e2 h9g7 *\n\n"
    "[Red \"乙\"]\n[Event \"第二局\"]\n\n1. C2=5 {好} H8+7 2. H2+3 *\n\n"
    "[Red \"丙\"]\n\n1. 炮二平五 马８进７ 2. 马二进四 *\n";

std::string titled(const std::string& name) { return std::string("Morlan - ") + GBK_UNTITLED + " (" + name + ")"; }

class RecordGameTest : public ::testing::Test {
protected:
    TempDir dir;
    Game game;
    FakeShell shell{game};
    std::string pgn = dir.file("games.pgn");
    void SetUp() override {
        shell.radio[0] = 1;  // two humans
        game.setPonderEnabled(false);
        game.newGame();
        writeBytes(pgn, bytesOf(COLLECTION));
        shell.clearLog();
    }
    // A game with something to lose, to see that a refusal keeps it.
    void playSomething() {
        ASSERT_TRUE(game.tryUserMove(packMove(1, 0, 2, 2)));
        game.setModified(true);
        shell.info.notes = "mine";
    }
    void expectKept() {
        EXPECT_EQ(game.moveCount(), 1);
        EXPECT_EQ(game.recordEntry(0)->move, packMove(1, 0, 2, 2));
        EXPECT_TRUE(game.modified());
        EXPECT_EQ(shell.info.notes, "mine");
    }
};

TEST_F(RecordGameTest, OpeningACollectionGivesItsFirstGameUntitled) {
    EXPECT_TRUE(game.openFile(pgn));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(game.recordSize(), 2);
    EXPECT_EQ(game.moveCount(), 2);
    EXPECT_EQ(utf8(shell.info.redPlayer), "甲");
    EXPECT_EQ(utf8(shell.info.notes), "开局");
    EXPECT_EQ(game.fileName(), GBK_UNTITLED);  // so that saving asks for a name
    EXPECT_EQ(shell.title, titled("games.pgn"));
    EXPECT_FALSE(game.modified());
    game.setModified(true);
    EXPECT_EQ(shell.title, titled("games.pgn") + "*");
}

TEST_F(RecordGameTest, AChosenGameOfACollectionOpens) {
    EXPECT_TRUE(game.openRecordGame(pgn, 2));
    EXPECT_EQ(game.recordSize(), 3);
    EXPECT_EQ(utf8(game.recordEntry(0)->comment), "好");
    EXPECT_EQ(utf8(shell.info.notes), "第二局");
    EXPECT_EQ(shell.title, titled("games.pgn"));
}

TEST_F(RecordGameTest, AGameThatDoesNotReplayIsReportedAndChangesNothing) {
    playSomething();
    EXPECT_FALSE(game.openRecordGame(pgn, 3));
    ASSERT_EQ(shell.messages.size(), 1u);
    std::string expected = GBK_BAD_FILE_FORMAT;
    expected.replace(expected.find("%s"), 2, pgn);
    EXPECT_EQ(shell.messages[0], expected + "\n" + gbk("第3局 第3步 马二进四 不合规则") + "|" + GBK_CAPTION_ERROR);
    expectKept();
    EXPECT_FALSE(game.openRecordGame(pgn, 9));
    EXPECT_FALSE(game.openFile(dir.file("none.pgn")));
    EXPECT_EQ(shell.messages.size(), 3u);
    expectKept();
}

TEST_F(RecordGameTest, AnXqfRecordOpensUntitledWithItsNotes) {
    XqfBuilder b;
    b.red = gbk("许银川");
    b.records = {{72, 42, true, false, gbk("中炮")}, {79, 67, false, true, {}}, {19, 27, false, false, {}}};
    const std::string path = dir.file("game.XQF");
    writeBytes(path, b.bytes());
    EXPECT_TRUE(game.openFile(path));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(game.recordSize(), 2);
    EXPECT_EQ(utf8(game.recordEntry(0)->comment), "中炮");
    EXPECT_EQ(utf8(shell.info.redPlayer), "许银川");
    EXPECT_EQ(utf8(shell.info.notes), "");
    EXPECT_EQ(game.fileName(), GBK_UNTITLED);
    EXPECT_EQ(shell.title, titled("game.XQF"));
    // A damaged one is refused.
    game.newGame();
    playSomething();
    Bytes cut = b.bytes();
    cut.resize(cut.size() - 2);
    writeBytes(path, cut);
    EXPECT_FALSE(game.openFile(path));
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_NE(shell.messages[0].find(gbk("棋谱数据不完整或已损坏")), std::string::npos);
    expectKept();
}

TEST_F(RecordGameTest, SavingAsPgnWritesOneGameThatOpensAgain) {
    playSomething();
    ASSERT_TRUE(game.tryUserMove(packMove(1, 9, 2, 7)));
    game.setComment(1, gbk("应"));
    const std::string path = dir.file("mine.pgn");
    ASSERT_TRUE(game.saveFile(path));
    EXPECT_FALSE(game.modified());
    EXPECT_EQ(shell.title, "Morlan - mine.pgn");
    const Bytes written = readBytes(path);
    const std::string text(written.begin(), written.end());
    EXPECT_NE(text.find("1. 马二进三 马８进７ {应}\n"), std::string::npos) << text;
    game.newGame();
    EXPECT_TRUE(game.openFile(path));
    EXPECT_EQ(game.recordSize(), 2);
    EXPECT_EQ(game.recordEntry(1)->comment, gbk("应"));
    EXPECT_EQ(shell.info.notes, "mine");
}

// The tag's value in a PGN file the game wrote.
std::string pgnTag(const std::string& path, const std::string& name) {
    const Bytes bytes = readBytes(path);
    const std::string text(bytes.begin(), bytes.end());
    const std::string start = "[" + name + " \"";
    const std::size_t at = text.find(start);
    if (at == std::string::npos) return "(none)";
    const std::size_t from = at + start.size();
    return text.substr(from, text.find('"', from) - from);
}

struct StatedResult {
    const char* tag;
    int xqfByte;
    const char* shown;
};

constexpr StatedResult STATED_RESULTS[] = {
    {"1-0", 1, "红方胜"}, {"0-1", 2, "黑方胜"}, {"1/2-1/2", 3, "和棋"},
};

TEST_F(RecordGameTest, TheResultARecordStatesStaysUntilAMoveIsPlayedAfterIt) {
    shell.radio[0] = 0;
    shell.radio[1] = 0;  // the computer on Red does not play on from a finished record
    const std::string saved = dir.file("saved.pgn");
    for (const StatedResult& r : STATED_RESULTS) {
        const std::string pgnPath = dir.file("stated.pgn");
        writeBytes(pgnPath, bytesOf(std::string("[Result \"") + r.tag + "\"]\n\n1. 炮二平五 马８进７ " + r.tag + "\n"));
        XqfBuilder b;
        b.result = r.xqfByte;
        b.records = {{72, 42, true, false, {}}, {79, 67, false, false, {}}};
        const std::string xqfPath = dir.file("stated.xqf");
        writeBytes(xqfPath, b.bytes());
        for (const std::string& path : {pgnPath, xqfPath}) {
            ASSERT_TRUE(game.openFile(path)) << path;
            EXPECT_EQ(game.thinkingStatus(), THINKING_IDLE) << path;
            game.idle();
            EXPECT_EQ(utf8(shell.info.result), r.shown) << path;
            game.undo();
            game.idle();
            EXPECT_EQ(utf8(shell.info.result), r.shown) << path;
            game.redo();
            ASSERT_TRUE(game.saveFile(saved)) << path;
            EXPECT_EQ(pgnTag(saved, "Result"), r.tag) << path;
        }
        // Played on, the game is the rules' again.
        ASSERT_TRUE(game.tryUserMove(packMove(1, 0, 2, 2)));
        game.idle();
        EXPECT_EQ(utf8(shell.info.result), "对弈中") << r.tag;
        ASSERT_TRUE(game.saveFile(saved));
        EXPECT_EQ(pgnTag(saved, "Result"), "*") << r.tag;
    }
}

struct PlayerNames {
    int mode, computerSide;  // menu items: 人机对弈 0, 两人对弈 1; 电脑执红 0, 电脑执黑 1
    const char* red;
    const char* black;
};

constexpr PlayerNames PLAYER_NAMES[] = {
    {0, 1, "玩家", "Morlan"}, {0, 0, "Morlan", "玩家"}, {1, 1, "", ""},
};

TEST_F(RecordGameTest, AGameAgainstTheComputerNamesItsSidesInPgn) {
    const std::string path = dir.file("named.pgn");
    for (const PlayerNames& c : PLAYER_NAMES) {
        shell.radio[0] = c.mode;
        shell.radio[1] = c.computerSide;
        game.setPonderEnabled(false);
        ASSERT_TRUE(game.saveFile(path));
        EXPECT_EQ(pgnTag(path, "Red"), c.red) << c.mode << c.computerSide;
        EXPECT_EQ(pgnTag(path, "Black"), c.black) << c.mode << c.computerSide;
    }
    // Names the player gave are kept.
    shell.radio[0] = 0;
    shell.info.redPlayer = gbk("胡荣华");
    ASSERT_TRUE(game.saveFile(path));
    EXPECT_EQ(pgnTag(path, "Red"), "胡荣华");
    EXPECT_EQ(pgnTag(path, "Black"), "Morlan");
}

TEST_F(RecordGameTest, APastedPositionStartsANewGame) {
    playSomething();
    EXPECT_TRUE(game.newGameFromFen("3k5/9/9/9/9/9/9/9/4R4/4K4 b - - 0 1\n"));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(game.recordSize(), 0);
    EXPECT_EQ(game.sideToMove(), SIDE_BLACK);
    EXPECT_EQ(game.startBoard()[boardIndex(5, 9)], 7);
    EXPECT_EQ(game.board(), game.startBoard());
    EXPECT_FALSE(game.modified());
    EXPECT_EQ(game.fileName(), GBK_UNTITLED);
    EXPECT_EQ(shell.info.notes, "");
    EXPECT_EQ(utf8(shell.info.result), "对弈中");
}

TEST_F(RecordGameTest, AnImpossiblePastedPositionIsRefusedAsSetUpRefusesIt) {
    playSomething();
    EXPECT_FALSE(game.newGameFromFen("4k4/9/9/9/9/9/9/9/4r4/4K4 b"));
    EXPECT_FALSE(game.newGameFromFen("3k5/9/9/9/9/9/9/9/4B4/4K4 w"));
    EXPECT_FALSE(game.newGameFromFen("not a position"));
    ASSERT_EQ(shell.messages.size(), 3u);
    EXPECT_EQ(shell.messages[0], std::string(GBK_KING_IN_CHECK) + "|" + GBK_CAPTION_ERROR);
    EXPECT_EQ(shell.messages[1], std::string(GBK_BAD_PIECE_SET) + "|" + GBK_CAPTION_ERROR);
    EXPECT_EQ(shell.messages[2], std::string(GBK_NOT_A_FEN) + "|" + GBK_CAPTION_ERROR);
    expectKept();
}

}  // namespace
