// morlan-records FILE...: reads game collections (PGN, plain or gzip) with
// the game's notation and rules and tells which games do not read whole.
// One line per such game (its source tag or its place in the file, the ply
// and the move as written), then "N games, M read whole".
#include <cstdio>
#include <string>
#include <vector>

#include "game/gbk.h"
#include "game/pgn_reader.h"
#include "game/text_move_judge.h"

namespace {

struct Counts {
    long games = 0;
    long whole = 0;
};

std::string consoleText(const std::string& text, bool utf8) {
    return utf8 ? text : gbkToUtf8Lossy(text);
}

std::string gameLabel(const std::string& path, const PgnGame& game) {
    const std::string source = game.tag("Source");
    if (!source.empty()) return gbkToUtf8Lossy(source);
    return path + " game " + std::to_string(game.index);
}

void checkGame(const std::string& path, const PgnGame& game, bool utf8, Counts& counts) {
    ++counts.games;
    const std::string label = gameLabel(path, game);
    if (!game.error.empty()) {
        std::printf("%s: %s\n", label.c_str(), game.error.c_str());
        return;
    }
    std::vector<PackedMove> moves;
    const std::size_t read = judgeTextMoves(game.startBoard, game.startSide, game.moveTexts, moves);
    if (read == game.moveTexts.size()) {
        ++counts.whole;
        return;
    }
    std::printf("%s: ply %zu: %s\n", label.c_str(), read + 1,
                consoleText(game.writtenTexts[read], utf8).c_str());
}

bool checkCollection(const std::string& path, Counts& counts) {
    PgnReader reader;
    if (!reader.open(path)) {
        std::fprintf(stderr, "morlan-records: %s: %s\n", path.c_str(), reader.error().c_str());
        return false;
    }
    PgnGame game;
    while (reader.next(game)) checkGame(path, game, reader.isUtf8(), counts);
    if (!reader.error().empty()) {
        std::fprintf(stderr, "morlan-records: %s: %s\n", path.c_str(), reader.error().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: morlan-records FILE...\n");
        return 2;
    }
    Counts counts;
    bool allRead = true;
    for (int i = 1; i < argc; ++i) allRead = checkCollection(argv[i], counts) && allRead;
    std::printf("%ld games, %ld read whole\n", counts.games, counts.whole);
    return allRead ? 0 : 1;
}
