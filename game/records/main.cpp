// morlan-records [--txt OUTDIR] [--pgn FILE] [--xqf OUTDIR] [--notation
// chinese|wxf|iccs] FILE...: reads
// game collections (PGN, plain or gzip, in Chinese, WXF or coordinate
// notation), XQF records (.xqf, one game each) and text records (.txt) with
// the game's notation and rules and tells which games do not read whole:
// one line per such game (its source tag or its place in the file, the ply
// and the move as written). For each PGN or XQF game read whole it prints
// "N plies, M moves in all, V variations" (main line, the whole tree, the
// moves that are not their parent's main continuation), with the branches
// cut at a move the rules refuse when there are any; then "N games, M read
// whole". With --txt every game read whole that starts from the standard
// position is also written to OUTDIR as a text record, read back at once
// and compared, so that the round trip is checked too. With --pgn every
// game read whole is written with its tree into one PGN collection as the
// program saves a game, which is then read back and compared move by move,
// tree and comments included. With --xqf each is written to OUTDIR as an
// XQF record, read back and compared the same way. With --notation each
// game read whole prints its main line in that notation instead of the
// counts: "label: 1. C2=5 H8+7 2. ...". Exit status 0 when every game
// read whole, 1 when any file or game was refused or a written record did
// not read back, 2 for a usage error.
//
// morlan-records --rulings FILE replays each game of FILE with the
// repetition rulings on and prints where the rules end it (rulings.h).
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "game/file_access.h"
#include "game/game_file.h"
#include "game/gbk.h"
#include "game/move_notation.h"
#include "game/pgn_collection.h"
#include "game/pgn_moves.h"
#include "game/pgn_reader.h"
#include "game/pgn_writer.h"
#include "game/record_format.h"
#include "game/refused_move_text.h"
#include "game/text_move_judge.h"
#include "game/xqf_file.h"
#include "game/xqf_writer.h"
#include "game/records/rulings.h"

