// Prints how long a 300-game PGN collection takes to list (what the game
// chooser waits for) and to open one of its games, the last included.
//   pgn_collection_bench [COLLECTION]
// Without an argument the collection is 300 random games of 120 plies with
// comments, written by the program's PGN writer; with one, its games are
// listed as they are.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/engine.h"
#include "engine/perft.h"
#include "game/pgn_collection.h"
#include "game/pgn_writer.h"

namespace {

GameDocument randomGame(std::mt19937& rng, int plies) {
    GameDocument doc;
    doc.startBoard = INITIAL_BOARD;
    doc.startSide = SIDE_RED;
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_RED;
    Engine& engine = plainEngine();
    while (static_cast<int>(doc.moves.size()) < plies) {
        engine.setPosition(board, side);
        const std::vector<PackedMove> legal = legalMoves(engine);
        if (legal.empty()) break;
        const PackedMove m = legal[rng() % legal.size()];
        const GridPoint from = moveFrom(m), to = moveTo(m);
        board[boardIndex(to.file, to.rank)] = board[boardIndex(from.file, from.rank)];
        board[boardIndex(from.file, from.rank)] = NO_PIECE;
        side ^= 1;
        doc.moves.push_back({m, doc.moves.size() % 10 == 0 ? "a comment" : ""});
    }
    doc.info.redPlayer = "red";
    doc.info.blackPlayer = "black";
    return doc;
}

template <typename F>
double milliseconds(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    std::string path;
    std::filesystem::path made;
    if (argc > 1) {
        path = argv[1];
    } else {
        made = std::filesystem::temp_directory_path() / ("morlan-bench-" + std::to_string(::getpid()) + ".pgn");
        std::mt19937 rng(300);
        std::ofstream out(made, std::ios::binary);
        for (int i = 0; i < 300; ++i) out << encodePgn(randomGame(rng, 120));
        path = made.string();
    }
    std::vector<PgnGameSummary> games;
    std::string error;
    const double list = milliseconds([&] { listPgnGames(path, games, error); });
    std::printf("%s: %zu games (%ju bytes)\n", path.c_str(), games.size(),
                static_cast<std::uintmax_t>(std::filesystem::file_size(path)));
    std::printf("listing (time to the chooser): %.1f ms\n", list);
    for (int index : {1, static_cast<int>(games.size() / 2), static_cast<int>(games.size())}) {
        if (index < 1) continue;
        GameDocument doc;
        std::string message;
        int result = -1;
        const double open = milliseconds([&] { result = importPgnGame(path, index, doc, message); });
        std::printf("opening game %d: %.1f ms (%s, %zu plies)\n", index, open, result == 0 ? "read" : "refused",
                    doc.moves.size());
    }
    if (!made.empty()) std::filesystem::remove(made);
    return 0;
}
