#include "game/game_file.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "file_test_support.h"
#include "game/sav_file.h"

namespace {

constexpr char CANNON_TO_CENTRE_TEXT[] = "\xC5\xDA\xB6\xFE\xC6\xBD\xCE\xE5";  // 炮二平五
constexpr char BLACK_HORSE_TEXT[] = "\xC2\xED\xA3\xB8\xBD\xF8\xA3\xB7";        // 马８进７

GameDocument sampleGame(const std::string& notes) {
    GameDocument doc;
    doc.startBoard = INITIAL_BOARD;
    doc.startSide = SIDE_RED;
    doc.currentPly = 1;
    doc.moves = {{packMove(1, 2, 4, 2), "first"}, {packMove(1, 9, 2, 7), "second"}};
    doc.info.notes = notes;
    return doc;
}

// A GameFile of its own per test, so that tests do not see each other's document.
struct GameFileTest : ::testing::Test {
    GameFile file;
    TempDir dir;
};

// Writes fail with a full disk once `limit` bytes have gone out.
WriteFunction failingAfter(std::size_t limit) {
    auto written = std::make_shared<std::size_t>(0);
    return [written, limit](int fd, const void* data, std::size_t size) -> long {
        if (*written >= limit) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min(size, limit - *written);
        const long done = ::write(fd, data, n);
        if (done > 0) *written += static_cast<std::size_t>(done);
        return done;
    };
}

}  // namespace

TEST_F(GameFileTest, NoDocumentUntilOneIsSetOrLoaded) {
    EXPECT_FALSE(file.hasDocument());
    EXPECT_EQ(file.document(), GameDocument{});
    EXPECT_FALSE(file.save(dir.file("x.sav")));
    EXPECT_TRUE(dir.entries().empty());
}

TEST_F(GameFileTest, SavedGameLoadsBackWhateverTheExtensionsCase) {
    file.setDocument(sampleGame("kept"));
    ASSERT_TRUE(file.save(dir.file("game.SAV")));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"game.SAV"});  // no temporary left behind
    GameFile other;
    ASSERT_EQ(other.load(dir.file("game.SAV")), 0);
    EXPECT_EQ(other.document(), sampleGame("kept"));
    const Bytes bytes = readBytes(dir.file("game.SAV"));
    ASSERT_GE(bytes.size(), 13u);
    EXPECT_EQ(bytes[0], 'T');
}

TEST_F(GameFileTest, OtherExtensionsAreTriedAsGameFileThenAsTextRecord) {
    file.setDocument(sampleGame("x"));
    ASSERT_TRUE(file.writeSav(dir.file("game.bak")));
    GameFile reader;
    ASSERT_EQ(reader.load(dir.file("game.bak")), 0);
    EXPECT_EQ(reader.document().info.notes, "x");

    writeBytes(dir.file("record.dat"), bytesOf(std::string("1. ") + CANNON_TO_CENTRE_TEXT + "\r\n"));
    ASSERT_EQ(reader.load(dir.file("record.dat")), 0);
    EXPECT_EQ(reader.document().moves.size(), 1u);

    // A game file under ".txt" is read as text only, and is not text.
    ASSERT_TRUE(file.writeSav(dir.file("game.txt")));
    EXPECT_EQ(reader.load(dir.file("game.txt")), 2);
    EXPECT_EQ(reader.load(dir.file("missing.dat")), 1);
    EXPECT_EQ(reader.load(dir.file("missing.sav")), 1);
    EXPECT_EQ(reader.load(dir.file("missing.txt")), 1);
    EXPECT_EQ(reader.load(dir.path()), 1) << "a folder is not a file";
    ASSERT_EQ(::mkfifo(dir.file("pipe.sav").c_str(), 0600), 0);
    EXPECT_EQ(reader.load(dir.file("pipe.sav")), 1) << "a pipe is not a file, and must not block";

    // A damaged game file under another extension fails as a game and then as text.
    Bytes damaged = readBytes(dir.file("game.bak"));
    damaged[20] ^= 1;
    writeBytes(dir.file("damaged.bak"), damaged);
    EXPECT_EQ(reader.load(dir.file("damaged.bak")), 2);
}

TEST_F(GameFileTest, FailedLoadKeepsTheHeldDocument) {
    file.setDocument(sampleGame("held"));
    writeBytes(dir.file("short.sav"), Bytes(11, 'T'));
    EXPECT_EQ(file.load(dir.file("short.sav")), 2);
    writeBytes(dir.file("bad.txt"), bytesOf(std::string(CANNON_TO_CENTRE_TEXT) + " nonsense"));
    EXPECT_EQ(file.load(dir.file("bad.txt")), 2);
    EXPECT_EQ(file.load(dir.file("absent.sav")), 1);
    EXPECT_EQ(file.document(), sampleGame("held"));
}

