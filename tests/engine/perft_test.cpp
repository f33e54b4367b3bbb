#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include "board_support.h"
#include "engine/board_move.h"
#include "engine/perft.h"

namespace {

const std::string DATA = MORLAN_SHARED_DATA;
const char* FAIRY = "/usr/games/fairy-stockfish";

TEST(Perft, StartPosition) {
    auto e = engineAt(INITIAL_BOARD, SIDE_RED);
    const std::uint64_t expected[] = {44, 1920, 79666, 3290240};
    for (int depth = 1; depth <= 4; ++depth) EXPECT_EQ(perft(*e, depth), expected[depth - 1]) << depth;
}

TEST(Perft, IndependentCounts) {
    std::ifstream in(DATA + "/perft-xiangqi.txt");
    if (!in) GTEST_SKIP() << "no " << DATA << "/perft-xiangqi.txt here";
    int lines = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        std::stringstream ss(line);
        std::string fen, depth, nodes;
        std::getline(ss, fen, ';');
        std::getline(ss, depth, ';');
        std::getline(ss, nodes, ';');
        auto e = engineAtFen(fen);
        EXPECT_EQ(perft(*e, std::stoi(depth)), std::stoull(nodes)) << line;
        ++lines;
    }
    EXPECT_EQ(lines, 400);
}

// Positions from random play, each with the moves other engines would list.
std::vector<std::string> randomPositions(int count) {
    std::mt19937 rng(2026);
    std::vector<std::string> fens;
    while (static_cast<int>(fens.size()) < count) {
        auto e = engineAt(INITIAL_BOARD, SIDE_RED);
        Board90 b = INITIAL_BOARD;
        Side side = SIDE_RED;
        const int plies = 10 + static_cast<int>(rng() % 120);
        for (int ply = 0; ply < plies; ++ply) {
            e->setPosition(b, side);
            auto moves = legalMoves(*e);
            if (moves.empty()) break;
            PackedMove m = moves[rng() % moves.size()];
            playOnBoard(b, m);
            side ^= 1;
        }
        fens.push_back(writeFen(b, side));
    }
    return fens;
}

// Fairy-Stockfish numbers ranks 1..10; ours run 0..9.
std::string fromFairy(const std::string& m) {
    std::string out;
    std::size_t i = 0;
    while (i < m.size()) {
        out += m[i++];
        std::size_t j = i;
        while (j < m.size() && isdigit(static_cast<unsigned char>(m[j]))) ++j;
        out += std::to_string(std::stoi(m.substr(i, j - i)) - 1);
        i = j;
    }
    return out;
}

TEST(Perft, LegalMovesAgreeWithFairyStockfish) {
    if (!std::filesystem::exists(FAIRY)) GTEST_SKIP() << FAIRY << " is not installed";
    const auto fens = randomPositions(300);
    const auto dir = std::filesystem::temp_directory_path() / ("morlan-fairy-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    {
        std::ofstream script(dir / "in.txt");
        script << "setoption name UCI_Variant value xiangqi\n";
        for (const auto& fen : fens) script << "position fen " << fen << "\ngo perft 1\n";
        script << "quit\n";
    }
    const std::string cmd = std::string(FAIRY) + " < " + (dir / "in.txt").string() + " > " + (dir / "out.txt").string();
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::ifstream out(dir / "out.txt");
    std::vector<std::vector<std::string>> lists(1);
    for (std::string line; std::getline(out, line);) {
        if (line.rfind("Nodes searched", 0) == 0) {
            lists.emplace_back();
        } else if (auto colon = line.find(": "); colon != std::string::npos && colon <= 6 && line.find(' ') > colon) {
            lists.back().push_back(fromFairy(line.substr(0, colon)));
        }
    }
    std::filesystem::remove_all(dir);
    ASSERT_GE(lists.size(), fens.size());
    for (std::size_t i = 0; i < fens.size(); ++i) {
        auto e = engineAtFen(fens[i]);
        std::vector<std::string> ours;
        for (PackedMove m : legalMoves(*e)) ours.push_back(writeCoordinateMove(m));
        std::sort(ours.begin(), ours.end());
        std::sort(lists[i].begin(), lists[i].end());
        EXPECT_EQ(ours, lists[i]) << fens[i];
    }
}

}  // namespace
