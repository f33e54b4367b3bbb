// Prints how long reading and writing game files takes: a long game with
// comments, encoded and decoded (decoding replays and checks every move).
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "engine/perft.h"
#include "engine/engine.h"
#include "game/sav_file.h"
#include "game/txt_record.h"
#include "tests/game/random_moves.h"

namespace {

GameDocument longGame(int plies) {
    std::mt19937 rng(1);
    GameDocument doc;
    doc.startBoard = INITIAL_BOARD;
    doc.startSide = SIDE_RED;
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_RED;
    for (PackedMove m : randomMoves(rng, plies, board, side)) doc.moves.push_back({m, "a comment of some length for this move"});
    doc.currentPly = static_cast<std::int16_t>(doc.moves.size());
    return doc;
}

template <typename F>
double microsecondsPerCall(int calls, F&& f) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) f();
    const std::chrono::duration<double, std::micro> d = std::chrono::steady_clock::now() - start;
    return d.count() / calls;
}

}  // namespace

int main() {
    for (int plies : {100, 400}) {
        const GameDocument doc = longGame(plies);
        std::vector<std::uint8_t> file;
        SavFile::encode(doc, file);
        const std::string text = TxtRecord::encode(doc);
        GameDocument read;
        const double enc = microsecondsPerCall(200, [&] { SavFile::encode(doc, file); });
        const double dec = microsecondsPerCall(200, [&] { SavFile::decode(file, read); });
        const double txtDec = microsecondsPerCall(200, [&] { TxtRecord::decode(text, read); });
        std::printf("%zu plies, %zu-byte .sav: encode %.0f us, decode+check %.0f us; .txt read %.0f us\n",
                    doc.moves.size(), file.size(), enc, dec, txtDec);
    }
    return 0;
}
