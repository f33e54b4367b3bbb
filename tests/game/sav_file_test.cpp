#include "game/sav_file.h"

#include <gtest/gtest.h>

#include "file_test_support.h"
#include "game/section_file.h"

namespace {

constexpr PackedMove CANNON_TO_CENTRE = packMove(1, 2, 4, 2);  // 炮二平五
constexpr PackedMove BLACK_HORSE_OUT = packMove(1, 9, 2, 7);   // 马８进７
constexpr PackedMove RED_HORSE_OUT = packMove(1, 0, 2, 2);     // 马二进三

// Red king, rook and Black king and pawn; Black to move.
Board90 setupBoard() {
    Board90 b;
    b.fill(NO_PIECE);
    b[boardIndex(4, 0)] = 0;
    b[boardIndex(0, 0)] = 4;
    b[boardIndex(5, 9)] = 7;
    b[boardIndex(0, 5)] = 13;
    return b;
}

GameDocument initialGame() {
    GameDocument doc;
    doc.startBoard = INITIAL_BOARD;
    doc.startSide = SIDE_RED;
    doc.currentPly = 2;
    doc.moves = {{CANNON_TO_CENTRE, "\xD6\xD0\xC5\xDA"},  // 中炮
                 {BLACK_HORSE_OUT, ""},
                 {RED_HORSE_OUT, "\xBA\xC3"}};           // 好
    doc.info = {"\xC0\xEE", "\xCD\xF5", "2026\xC4\xEA", "", "\xB6\xD4\xDE\xC4\xD6\xD0", "notes"};
    return doc;
}

GameDocument setupGame() {
    GameDocument doc;
    doc.startBoard = setupBoard();
    doc.startSide = SIDE_BLACK;
    doc.currentPly = 1;
    doc.moves = {{packMove(5, 9, 5, 8), "a"}, {packMove(0, 0, 0, 5), "takes"}, {packMove(5, 8, 5, 7), ""}};
    doc.info.notes = "set-up";
    return doc;
}

// The payload of an encoded game file, through the container reader.
Bytes payloadOf(const Bytes& file) {
    SectionFile f;
    EXPECT_TRUE(f.decode(file, SECTION_FILE_GAME, GAME_FILE_LIMIT, GAME_FILE_LIMIT));
    return f.payload;
}

Bytes initialPosition(Side side) {
    Bytes s;
    putSection(s, 1, {1, side});
    return s;
}

Bytes givenPosition(const Board90& board, Side side) {
    Bytes content = {0};
    for (BoardPiece p : board) content.push_back(static_cast<std::uint8_t>(p));
    content.push_back(side);
    Bytes s;
    putSection(s, 1, content);
    return s;
}

Bytes movesSection(std::int16_t ply, const std::vector<PackedMove>& moves) {
    Bytes content;
    putU16(content, static_cast<std::uint16_t>(ply));
    for (PackedMove m : moves) {
        putU32(content, m);
        content.push_back(0);
    }
    Bytes s;
    putSection(s, 3, content);
    return s;
}

int decodePayload(const Bytes& payload, GameDocument& doc) {
    return SavFile::decode(sectionFileBytes(SECTION_FILE_GAME, payload), doc);
}

int decodePayload(const Bytes& payload) {
    GameDocument doc;
    return decodePayload(payload, doc);
}

}  // namespace

TEST(SavFile, RoundTripKeepsEverythingOfAGameFromTheInitialPosition) {
    const GameDocument doc = initialGame();
    Bytes file;
    ASSERT_TRUE(SavFile::encode(doc, file));
    GameDocument read;
    ASSERT_EQ(SavFile::decode(file, read), 0);
    EXPECT_EQ(read, doc);
    // Section 1 is the short form: id 1, length 8, "initial", Red.
    const Bytes payload = payloadOf(file);
    EXPECT_EQ(Bytes(payload.begin(), payload.begin() + 8), (Bytes{1, 0, 8, 0, 0, 0, 1, 1}));
}

