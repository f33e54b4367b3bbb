#include "game/txt_record.h"

#include <gtest/gtest.h>

#include "file_test_support.h"
#include "game/game_file.h"

namespace {

constexpr char CANNON_TO_CENTRE_TEXT[] = "\xC5\xDA\xB6\xFE\xC6\xBD\xCE\xE5";  // 炮二平五
constexpr char BLACK_HORSE_TEXT[] = "\xC2\xED\xA3\xB8\xBD\xF8\xA3\xB7";        // 马８进７
constexpr char DRAW_TEXT[] = "\xBA\xCD\xC6\xE5";                               // 和棋
constexpr PackedMove CANNON_TO_CENTRE = packMove(1, 2, 4, 2);
constexpr PackedMove BLACK_HORSE_OUT = packMove(1, 9, 2, 7);
constexpr PackedMove RED_HORSE_OUT = packMove(1, 0, 2, 2);

const std::string FIRST_LINE = std::string("1. ") + CANNON_TO_CENTRE_TEXT + " " + BLACK_HORSE_TEXT + "\r\n";

}  // namespace

TEST(TxtRecord, OneLineGivesTwoMovesShownAtTheEnd) {
    GameDocument doc;
    doc.info.notes = "replaced";
    ASSERT_EQ(TxtRecord::decode(FIRST_LINE, doc), 0);
    ASSERT_EQ(doc.moves.size(), 2u);
    EXPECT_EQ(doc.moves[0], (DocumentMove{CANNON_TO_CENTRE, ""}));
    EXPECT_EQ(doc.moves[1], (DocumentMove{BLACK_HORSE_OUT, ""}));
    EXPECT_EQ(doc.currentPly, 2);
    EXPECT_EQ(doc.startBoard, INITIAL_BOARD);
    EXPECT_EQ(doc.startSide, SIDE_RED);
    EXPECT_EQ(doc.info, GameInfo{});
}

TEST(TxtRecord, OneUnreadableTokenRefusesTheWholeRecord) {
    GameDocument doc;
    doc.info.notes = "kept";
    EXPECT_EQ(TxtRecord::decode(FIRST_LINE + DRAW_TEXT, doc), 2);
    EXPECT_EQ(TxtRecord::decode(FIRST_LINE + "0", doc), 2) << "0 is not a move number";
    EXPECT_EQ(TxtRecord::decode(std::string(BLACK_HORSE_TEXT), doc), 2) << "Black does not move first";
    EXPECT_EQ(TxtRecord::decode(std::string(CANNON_TO_CENTRE_TEXT) + " " + CANNON_TO_CENTRE_TEXT, doc), 2)
        << "the second is Black's turn and no Black cannon is named";
    EXPECT_EQ(TxtRecord::decode("\xC5\xDA\xB6\xFE", doc), 2) << "half a move";
    EXPECT_EQ(doc.info.notes, "kept");
}

TEST(TxtRecord, NumbersColonsAndBlankTextAreSkipped) {
    GameDocument doc;
    ASSERT_EQ(TxtRecord::decode("", doc), 0);
    EXPECT_TRUE(doc.moves.empty());
    EXPECT_EQ(doc.currentPly, 0);
    ASSERT_EQ(TxtRecord::decode(std::string("12:") + CANNON_TO_CENTRE_TEXT + "\t7x " + BLACK_HORSE_TEXT + "...\n", doc), 0);
    EXPECT_EQ(doc.moves.size(), 2u);
    // The text ends at a zero byte, as the record is read as one string.
    ASSERT_EQ(TxtRecord::decode(FIRST_LINE + std::string(1, '\0') + "garbage", doc), 0);
    EXPECT_EQ(doc.moves.size(), 2u);
}

TEST(TxtRecord, WrittenRecordReadsBackWithoutCommentsOrTexts) {
    GameDocument doc;
    doc.startBoard = INITIAL_BOARD;
    doc.startSide = SIDE_RED;
    doc.currentPly = 1;
    doc.moves = {{CANNON_TO_CENTRE, "c1"}, {BLACK_HORSE_OUT, "c2"}, {RED_HORSE_OUT, "c3"}};
    doc.info.redPlayer = "r";
    const std::string text = TxtRecord::encode(doc);
    EXPECT_EQ(text.substr(0, FIRST_LINE.size()), FIRST_LINE);
    EXPECT_EQ(text.size(), FIRST_LINE.size() + 3 + 8) << "the third move ends the text, no line end";
    GameDocument read;
    ASSERT_EQ(TxtRecord::decode(text, read), 0);
    ASSERT_EQ(read.moves.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(read.moves[i].move, doc.moves[i].move);
        EXPECT_TRUE(read.moves[i].comment.empty());
    }
    EXPECT_EQ(read.currentPly, 3);
    EXPECT_EQ(read.info, GameInfo{});
}

TEST(TxtRecord, SetUpGameReadsBackOnlyWhenItsMovesFitTheInitialPosition) {
    Board90 b;
    b.fill(NO_PIECE);
    b[boardIndex(4, 0)] = 0;
    b[boardIndex(0, 5)] = 4;  // a red rook in the middle of the board
    b[boardIndex(3, 9)] = 7;
    GameDocument doc;
    doc.startBoard = b;
    doc.startSide = SIDE_RED;
    doc.moves = {{packMove(0, 5, 1, 5), ""}};  // 车一平二, onto the horse from the initial position
    const std::string text = TxtRecord::encode(doc);
    EXPECT_FALSE(text.empty());
    GameDocument read;
    EXPECT_EQ(TxtRecord::decode(text, read), 2);
}

TEST(TxtRecord, FileNumberForOneOfTwoLikePiecesReadsWhenOnlyOneCanMove) {
    const std::string out = "\xC2\xED\xA3\xB8\xBD\xF8\xA3\xB7";   // 马８进７
    const std::string back = "\xC2\xED\xA3\xB7\xCD\xCB\xA3\xB8";  // 马７退８
    const std::string record = std::string("1. \xCF\xE0\xC8\xFD\xBD\xF8\xCE\xE5 ") + out +  // 相三进五
                               "\r\n2. \xCF\xE0\xCE\xE5\xBD\xF8\xC8\xFD " + back +         // 相五进三
                               "\r\n3. \xCF\xE0\xC6\xDF\xBD\xF8\xCE\xE5 " + out +          // 相七进五
                               "\r\n4. \xCF\xE0\xCE\xE5\xCD\xCB\xC8\xFD " + back +         // 相五退三
                               "\r\n5. \xCF\xE0\xC8\xFD\xCD\xCB\xCE\xE5\r\n";              // 相三退五
    // Both elephants now stand on file 三; only the one on rank 4 can retreat.
    GameDocument doc;
    ASSERT_EQ(TxtRecord::decode(record, doc), 0);
    ASSERT_EQ(doc.moves.size(), 9u);
    EXPECT_EQ(doc.moves.back().move, packMove(2, 4, 4, 2));
    // Written back, the move names the front elephant and reads the same.
    GameDocument again;
    ASSERT_EQ(TxtRecord::decode(TxtRecord::encode(doc), again), 0);
    EXPECT_EQ(again.moves, doc.moves);
}
