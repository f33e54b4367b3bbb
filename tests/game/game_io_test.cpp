// Opening and saving through the game: what a saved game brings back, what
// a failed open or save shows, and the settings the game writes and reads.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "engine/engine.h"
#include "engine/service.h"
#include "fake_shell_support.h"
#include "file_test_support.h"
#include "game/game.h"
#include "game/game_file.h"
#include "game/gbk.h"
#include "game/settings_file.h"

namespace {

constexpr PackedMove CANNON_TAKES_HORSE = packMove(7, 2, 7, 9);
constexpr PackedMove BLACK_HORSE_OUT = packMove(1, 9, 2, 7);
constexpr PackedMove RED_HORSE_OUT = packMove(1, 0, 2, 2);
constexpr PackedMove RED_HORSE_BACK = packMove(2, 2, 1, 0);
constexpr PackedMove BLACK_HORSE_BACK = packMove(2, 7, 1, 9);

std::string message(const char* format, const std::string& path) {
    std::string text = format;
    text.replace(text.find("%s"), 2, path);
    return text;
}

class GameFilesTest : public ::testing::Test {
protected:
    TempDir dir;
    Game game;
    FakeShell shell{game};
    void SetUp() override {
        shell.radio[0] = 1;  // two humans
        game.setPonderEnabled(false);
        game.newGame();
        shell.clearLog();
    }
};

TEST_F(GameFilesTest, SavedGameComesBackWhole) {
    Board90 start = INITIAL_BOARD;
    start[boardIndex(0, 0)] = NO_PIECE;
    game.enterSetup();
    shell.setupOpen = false;
    game.setBoard(start, SIDE_BLACK);
    game.commitStartPosition();
    ASSERT_TRUE(game.tryUserMove(BLACK_HORSE_OUT));
    ASSERT_TRUE(game.tryUserMove(CANNON_TAKES_HORSE));
    ASSERT_TRUE(game.tryUserMove(BLACK_HORSE_BACK));
    game.setComment(1, "\xBA\xC3");  // 好
    game.undo();
    shell.info.redPlayer = "red";
    shell.info.notes = "notes";
    game.setModified(true);
    const std::string path = dir.file("game.sav");
    ASSERT_TRUE(game.saveFile(path));
    EXPECT_FALSE(game.modified());
    EXPECT_EQ(shell.title, "Morlan - game.sav");
    const Board90 shown = game.board();

    game.newGame();
    shell.info = GameInfo{};
    game.openFile(path);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(game.startBoard(), start);
    EXPECT_EQ(game.startSide(), SIDE_BLACK);
    EXPECT_EQ(game.recordSize(), 3);
    EXPECT_EQ(game.moveCount(), 2);
    EXPECT_EQ(game.board(), shown);
    EXPECT_EQ(game.lastCaptureCount(), 2);
    EXPECT_EQ(game.recordEntry(1)->comment, "\xBA\xC3");
    EXPECT_EQ(game.recordEntry(1)->captured, 10);
    EXPECT_EQ(shell.info.redPlayer, "red");
    EXPECT_EQ(shell.info.notes, "notes");
    EXPECT_EQ(game.fileName(), path);
    EXPECT_FALSE(game.modified());
    EXPECT_EQ(shell.title, "Morlan - game.sav");
}

TEST_F(GameFilesTest, GameSavedAtPlyZeroOpensAtTheStart) {
    for (int i = 0; i < 10; ++i) {
        const PackedMove cycle[] = {RED_HORSE_OUT, BLACK_HORSE_OUT, RED_HORSE_BACK, BLACK_HORSE_BACK};
        game.makeMove(cycle[i % 4]);
    }
    game.goToPly(0);
    const std::string path = dir.file("start.sav");
    ASSERT_TRUE(game.saveFile(path));
    game.newGame();
    game.openFile(path);
    EXPECT_EQ(game.moveCount(), 0);
    EXPECT_EQ(game.recordSize(), 10);
    EXPECT_EQ(game.board(), INITIAL_BOARD);
}

TEST_F(GameFilesTest, TextRecordOpensAtItsEnd) {
    game.makeMove(packMove(1, 2, 4, 2));
    game.makeMove(packMove(7, 9, 6, 7));
    const std::string path = dir.file("game.txt");
    ASSERT_TRUE(game.saveFile(path));
    game.newGame();
    game.openFile(path);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(game.moveCount(), 2);
    EXPECT_EQ(game.recordEntry(1)->move, packMove(7, 9, 6, 7));
}

struct TextRefusal {
    const char* name;
    TextSaveAnswer answer;
    const char* call;
};

constexpr TextRefusal TEXT_REFUSALS[] = {
    {"g.txt", TextSaveAnswer::SaveAsSav, "saveAsSav"},
    {"g.TXT", TextSaveAnswer::SaveAsPgn, "saveAsPgn"},
    {"g.txt", TextSaveAnswer::Cancel, ""},
    {"no-extension", TextSaveAnswer::Cancel, ""},
};

TEST_F(GameFilesTest, GameFromASetUpPositionIsNeverWrittenAsATextRecord) {
    Board90 start = INITIAL_BOARD;
    start[boardIndex(0, 0)] = NO_PIECE;
    game.enterSetup();
    shell.setupOpen = false;
    game.setBoard(start, SIDE_RED);
    game.commitStartPosition();
    ASSERT_TRUE(game.tryUserMove(RED_HORSE_OUT));
    game.setModified(true);
    for (const TextRefusal& c : TEXT_REFUSALS) {
        shell.clearLog();
        shell.messages.clear();
        shell.textSaveAnswer = c.answer;
        const std::string path = dir.file(c.name);
        EXPECT_FALSE(game.saveFile(path)) << c.name;
        EXPECT_FALSE(std::filesystem::exists(path)) << c.name;
        EXPECT_EQ(shell.messages, std::vector<std::string>{GBK_TXT_LOSES_START}) << c.name;
        EXPECT_EQ(shell.count(c.call), *c.call ? 1 : 0) << c.name;
        EXPECT_TRUE(game.modified()) << c.name;
    }
    // Below the game: the held document is not written as text either.
    ASSERT_TRUE(game.saveFile(dir.file("g.sav")));
    EXPECT_FALSE(GameFile::instance().save(dir.file("direct.txt")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("direct.txt")));
}

TEST_F(GameFilesTest, FailedSaveIsReportedAndChangesNothing) {
    game.setTitle(dir.file("old.sav"));
    game.makeMove(RED_HORSE_OUT);
    game.setModified(true);
    const std::string title = shell.title;
    const std::string path = dir.file("missing-folder/game.sav");
    EXPECT_FALSE(game.saveFile(path));
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0], message(GBK_SAVE_FAILED, path) + "\n" + GBK_REASON_NO_FOLDER + "|" + GBK_CAPTION_ERROR);
    EXPECT_TRUE(game.modified());
    EXPECT_EQ(shell.title, title);
    EXPECT_EQ(game.fileName(), dir.file("old.sav"));
}

