#include "engines/engine_coordinates.h"

#include "engine/fen.h"

namespace {

// One point "h2" / "h10": its file and rank, the characters it took; -1 when unreadable.
int readPoint(QStringView text, int at, RankBase base, GridPoint& point) {
    if (at >= text.size()) return -1;
    const QChar letter = text[at];
    if (letter < QLatin1Char('a') || letter > QLatin1Char('i')) return -1;
    int used = 1, rank = 0;
    while (at + used < text.size() && text[at + used].isDigit() && used <= 2) {
        rank = rank * 10 + (text[at + used].unicode() - '0');
        ++used;
    }
    if (used == 1) return -1;
    if (used == 3 && text[at + 1] == QLatin1Char('0')) return -1;  // "h05"
    if (base == RankBase::FROM_ONE) --rank;
    if (rank < 0 || rank > 9) return -1;
    point = {static_cast<std::int8_t>(8 - (letter.unicode() - 'a')), static_cast<std::int8_t>(rank)};
    return used;
}

}  // namespace

QString writeEngineMove(PackedMove move, RankBase base) {
    if (base == RankBase::FROM_ZERO) return QString::fromStdString(writeCoordinateMove(move));
    const GridPoint from = moveFrom(move), to = moveTo(move);
    return QStringLiteral("%1%2%3%4")
        .arg(QChar('a' + 8 - from.file))
        .arg(from.rank + 1)
        .arg(QChar('a' + 8 - to.file))
        .arg(to.rank + 1);
}

PackedMove readEngineMove(QStringView text, RankBase base) {
    GridPoint from, to;
    const int first = readPoint(text, 0, base, from);
    if (first < 0) return 0;
    const int second = readPoint(text, first, base, to);
    if (second < 0 || first + second != text.size()) return 0;
    return packMove(from, to);
}
