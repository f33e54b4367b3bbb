#include "game/game_end.h"

#include "engine/engine.h"
#include "game/rules.h"

namespace {

EndReason reasonOf(RepetitionVerdict verdict) {
    switch (verdict) {
    case RepetitionVerdict::PerpetualCheck: return EndReason::PerpetualCheck;
    case RepetitionVerdict::PerpetualChase: return EndReason::PerpetualChase;
    case RepetitionVerdict::AmbiguousChase:
    case RepetitionVerdict::Repetition: return EndReason::Repetition;
    case RepetitionVerdict::None: break;
    }
    return EndReason::None;
}

}  // namespace

GameEnd judgeGameEnd(const Board90& lineStart, Side lineSide, std::span<const PackedMove> line, int pliesBefore,
                     bool repetitionRulings) {
    Board90 board = lineStart;
    int quiet = pliesBefore;
    for (PackedMove m : line) {
        const int from = boardIndex(moveFrom(m).file, moveFrom(m).rank);
        const int to = boardIndex(moveTo(m).file, moveTo(m).rank);
        quiet = board[to] == NO_PIECE ? quiet + 1 : 0;
        board[to] = board[from];
        board[from] = NO_PIECE;
    }
    const Side side = static_cast<Side>(lineSide ^ (line.size() & 1));
    if (quiet >= DRAW_PLIES) return {RESULT_DRAW, EndReason::HundredPlies, {}};
    Engine& engine = plainEngine();
    engine.setPosition(board, side);
    if (engine.hasNoAttackingMaterial()) return {RESULT_DRAW, EndReason::NoAttackers, {}};
    const GameResult status = boardResult(board, side, quiet);
    if (status != RESULT_IN_PLAY) return {status, EndReason::Mate, {}};
    if (!repetitionRulings) return {};
    const RepetitionRuling ruling = judgeRepetition(lineStart, lineSide, line);
    if (ruling.verdict == RepetitionVerdict::None) return {};
    return {ruling.result, reasonOf(ruling.verdict), ruling};
}

const char* endReasonName(EndReason reason) {
    switch (reason) {
    case EndReason::HundredPlies: return "100-plies";
    case EndReason::NoAttackers: return "no-attackers";
    case EndReason::Mate: return "mate";
    case EndReason::PerpetualCheck: return "perpetual-check";
    case EndReason::PerpetualChase: return "perpetual-chase";
    case EndReason::Repetition: return "repetition";
    case EndReason::Time: return "time";
    case EndReason::None: break;
    }
    return "";
}