TEST_F(GameFilesTest, FailedOpenShowsWhyAndKeepsTheGame) {
    game.makeMove(RED_HORSE_OUT);
    game.setModified(true);
    const std::string missing = dir.file("none.sav");
    game.openFile(missing);
    const std::string bad = dir.file("bad.sav");
    writeBytes(bad, bytesOf("not a game at all"));
    game.openFile(bad);
    // A file of no record format, as a picture dropped on the window; one that is not there is not found.
    const std::string picture = dir.file("board.png");
    writeBytes(picture, bytesOf("\x89PNG\r\n\x1A\n"));
    game.openFile(picture);
    game.openFile(dir.file("none.png"));
    ASSERT_EQ(shell.messages.size(), 4u);
    EXPECT_EQ(shell.messages[0], message(GBK_FILE_NOT_FOUND, missing) + "|" + GBK_CAPTION_ERROR);
    EXPECT_EQ(shell.messages[1], message(GBK_BAD_FILE_FORMAT, bad) + "|" + GBK_CAPTION_ERROR);
    EXPECT_EQ(shell.messages[2], message(GBK_FILE_NOT_A_RECORD, picture) + "|" + GBK_CAPTION_ERROR);
    EXPECT_EQ(shell.messages[3], message(GBK_FILE_NOT_FOUND, dir.file("none.png")) + "|" + GBK_CAPTION_ERROR);
    EXPECT_EQ(game.moveCount(), 1);
    EXPECT_TRUE(game.modified());
}

class GameSettingsTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string oldDir;
    Game game;
    FakeShell shell{game};
    void SetUp() override {
        char buffer[4096];
        ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
        oldDir = buffer;
        ASSERT_EQ(chdir(dir.path().c_str()), 0);
        SettingsFile::instance() = SettingsFile();  // nothing from an earlier test
    }
    void TearDown() override {
        EXPECT_EQ(chdir(oldDir.c_str()), 0);
        thinkingEngine().setUseBook(true);
        thinkingEngine().setPonderEnabled(true);
    }
};

TEST_F(GameSettingsTest, SavedSettingsHoldEveryKey) {
    shell.radio[0] = 2;  // demo
    shell.radio[1] = 0;  // computer plays Red
    shell.radio[2] = 3;  // custom level
    shell.radio[3] = 3;  // board at 200%
    shell.custom = {LIMIT_DEPTH | LIMIT_TIME, 5, 30};
    shell.checks[static_cast<int>(CheckMark::Sound)] = false;
    shell.reversed = false;
    shell.mainWindowCreated = true;
    shell.placements[ShellWindow::Info] = {true, 10, -20};
    game.setUseBook(false);
    game.setPonderEnabled(true);
    game.setRepetitionRulings(true);
    game.saveSettings();

    SettingsFile stored;
    ASSERT_TRUE(stored.load(SETTINGS_FILE_NAME));
    int v = -99;
    const std::pair<const char*, int> ints[] = {{"mode", 3},      {"side", 1},  {"reverse", 0}, {"animation", 1},
                                                {"sound", 0},     {"book", 0},  {"ponder", 1},  {"scale", 3},
                                                {"rulings", 1}};
    for (const auto& [key, value] : ints) {
        ASSERT_TRUE(stored.getInt(key, v)) << key;
        EXPECT_EQ(v, value) << key;
    }
    WindowPlacement p;
    for (const char* key : {"main", "time", "info", "book", "status"}) EXPECT_TRUE(stored.getWindow(key, p)) << key;
    stored.getWindow("info", p);
    EXPECT_EQ(p, (WindowPlacement{true, 10, -20}));
    stored.getWindow("main", p);
    EXPECT_TRUE(p.visible);
    std::uint8_t level = 0;
    SearchRequest limits{};
    ASSERT_TRUE(stored.getLevelRecord(level, limits));
    EXPECT_EQ(level, 4);
    EXPECT_EQ(limits, (SearchRequest{LIMIT_DEPTH | LIMIT_TIME, 5, 30}));
}

