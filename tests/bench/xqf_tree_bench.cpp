// Prints how long opening a large XQF tree takes and what it holds in
// memory: xqf_tree_bench FILE (make one with morlan-make-xqf-library). Also
// the time to write the tree as XQF and as PGN and to read the PGN back.
#include <malloc.h>

#include <ctime>
#include <cstdio>
#include <string>

#include "game/file_access.h"
#include "game/pgn_collection.h"
#include "game/pgn_writer.h"
#include "game/xqf_file.h"
#include "game/xqf_writer.h"

namespace {

// Processor time, so that a busy machine does not count against the reader.
double millisecondsOf(auto&& f) {
    const std::clock_t start = std::clock();
    f();
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

std::size_t heapInUse() { return mallinfo2().uordblks; }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: xqf_tree_bench FILE.xqf\n");
        return 2;
    }
    const std::string path = argv[1];
    double best = 1e9;
    std::size_t held = 0;
    for (int run = 0; run < 5; ++run) {
        const std::size_t before = heapInUse();
        GameDocument doc;
        std::string message;
        const double ms = millisecondsOf([&] {
            if (importXqf(path, doc, message) != 0) std::printf("refused\n");
        });
        best = std::min(best, ms);
        held = heapInUse() - before;
    }
    GameDocument doc;
    std::string message;
    importXqf(path, doc, message);
    std::printf("%s: %d moves, %zu main-line plies; open %.1f ms processor time (best of 5), %.1f MB held\n", path.c_str(),
                doc.tree.moveCount(), doc.moves.size(), best, static_cast<double>(held) / (1 << 20));
    std::vector<std::uint8_t> bytes;
    const double xqfMs = millisecondsOf([&] { encodeXqf(doc, bytes); });
    std::printf("write XQF %.1f ms (%zu bytes)\n", xqfMs, bytes.size());
    std::string pgn;
    const double pgnMs = millisecondsOf([&] { pgn = encodePgn(doc); });
    std::printf("write PGN %.1f ms (%zu bytes)\n", pgnMs, pgn.size());
    GameDocument back;
    const double readMs = millisecondsOf([&] { importPgnText(pgn, 1, back, message); });
    std::printf("read PGN %.1f ms, same tree: %s\n", readMs, back.tree == doc.tree ? "yes" : "no");
    return 0;
}
