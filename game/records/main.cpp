// morlan-records [--txt OUTDIR] [--pgn FILE] FILE...: reads game collections
// (PGN, plain or gzip, in Chinese, WXF or coordinate notation), XQF records
// (.xqf, one game each) and text records (.txt) with the game's notation
// and rules and tells which games do not read whole: one line per such game
// (its source tag or its place in the file, the ply and the move as
// written), then "N games, M read whole". With --txt every game read whole
// that starts from the standard position is also written to OUTDIR as a
// text record, read back at once and compared, so that the round trip is
// checked too. With --pgn every game read whole is written into one PGN
// collection as the program saves a game, which is then read back and
// compared move by move.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "game/file_access.h"
#include "game/game_file.h"
#include "game/gbk.h"
#include "game/pgn_collection.h"
#include "game/pgn_moves.h"
#include "game/pgn_reader.h"
#include "game/pgn_writer.h"
#include "game/record_format.h"
#include "game/text_move_judge.h"
#include "game/xqf_file.h"

namespace {

struct Run {
    long games = 0;
    long whole = 0;
    std::string txtDir;   // empty: no text records are written
    long notWritten = 0;  // games read whole but not from the standard position
    std::string pgnPath;  // empty: no collection is written
    std::string pgnText;  // the collection written so far
    std::vector<std::vector<PackedMove>> pgnMoves;  // each written game's moves, to compare
};

// Adds a game read whole to the collection that --pgn writes.
void collectPgn(const GameDocument& doc, Run& run) {
    if (run.pgnPath.empty()) return;
    run.pgnText += encodePgn(doc);
    std::vector<PackedMove>& moves = run.pgnMoves.emplace_back();
    for (const DocumentMove& m : doc.moves) moves.push_back(m.move);
}

std::string consoleText(const std::string& text, bool utf8) {
    return utf8 ? text : gbkToUtf8Lossy(text);
}

std::string gameLabel(const std::string& path, const PgnGame& game) {
    const std::string source = game.tag("Source");
    if (!source.empty()) return gbkToUtf8Lossy(source);
    return path + " game " + std::to_string(game.index);
}

// Writes the game as a text record and reads it back; false when it does not come back the same.
bool writeTxtRecord(const std::vector<PackedMove>& moves, Run& run) {
    GameDocument doc;
    doc.startBoard = INITIAL_BOARD;
    doc.startSide = SIDE_RED;
    doc.currentPly = static_cast<std::int16_t>(moves.size());
    for (PackedMove m : moves) doc.moves.push_back({m, {}});
    char name[32];
    std::snprintf(name, sizeof name, "%06ld.txt", run.games);
    const std::string path = (std::filesystem::path(run.txtDir) / name).string();
    GameFile& file = GameFile::instance();
    file.setDocument(doc);
    if (!file.save(path)) {
        std::printf("%s: cannot be written\n", path.c_str());
        return false;
    }
    if (file.load(path) != 0 || file.document().moves != doc.moves) {
        std::printf("%s: does not read back the same\n", path.c_str());
        return false;
    }
    return true;
}

void checkGame(const std::string& path, const PgnGame& game, bool utf8, Run& run) {
    ++run.games;
    const std::string label = gameLabel(path, game);
    if (!game.error.empty()) {
        std::printf("%s: %s\n", label.c_str(), game.error.c_str());
        return;
    }
    std::vector<PackedMove> moves;
    const std::size_t read = judgePgnMoves(game, moves);
    if (read < game.moveTexts.size()) {
        std::printf("%s: ply %zu: %s\n", label.c_str(), read + 1,
                    consoleText(game.writtenTexts[read], utf8).c_str());
        return;
    }
    ++run.whole;
    collectPgn(pgnGameDocument(game, moves), run);
    if (run.txtDir.empty()) return;
    // A text record is read from the standard position, so only such games can be written.
    if (game.startBoard != INITIAL_BOARD || game.startSide != SIDE_RED) ++run.notWritten;
    else writeTxtRecord(moves, run);
}

bool checkCollection(const std::string& path, Run& run) {
    PgnReader reader;
    if (!reader.open(path)) {
        std::fprintf(stderr, "morlan-records: %s: %s\n", path.c_str(), reader.error().c_str());
        return false;
    }
    PgnGame game;
    while (reader.next(game)) checkGame(path, game, reader.isUtf8(), run);
    if (!reader.error().empty()) {
        std::fprintf(stderr, "morlan-records: %s: %s\n", path.c_str(), reader.error().c_str());
        return false;
    }
    return true;
}

// Where a text record stops reading, for the report: its ply and token.
void reportTxtFailure(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::string text;
    if (f) {
        char chunk[4096];
        std::size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) text.append(chunk, n);
        std::fclose(f);
    }
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> moveTexts;
    for (const std::string& token : GameFile::splitTokens(text, " .:\t\r\n"))
        if (std::atoi(token.c_str()) < 1) moveTexts.push_back(token);
    std::vector<PackedMove> moves;
    const std::size_t read = judgeTextMoves(INITIAL_BOARD, SIDE_RED, moveTexts, moves);
    if (read < moveTexts.size())
        std::printf("%s: ply %zu: %s\n", path.c_str(), read + 1, gbkToUtf8Lossy(moveTexts[read]).c_str());
    else
        std::printf("%s: not a readable text record\n", path.c_str());
}

