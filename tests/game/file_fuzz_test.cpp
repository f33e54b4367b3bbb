// Random damage to valid game and settings files: the readers must never
// crash, and must never accept a game the board could not hold.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "engine/perft.h"
#include "engine/engine.h"
#include "file_test_support.h"
#include "random_moves.h"
#include "game/sav_file.h"
#include "game/section_file.h"
#include "game/settings_file.h"

namespace {

constexpr unsigned SEED = 20261208;

// A game of legal moves chosen by a fixed random sequence.
GameDocument randomGame(std::mt19937& rng, int plies) {
    GameDocument doc;
    doc.startBoard = INITIAL_BOARD;
    doc.startSide = SIDE_RED;
    doc.info = {"red", "black", "today", "here", "\xBA\xCD\xC6\xE5", "notes"};
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_RED;
    int ply = 0;
    for (PackedMove m : randomMoves(rng, plies, board, side)) {
        doc.moves.push_back({m, ply % 3 == 0 ? "comment " + std::to_string(ply) : ""});
        ++ply;
    }
    doc.currentPly = static_cast<std::int16_t>(doc.moves.size() / 2);
    return doc;
}

// What opening a game relies on, checked here independently of the reader:
// sound cells, one king a side, and a replay that stays on the board.
void expectPlayable(const GameDocument& doc) {
    int kings[2] = {0, 0};
    for (BoardPiece p : doc.startBoard) {
        ASSERT_TRUE(p >= 0 && p <= NO_PIECE);
        if (p == 0) ++kings[0];
        if (p == 7) ++kings[1];
    }
    ASSERT_EQ(kings[0], 1);
    ASSERT_EQ(kings[1], 1);
    Board90 board = doc.startBoard;
    Side side = doc.startSide;
    Engine& engine = plainEngine();
    for (const DocumentMove& m : doc.moves) {
        const GridPoint from = moveFrom(m.move), to = moveTo(m.move);
        ASSERT_TRUE(from.file >= 0 && from.file < 9 && from.rank >= 0 && from.rank < 10);
        ASSERT_TRUE(to.file >= 0 && to.file < 9 && to.rank >= 0 && to.rank < 10);
        engine.setPosition(board, side);
        ASSERT_TRUE(engine.tryMove(m.move));
        board[boardIndex(to.file, to.rank)] = board[boardIndex(from.file, from.rank)];
        board[boardIndex(from.file, from.rank)] = NO_PIECE;
        side ^= 1;
    }
    engine.setPosition(board, side);
    engine.gameStatus();  // the position after the record is one the engine can judge
}

void mutate(Bytes& bytes, std::mt19937& rng) {
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits; ++e) {
        switch (rng() % 5) {
        case 0:
        case 1:
            if (!bytes.empty()) bytes[rng() % bytes.size()] ^= static_cast<std::uint8_t>(1 + rng() % 255);
            break;
        case 2:
            if (!bytes.empty()) bytes[rng() % bytes.size()] = static_cast<std::uint8_t>(rng());
            break;
        case 3: bytes.resize(rng() % (bytes.size() + 1)); break;
        default: bytes.insert(bytes.begin() + static_cast<long>(rng() % (bytes.size() + 1)), static_cast<std::uint8_t>(rng()));
        }
    }
}

Bytes payloadOf(const Bytes& file, std::uint8_t type, std::size_t limit) {
    SectionFile f;
    EXPECT_TRUE(f.decode(file, type, limit, limit));
    return f.payload;
}

}  // namespace

TEST(FileFuzz, DamagedGameFilesAreRefusedOrStillPlayable) {
    std::mt19937 rng(SEED);
    int accepted = 0, tried = 0;
    for (int game = 0; game < 8; ++game) {
        const GameDocument original = randomGame(rng, 10 + game * 12);
        Bytes file;
        ASSERT_TRUE(SavFile::encode(original, file));
        const Bytes payload = payloadOf(file, SECTION_FILE_GAME, GAME_FILE_LIMIT);
        for (int i = 0; i < 300; ++i) {
            // Damage inside a correct container: the content checks must catch it.
            Bytes damaged = payload;
            mutate(damaged, rng);
            ++tried;
            GameDocument doc;
            if (SavFile::decode(sectionFileBytes(SECTION_FILE_GAME, damaged), doc) == 0) {
                ++accepted;
                expectPlayable(doc);
            }
            // Damage to the file itself: the checksum catches everything past offset 4.
            Bytes raw = file;
            mutate(raw, rng);
            GameDocument rawDoc;
            if (SavFile::decode(raw, rawDoc) == 0) {
                EXPECT_EQ(rawDoc, original);
            }
        }
    }
    // Some damage (to comments and texts) leaves a good game; the test would
    // prove little if nothing was ever accepted.
    EXPECT_GT(accepted, 0);
    std::printf("%d of %d damaged payloads still held a playable game\n", accepted, tried);
}

TEST(FileFuzz, DamagedSettingsFilesAreRefusedOrGiveSoundValues) {
    std::mt19937 rng(SEED + 1);
    SettingsFile store;
    store.setWindow("main", {true, 10, 20});
    store.setWindow("time", {false, -5, 7});
    store.setLevelRecord(4, {LIMIT_DEPTH, 8, 10});
    for (const char* key : {"animation", "book", "mode", "ponder", "reverse", "side", "sound"}) store.setInt(key, 1);
    Bytes file;
    ASSERT_TRUE(store.encode(file));
    const Bytes payload = payloadOf(file, SECTION_FILE_SETTINGS, SETTINGS_FILE_LIMIT);
    for (int i = 0; i < 2000; ++i) {
        Bytes damaged = payload;
        mutate(damaged, rng);
        SettingsFile loaded;
        if (loaded.merge(sectionFileBytes(SECTION_FILE_SETTINGS, damaged))) {
            const StoredSettings s = loaded.settings();
            // A level the level dialog could not have made never comes through.
            if (s.level) {
                const SearchRequest& limits = s.level->customLimits;
                EXPECT_TRUE(s.level->level >= 1 && s.level->level <= 4);
                EXPECT_EQ(limits.flags & ~(LIMIT_DEPTH | LIMIT_TIME), 0);
                EXPECT_TRUE(!limits.limitsDepth() || (limits.depth >= 1 && limits.depth <= 99));
                EXPECT_TRUE(!limits.limitsTime() || (limits.seconds >= 1 && limits.seconds <= 9999));
            }
        }
        Bytes raw = file;
        mutate(raw, rng);
        SettingsFile rawLoaded;
        if (rawLoaded.merge(raw)) {
            EXPECT_EQ(rawLoaded.settings(), store.settings());
        } else {
            EXPECT_EQ(rawLoaded.settings(), StoredSettings{});
        }
    }
}
