// morlan-review [--engine PATH] [--movetime MS | --depth D] [--game N]
//               [--red | --black] [--out FILE.sav|FILE.pgn] FILE
// analyses every position of a game (.sav, .txt, or game N of a .pgn
// collection) and prints one line per ply: the move in Chinese and in
// coordinates, the score after it from Red's side, the engine's better
// move, the loss and the mark; then each side's mistakes and average loss.
// --out writes the game with the review's lines in the move comments; a
// .pgn also gets each better move as a variation beside its mistake.
// Exit status 0, 1 for bad arguments or input, 2 when the engine failed.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "engine/book.h"
#include "engine/fen.h"
#include "game/game_file.h"
#include "game/gbk.h"
#include "game/notation.h"
#include "game/review_comment.h"
#include "resources/resources.h"
#include "review/builtin_review_engine.h"
#include "review/cli/review_input.h"
#include "review/game_review.h"

#ifdef MORLAN_OUTSIDE_ENGINES
#include <QCoreApplication>

#include "review/outside/outside_review_engine.h"
#endif

namespace {

constexpr int BOOK_RESOURCE = 124;

struct Arguments {
    std::string file;
    std::string enginePath;
    std::string out;
    ReviewOptions options;
    int game = 1;
};

constexpr char USAGE[] =
    "usage: morlan-review [--engine PATH] [--movetime MS | --depth D] [--game N]\n"
    "                     [--red | --black] [--out FILE.sav|FILE.pgn] FILE\n"
    "       morlan-review --help | --version\n";

constexpr char HELP[] =
    "\n"
    "Reviews a game (.sav, .txt, .xqf, or game N of a .pgn collection): every\n"
    "position is analysed and each move is printed with its score from Red's\n"
    "side, the engine's better move, the loss and the mark; then a summary\n"
    "for each side.\n"
    "\n"
    "  --engine PATH    analyse with an outside engine (UCI or UCCI) instead\n"
    "                   of the built-in one\n"
    "  --movetime MS    time for each position\n"
    "  --depth D        depth for each position instead of a time\n"
    "  --game N         the game of a collection (1 for the first)\n"
    "  --red, --black   judge only that side's moves\n"
    "  --out FILE       write the game with the review in its comments\n"
    "\n"
    "Exit status: 0, 1 for bad arguments or a game that cannot be read or\n"
    "written, 2 when the engine failed.\n";

void usage() { std::fputs(USAGE, stderr); }

bool parseArguments(int argc, char** argv, Arguments& a) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--engine" && hasValue) a.enginePath = argv[++i];
        else if (arg == "--movetime" && hasValue) a.options.limit = {std::atoi(argv[++i]), 0};
        else if (arg == "--depth" && hasValue) a.options.limit.depth = std::atoi(argv[++i]);
        else if (arg == "--game" && hasValue) a.game = std::atoi(argv[++i]);
        else if (arg == "--out" && hasValue) a.out = argv[++i];
        else if (arg == "--red") a.options.judgeBlack = false;
        else if (arg == "--black") a.options.judgeRed = false;
        else if (!arg.empty() && arg[0] != '-' && a.file.empty()) a.file = arg;
        else return false;
    }
    const ReviewLimit& l = a.options.limit;
    return !a.file.empty() && a.game >= 1 && (l.byDepth() ? l.depth <= REVIEW_MAX_DEPTH : l.depth == 0) &&
           (l.byDepth() || (l.moveTimeMs >= REVIEW_MIN_TIME_MS && l.moveTimeMs <= REVIEW_MAX_TIME_MS));
}

std::string moveTexts(const Board90& board, PackedMove m) {
    if (m == 0) return "-";
    return gbkToUtf8Lossy(formatMove(board, m)) + " " + writeCoordinateMove(m);
}

// Pads UTF-8 text to a width in columns, a Chinese character taking two.
std::string padded(const std::string& text, int width) {
    int columns = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) columns += c >= 0xE0 ? 2 : 1;
    }
    return text + std::string(static_cast<std::size_t>(std::max(0, width - columns)), ' ');
}