TEST_F(GameSettingsTest, LoadedSettingsAreApplied) {
    SettingsFile written;
    written.setInt("mode", 3);
    written.setInt("side", 1);
    written.setInt("reverse", 0);
    written.setInt("animation", 0);
    written.setInt("sound", 0);
    written.setInt("book", 0);
    written.setInt("ponder", 0);
    written.setInt("scale", 4);
    written.setInt("rulings", 1);
    written.setWindow("main", {true, 100, 200});
    written.setWindow("book", {true, 5, 6});
    written.setLevelRecord(4, {LIMIT_DEPTH, 7, 0});
    ASSERT_TRUE(written.save(SETTINGS_FILE_NAME));

    shell.radio[0] = shell.radio[1] = shell.radio[2] = -1;
    game.loadSettings();
    EXPECT_TRUE(shell.mainWindowCreated);
    EXPECT_EQ(shell.placements[ShellWindow::Main], (WindowPlacement{true, 100, 200}));
    EXPECT_EQ(shell.placements[ShellWindow::Book], (WindowPlacement{true, 5, 6}));
    EXPECT_EQ(shell.placements.count(ShellWindow::Clock), 0u);
    EXPECT_EQ(game.mode(), MODE_DEMO);
    EXPECT_TRUE(game.computerPlaysRed());
    EXPECT_EQ(game.level(), LEVEL_CUSTOM);
    EXPECT_EQ(shell.custom, (SearchRequest{LIMIT_DEPTH, 7, 0}));
    EXPECT_EQ(thinkingEngine().configuredLimits, (SearchRequest{LIMIT_DEPTH, 7, 0}));
    EXPECT_FALSE(shell.reversed);
    EXPECT_EQ(shell.radio[3], 4);  // 250%
    EXPECT_TRUE(game.repetitionRulings());
    EXPECT_FALSE(shell.checks[static_cast<int>(CheckMark::Animation)]);
    EXPECT_FALSE(shell.checks[static_cast<int>(CheckMark::Sound)]);
    EXPECT_FALSE(shell.checks[static_cast<int>(CheckMark::Book)]);
    EXPECT_FALSE(thinkingEngine().getUseBook());
    EXPECT_FALSE(thinkingEngine().getPonderEnabled());
    EXPECT_EQ(shell.title, std::string("Morlan - ") + GBK_UNTITLED);
}

TEST_F(GameSettingsTest, WithoutAFileTheDefaultsStay) {
    shell.radio[0] = 2;
    shell.radio[1] = 0;
    shell.radio[2] = 2;
    shell.radio[3] = 1;
    game.loadSettings();
    EXPECT_TRUE(shell.mainWindowCreated);
    // The board's size is the window's own until a file says otherwise.
    EXPECT_EQ(shell.radio[3], 1);
    EXPECT_EQ(game.mode(), MODE_HUMAN_COMPUTER);
    EXPECT_FALSE(game.computerPlaysRed());
    EXPECT_EQ(game.level(), LEVEL_BEGINNER);
    EXPECT_EQ(thinkingEngine().configuredLimits, (SearchRequest{LIMIT_TIME, 0, 2}));
}

// 设置 → 时限 is kept as two texts; one that does not read back is 不限时,
// and 不限时 is no key at all.
TEST_F(GameSettingsTest, TimeControlsComeBackAndDamagedOnesAreUnlimited) {
    const TimeControl increment{TimeControlKind::Increment, 60'000, 1'000, 0, 0};
    const TimeControl byoyomi{TimeControlKind::Byoyomi, 600'000, 0, 30'000, 0};
    struct {
        const char* red;  // nullptr: no key
        const char* black;
        TimeControl wantRed, wantBlack;
    } cases[] = {
        {"increment 60000 1000", "byoyomi 600000 30000", increment, byoyomi},
        {"increment 60000 x", "sudden 0", {}, {}},
        {"moves 0 5400000", nullptr, {}, {}},
        {"", "byoyomi 600000 30000 7", {}, {}},
    };
    for (const auto& c : cases) {
        SettingsFile::instance() = SettingsFile();
        StoredSettings written;
        if (c.red) written.redClock = c.red;
        if (c.black) written.blackClock = c.black;
        SettingsFile file;
        file.storeSettings(written);
        ASSERT_TRUE(file.save(SETTINGS_FILE_NAME));
        game.loadSettings();
        EXPECT_EQ(game.timeControl(SIDE_RED), c.wantRed) << (c.red ? c.red : "-");
        EXPECT_EQ(game.timeControl(SIDE_BLACK), c.wantBlack) << (c.black ? c.black : "-");
    }
    game.setTimeControls(increment, {});
    game.saveSettings();
    SettingsFile stored;
    ASSERT_TRUE(stored.load(SETTINGS_FILE_NAME));
    EXPECT_EQ(stored.settings().redClock, timeControlText(increment));
    EXPECT_FALSE(stored.settings().blackClock.has_value()) << "不限时 writes no key";
}

}  // namespace
