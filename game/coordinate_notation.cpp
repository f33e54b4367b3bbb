#include "game/coordinate_notation.h"

#include <string>

#include "engine/fen.h"
#include "game/rules.h"

namespace {

// "H2-E2" and "h2-e2" as "h2e2"; empty when the text has another shape.
std::string plainCoordinates(std::string_view text) {
    std::string out(text);
    if (out.size() == 5 && out[2] == '-') out.erase(2, 1);
    for (char& c : out) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    const auto isFile = [](char c) { return c >= 'a' && c <= 'i'; };
    const auto isRank = [](char c) { return c >= '0' && c <= '9'; };
    if (out.size() != 4 || !isFile(out[0]) || !isRank(out[1]) || !isFile(out[2]) || !isRank(out[3])) return {};
    return out;
}

}  // namespace

bool looksLikeCoordinateMove(std::string_view text) { return !plainCoordinates(text).empty(); }

PackedMove judgeCoordinateMove(const Board90& board, Side side, std::string_view text) {
    const std::string plain = plainCoordinates(text);
    if (plain.empty()) return 0;
    const PackedMove m = readCoordinateMove(plain);
    return m != 0 && isLegalMove(board, side, m) ? m : 0;
}