namespace {

struct Run {
    long games = 0;
    long whole = 0;
    std::string txtDir;   // empty: no text records are written
    long notWritten = 0;  // games read whole but not from the standard position
    std::string pgnPath;  // empty: no collection is written
    std::string pgnText;  // the collection written so far
    std::vector<std::vector<PackedMove>> pgnMoves;  // each written game's moves, to compare
    std::vector<MoveTree> pgnTrees;                 // and its tree
    std::string xqfDir;   // empty: no XQF records are written
    long xqfWritten = 0, xqfSame = 0;
    bool printMoves = false;  // --notation: the moves instead of the counts
    MoveNotation notation = MoveNotation::Chinese;
};

// Plays m on the board without judging it: the moves printed were judged when read.
void playOn(Board90& board, PackedMove m) {
    const GridPoint from = moveFrom(m), to = moveTo(m);
    board[boardIndex(to.file, to.rank)] = board[boardIndex(from.file, from.rank)];
    board[boardIndex(from.file, from.rank)] = NO_PIECE;
}

// "label: 1. C2=5 H8+7 2. ..." for a game read whole; a game Black starts opens with "1. ...".
void printMoves(const std::string& label, const GameDocument& doc, const Run& run) {
    std::string line = label + ":";
    Board90 board = doc.startBoard;
    const int first = doc.startSide == SIDE_RED ? 0 : 1;
    if (first == 1 && !doc.moves.empty()) line += " 1. ...";
    for (std::size_t i = 0; i < doc.moves.size(); ++i) {
        const std::size_t ply = i + static_cast<std::size_t>(first);
        if (ply % 2 == 0) line += " " + std::to_string(ply / 2 + 1) + ".";
        line += " " + gbkToUtf8Lossy(formatMoveAs(run.notation, board, doc.moves[i].move));
        playOn(board, doc.moves[i].move);
    }
    std::printf("%s\n", line.c_str());
}

// PGN keeps a comment without the space and line ends around it: the tree
// as it reads back.
MoveTree trimmedComments(const MoveTree& tree) {
    MoveTree out = tree;
    tree.walk(
        [&](int n) {
            const std::string& c = tree.comment(n);
            const std::size_t first = c.find_first_not_of(" \t\r\n");
            const std::size_t last = c.find_last_not_of(" \t\r\n");
            out.setComment(n, first == std::string::npos ? std::string() : c.substr(first, last - first + 1));
            return true;
        },
        [](int) {});
    return out;
}

// Adds a game read whole to the collection that --pgn writes.
void collectPgn(const GameDocument& doc, Run& run) {
    if (run.pgnPath.empty()) return;
    run.pgnText += encodePgn(doc);
    std::vector<PackedMove>& moves = run.pgnMoves.emplace_back();
    for (const DocumentMove& m : doc.moves) moves.push_back(m.move);
    run.pgnTrees.push_back(trimmedComments(doc.tree));
}

// Writes the game as an XQF record and reads it back; false when it does not come back the same.
bool writeXqfRecord(const GameDocument& doc, Run& run) {
    if (run.xqfDir.empty()) return true;
    char name[32];
    std::snprintf(name, sizeof name, "%06ld.xqf", ++run.xqfWritten);
    const std::string path = (std::filesystem::path(run.xqfDir) / name).string();
    if (!writeXqf(path, doc)) {
        std::printf("%s: cannot be written\n", path.c_str());
        return false;
    }
    GameDocument back;
    std::string message;
    if (importXqf(path, back, message) != 0 || back.moves != doc.moves || back.tree != doc.tree ||
        back.startBoard != doc.startBoard) {
        std::printf("%s: does not read back the same\n", path.c_str());
        return false;
    }
    ++run.xqfSame;
    return true;
}

// "N plies, M moves in all, V variations" for a game read whole.
void printTree(const std::string& label, const GameDocument& doc, int cutBranches, int cutMoves) {
    std::printf("%s: %zu plies, %d moves in all, %d variations", label.c_str(), doc.moves.size(),
                doc.tree.moveCount(), doc.tree.variationCount());
    if (cutBranches > 0) std::printf(", %d branches cut (%d moves)", cutBranches, cutMoves);
    std::printf("\n");
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
        std::printf("%s: %s\n", label.c_str(), gbkToUtf8Lossy(game.error).c_str());
        return;
    }
    std::vector<PackedMove> moves;
    const std::size_t read = judgePgnMoves(game, moves);
    if (read < game.moveTexts.size()) {
        const std::string& written = game.writtenTexts[read];
        const std::string shown = readsAsText(written, game.gbkTexts[read]) ? consoleText(written, utf8)
                                                                              : "bytes " + hexBytes(written);
        std::printf("%s: ply %zu: %s\n", label.c_str(), read + 1, shown.c_str());
        return;
    }
    ++run.whole;
    const GameDocument doc = pgnGameDocument(game, moves);
    const int kept = doc.tree.moveCount();
    const int cut = static_cast<int>(game.treeMoves.size()) - kept;
    if (run.printMoves) printMoves(label, doc, run);
    else printTree(label, doc, cut > 0 ? judgePgnTree(game).cutBranches : 0, cut);
    collectPgn(doc, run);
    writeXqfRecord(doc, run);
    if (run.txtDir.empty()) return;
    // A text record is read from the standard position, so only such games can be written.
    if (game.startBoard != INITIAL_BOARD || game.startSide != SIDE_RED) ++run.notWritten;
    else writeTxtRecord(moves, run);
}

bool checkCollection(const std::string& path, Run& run) {
    PgnReader reader;
    if (!reader.open(path)) {
        std::fprintf(stderr, "morlan-records: %s: %s\n", path.c_str(), gbkToUtf8Lossy(reader.error()).c_str());
        return false;
    }
    PgnGame game;
    while (reader.next(game)) checkGame(path, game, reader.isUtf8(), run);
    if (!reader.error().empty()) {
        std::fprintf(stderr, "morlan-records: %s: %s\n", path.c_str(), gbkToUtf8Lossy(reader.error()).c_str());
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
    if (r != 0) {
        reportTxtFailure(path);
        return true;
    }
    ++run.whole;
    if (run.printMoves) printMoves(path, GameFile::instance().document(), run);
    return true;
}

bool checkXqf(const std::string& path, Run& run) {
    GameDocument doc;
    std::string message;
    XqfSummary summary;
    const int r = importXqf(path, doc, message, &summary);
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
    if (run.printMoves) printMoves(path, doc, run);
    else printTree(path, doc, summary.cutBranches, summary.treeMoves - summary.keptMoves);
    collectPgn(doc, run);
    writeXqfRecord(doc, run);
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
        if (whole && count < run.pgnMoves.size() && moves == run.pgnMoves[count] &&
            pgnGameDocument(game, moves).tree == run.pgnTrees[count])
            ++same;
        else std::printf("%s game %zu: does not read back the same\n", run.pgnPath.c_str(), count + 1);
        ++count;
    }
    std::printf("%s: %zu games written, %zu read back the same\n", run.pgnPath.c_str(), run.pgnMoves.size(), same);
    return count == run.pgnMoves.size() && same == count;
}

