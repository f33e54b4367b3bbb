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

JudgedTree judgePgnTree(const PgnGame& game) {
    MoveTree read;
    std::vector<int> nodes(game.treeMoves.size(), MoveTree::NONE);
    for (std::size_t i = 0; i < game.treeMoves.size(); ++i) {
        const PgnTreeMove& m = game.treeMoves[i];
        const int parent = m.parent < 0 ? MoveTree::ROOT : nodes[static_cast<std::size_t>(m.parent)];
        if (parent == MoveTree::NONE) continue;
        nodes[i] = read.appendChild(parent, static_cast<PackedMove>(i));
        if (nodes[i] != MoveTree::NONE) read.setComment(nodes[i], m.comment);
    }
    const MoveNotation notation = notationOf(game);
    const MoveJudge judge = notation == MoveNotation::Wxf          ? judgeWxfMove
                            : notation == MoveNotation::Coordinate ? judgeCoordinateMove
                                                                   : judgeTextMove;
    return judgeTree(read, game.startBoard, game.startSide, [&](const Board90& board, Side side, int node) {
        const PgnTreeMove& m = game.treeMoves[read.move(node)];
        return judge(board, side, notation == MoveNotation::Chinese ? m.text : m.gbk);
    });
}
