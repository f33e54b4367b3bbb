#include "game/records/rulings.h"

#include <cstdio>
#include <span>
#include <vector>

#include "game/game_end.h"
#include "game/game_file.h"
#include "game/pgn_moves.h"
#include "game/pgn_reader.h"
#include "game/record_format.h"
#include "game/xqf_file.h"

namespace {

const char* resultTag(GameResult r) {
    switch (r) {
    case RESULT_RED_WINS: return "1-0";
    case RESULT_BLACK_WINS: return "0-1";
    default: return "1/2-1/2";
    }
}

// Judges the position after every ply, from the start, until one ends the game.
void printRuling(long number, const Board90& start, Side startSide, const std::vector<PackedMove>& moves) {
    Board90 board = start;
    Board90 lineStart = start;
    Side lineSide = startSide;
    std::size_t lineFrom = 0;
    for (std::size_t ply = 0; ply <= moves.size(); ++ply) {
        if (ply > 0) {
            const PackedMove m = moves[ply - 1];
            const int from = boardIndex(moveFrom(m).file, moveFrom(m).rank);
            const int to = boardIndex(moveTo(m).file, moveTo(m).rank);
            const bool capture = board[to] != NO_PIECE;
            board[to] = board[from];
            board[from] = NO_PIECE;
            if (capture) {
                lineStart = board;
                lineSide = static_cast<Side>(startSide ^ (ply & 1));
                lineFrom = ply;
            }
        }
        const std::span<const PackedMove> line(moves.data() + lineFrom, ply - lineFrom);
        const GameEnd end = judgeGameEnd(lineStart, lineSide, line, 0, true);
        if (end.reason != EndReason::None) {
            std::printf("game %ld: ply %zu: %s %s\n", number, ply, resultTag(end.result), endReasonName(end.reason));
            return;
        }
    }
    std::printf("game %ld: no ruling\n", number);
}

std::vector<PackedMove> documentMoves(const GameDocument& doc) {
    std::vector<PackedMove> moves;
    for (const DocumentMove& m : doc.moves) moves.push_back(m.move);
    return moves;
}

int rulePgn(const std::string& path) {
    PgnReader reader;
    if (!reader.open(path)) {
        std::fprintf(stderr, "morlan-records: %s: %s\n", path.c_str(), reader.error().c_str());
        return 1;
    }
    PgnGame game;
    long number = 0;
    while (reader.next(game)) {
        ++number;
        std::vector<PackedMove> moves;
        // A move the rules refuse ends the replay: the moves before it are judged.
        if (game.error.empty()) judgePgnMoves(game, moves);
        printRuling(number, game.startBoard, game.startSide, moves);
    }
    return reader.error().empty() ? 0 : 1;
}

}  // namespace

int printRulings(const std::string& path) {
    const RecordFormat format = recordFormatOf(path);
    if (format != RecordFormat::Xqf && format != RecordFormat::Txt) return rulePgn(path);
    GameDocument doc;
    std::string message;
    GameFile& file = GameFile::instance();
    const int r = format == RecordFormat::Xqf ? importXqf(path, doc, message) : file.load(path);
    if (r != 0) {
        std::fprintf(stderr, "morlan-records: %s: cannot be read\n", path.c_str());
        return 1;
    }
    if (format == RecordFormat::Txt) doc = file.document();
    printRuling(1, doc.startBoard, doc.startSide, documentMoves(doc));
    return 0;
}
