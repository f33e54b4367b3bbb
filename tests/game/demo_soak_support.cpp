#include "demo_soak_support.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

#include "engine/perft.h"
#include "engine/engine.h"
#include "engine/fen.h"
#include "engine/service.h"
#include "fake_shell_support.h"
#include "game/game.h"

namespace {

constexpr int MODE_ITEM_TWO_HUMANS = 1, MODE_ITEM_DEMO = 2;
constexpr auto STALL_LIMIT = std::chrono::seconds(30);
constexpr auto REFUSAL_WAIT = std::chrono::seconds(1);

std::vector<PackedMove> legalMoves(const Board90& board, Side side) {
    Engine& rules = plainEngine();
    rules.setPosition(board, side);
    return ::legalMoves(rules);
}

// Replays the record from the start position; the number of moves the
// rules refuse (the replay goes on from the recorded board).
int illegalMovesIn(const Game& game) {
    Board90 board = game.startBoard();
    Side side = game.startSide();
    int illegal = 0;
    Engine& rules = plainEngine();
    for (int i = 0; i < game.moveCount(); ++i) {
        const PackedMove m = game.recordEntry(i)->move;
        rules.setPosition(board, side);
        if (!rules.tryMove(m)) ++illegal;
        const GridPoint from = moveFrom(m), to = moveTo(m);
        board[boardIndex(to.file, to.rank)] = board[boardIndex(from.file, from.rank)];
        board[boardIndex(from.file, from.rank)] = NO_PIECE;
        side ^= 1;
    }
    if (board != game.board() || side != game.sideToMove()) ++illegal;
    return illegal;
}

void setLimitsFor(int gameIndex, const SoakOptions& options) {
    Engine& engine = thinkingEngine();
    if (gameIndex % 2 == 0) {
        engine.setLimits({LIMIT_DEPTH, static_cast<std::int8_t>(options.depth), 0});
        engine.moveTimeMs = -1;
    } else {
        engine.setLimits({LIMIT_TIME, 0, 1});
        engine.moveTimeMs = options.moveTimeMs;
    }
}

enum class Ending { Finished, Unfinished, Refused, Stalled };

// The engine is done and its move is one the game refused: the game waits
// for a move that never comes.
bool moveRefused(const Game& game, const FakeShell& shell) {
    Engine& engine = thinkingEngine();
    if (engine.state() != STATE_IDLE || shell.animating) return false;
    Engine& rules = plainEngine();
    rules.setPosition(game.board(), game.sideToMove());
    return !rules.tryMove(engine.bestMove());
}

// What a stalled game looked like, for whoever has to find out why.
void describeStall(const Game& game, const FakeShell& shell, int gameIndex) {
    std::string moves;
    for (int i = std::max(0, game.moveCount() - 24); i < game.moveCount(); ++i)
        moves += writeCoordinateMove(game.recordEntry(i)->move) + " ";
    std::string calls;
    for (std::size_t i = shell.calls.size() > 12 ? shell.calls.size() - 12 : 0; i < shell.calls.size(); ++i)
        calls += shell.calls[i] + " ";
    std::fprintf(stderr,
                 "game %d stopped at ply %d: %s, engine state %d, thinking %d, best move %s, animating %d\n"
                 "  start %s\n  last moves %s\n  last shell calls %s\n",
                 gameIndex, game.moveCount(), writeFen(game.board(), game.sideToMove()).c_str(),
                 static_cast<int>(thinkingEngine().state()), static_cast<int>(game.thinkingStatus()),
                 writeCoordinateMove(thinkingEngine().bestMove()).c_str(), shell.animating ? 1 : 0,
                 writeFen(game.startBoard(), game.startSide()).c_str(), moves.c_str(), calls.c_str());
}

// The idle loop of the program with the slide of every move ended at once.
Ending playOut(Game& game, FakeShell& shell, const SoakOptions& options) {
    auto lastProgress = std::chrono::steady_clock::now();
    int lastCount = game.moveCount();
    while (game.result() == RESULT_IN_PLAY) {
        if (game.moveCount() >= options.maxPlies) return Ending::Unfinished;
        thinkingEngine().pollEngine();
        shell.endAnimation();
        game.idle();
        const auto now = std::chrono::steady_clock::now();
        if (game.moveCount() != lastCount) {
            lastCount = game.moveCount();
            lastProgress = now;
        } else if (now - lastProgress > REFUSAL_WAIT && moveRefused(game, shell)) {
            return Ending::Refused;
        } else if (now - lastProgress > STALL_LIMIT) {
            return Ending::Stalled;
        } else if (thinkingEngine().state() != STATE_IDLE) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    return Ending::Finished;
}

void countEnding(const Game& game, SoakReport& report) {
    switch (game.result()) {
    case RESULT_RED_WINS: ++report.redWins; break;
    case RESULT_BLACK_WINS: ++report.blackWins; break;
    case RESULT_DRAW:
        if (game.moveCount() - game.lastCaptureCount() >= 100) ++report.hundredPlyDraws;
        else ++report.otherDraws;
        break;
    default: break;
    }
}

}  // namespace

std::string SoakReport::summary() const {
    char text[400];
    std::snprintf(text, sizeof text,
                  "games %d: red wins %d, black wins %d, draws by 100 plies without capture %d, other draws %d, "
                  "unfinished %d, computer's move refused %d, stalled %d; illegal moves %d; plies %lld (mean %.1f, "
                  "longest %d)",
                  games, redWins, blackWins, hundredPlyDraws, otherDraws, unfinished, refused, stalled, illegalMoves,
                  plies,
                  games > 0 ? static_cast<double>(plies) / games : 0.0, longestGame);
    return text;
}

SoakReport runDemoSoak(const SoakOptions& options) {
    SoakReport report;
    std::mt19937 rng(options.seed);
    Game game;
    FakeShell shell(game);
    thinkingEngine().abandonAndWait();
    game.setUseBook(false);
    game.setPonderEnabled(false);
    for (int g = 0; g < options.games; ++g) {
        setLimitsFor(g, options);
        shell.clearLog();
        shell.animatedMoves.clear();
        // A few random moves by "two players", then the computer plays both sides.
        shell.radio[0] = MODE_ITEM_TWO_HUMANS;
        game.newGame();
        for (int p = 0; p < options.openingPlies; ++p) {
            const std::vector<PackedMove> legal = legalMoves(game.board(), game.sideToMove());
            if (legal.empty() || !game.tryUserMove(legal[rng() % legal.size()])) break;
        }
        shell.radio[0] = MODE_ITEM_DEMO;
        game.computerMove();
        const Ending ending = playOut(game, shell, options);
        if (ending == Ending::Stalled || ending == Ending::Refused) describeStall(game, shell, g);
        thinkingEngine().abandonAndWait();
        shell.endAnimation();
        ++report.games;
        if (ending == Ending::Unfinished) ++report.unfinished;
        else if (ending == Ending::Stalled) ++report.stalled;
        else if (ending == Ending::Refused) ++report.refused;
        else countEnding(game, report);
        report.illegalMoves += illegalMovesIn(game);
        report.plies += game.moveCount();
        report.longestGame = std::max(report.longestGame, game.moveCount());
        if (options.progress && (g + 1) % 100 == 0) std::fprintf(stderr, "%s\n", report.summary().c_str());
    }
    thinkingEngine().moveTimeMs = -1;
    return report;
}
