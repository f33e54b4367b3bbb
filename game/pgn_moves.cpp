#include "game/pgn_moves.h"

#include "game/coordinate_notation.h"
#include "game/text_move_judge.h"
#include "game/wxf_notation.h"

MoveNotation notationOf(const PgnGame& game) {
    std::size_t wxf = 0, coordinates = 0;
    for (const std::string& text : game.gbkTexts) {
        if (looksLikeCoordinateMove(text)) ++coordinates;
        else if (looksLikeWxfMove(text)) ++wxf;
    }
    const std::size_t half = game.gbkTexts.size() / 2;
    if (coordinates > half) return MoveNotation::Coordinate;
    if (wxf > half) return MoveNotation::Wxf;
    return MoveNotation::Chinese;
}

std::size_t judgePgnMoves(const PgnGame& game, std::vector<PackedMove>& moves) {
    switch (notationOf(game)) {
    case MoveNotation::Wxf: return judgeMoves(game.startBoard, game.startSide, game.gbkTexts, judgeWxfMove, moves);
    case MoveNotation::Coordinate:
        return judgeMoves(game.startBoard, game.startSide, game.gbkTexts, judgeCoordinateMove, moves);
    case MoveNotation::Chinese: break;
    }
    return judgeTextMoves(game.startBoard, game.startSide, game.moveTexts, moves);
}