void printPly(const GameReview& r, int ply) {
    const std::string score = r.ply(ply).scored ? scoreText(r.redScore(ply)) : "?";
    if (ply == 0) {
        std::printf("%4d  %s %7s  %s\n", 0, padded(gbkToUtf8Lossy(GBK_REVIEW_START_POSITION), 18).c_str(), score.c_str(),
                    moveTexts(r.boardAt(0), r.ply(0).bestMove).c_str());
        return;
    }
    const int i = ply - 1;
    const MoveAssessment& m = r.move(i);
    const PackedMove best = r.ply(i).bestMove;
    const std::string bestText = best == r.movePlayed(i) ? "=" : moveTexts(r.boardAt(i), best);
    const std::string mark = gbkToUtf8Lossy(std::string(markName(m.verdict.mark)));
    char loss[16] = "-";
    if (m.judged) std::snprintf(loss, sizeof loss, "%d", m.verdict.loss);
    std::printf("%4d  %s %7s  %s %5s  %s\n", ply, padded(moveTexts(r.boardAt(i), r.movePlayed(i)), 18).c_str(),
                score.c_str(), padded(bestText, 18).c_str(), loss, mark.c_str());
}

void printSummary(const GameReview& r) {
    for (const Side side : {SIDE_RED, SIDE_BLACK}) {
        const SideSummary s = r.summary(side);
        auto name = [](ReviewMark m) { return std::string(markName(m)); };
        char line[256];
        std::snprintf(line, sizeof line, GBK_REVIEW_SIDE_SUMMARY, side == SIDE_RED ? GBK_RED_SIDE : GBK_BLACK_SIDE,
                      s.judged, s.mistakes(), name(MARK_INACCURACY).c_str(), s.marks[MARK_INACCURACY],
                      name(MARK_MISTAKE).c_str(), s.marks[MARK_MISTAKE], name(MARK_BLUNDER).c_str(),
                      s.marks[MARK_BLUNDER], name(MARK_BOOK).c_str(), s.marks[MARK_BOOK], s.averageLoss());
        std::printf("%s\n", gbkToUtf8Lossy(line).c_str());
    }
}

void showProgress(const GameReview& r) {
    std::fprintf(stderr, "\r%d/%d positions, about %ld s left   ", r.analysed(), r.positions(),
                 (r.estimatedMsLeft() + 999) / 1000);
}

// The nodes of the document's line in its tree, made from the line when the
// record had none; empty when the tree is full.
std::vector<int> lineInTree(GameDocument& doc) {
    std::vector<int> line;
    int node = MoveTree::ROOT;
    for (const DocumentMove& m : doc.moves) {
        node = doc.tree.addMove(node, m.move);
        if (node == MoveTree::NONE) return {};
        line.push_back(node);
    }
    return line;
}

// A PGN record keeps the tree: the comments go on its moves, and each better
// move beside its mistake with its score (an earlier review's score goes
// from the other alternatives).
void writeReviewIntoTree(GameDocument& doc, const GameReview& r) {
    const std::vector<int> line = lineInTree(doc);
    if (line.empty()) return;
    MoveTree& tree = doc.tree;
    for (std::size_t i = 0; i < line.size() && i < static_cast<std::size_t>(r.moves()); ++i) {
        tree.setComment(line[i], doc.moves[i].comment);
        if (!r.move(static_cast<int>(i)).assessed) continue;
        const int parent = tree.parent(line[i]);
        const PackedMove best = r.betterMove(static_cast<int>(i));
        const int better = best ? tree.addMove(parent, best) : MoveTree::NONE;
        for (int c = tree.firstChild(parent); c != MoveTree::NONE; c = tree.nextSibling(c)) {
            if (c == line[i]) continue;
            const std::string score = c == better ? reviewScoreLine(r.ply(static_cast<int>(i)).score) : std::string();
            tree.setComment(c, withReviewLine(tree.comment(c), score));
        }
    }
}

