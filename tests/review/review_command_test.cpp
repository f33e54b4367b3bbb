// morlan-review as a script runs it: the lines it prints, the game it
// writes with --out, outside engines, collections, and bad input.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/game_file.h"
#include "game/pgn_collection.h"
#include "game/review_comment.h"
#include "review_games.h"

namespace {

const std::string TOOL = std::string(MORLAN_BINARY_DIR) + "/review/morlan-review";
const char* FAIRY = "/usr/games/fairy-stockfish";
constexpr const char* ROOK_GIVEN_AWAY = "h2e2 h9g7 h0g2 i9h9 i0h0 b9c7 h0h6 b7a7 h6h7 h9h7";

struct ToolRun {
    int status = -1;
    std::vector<std::string> lines;
    std::string errors;
};

ToolRun runTool(const std::string& arguments) {
    const std::string err = (std::filesystem::temp_directory_path() / ("review-err-" + std::to_string(getpid()))).string();
    ToolRun r;
    FILE* out = popen((TOOL + " " + arguments + " 2>" + err).c_str(), "r");
    if (!out) return r;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, out)) {
        std::string line = buffer;
        if (!line.empty() && line.back() == '\n') line.pop_back();
        r.lines.push_back(line);
    }
    const int status = pclose(out);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream e(err);
    std::stringstream text;
    text << e.rdbuf();
    r.errors = text.str();
    std::filesystem::remove(err);
    return r;
}

struct ReviewCommand : ::testing::Test {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("review-cmd-" + std::to_string(getpid()));
    std::string game = (dir / "rook.sav").string();

    void SetUp() override {
        std::filesystem::create_directories(dir);
        GameDocument doc;
        doc.startBoard = INITIAL_BOARD;
        doc.startSide = SIDE_RED;
        for (PackedMove m : coordinateMoves(ROOK_GIVEN_AWAY)) doc.moves.push_back({m, {}});
        doc.moves[8].comment = "note";
        doc.currentPly = static_cast<std::int16_t>(doc.moves.size());
        GameFile file;
        file.setDocument(doc);
        ASSERT_TRUE(file.save(game));
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

}  // namespace

TEST_F(ReviewCommand, PrintsEveryPlyASummaryAndWritesTheReview) {
    const std::string out = (dir / "reviewed.sav").string();
    const ToolRun r = runTool("--depth 3 --out " + out + " " + game);
    ASSERT_EQ(r.status, 0) << r.errors;
    // A heading, plies 0..10, two summary lines.
    ASSERT_EQ(r.lines.size(), 14u);
    EXPECT_NE(r.lines[1].find("起始局面"), std::string::npos);
    EXPECT_NE(r.lines[10].find("车二进一 h6h7"), std::string::npos) << r.lines[10];
    EXPECT_NE(r.lines[10].find("败着"), std::string::npos) << r.lines[10];
    EXPECT_NE(r.lines[2].find("开局库"), std::string::npos);
    EXPECT_EQ(r.lines[12].rfind("红方：判断 ", 0), 0u) << r.lines[12];
    EXPECT_NE(r.lines[12].find("败着 1"), std::string::npos) << r.lines[12];
    // No progress line when standard error is not a terminal.
    EXPECT_TRUE(r.errors.empty()) << r.errors;
    GameFile file;
    ASSERT_EQ(file.load(out), 0);
    const auto& moves = file.document().moves;
    ASSERT_EQ(moves.size(), 10u);
    EXPECT_EQ(withoutReviewLines(moves[8].comment), "note");
    EXPECT_EQ(reviewMarkOf(moves[8].comment), MARK_BLUNDER);
    EXPECT_TRUE(moves[0].comment.empty());
}

TEST_F(ReviewCommand, AnOutsideEngineReviewsToo) {
    if (!std::filesystem::exists(FAIRY)) GTEST_SKIP() << FAIRY << " is not installed";
    const ToolRun r = runTool(std::string("--engine ") + FAIRY + " --depth 6 " + game);
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.lines.size(), 14u);
    EXPECT_NE(r.lines[10].find("败着"), std::string::npos) << r.lines[10];
}

