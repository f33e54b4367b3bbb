#include "engine/move_tables.h"

#include <array>

#include "engine/pieces.h"

namespace {

enum TableId { KING_T, ADVISOR_T, ELEPHANT_T, EYE_T, HORSE_T, LEG_T, RED_PAWN_T, BLACK_PAWN_T };

bool inPalace(int file, int rank) { return file >= 3 && file <= 5 && (rank <= 2 || rank >= 7); }

constexpr std::array<std::array<int, 2>, 10> ADVISOR_POINTS = {{
    {3, 0}, {5, 0}, {4, 1}, {3, 2}, {5, 2}, {3, 7}, {5, 7}, {4, 8}, {3, 9}, {5, 9},
}};
constexpr std::array<std::array<int, 2>, 14> ELEPHANT_POINTS = {{
    {2, 0}, {6, 0}, {0, 2}, {4, 2}, {8, 2}, {2, 4}, {6, 4}, {2, 5}, {6, 5}, {0, 7}, {4, 7}, {8, 7}, {2, 9}, {6, 9},
}};

template <std::size_t N>
bool isListed(const std::array<std::array<int, 2>, N>& points, int file, int rank) {
    for (const auto& p : points)
        if (p[0] == file && p[1] == rank) return true;
    return false;
}

bool redPawnStands(int file, int rank) { return rank >= 5 || ((rank == 3 || rank == 4) && file % 2 == 0); }
bool blackPawnStands(int file, int rank) { return rank <= 4 || ((rank == 5 || rank == 6) && file % 2 == 0); }

// Appends entries to one square's list (and its parallel block list).
struct ListWriter {
    std::uint8_t* targets;
    std::uint8_t* blocks;
    int square;
    int n = 0;
    void add(int delta, int blockDelta = 0) {
        targets[16 * square + n] = static_cast<std::uint8_t>(square + delta);
        if (blocks) blocks[16 * square + n] = static_cast<std::uint8_t>(square + blockDelta);
        ++n;
    }
};

void fillKing(std::uint8_t* t, int sq, int f, int r) {
    ListWriter w{t, nullptr, sq};
    if (f != 5) w.add(+1);
    if (f != 3) w.add(-1);
    if (r != 2 && r != 9) w.add(+16);
    if (r != 0 && r != 7) w.add(-16);
}

void fillAdvisor(std::uint8_t* t, int sq, int f, int r) {
    ListWriter w{t, nullptr, sq};
    bool up = r != 2 && r != 9, down = r != 0 && r != 7;
    if (up && f != 5) w.add(+17);
    if (up && f != 3) w.add(+15);
    if (down && f != 5) w.add(-15);
    if (down && f != 3) w.add(-17);
}

void fillElephant(std::uint8_t* t, std::uint8_t* eyes, int sq, int f, int r) {
    ListWriter w{t, eyes, sq};
    bool up = r != 4 && r != 9, down = r != 0 && r != 5;
    if (up && f != 8) w.add(+34, +17);
    if (up && f != 0) w.add(+30, +15);
    if (down && f != 8) w.add(-30, -15);
    if (down && f != 0) w.add(-34, -17);
}

void fillHorse(std::uint8_t* t, std::uint8_t* legs, int sq, int f, int r) {
    ListWriter w{t, legs, sq};
    if (r <= 7 && f <= 7) w.add(+33, +16);
    if (r <= 7 && f >= 1) w.add(+31, +16);
    if (r <= 8 && f <= 6) w.add(+18, +1);
    if (r <= 8 && f >= 2) w.add(+14, -1);
    if (r >= 2 && f <= 7) w.add(-31, -16);
    if (r >= 2 && f >= 1) w.add(-33, -16);
    if (r >= 1 && f <= 6) w.add(-14, +1);
    if (r >= 1 && f >= 2) w.add(-18, -1);
}

void fillRedPawn(std::uint8_t* t, int sq, int f, int r) {
    ListWriter w{t, nullptr, sq};
    if (r != 9) w.add(+16);
    if (r >= 5 && f != 8) w.add(+1);
    if (r >= 5 && f != 0) w.add(-1);
}

void fillBlackPawn(std::uint8_t* t, int sq, int f, int r) {
    ListWriter w{t, nullptr, sq};
    if (r != 0) w.add(-16);
    if (r <= 4 && f != 8) w.add(+1);
    if (r <= 4 && f != 0) w.add(-1);
}

constexpr std::array<std::array<int, 2>, 8> LEG_BY_DELTA = {{
    {14, -1}, {18, 1}, {31, 16}, {33, 16}, {223, -16}, {225, -16}, {238, -1}, {242, 1},
}};

}  // namespace

MoveTables::MoveTables() {
    for (auto& t : tables_) t = std::make_unique<std::uint8_t[]>(LIST_TABLE_BYTES);  // zeroed
    horseLegByDelta_ = std::make_unique<std::int8_t[]>(256);
    for (int r = 0; r < 10; ++r) {
        for (int f = 0; f < 9; ++f) {
            int sq = squareAt(f, r);
            if (inPalace(f, r)) fillKing(tables_[KING_T].get(), sq, f, r);
            if (isListed(ADVISOR_POINTS, f, r)) fillAdvisor(tables_[ADVISOR_T].get(), sq, f, r);
            if (isListed(ELEPHANT_POINTS, f, r))
                fillElephant(tables_[ELEPHANT_T].get(), tables_[EYE_T].get(), sq, f, r);
            fillHorse(tables_[HORSE_T].get(), tables_[LEG_T].get(), sq, f, r);
            if (redPawnStands(f, r)) fillRedPawn(tables_[RED_PAWN_T].get(), sq, f, r);
            if (blackPawnStands(f, r)) fillBlackPawn(tables_[BLACK_PAWN_T].get(), sq, f, r);
        }
    }
    for (const auto& e : LEG_BY_DELTA) horseLegByDelta_[e[0]] = static_cast<std::int8_t>(e[1]);
}

const MoveTables& MoveTables::instance() {
    static const MoveTables tables;
    return tables;
}
