// morlan-engine: the engine behind a line protocol on standard input.
// The loop waits at most one poll interval for a line, so a running search
// is served (time rule, its answer) and stop, isready and quit are
// answered at once.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "engine/book.h"
#include "engine/service.h"
#include "engine/uci/line_input.h"
#include "engine/uci/uci_session.h"
#include "resources/resources.h"

namespace {

constexpr char HELP_TEXT[] =
    "usage: morlan-engine [--help | --version]\n"
    "\n"
    "The Morlan Xiangqi engine as a protocol program: it reads commands on\n"
    "standard input and answers on standard output, as Xiangqi programs speak\n"
    "to engines (uci, isready, ucinewgame, setoption name OwnBook value\n"
    "true|false, position startpos|fen FEN [moves ...], go depth|movetime|\n"
    "infinite|wtime ..., go perft N, stop, bench [depth], d, quit).\n"
    "Moves and FEN use the common coordinates: files a..i from Red's left,\n"
    "rank 0 on Red's back rank.\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        const bool help = std::strcmp(argv[1], "--help") == 0;
        if (help || std::strcmp(argv[1], "--version") == 0) {
            if (help) std::fputs(HELP_TEXT, stdout);
            else std::printf("morlan-engine %s\n", MORLAN_VERSION);
            return 0;
        }
        std::fprintf(stderr, "morlan-engine: unknown option %s\n%s", argv[1], HELP_TEXT);
        return 2;
    }
    std::ios::sync_with_stdio(false);
    // The opening book carried in the program (used while OwnBook is on).
    const std::span<const std::uint8_t> book = findResource("DAT", 124);
    if (!book.empty()) openingBook().loadBook(book.data(), book.size());
    UciSession session(std::cout);
    LineInput input(STDIN_FILENO);
    std::string line;
    for (;;) {
        const LineInput::Result got = input.next(line, SERVICE_POLL_MS);
        if (got == LineInput::END) {
            session.endOfInput();
            break;
        }
        if (got == LineInput::LINE && !session.handle(line)) break;
        session.poll();
    }
    return 0;
}