bool writeOutput(const std::string& path, GameDocument doc, const GameReview& r) {
    for (int i = 0; i < r.moves() && i < static_cast<int>(doc.moves.size()); ++i) {
        if (r.move(i).assessed) doc.moves[static_cast<std::size_t>(i)].comment =
                                    withReviewLine(doc.moves[static_cast<std::size_t>(i)].comment, r.commentLine(i));
    }
    if (path.ends_with(".pgn")) writeReviewIntoTree(doc, r);
    GameFile& file = GameFile::instance();
    file.setDocument(doc);
    return file.save(path);
}

std::unique_ptr<ReviewEngine> makeEngine(const Arguments& a, [[maybe_unused]] std::string& error) {
    if (a.enginePath.empty()) return std::make_unique<BuiltinReviewEngine>();
#ifdef MORLAN_OUTSIDE_ENGINES
    EngineEntry entry;
    entry.path = QString::fromLocal8Bit(a.enginePath.c_str());
    return std::make_unique<OutsideReviewEngine>(entry);
#else
    error = "outside engines are not supported by this build";
    return nullptr;
#endif
}

// The engine's poll and, for an outside engine, the event loop that
// carries its lines.
void serve(GameReview& review) {
    while (review.running()) {
#ifdef MORLAN_OUTSIDE_ENGINES
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
#endif
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        review.poll();
    }
}

}  // namespace

int main(int argc, char** argv) {
#ifdef MORLAN_OUTSIDE_ENGINES
    QCoreApplication app(argc, argv);
#endif
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::printf("%s%s", USAGE, HELP);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("morlan-review %s\n", MORLAN_VERSION);
        return 0;
    }
    Arguments args;
    if (!parseArguments(argc, argv, args)) {
        usage();
        return 1;
    }
    if (!args.out.empty() && !args.out.ends_with(".sav") && !args.out.ends_with(".pgn")) {
        std::fprintf(stderr, "morlan-review: --out writes .sav game files or .pgn records\n");
        return 1;
    }
    const std::span<const std::uint8_t> book = findResource("DAT", BOOK_RESOURCE);
    if (!book.empty()) openingBook().loadBook(book.data(), book.size());
    GameDocument doc;
    std::string error;
    if (!readReviewInput(args.file, args.game, doc, error)) {
        std::fprintf(stderr, "morlan-review: %s\n", error.c_str());
        return 1;
    }
    std::unique_ptr<ReviewEngine> engine = makeEngine(args, error);
    if (!engine) {
        std::fprintf(stderr, "morlan-review: %s\n", error.c_str());
        return 1;
    }
    GameReview review(*engine);
    const bool progress = isatty(STDERR_FILENO) != 0;
    if (progress) review.onProgress = [&review] { showProgress(review); };
    std::vector<PackedMove> moves;
    for (const DocumentMove& m : doc.moves) moves.push_back(m.move);
    if (!review.start(doc.startBoard, doc.startSide, moves, args.options) && !review.error().empty()) {
        std::fprintf(stderr, "morlan-review: %s\n", review.error().c_str());
        return 1;
    }
    serve(review);
    if (progress) std::fprintf(stderr, "\n");
    if (!review.error().empty()) {
        std::fprintf(stderr, "morlan-review: %s\n", review.error().c_str());
        return 2;
    }
    std::printf("%4s  %s %7s  %s %5s  %s\n", "ply", padded("move", 18).c_str(), "score", padded("best", 18).c_str(),
                "loss", "mark");
    for (int p = 0; p < review.positions(); ++p) printPly(review, p);
    printSummary(review);
    if (!args.out.empty() && !writeOutput(args.out, doc, review)) {
        std::fprintf(stderr, "morlan-review: cannot write %s\n", args.out.c_str());
        return 1;
    }
    return 0;
}
