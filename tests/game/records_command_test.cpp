#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "xqf_builder.h"

namespace {

namespace fs = std::filesystem;

struct CommandResult {
    std::string out;
    int status = -1;
};

CommandResult runRecords(const std::string& arguments) {
    const std::string program = std::string(MORLAN_BINARY_DIR) + "/game/morlan-records";
    CommandResult result;
    std::FILE* pipe = ::popen((program + " " + arguments + " 2>/dev/null").c_str(), "r");
    if (!pipe) return result;
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) result.out.append(chunk, n);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

class RecordsCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("morlan-records-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        std::ofstream(dir / "games.pgn") <<
            "[Source \"good\"]\n\n1. 炮二平五 馬８進７ 2. 馬二進三 1-0\n\n"
            "[Source \"illegal\"]\n\n1. 炮二平五 馬８進７ 2. 炮五進四 車９平８ 3. 車一進三 0-1\n\n"
            "[Source \"position\"]\n[FEN \"4k4/9/9/9/9/9/9/9/9/4R4 w - - 0 1\"]\n\n1. 車五進一 *\n\n"
            "\n1. 兵五進二 *\n";
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

}  // namespace

TEST_F(RecordsCommand, ReportsEachGameThatDoesNotReadWhole) {
    const CommandResult r = runRecords((dir / "games.pgn").string());
    EXPECT_EQ(r.status, 1);  // games were refused
    EXPECT_EQ(r.out,
              "good: 3 plies, 3 moves in all, 0 variations\n"
              "illegal: ply 5: 車一進三\n"
              "position: FEN 标记的局面棋子摆放不正确\n" +
                  (dir / "games.pgn").string() + " game 4: ply 1: 兵五進二\n"
              "4 games, 1 read whole\n");
}

TEST_F(RecordsCommand, WritesTextRecordsThatReadBack) {
    const fs::path out = dir / "txt";
    const CommandResult written = runRecords("--txt " + out.string() + " " + (dir / "games.pgn").string());
    EXPECT_EQ(written.status, 1);
    ASSERT_TRUE(fs::exists(out / "000001.txt"));
    EXPECT_EQ(fs::file_size(out / "000001.txt"), std::string("1. ").size() + 8 + 1 + 8 + 2 + 3 + 8);
    const CommandResult back = runRecords((out / "000001.txt").string());
    EXPECT_EQ(back.out, "1 games, 1 read whole\n");
    EXPECT_EQ(back.status, 0);
}

TEST_F(RecordsCommand, UnreadableFilesAndUsage) {
    const CommandResult missing = runRecords((dir / "absent.pgn").string() + " " + (dir / "games.pgn").string());
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("4 games, 1 read whole\n"), std::string::npos);
    EXPECT_EQ(runRecords("").status, 2);
    EXPECT_EQ(runRecords("--txt").status, 2);
}

TEST_F(RecordsCommand, ReadsXqfAndOtherNotationsAndWritesOneCollectionThatReadsBack) {
    XqfBuilder xqf;
    xqf.records = {{72, 42, true, false, "c"}, {79, 67, false, false, {}}};
    const std::vector<std::uint8_t> bytes = xqf.bytes();
    std::ofstream(dir / "game.xqf", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                            static_cast<std::streamsize>(bytes.size()));
    std::ofstream(dir / "broken.XQF", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), 1030);
    std::ofstream(dir / "wxf.pgn") << "1. C2=5 H8+7 *\n\n1. h2e2 h9g7 2. h0g2 *\n";
    const std::string files = (dir / "games.pgn").string() + " " + (dir / "wxf.pgn").string() + " " +
                              (dir / "game.xqf").string() + " " + (dir / "broken.XQF").string();
    const fs::path collection = dir / "all.pgn";
    const CommandResult written =
        runRecords("--pgn " + collection.string() + " --xqf " + (dir / "xqf").string() + " " + files);
    EXPECT_EQ(written.status, 1);  // four games were refused
    EXPECT_NE(written.out.find((dir / "game.xqf").string() + ": 2 plies, 2 moves in all, 0 variations\n"),
              std::string::npos)
        << written.out;
    EXPECT_NE(written.out.find(": 4 XQF records written, 4 read back the same\n"), std::string::npos) << written.out;
    EXPECT_NE(written.out.find((dir / "broken.XQF").string() + ": 棋谱数据不完整或已损坏\n"), std::string::npos)
        << written.out;
    EXPECT_NE(written.out.find(collection.string() + ": 4 games written, 4 read back the same\n"), std::string::npos)
        << written.out;
    EXPECT_NE(written.out.find("8 games, 4 read whole\n"), std::string::npos) << written.out;
    const CommandResult back = runRecords(collection.string());
    EXPECT_TRUE(back.out.ends_with("4 games, 4 read whole\n")) << back.out;
    EXPECT_EQ(back.status, 0);
    EXPECT_EQ(runRecords("--pgn").status, 2);
}