TEST_F(GameFileTest, FilesPastOneMegabyteAreNotGames) {
    Bytes big(GAME_FILE_LIMIT + 1, ' ');
    writeBytes(dir.file("big.txt"), big);
    EXPECT_EQ(file.load(dir.file("big.txt")), 2);
    big.resize(GAME_FILE_LIMIT);
    writeBytes(dir.file("spaces.txt"), big);
    EXPECT_EQ(file.load(dir.file("spaces.txt")), 0) << "a record of blanks is an empty game";
    EXPECT_TRUE(file.document().moves.empty());
}

TEST_F(GameFileTest, InterruptedSaveLeavesThePreviousFileIntact) {
    file.setDocument(sampleGame("old"));
    ASSERT_TRUE(file.save(dir.file("g.sav")));
    ASSERT_TRUE(file.save(dir.file("g.txt")));
    const Bytes oldSav = readBytes(dir.file("g.sav"));
    const Bytes oldTxt = readBytes(dir.file("g.txt"));

    file.setDocument(sampleGame(std::string(5000, 'n')));
    for (std::size_t limit : {0u, 1u, 13u, 40u}) {
        file.setWriteFunction(failingAfter(limit));
        EXPECT_FALSE(file.save(dir.file("g.sav"))) << limit;
        EXPECT_FALSE(file.save(dir.file("g.txt"))) << limit;
        EXPECT_EQ(readBytes(dir.file("g.sav")), oldSav);
        EXPECT_EQ(readBytes(dir.file("g.txt")), oldTxt);
        EXPECT_EQ(dir.entries(), (std::vector<std::string>{"g.sav", "g.txt"}));
    }
    file.setWriteFunction({});
    ASSERT_TRUE(file.save(dir.file("g.sav")));
    GameFile reader;
    ASSERT_EQ(reader.load(dir.file("g.sav")), 0);
    EXPECT_EQ(reader.document().info.notes.size(), 5000u);
}

TEST_F(GameFileTest, SaveKeepsTheModeOfTheFileItReplaces) {
    file.setDocument(sampleGame(""));
    ASSERT_TRUE(file.save(dir.file("g.sav")));
    ASSERT_EQ(::chmod(dir.file("g.sav").c_str(), 0640), 0);
    ASSERT_TRUE(file.save(dir.file("g.sav")));
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("g.sav").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(GameFileTest, SaveIntoAFolderThatCannotBeWrittenFailsAndChangesNothing) {
    file.setDocument(sampleGame("old"));
    ASSERT_TRUE(file.save(dir.file("g.sav")));
    const Bytes old = readBytes(dir.file("g.sav"));
    EXPECT_FALSE(file.save(dir.file("no-such-folder/g.sav")));
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);

    // Root writes anywhere; the attempt runs in a child that gives up root.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(3);
        file.setDocument(sampleGame("new"));
        const bool saved = file.save(dir.file("g.sav")) || file.save(dir.file("other.txt"));
        ::_exit(saved ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod(dir.path().c_str(), 0700);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3) GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save was reported as done";
    EXPECT_EQ(readBytes(dir.file("g.sav")), old);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"g.sav"});
}

TEST(SplitTokens, RunsBetweenSeparators) {
    using V = std::vector<std::string>;
    EXPECT_EQ(GameFile::splitTokens("1. a  b\r\nc:d\te.", " .:\t\r\n"), (V{"1", "a", "b", "c", "d", "e"}));
    EXPECT_EQ(GameFile::splitTokens(" \r\n..", " .:\t\r\n"), V{});
    EXPECT_EQ(GameFile::splitTokens("", " "), V{});
    EXPECT_EQ(GameFile::splitTokens("abc", ""), V{"abc"});
    // GBK trail bytes are never separators.
    const std::string two = std::string(CANNON_TO_CENTRE_TEXT) + " " + BLACK_HORSE_TEXT;
    EXPECT_EQ(GameFile::splitTokens(two, " .:\t\r\n"), (V{CANNON_TO_CENTRE_TEXT, BLACK_HORSE_TEXT}));
}

TEST_F(GameFileTest, SaveThroughALinkReplacesTheFileItNames) {
    file.setDocument(sampleGame("one"));
    ASSERT_TRUE(file.save(dir.file("real.sav")));
    ASSERT_EQ(::symlink("real.sav", dir.file("link.sav").c_str()), 0);
    file.setDocument(sampleGame("two"));
    ASSERT_TRUE(file.save(dir.file("link.sav")));
    struct stat st {};
    ASSERT_EQ(::lstat(dir.file("link.sav").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    GameFile reader;
    ASSERT_EQ(reader.load(dir.file("real.sav")), 0);
    EXPECT_EQ(reader.document().info.notes, "two");
}
