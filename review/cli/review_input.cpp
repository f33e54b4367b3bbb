#include "review/cli/review_input.h"

#include <algorithm>
#include <cctype>

#include "game/game_file.h"
#include "game/gbk.h"
#include "game/pgn_reader.h"
#include "game/text_move_judge.h"

namespace {

std::string lowerExtension(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return {};
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

bool readPgnGame(const std::string& path, int number, GameDocument& doc, std::string& error) {
    PgnReader reader;
    if (!reader.open(path)) {
        error = reader.error();
        return false;
    }
    PgnGame game;
    for (int i = 0; i < number; ++i) {
        if (!reader.next(game)) {
            error = reader.error().empty() ? "the collection has no game " + std::to_string(number) : reader.error();
            return false;
        }
    }
    if (!game.error.empty()) {
        error = game.error;
        return false;
    }
    std::vector<PackedMove> moves;
    const std::size_t read = judgeTextMoves(game.startBoard, game.startSide, game.moveTexts, moves);
    if (read < game.moveTexts.size()) {
        error = "move " + std::to_string(read + 1) + " (" + gbkToUtf8Lossy(game.moveTexts[read]) + ") is not legal";
        return false;
    }
    doc = {};
    doc.startBoard = game.startBoard;
    doc.startSide = game.startSide;
    for (PackedMove m : moves) doc.moves.push_back({m, {}});
    doc.currentPly = static_cast<std::int16_t>(moves.size());
    doc.info.redPlayer = game.tag("Red");
    doc.info.blackPlayer = game.tag("Black");
    doc.info.date = game.tag("Date");
    doc.info.place = game.tag("Event");
    doc.info.result = game.tag("Result");
    return true;
}

}  // namespace

bool readReviewInput(const std::string& path, int gameNumber, GameDocument& doc, std::string& error) {
    const std::string ext = lowerExtension(path);
    if (ext == ".pgn" || ext == ".gz") return readPgnGame(path, gameNumber, doc, error);
    GameFile& file = GameFile::instance();
    switch (file.load(path)) {
    case 0: doc = file.document(); return true;
    case 1: error = "cannot open " + path; return false;
    default: error = path + " is not a game file or text record"; return false;
    }
}
