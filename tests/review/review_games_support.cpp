#include "review_games.h"

#include <sstream>

#include "engine/fen.h"

std::vector<PackedMove> coordinateMoves(const std::string& text) {
    std::vector<PackedMove> moves;
    std::istringstream in(text);
    for (std::string word; in >> word;) moves.push_back(readCoordinateMove(word));
    return moves;
}