// An engine that names its best moves but sends no scored line leaves the
// scores unknown: no move is judged as if the positions were level.
TEST_F(ReviewCommand, BestMovesWithoutScoresJudgeNothing) {
    if (!std::filesystem::exists(FAIRY)) GTEST_SKIP() << FAIRY << " is not installed";
    const std::string engine = (dir / "unscored.sh").string();
    std::ofstream(engine) << "#!/bin/sh\n" << FAIRY << " | grep --line-buffered -v '^info'\n";
    std::filesystem::permissions(engine, std::filesystem::perms::owner_all);
    const std::string out = (dir / "reviewed.sav").string();
    const ToolRun r = runTool("--engine " + engine + " --depth 4 --out " + out + " " + game);
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.lines.size(), 14u);
    EXPECT_NE(r.lines[11].find(" ? "), std::string::npos) << r.lines[11];
    EXPECT_NE(r.lines[12].find("判断 0 步"), std::string::npos) << r.lines[12];
    EXPECT_NE(r.lines[13].find("判断 0 步"), std::string::npos) << r.lines[13];
    GameFile file;
    ASSERT_EQ(file.load(out), 0);
    for (const auto& move : file.document().moves) EXPECT_EQ(reviewMarkOf(move.comment), MARK_NONE) << move.comment;
}

TEST_F(ReviewCommand, ReadsAGameOfACollection) {
    const std::string pgn = std::string(MORLAN_SHARED_DATA) + "/ccpd-openings.pgn.gz";
    if (!std::filesystem::exists(pgn)) GTEST_SKIP() << pgn << " is absent (shared data)";
    const ToolRun r = runTool("--depth 1 --game 2 " + pgn);
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_GT(r.lines.size(), 4u);
    EXPECT_EQ(runTool("--depth 1 --game 999999 " + pgn).status, 1);
}

TEST_F(ReviewCommand, BadInputIsReportedAndChangesNothing) {
    EXPECT_EQ(runTool("--movetime 50 " + game).status, 1);
    EXPECT_EQ(runTool("--depth 31 " + game).status, 1);
    EXPECT_EQ(runTool("").status, 1);
    const ToolRun missing = runTool("--depth 1 " + (dir / "none.sav").string());
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.errors.find("cannot open"), std::string::npos) << missing.errors;
    const ToolRun engine = runTool("--engine " + (dir / "no-engine").string() + " --depth 1 " + game);
    EXPECT_EQ(engine.status, 2);
    EXPECT_FALSE(engine.errors.empty());
    EXPECT_EQ(runTool("--depth 1 --out " + (dir / "x.txt").string() + " " + game).status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.txt"));
}

// The review written as a PGN record reads back, its lines in the comments,
// and the PGN record is itself a game the command reviews.
TEST_F(ReviewCommand, WritesAndReadsPgnRecords) {
    const std::string out = (dir / "reviewed.pgn").string();
    const ToolRun r = runTool("--depth 3 --out " + out + " " + game);
    ASSERT_EQ(r.status, 0) << r.errors;
    GameDocument doc;
    std::string message;
    ASSERT_EQ(importPgnGame(out, 1, doc, message), 0) << message;
    ASSERT_GT(doc.moves.size(), 8u);
    EXPECT_EQ(withoutReviewLines(doc.moves[8].comment), "note");
    EXPECT_EQ(reviewMarkOf(doc.moves[8].comment), MARK_BLUNDER);
    // The better move stands beside the blunder, with the review's score.
    const std::vector<int> main = doc.tree.mainLine();
    ASSERT_GT(main.size(), 8u);
    const int better = doc.tree.nextSibling(main[8]);
    ASSERT_NE(better, MoveTree::NONE);
    EXPECT_EQ(doc.tree.comment(better).rfind(REVIEW_LINE_PREFIX, 0), 0u);
    EXPECT_EQ(runTool("--depth 1 --game 1 " + out).status, 0);
}
