#include <gtest/gtest.h>

#include "game/gbk.h"
#include "game/notation.h"
#include "game/rules.h"
#include "text_support.h"

TEST(Gbk, ConstantsAreTheGbkFormOfTheirTexts) {
    const char* names = "帅仕相马车炮兵将士象马车炮卒";
    std::string all;
    for (const char* n : PIECE_NAMES) all += n;
    EXPECT_EQ(utf8(all), names);
    std::string digits;
    for (const char* d : DIGITS) digits += d;
    EXPECT_EQ(utf8(digits), "一二三四五六七八九１２３４５６７８９");
    EXPECT_EQ(utf8(std::string(GBK_FRONT) + GBK_BACK + GBK_FORWARD + GBK_BACKWARD + GBK_SIDEWAYS),
              "前后进退平");
    EXPECT_EQ(utf8(RESULT_NAMES[0]), "对弈中");
    EXPECT_EQ(utf8(RESULT_NAMES[1]), "红方胜");
    EXPECT_EQ(utf8(RESULT_NAMES[2]), "黑方胜");
    EXPECT_EQ(utf8(RESULT_NAMES[3]), "和棋");
    EXPECT_EQ(utf8(GBK_UNTITLED), "未命名");
    EXPECT_EQ(utf8(GBK_KING_IN_CHECK), "将(帅)被将军");
    EXPECT_EQ(utf8(GBK_DATE_FORMAT), "%d年%d月%d日");
    EXPECT_EQ(utf8(GBK_FILE_NOT_FOUND), "找不到文件 %s");
    EXPECT_EQ(utf8(GBK_BAD_FILE_FORMAT), "%s 文件格式不正确");
    EXPECT_EQ(utf8(GBK_SAVE_FAILED), "保存文件 %s 失败");
    EXPECT_EQ(utf8(GBK_ASK_SAVE), "保存当前对局吗？");
    EXPECT_EQ(utf8(GBK_CAPTION_ERROR), "错误");
    EXPECT_EQ(utf8(GBK_CAPTION_NOTICE), "提示");
}

TEST(Gbk, ConversionRoundTripsAndKeepsAscii) {
    const std::string text = "1. 炮二平五 馬８進７\r\n";
    std::string g, back;
    ASSERT_TRUE(utf8ToGbk(text, g));
    EXPECT_EQ(g.size(), 3u + 8 + 1 + 8 + 2);  // every Chinese and fullwidth character is two bytes
    ASSERT_TRUE(gbkToUtf8(g, back));
    EXPECT_EQ(back, text);
    std::string empty = "x";
    EXPECT_TRUE(gbkToUtf8("", empty));
    EXPECT_EQ(empty, "");
}

TEST(Gbk, BadInputFailsWithItsOffsetAndLeavesTheOutput) {
    std::string out = "unchanged";
    std::size_t bad = 99;
    // 0xFF is never a GBK byte; 0x81 at the end is a character cut off.
    EXPECT_FALSE(gbkToUtf8("ab\xFF" "cd", out, &bad));
    EXPECT_EQ(bad, 2u);
    EXPECT_FALSE(gbkToUtf8(std::string(GBK_ROOK) + "\x81", out, &bad));
    EXPECT_EQ(bad, 2u);
    EXPECT_EQ(out, "unchanged");
    // Not UTF-8, and a character GBK cannot hold.
    EXPECT_FALSE(utf8ToGbk("a\xC3(", out, &bad));
    EXPECT_EQ(bad, 1u);
    EXPECT_FALSE(utf8ToGbk("ok \xF0\x9F\x98\x80", out, &bad));
    EXPECT_EQ(bad, 3u);
    EXPECT_EQ(out, "unchanged");
}

TEST(Gbk, LossyConversionReplacesOnlyTheBadBytes) {
    EXPECT_EQ(gbkToUtf8Lossy(std::string("a\xFF") + GBK_ROOK), "a\xEF\xBF\xBD车");
    // A lead byte followed by a byte that cannot trail it: that byte survives.
    EXPECT_EQ(gbkToUtf8Lossy("\x81 z"), "\xEF\xBF\xBD z");
    EXPECT_EQ(utf8ToGbkLossy("车\xF0\x9F\x98\x80x"), std::string(GBK_ROOK) + "?x");
    EXPECT_EQ(utf8ToGbkLossy("\xE8\xBD"), "?");  // cut off at the end
    // A long run of garbage is replaced byte by byte, in one pass.
    const std::string garbage(200000, '\xFF');
    const std::string shown = gbkToUtf8Lossy(garbage);
    EXPECT_EQ(shown.size(), 3 * garbage.size());
    EXPECT_EQ(shown.substr(shown.size() - 3), "\xEF\xBF\xBD");
}

TEST(Gbk, Utf8Validation) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("車馬"));
    EXPECT_FALSE(isValidUtf8(gbk("车马")));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xE8\xBB"));          // cut off...
    EXPECT_TRUE(isValidUtf8("\xE8\xBB", true));     // ...allowed at the end of a sniffed prefix
}