TEST(SavFile, RoundTripKeepsASetUpStartAndItsComments) {
    const GameDocument doc = setupGame();
    Bytes file;
    ASSERT_TRUE(SavFile::encode(doc, file));
    GameDocument read;
    ASSERT_EQ(SavFile::decode(file, read), 0);
    EXPECT_EQ(read, doc);
    const Bytes payload = payloadOf(file);
    // 92 bytes of content: form 0, the 90 cells, the side.
    EXPECT_EQ(Bytes(payload.begin(), payload.begin() + 7), (Bytes{1, 0, 98, 0, 0, 0, 0}));
    EXPECT_EQ(payload[6 + 1 + boardIndex(0, 5)], 13);
    EXPECT_EQ(payload[6 + 91], SIDE_BLACK);
}

TEST(SavFile, SectionsAreWrittenInOrderWithTheirLengths) {
    Bytes file;
    ASSERT_TRUE(SavFile::encode(initialGame(), file));
    const Bytes payload = payloadOf(file);
    SectionWalker walker(payload);
    Section s;
    std::vector<int> ids;
    std::size_t total = 0;
    while (walker.next(s)) {
        ids.push_back(s.id);
        total += s.content.remaining() + SECTION_HEADER_SIZE;
    }
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(total, payload.size());
    EXPECT_EQ(file[8], SECTION_FILE_GAME);
}

TEST(SavFile, ContainerFaultsAreNotAGame) {
    Bytes good;
    ASSERT_TRUE(SavFile::encode(initialGame(), good));
    GameDocument doc = setupGame();
    const GameDocument before = doc;

    EXPECT_EQ(SavFile::decode(Bytes(good.begin(), good.begin() + 11), doc), 2);
    EXPECT_EQ(SavFile::decode(Bytes(good.begin(), good.begin() + 12), doc), 2);  // shorter than the header
    Bytes magic = good;
    magic[1] = 'X';
    fixChecksum(magic);
    EXPECT_EQ(SavFile::decode(magic, doc), 2);
    Bytes sum = good;
    sum[4] ^= 1;
    EXPECT_EQ(SavFile::decode(sum, doc), 2);
    Bytes changed = good;
    changed.back() ^= 0x40;
    EXPECT_EQ(SavFile::decode(changed, doc), 2);  // the checksum no longer matches
    Bytes settings = good;
    settings[8] = SECTION_FILE_SETTINGS;
    fixChecksum(settings);
    EXPECT_EQ(SavFile::decode(settings, doc), 2);
    EXPECT_EQ(doc, before);
}

TEST(SavFile, PayloadThatDoesNotInflateToItsStoredLengthIsRefused) {
    Bytes payload = initialPosition(SIDE_RED);
    const auto n = static_cast<std::uint32_t>(payload.size());
    GameDocument doc;
    EXPECT_EQ(SavFile::decode(sectionFileBytes(SECTION_FILE_GAME, payload, n), doc), 0);
    EXPECT_EQ(SavFile::decode(sectionFileBytes(SECTION_FILE_GAME, payload, n + 1), doc), 2);
    EXPECT_EQ(SavFile::decode(sectionFileBytes(SECTION_FILE_GAME, payload, n - 1), doc), 2);
    EXPECT_EQ(SavFile::decode(sectionFileBytes(SECTION_FILE_GAME, payload, GAME_FILE_LIMIT + 1), doc), 2);
    Bytes garbage = sectionFileBytes(SECTION_FILE_GAME, payload, n);
    garbage.resize(SECTION_FILE_HEADER_SIZE);
    garbage.insert(garbage.end(), {1, 2, 3, 4, 5});
    fixChecksum(garbage);
    EXPECT_EQ(SavFile::decode(garbage, doc), 2);
}

TEST(SavFile, PositionSectionIsRequiredAndMustBeComplete) {
    EXPECT_EQ(decodePayload(movesSection(0, {})), 2);
    EXPECT_EQ(decodePayload({}), 2);
    Bytes shortForm;
    putSection(shortForm, 1, {1});  // no side byte
    EXPECT_EQ(decodePayload(shortForm), 2);
    Bytes cutBoard;
    putSection(cutBoard, 1, Bytes(50, 0));
    EXPECT_EQ(decodePayload(cutBoard), 2);
    // Any first byte but 0 means the initial position; the side is 1 for any non-zero byte.
    Bytes other;
    putSection(other, 1, {7, 9});
    GameDocument doc;
    ASSERT_EQ(decodePayload(other, doc), 0);
    EXPECT_EQ(doc.startBoard, INITIAL_BOARD);
    EXPECT_EQ(doc.startSide, SIDE_RED);
    EXPECT_EQ(doc.info, GameInfo{});
    EXPECT_TRUE(doc.moves.empty());
}