constexpr char USAGE[] = "usage: morlan-records [--txt OUTDIR] [--pgn FILE] [--xqf OUTDIR] "
                        "[--notation chinese|wxf|iccs] FILE...\n"
                        "       morlan-records --rulings FILE\n"
                        "       morlan-records --help | --version\n";

constexpr char HELP[] =
    "\n"
    "Reads game collections (PGN, plain or gzip), XQF records and text records\n"
    "with the game's rules and prints one line for each game that does not\n"
    "read whole, then how many games read whole.\n"
    "\n"
    "  --txt OUTDIR  also write each game from the standard position as a\n"
    "                text record and check that it reads back\n"
    "  --pgn FILE    also write every game read whole into one PGN collection\n"
    "                and check that it reads back\n"
    "  --xqf OUTDIR  also write each game as an XQF record and check it\n"
    "  --notation chinese|wxf|iccs\n"
    "                print each game's moves in that notation instead\n"
    "  --rulings FILE  replay each game under the Asian repetition rulings and\n"
    "                print where the rules end it\n"
    "\n"
    "Exit status: 0 every game read whole, 1 a file or game was refused or a\n"
    "written record did not read back, 2 a usage error.\n";

int usage() {
    std::fputs(USAGE, stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::printf("%s%s", USAGE, HELP);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("morlan-records %s\n", MORLAN_VERSION);
        return 0;
    }
    if (argc >= 2 && std::string(argv[1]) == "--rulings") return argc == 3 ? printRulings(argv[2]) : usage();
    Run run;
    int first = 1;
    auto isOption = [](const std::string& a) {
        return a == "--txt" || a == "--pgn" || a == "--xqf" || a == "--notation";
    };
    while (first + 1 < argc && isOption(argv[first])) {
        const std::string option = argv[first];
        if (option == "--notation") {
            if (!notationFromName(argv[first + 1], run.notation)) {
                std::fprintf(stderr, "morlan-records: %s: not a notation (chinese, wxf or iccs)\n", argv[first + 1]);
                return 2;
            }
            run.printMoves = true;
            first += 2;
            continue;
        }
        (option == "--txt" ? run.txtDir : option == "--pgn" ? run.pgnPath : run.xqfDir) = argv[first + 1];
        first += 2;
    }
    if (first >= argc) return usage();
    for (int i = first; i < argc; ++i)
        if (std::strncmp(argv[i], "--", 2) == 0) return usage();  // an option unknown or without its value
    for (const std::string* dir : {&run.txtDir, &run.xqfDir}) {
        if (dir->empty()) continue;
        std::error_code error;
        std::filesystem::create_directories(*dir, error);
        if (!std::filesystem::is_directory(*dir)) {
            std::fprintf(stderr, "morlan-records: %s: not a folder\n", dir->c_str());
            return 2;
        }
    }
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
    if (!run.xqfDir.empty()) {
        std::printf("%s: %ld XQF records written, %ld read back the same\n", run.xqfDir.c_str(), run.xqfWritten,
                    run.xqfSame);
        allRead = allRead && run.xqfSame == run.xqfWritten;
    }
    if (run.notWritten > 0)
        std::fprintf(stderr, "morlan-records: %ld games read whole start from another position; "
                             "no text record was written for them\n", run.notWritten);
    std::printf("%ld games, %ld read whole\n", run.games, run.whole);
    return allRead && run.whole == run.games ? 0 : 1;
}
