#include "game/review_comment.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "game/game_file.h"
#include "game/gbk.h"

namespace {

std::string gbk(const char* utf8) { return utf8ToGbkLossy(utf8); }

}  // namespace

TEST(ReviewComment, TheLineReadsAsTheProgramWritesIt) {
    const std::string line = reviewLine(MARK_MISTAKE, gbk("马二进三"), ReviewScore::cp(35));
    EXPECT_EQ(gbkToUtf8Lossy(line), "复盘：疑问手，应走 马二进三 (+35)");
    EXPECT_EQ(gbkToUtf8Lossy(reviewLine(MARK_BLUNDER, "", ReviewScore::cp(0))), "复盘：败着");
    EXPECT_EQ(reviewMarkOf(line), MARK_MISTAKE);
    EXPECT_EQ(reviewMarkOf(gbk("好棋")), MARK_NONE);
}

TEST(ReviewComment, AppendedAfterTheUsersTextAndReplacedAsItsOwnLineOnly) {
    const std::string first = reviewLine(MARK_MISTAKE, gbk("马二进三"), ReviewScore::cp(35));
    const std::string second = reviewLine(MARK_BLUNDER, gbk("炮二平五"), ReviewScore::mateIn(3));
    for (const std::string user : {std::string(), gbk("弃子"), gbk("一\r\n二\r\n"), gbk("a\n\nb")}) {
        const std::string once = withReviewLine(user, first);
        EXPECT_EQ(once.substr(0, user.size()), user);
        EXPECT_EQ(reviewMarkOf(once), MARK_MISTAKE);
        const std::string twice = withReviewLine(once, second);
        EXPECT_EQ(reviewMarkOf(twice), MARK_BLUNDER);
        EXPECT_EQ(twice.find(first), std::string::npos);
        EXPECT_EQ(withoutReviewLines(twice), user);
        // A move that is no longer a mistake loses the line and nothing else.
        EXPECT_EQ(withReviewLine(twice, ""), user);
    }
    // The user's own text in the middle stays where it was.
    const std::string mixed = gbk("前") + "\r\n" + first + "\r\n" + gbk("后");
    EXPECT_EQ(withoutReviewLines(mixed), gbk("前") + "\r\n" + gbk("后"));
}

TEST(ReviewComment, SurvivesASaveAndReload) {
    const auto path = std::filesystem::temp_directory_path() / ("review-comment-" + std::to_string(getpid()) + ".sav");
    GameDocument doc;
    doc.startBoard = INITIAL_BOARD;
    doc.startSide = SIDE_RED;
    doc.moves = {{0x02040201u, gbk("开局")}, {0x07060907u, ""}};  // 炮二平五, 马８进７
    doc.moves[0].comment = withReviewLine(doc.moves[0].comment, reviewLine(MARK_INACCURACY, gbk("马二进三"), ReviewScore::cp(20)));
    doc.moves[1].comment = withReviewLine(doc.moves[1].comment, reviewLine(MARK_BLUNDER, gbk("车９进１"), ReviewScore::cp(-5)));
    doc.currentPly = 2;
    GameFile file;
    file.setDocument(doc);
    ASSERT_TRUE(file.save(path.string()));
    GameFile reread;
    ASSERT_EQ(reread.load(path.string()), 0);
    std::filesystem::remove(path);
    ASSERT_EQ(reread.document().moves, doc.moves);
    EXPECT_EQ(reviewMarkOf(reread.document().moves[0].comment), MARK_INACCURACY);
    EXPECT_EQ(withoutReviewLines(reread.document().moves[0].comment), gbk("开局"));
    EXPECT_EQ(reviewMarkOf(reread.document().moves[1].comment), MARK_BLUNDER);
}