TEST(SavFile, UnknownSectionsAreSkippedAndBadLengthsEndTheWalk) {
    Bytes payload;
    putSection(payload, 9, {1, 2, 3});
    Bytes tail = initialPosition(SIDE_BLACK);
    payload.insert(payload.end(), tail.begin(), tail.end());
    GameDocument doc;
    ASSERT_EQ(decodePayload(payload, doc), 0);
    EXPECT_EQ(doc.startSide, SIDE_BLACK);

    for (std::uint32_t badLength : {0u, 5u, 1000u}) {
        Bytes bad;
        putU16(bad, 2);
        putU32(bad, badLength);
        bad.insert(bad.end(), {0, 0, 0, 0, 0, 0});
        bad.insert(bad.end(), tail.begin(), tail.end());
        EXPECT_EQ(decodePayload(bad), 2) << badLength;  // section 1 is never reached
    }
    // A bad length after the position ends the walk but keeps what was read.
    Bytes late = tail;
    putU16(late, 3);
    putU32(late, 2);
    ASSERT_EQ(decodePayload(late, doc), 0);
    EXPECT_EQ(doc.startSide, SIDE_BLACK);
}

TEST(SavFile, TextsStayInsideTheirSection) {
    Bytes payload = initialPosition(SIDE_RED);
    putSection(payload, 2, bytesOf(std::string("red\0black\0unended", 17)));
    const Bytes moves = movesSection(1, {CANNON_TO_CENTRE});
    payload.insert(payload.end(), moves.begin(), moves.end());
    GameDocument doc;
    ASSERT_EQ(decodePayload(payload, doc), 0);
    EXPECT_EQ(doc.info.redPlayer, "red");
    EXPECT_EQ(doc.info.blackPlayer, "black");
    EXPECT_EQ(doc.info.date, "unended");
    EXPECT_EQ(doc.info.place, "");
    ASSERT_EQ(doc.moves.size(), 1u);
    EXPECT_EQ(doc.moves[0].move, CANNON_TO_CENTRE);

    // A comment without its zero byte ends with the section.
    Bytes unended = initialPosition(SIDE_RED);
    Bytes content = {1, 0};
    putU32(content, CANNON_TO_CENTRE);
    content.insert(content.end(), {'o', 'k'});
    putSection(unended, 3, content);
    ASSERT_EQ(decodePayload(unended, doc), 0);
    EXPECT_EQ(doc.moves.at(0).comment, "ok");
    EXPECT_EQ(doc.currentPly, 1);
}

TEST(SavFile, MovesSectionCutShortIsRefused) {
    Bytes payload = initialPosition(SIDE_RED);
    Bytes content = {0, 0, 1, 2, 4};  // ply, then three bytes of a move
    putSection(payload, 3, content);
    EXPECT_EQ(decodePayload(payload), 2);
    Bytes noPly = initialPosition(SIDE_RED);
    putSection(noPly, 3, {5});
    EXPECT_EQ(decodePayload(noPly), 2);
}