bool checkTxtRecord(const std::string& path, Run& run) {
    const int r = GameFile::instance().load(path);
    if (r == 1) {
        std::fprintf(stderr, "morlan-records: %s: cannot open\n", path.c_str());
        return false;
    }
    ++run.games;
    if (r == 0) ++run.whole;
    else reportTxtFailure(path);
    return true;
}

bool checkXqf(const std::string& path, Run& run) {
    GameDocument doc;
    std::string message;
    const int r = importXqf(path, doc, message);
    if (r == 1) {
        std::fprintf(stderr, "morlan-records: %s: cannot open\n", path.c_str());
        return false;
    }
    ++run.games;
    if (r != 0) {
        std::printf("%s: %s\n", path.c_str(), gbkToUtf8Lossy(message).c_str());
        return true;
    }
    ++run.whole;
    collectPgn(doc, run);
    return true;
}

// Writes the --pgn collection and reads it back: every game must come back
// whole with the same moves. False when it cannot be written or does not.
bool writeCollection(const Run& run) {
    const std::string& text = run.pgnText;
    if (!replaceFile(run.pgnPath, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))) {
        std::fprintf(stderr, "morlan-records: %s: cannot be written\n", run.pgnPath.c_str());
        return false;
    }
    PgnReader reader;
    if (!reader.open(run.pgnPath)) return false;
    std::size_t same = 0, count = 0;
    PgnGame game;
    while (reader.next(game)) {
        std::vector<PackedMove> moves;
        const bool whole = game.error.empty() && judgePgnMoves(game, moves) == game.gbkTexts.size();
        if (whole && count < run.pgnMoves.size() && moves == run.pgnMoves[count]) ++same;
        else std::printf("%s game %zu: does not read back the same\n", run.pgnPath.c_str(), count + 1);
        ++count;
    }
    std::printf("%s: %zu games written, %zu read back the same\n", run.pgnPath.c_str(), run.pgnMoves.size(), same);
    return count == run.pgnMoves.size() && same == count;
}

int usage() {
    std::fprintf(stderr, "usage: morlan-records [--txt OUTDIR] [--pgn FILE] FILE...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    Run run;
    int first = 1;
    while (first + 1 < argc && (std::string(argv[first]) == "--txt" || std::string(argv[first]) == "--pgn")) {
        (std::string(argv[first]) == "--txt" ? run.txtDir : run.pgnPath) = argv[first + 1];
        first += 2;
    }
    if (!run.txtDir.empty()) {
        std::error_code error;
        std::filesystem::create_directories(run.txtDir, error);
        if (!std::filesystem::is_directory(run.txtDir)) {
            std::fprintf(stderr, "morlan-records: %s: not a folder\n", run.txtDir.c_str());
            return 2;
        }
    }
    if (first >= argc || std::string(argv[first]) == "--txt" || std::string(argv[first]) == "--pgn") return usage();
    bool allRead = true;
    for (int i = first; i < argc; ++i) {
        const std::string path = argv[i];
        const RecordFormat format = recordFormatOf(path);
        const bool read = format == RecordFormat::Txt   ? checkTxtRecord(path, run)
                          : format == RecordFormat::Xqf ? checkXqf(path, run)
                                                        : checkCollection(path, run);
        allRead = read && allRead;
    }
    if (!run.pgnPath.empty()) allRead = writeCollection(run) && allRead;
    if (run.notWritten > 0)
        std::fprintf(stderr, "morlan-records: %ld games read whole start from another position; "
                             "no text record was written for them\n", run.notWritten);
    std::printf("%ld games, %ld read whole\n", run.games, run.whole);
    return allRead ? 0 : 1;
}
