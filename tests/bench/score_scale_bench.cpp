// The built-in engine's score scale against the protocols' centipawns:
// positions from master games are searched by the built-in engine and by
// fairy-stockfish at fixed depths, and the factor that turns the engine's
// points into centipawns is fitted by least squares through the origin
// (positions either side calls clearly won, beyond 1,000 centipawns or
// mate, are left out). Prints the sample, the factor and how well it fits.
//
//   score_scale_bench [GAMES] [OUR_DEPTH] [FAIRY_DEPTH]   (defaults 40, 7, 12)
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/engine.h"
#include "engine/fen.h"
#include "engine/search.h"
#include "game/pgn_reader.h"
#include "game/text_move_judge.h"

namespace {

const char* FAIRY = "/usr/games/fairy-stockfish";

struct Sample {
    std::string fen;
    int ours = 0;   // points, side to move's view
    int fairy = 0;  // centipawns, side to move's view
    bool usable = false;
};

std::vector<Sample> samplePositions(const std::string& path, int games) {
    std::vector<Sample> out;
    PgnReader reader;
    if (!reader.open(path)) return out;
    PgnGame game;
    for (int g = 0; g < games && reader.next(game);) {
        std::vector<PackedMove> moves;
        if (!game.error.empty() || judgeTextMoves(game.startBoard, game.startSide, game.moveTexts, moves) == 0)
            continue;
        ++g;
        Board90 b = game.startBoard;
        Side side = game.startSide;
        for (std::size_t i = 0; i < moves.size(); ++i) {
            if (i >= 14 && i % 9 == 5) out.push_back({writeFen(b, side)});
            const GridPoint f = moveFrom(moves[i]), t = moveTo(moves[i]);
            b[boardIndex(t.file, t.rank)] = b[boardIndex(f.file, f.rank)];
            b[boardIndex(f.file, f.rank)] = NO_PIECE;
            side ^= 1;
        }
    }
    return out;
}

int ourScore(Engine& engine, const std::string& fen, int depth) {
    Board90 b;
    Side side;
    std::string error;
    readFen(fen, b, side, error);
    engine.setPosition(b, side);
    engine.computeHash();
    engine.clearTable();
    engine.repetitionTable().clear();
    engine.repetitionTable().mark(engine.hashLow, engine.hashHigh, MARK_HISTORY);
    engine.useBook = false;
    engine.activeLimits = {LIMIT_DEPTH, static_cast<std::int8_t>(depth), 0};
    engine.startTime = engine.workerTime();
    engine.think();
    const int red = engine.publishedStats.score;
    return side == SIDE_RED ? red : -red;
}

bool fairyScores(std::vector<Sample>& samples, int depth) {
    const auto dir = std::filesystem::temp_directory_path() / ("morlan-scale-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    {
        std::ofstream script(dir / "in.txt");
        script << "setoption name UCI_Variant value xiangqi\nsetoption name Threads value 1\n";
        for (const Sample& s : samples) script << "position fen " << s.fen << "\ngo depth " << depth << "\n";
        // Each go waits for the one before; quit would cut the last one short.
        script << "position fen " << samples.front().fen << "\ngo depth 1\nquit\n";
    }
    const std::string cmd = std::string(FAIRY) + " < " + (dir / "in.txt").string() + " > " + (dir / "out.txt").string();
    if (std::system(cmd.c_str()) != 0) return false;
    std::ifstream out(dir / "out.txt");
    std::size_t at = 0;
    int cp = 0;
    bool mate = false;
    for (std::string line; std::getline(out, line) && at < samples.size();) {
        if (line.rfind("info depth", 0) == 0) {
            const auto s = line.find(" score ");
            if (s == std::string::npos) continue;
            mate = line.compare(s + 7, 4, "mate") == 0;
            cp = std::atoi(line.c_str() + s + 7 + (mate ? 5 : 3));
        } else if (line.rfind("bestmove", 0) == 0) {
            samples[at].fairy = cp;
            samples[at].usable = !mate;
            ++at;
        }
    }
    std::filesystem::remove_all(dir);
    return at == samples.size();
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 40;
    const int ourDepth = argc > 2 ? std::atoi(argv[2]) : 7;
    const int fairyDepth = argc > 3 ? std::atoi(argv[3]) : 12;
    const std::string path = std::string(MORLAN_SHARED_DATA) + "/ccpd-master-games.pgn.gz";
    if (!std::filesystem::exists(FAIRY) || !std::filesystem::exists(path)) {
        std::printf("needs %s and %s\n", FAIRY, path.c_str());
        return 0;
    }
    std::vector<Sample> samples = samplePositions(path, games);
    if (samples.empty() || !fairyScores(samples, fairyDepth)) {
        std::printf("no sample\n");
        return 1;
    }
    Engine engine;
    engine.createSearchTables();
    double sumBF = 0, sumBB = 0, sumFF = 0;
    int used = 0;
    for (Sample& s : samples) {
        s.ours = ourScore(engine, s.fen, ourDepth);
        if (!s.usable || std::abs(s.ours) > MATE_THRESHOLD || std::abs(s.fairy) > 1000) continue;
        sumBF += double(s.ours) * s.fairy;
        sumBB += double(s.ours) * s.ours;
        sumFF += double(s.fairy) * s.fairy;
        ++used;
    }
    const double factor = sumBB > 0 ? sumBF / sumBB : 0;
    double residual = 0;
    int sameSign = 0, signed_ = 0;
    for (const Sample& s : samples) {
        if (!s.usable || std::abs(s.ours) > MATE_THRESHOLD || std::abs(s.fairy) > 1000) continue;
        const double d = s.fairy - factor * s.ours;
        residual += d * d;
        if (std::abs(s.fairy) >= 50 && std::abs(s.ours) >= 50) {
            ++signed_;
            if ((s.fairy > 0) == (s.ours > 0)) ++sameSign;
        }
    }
    std::printf("positions %zu from %d games, used %d (built-in depth %d, fairy-stockfish depth %d)\n",
                samples.size(), games, used, ourDepth, fairyDepth);
    std::printf("centipawns per point: %.3f (points per centipawn %.2f)\n", factor, factor > 0 ? 1 / factor : 0);
    std::printf("rms residual %.0f cp, rms fairy score %.0f cp, same sign %d of %d\n",
                used ? std::sqrt(residual / used) : 0.0, used ? std::sqrt(sumFF / used) : 0.0, sameSign, signed_);
    return 0;
}
