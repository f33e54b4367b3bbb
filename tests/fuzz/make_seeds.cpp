// Writes the seed corpora of the fuzz targets into OUTDIR/<target>/ with
// the program's own writers: game files and text records of random games
// and of the first master games of the shared collection (when given),
// settings files, FEN texts, protocol sessions and opening books.
//   make_fuzz_seeds OUTDIR [BOOK_RESOURCE] [PGN_COLLECTION]
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "engine/perft.h"
#include "engine/book.h"
#include "engine/engine.h"
#include "engine/fen.h"
#include "game/gbk.h"
#include "game/pgn_reader.h"
#include "game/pgn_writer.h"
#include "random_moves.h"
#include "xqf_builder.h"
#include "game/sav_file.h"
#include "game/section_file.h"
#include "game/settings_file.h"
#include "game/text_move_judge.h"
#include "game/txt_record.h"

namespace {

namespace fs = std::filesystem;

void writeSeed(const fs::path& dir, const std::string& name, const std::string& bytes) {
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

void writeSeed(const fs::path& dir, const std::string& name, const std::vector<std::uint8_t>& bytes) {
    writeSeed(dir, name, std::string(bytes.begin(), bytes.end()));
}

// Legal moves chosen by rng from the initial position; board and side
// end in the position reached.
GameDocument randomGame(std::mt19937& rng, int plies, Board90& board, Side& side) {
    GameDocument doc;
    doc.startBoard = board = INITIAL_BOARD;
    doc.startSide = side = SIDE_RED;
    // 红方 / 黑方 / 和棋 (GBK)
    doc.info = {"\xBA\xEC\xB7\xBD", "\xBA\xDA\xB7\xBD", "2026-12-08", "Morlan", "\xBA\xCD\xC6\xE5", "seed"};
    int ply = 0;
    for (PackedMove m : randomMoves(rng, plies, board, side)) {
        doc.moves.push_back({m, ply % 4 == 1 ? "note " + std::to_string(ply) : ""});
        ++ply;
    }
    doc.currentPly = static_cast<std::int16_t>(doc.moves.size() / 2);
    return doc;
}

// A game or settings seed both ways the fuzz entries take them: first
// byte 0 and the whole file, first byte 1 and the inflated payload.
void containerSeeds(const fs::path& dir, const std::string& name, std::uint8_t type,
                    const std::vector<std::uint8_t>& file) {
    std::vector<std::uint8_t> whole{0};
    whole.insert(whole.end(), file.begin(), file.end());
    writeSeed(dir, name, whole);
    SectionFile container;
    if (!container.decode(file, type, file.size(), 1u << 20)) return;
    std::vector<std::uint8_t> payload{1};
    payload.insert(payload.end(), container.payload.begin(), container.payload.end());
    writeSeed(dir, "payload-" + name, payload);
}

void gameSeeds(const fs::path& out, const std::string& name, const GameDocument& doc) {
    std::vector<std::uint8_t> sav;
    if (SavFile::encode(doc, sav)) containerSeeds(out / "sav", name + ".sav", SECTION_FILE_GAME, sav);
    writeSeed(out / "txt", name + ".txt", TxtRecord::encode(doc));
}

void masterGameSeeds(const fs::path& out, const std::string& collection) {
    PgnReader reader;
    if (!reader.open(collection)) {
        std::cerr << "cannot open " << collection << ": " << reader.error() << "\n";
        return;
    }
    PgnGame game;
    for (int n = 0; n < 6 && reader.next(game); ++n) {
        GameDocument doc;
        doc.startBoard = game.startBoard;
        doc.startSide = game.startSide;
        std::vector<PackedMove> moves;
        judgeTextMoves(game.startBoard, game.startSide, game.moveTexts, moves);
        for (PackedMove m : moves) doc.moves.push_back({m, {}});
        doc.currentPly = static_cast<std::int16_t>(moves.size());
        doc.info.redPlayer = game.tag("Red");
        doc.info.blackPlayer = game.tag("Black");
        gameSeeds(out, "master" + std::to_string(n), doc);
    }
}

// PGN: games the program writes, and the other notations by hand, with the
// comments, variations and glyphs a reader steps over.
void pgnSeeds(const fs::path& out, std::mt19937& rng) {
    const fs::path dir = out / "pgn";
    for (int n = 0; n < 3; ++n) {
        Board90 board;
        Side side;
        GameDocument doc = randomGame(rng, 4 + 20 * n, board, side);
        if (n == 2) {  // a game from another start, Black to move
            doc.startBoard = board;
            doc.startSide = side;
            doc.moves.clear();
            randomGame(rng, 0, board, side);
        }
        writeSeed(dir, "written" + std::to_string(n) + ".pgn", encodePgn(doc));
    }
    writeSeed(dir, "wxf.pgn",
              "[Event \"x\"]\n[Red \"r\"]\n\n{notes} 1. C2=5 {c} H8+7 2. H2+3 (2. R1+1) R9=8 $1 3. +C=4 *\n");
    writeSeed(dir, "wxf-fullwidth.pgn", gbkToUtf8Lossy(std::string("1. \xA3\xC3\xA3\xB2\xA3\xBD\xA3\xB5 ")) + "H8+7 1-0\n");
    writeSeed(dir, "coordinates.pgn",
              "[FEN \"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w - - 0 1\"]\n\n"
              "1. h2e2 h9g7 2. H0-G2 i9-h9 0-1\n\n[Event \"two\"]\n\n1. b2e2 *\n");
    writeSeed(dir, "variations.pgn",
              "1. h2e2 (1. c3c4 {v} (1. g3g4) c6c5) h9g7 (1. ... h7e7 {x} 2. h0g2 (2. e0e2)) 2. h0g2 *\n");
}

// XQF: small records in the old plain form and the hidden one, with comments and a variation.
void xqfSeeds(const fs::path& out) {
    const fs::path dir = out / "xqf";
    auto record = [](int from, int to, bool next, bool variation, std::string comment) {
        return XqfBuildRecord{from, to, next, variation, std::move(comment)};
    };
    for (int version : {0x0A, 0x10, 0x12}) {
        XqfBuilder b;
        b.version = version;
        b.red = "red";
        b.event = "seed";
        b.openingComment = "start";
        b.records = {record(72, 42, true, false, "c"), record(79, 67, true, true, ""), record(70, 62, false, false, ""),
                     record(89, 79, false, false, "v")};
        const std::vector<std::uint8_t> bytes = b.bytes();
        writeSeed(dir, "game" + std::to_string(version) + ".xqf", bytes);
    }
    XqfBuilder endgame;
    endgame.slots.fill(200);
    endgame.slots[4] = 40;
    endgame.slots[20] = 39;
    endgame.slots[0] = 5;
    endgame.records = {record(5, 9, false, false, "")};
    writeSeed(dir, "endgame.xqf", endgame.bytes());
    // A tree two levels deep with a branch the rules refuse (the king two points up).
    XqfBuilder tree;
    tree.records = {record(72, 42, true, false, "c"),  record(79, 67, true, true, ""),  record(70, 62, false, true, "m"),
                    record(10, 22, true, false, ""),   record(19, 27, false, false, "v"), record(49, 47, true, true, ""),
                    record(70, 62, false, false, ""), record(89, 79, false, false, "")};
    writeSeed(dir, "tree.xqf", tree.bytes());
}

void pasteSeeds(const fs::path& out) {
    const fs::path dir = out / "paste";
    writeSeed(dir, "start.txt", std::string(START_FEN) + "\r\n");
    writeSeed(dir, "endgame.txt", "  3k5/9/9/9/9/9/9/9/4R4/4K4 b\n");
    writeSeed(dir, "check.txt", "4k4/9/9/9/9/9/9/9/4R4/3K5 w - - 0 1");
}

void settingsSeeds(const fs::path& out) {
    SettingsFile empty;
    std::vector<std::uint8_t> bytes;
    if (empty.encode(bytes)) containerSeeds(out / "settings", "empty.cfg", SECTION_FILE_SETTINGS, bytes);
    SettingsFile full;
    full.setWindow("main", {true, 120, 80});
    full.setWindow("time", {false, -40, 300});
    full.setWindow("info", {true, 900, 10});
    full.setWindow("book", {true, 5, 700});
    full.setWindow("status", {false, 0, 0});
    full.setLevelRecord(4, SearchRequest{LIMIT_DEPTH | LIMIT_TIME, 12, 30});
    const char* names[] = {"mode", "side", "reverse", "animation", "sound", "book", "ponder", "hints"};
    int value = 0;
    for (const char* name : names) full.setInt(name, value++ % 3);
    if (full.encode(bytes)) containerSeeds(out / "settings", "full.cfg", SECTION_FILE_SETTINGS, bytes);
}

void fenSeeds(const fs::path& out, std::mt19937& rng) {
    writeSeed(out / "fen", "start.fen", std::string(START_FEN));
    for (int n = 0; n < 4; ++n) {
        Board90 board;
        Side side;
        randomGame(rng, 10 + 25 * n, board, side);
        writeSeed(out / "fen", "game" + std::to_string(n) + ".fen", writeFen(board, side));
    }
}

void uciSeeds(const fs::path& out) {
    const fs::path dir = out / "uci";
    writeSeed(dir, "handshake.txt", "uci\nisready\nsetoption name OwnBook value false\nucinewgame\nisready\n");
    writeSeed(dir, "depth.txt", "position startpos moves h2e2 h9g7\ngo depth 2\nd\n");
    writeSeed(dir, "clock.txt", "position startpos\ngo wtime 30 btime 30 winc 1 binc 1 movestogo 5\nisready\n");
    writeSeed(dir, "stop.txt", "position startpos moves b2e2\ngo infinite\nstop\ngo movetime 10\nposition startpos\nstop\n");
    writeSeed(dir, "fen.txt", std::string("position fen ") + START_FEN + " moves h0g2 h9g7 b0c2\ngo depth 1\n");
    writeSeed(dir, "perft.txt", "position startpos\ngo perft 2\nbench 1\nquit\n");
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Books: the first records of the carried book as a resource (first byte
// 0) and as inflated records (first byte 1), and a made-up book.
void bookSeeds(const fs::path& out, const std::string& resourcePath) {
    const fs::path dir = out / "book";
    std::vector<std::uint8_t> inflated;
    const std::vector<std::uint8_t> resource = readBytes(resourcePath);
    if (resource.size() > 4) {
        uLongf length = resource[0] | resource[1] << 8 | resource[2] << 16 | static_cast<uLongf>(resource[3]) << 24;
        inflated.resize(length);
        if (uncompress(inflated.data(), &length, resource.data() + 4, resource.size() - 4) != Z_OK) inflated.clear();
        inflated.resize(std::min<std::size_t>(length, 600));
    }
    if (inflated.empty()) {
        inflated = encodeBookRecords({{0x12345678u, 0x9abcdef0u, {{0x07010704u, 3}, {0x02000200u, 1}}},
                                      {0x1u, 0x2u, {{0x04090407u, 5}}}});
    }
    std::vector<std::uint8_t> records{1};
    records.insert(records.end(), inflated.begin(), inflated.end());
    writeSeed(dir, "records.bin", records);
    std::vector<std::uint8_t> packed{0};
    const std::vector<std::uint8_t> body = packBookResource(inflated);
    packed.insert(packed.end(), body.begin(), body.end());
    writeSeed(dir, "resource.bin", packed);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_fuzz_seeds OUTDIR [BOOK_RESOURCE] [PGN_COLLECTION]\n";
        return 2;
    }
    const fs::path out = argv[1];
    std::mt19937 rng(20261208);
    for (int n = 0; n < 4; ++n) {
        Board90 board;
        Side side;
        gameSeeds(out, "random" + std::to_string(n), randomGame(rng, 3 + 30 * n, board, side));
    }
    gameSeeds(out, "empty", GameDocument{INITIAL_BOARD, SIDE_RED, 0, {}, {}, {}});
    if (argc > 3) masterGameSeeds(out, argv[3]);
    settingsSeeds(out);
    fenSeeds(out, rng);
    pgnSeeds(out, rng);
    xqfSeeds(out);
    pasteSeeds(out);
    uciSeeds(out);
    bookSeeds(out, argc > 2 ? argv[2] : "");
    return 0;
}