TEST(SavFile, StartPositionMustObeyTheSetUpRules) {
    const auto refused = [](Board90 board, Side side) { return decodePayload(givenPosition(board, side)) == 2; };
    EXPECT_FALSE(refused(setupBoard(), SIDE_BLACK));
    EXPECT_FALSE(refused(setupBoard(), SIDE_RED));

    Board90 b = setupBoard();
    b[boardIndex(8, 8)] = 15;
    EXPECT_TRUE(refused(b, SIDE_BLACK)) << "code above 14";
    b[boardIndex(8, 8)] = -1;
    EXPECT_TRUE(refused(b, SIDE_BLACK)) << "negative code";
    b = setupBoard();
    b[boardIndex(5, 9)] = NO_PIECE;
    EXPECT_TRUE(refused(b, SIDE_BLACK)) << "no black king";
    b = setupBoard();
    b[boardIndex(3, 0)] = 0;
    EXPECT_TRUE(refused(b, SIDE_BLACK)) << "two red kings";
    b = setupBoard();
    b[boardIndex(4, 4)] = 1;
    EXPECT_TRUE(refused(b, SIDE_BLACK)) << "advisor outside the palace";
    b = setupBoard();
    b[boardIndex(4, 0)] = NO_PIECE;
    b[boardIndex(4, 4)] = 0;
    EXPECT_TRUE(refused(b, SIDE_BLACK)) << "king outside the palace";
    b = setupBoard();
    for (int file = 0; file < 6; ++file) b[boardIndex(file, 6)] = 6;
    EXPECT_TRUE(refused(b, SIDE_BLACK)) << "six red pawns";
    b = setupBoard();
    for (int file = 0; file < 3; ++file) b[boardIndex(file, 7)] = 3;
    EXPECT_TRUE(refused(b, SIDE_BLACK)) << "three red horses";
    b = setupBoard();
    b[boardIndex(5, 3)] = 4;  // second red rook on the black king's file
    EXPECT_TRUE(refused(b, SIDE_RED)) << "Black, who has just moved, is in check";
    EXPECT_FALSE(refused(b, SIDE_BLACK)) << "Black to move may be in check";
    b = setupBoard();
    b[boardIndex(5, 9)] = NO_PIECE;
    b[boardIndex(4, 9)] = 7;
    EXPECT_TRUE(refused(b, SIDE_BLACK)) << "kings face each other";
}

TEST(SavFile, EveryMoveMustBeLegalWhenReplayed) {
    const auto withMoves = [](std::vector<PackedMove> moves) {
        Bytes payload = initialPosition(SIDE_RED);
        const Bytes s = movesSection(static_cast<std::int16_t>(moves.size()), moves);
        payload.insert(payload.end(), s.begin(), s.end());
        return decodePayload(payload);
    };
    EXPECT_EQ(withMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT}), 0);
    EXPECT_EQ(withMoves({BLACK_HORSE_OUT}), 2) << "wrong side";
    EXPECT_EQ(withMoves({CANNON_TO_CENTRE, CANNON_TO_CENTRE}), 2) << "from an empty point";
    EXPECT_EQ(withMoves({packMove(1, 2, 1, 7)}), 2) << "cannon takes without a screen";
    EXPECT_EQ(withMoves({0}), 2) << "no move";
    EXPECT_EQ(withMoves({packMove(0, 0, 0, -1)}), 2) << "off the board below";
    EXPECT_EQ(withMoves({packMove(8, 0, 9, 0)}), 2) << "off the board at the side";
    EXPECT_EQ(withMoves({packMove(0, 3, 0, 4), packMove(0, 6, 0, 5), packMove(0, 4, 0, 10)}), 2)
        << "past the last rank";

    // A move that leaves the mover's king attacked: the cannon between the
    // kings steps aside and the kings face each other.
    Board90 b;
    b.fill(NO_PIECE);
    b[boardIndex(4, 0)] = 0;
    b[boardIndex(4, 4)] = 5;
    b[boardIndex(4, 9)] = 7;
    const auto fromGiven = [&b](PackedMove m) {
        Bytes payload = givenPosition(b, SIDE_RED);
        const Bytes s = movesSection(1, {m});
        payload.insert(payload.end(), s.begin(), s.end());
        return decodePayload(payload);
    };
    EXPECT_EQ(fromGiven(packMove(4, 4, 4, 5)), 0);
    EXPECT_EQ(fromGiven(packMove(4, 4, 0, 4)), 2);
}

TEST(SavFile, EncodingRefusesAGameThatDoesNotFitTheLimit) {
    GameDocument doc = initialGame();
    doc.info.notes.assign(GAME_FILE_LIMIT, 'x');
    Bytes out = {42};
    EXPECT_FALSE(SavFile::encode(doc, out));
    EXPECT_EQ(out, Bytes{42});
    doc.info.notes.assign(GAME_FILE_LIMIT - 2000, 'x');  // fits, and compresses well
    ASSERT_TRUE(SavFile::encode(doc, out));
    GameDocument read;
    ASSERT_EQ(SavFile::decode(out, read), 0);
    EXPECT_EQ(read.info.notes.size(), GAME_FILE_LIMIT - 2000);
}
