#include "match/match_openings.h"

#include <QCoreApplication>
#include <QFile>
#include <random>

#include "engine/board_move.h"
#include "engine/book.h"
#include "engine/engine.h"
#include "engine/fen.h"
#include "engine/perft.h"
#include "game/pgn_collection.h"
#include "match/seeded_order.h"
#include "resources/resources.h"

namespace {

void ensureBook() {
    if (openingBook().size() > 0) return;
    const std::span<const std::uint8_t> book = findResource("DAT", 124);
    if (!book.empty()) openingBook().loadBook(book.data(), book.size());
}

// The weighted choice a draw r in 0..total-1 makes among entry's moves.
PackedMove weightedMove(const BookEntry& entry, std::uint64_t r) {
    for (const BookMove& m : entry.moves) {
        if (r < static_cast<std::uint64_t>(std::max<int>(m.weight, 0))) return m.move;
        r -= static_cast<std::uint64_t>(std::max<int>(m.weight, 0));
    }
    return entry.moves.empty() ? 0 : entry.moves.front().move;
}

// A FEN line, or an EPD line (its first four fields, the operations dropped).
bool readPositionLine(const QString& line, MatchOpening& opening) {
    const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::string error;
    if (fields.size() >= 2) {
        const QString epd = fields.mid(0, 2).join(QLatin1Char(' ')) + QStringLiteral(" - - 0 1");
        if (readFen(epd.toStdString(), opening.board, opening.side, error)) return true;
    }
    return readFen(line.toStdString(), opening.board, opening.side, error);
}

bool loadPositionFile(const QString& path, std::vector<MatchOpening>& openings, QString& problem) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        problem = QCoreApplication::translate("Texts", "无法打开开局文件 %1").arg(path);
        return false;
    }
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        MatchOpening opening;
        if (!readPositionLine(line, opening)) {
            problem = QCoreApplication::translate("Texts", "开局文件 %1 第 %2 行不是局面").arg(path).arg(number);
            return false;
        }
        openings.push_back(opening);
    }
    return true;
}

bool loadPgnOpenings(const QString& path, int plies, std::vector<MatchOpening>& openings, QString& problem) {
    PgnCollection collection;
    std::string error;
    if (!readPgnCollection(path.toStdString(), collection, error)) {
        problem = QCoreApplication::translate("Texts", "无法读取开局棋谱 %1").arg(path);
        return false;
    }
    for (const PgnGameSummary& summary : collection.games) {
        GameDocument doc;
        std::string message;
        if (importCollectionGame(collection, summary.index, doc, message) != 0) continue;  // a game that does not read
        MatchOpening opening{doc.startBoard, doc.startSide, {}};
        for (std::size_t i = 0; i < doc.moves.size() && static_cast<int>(i) < plies; ++i)
            opening.moves.push_back(doc.moves[i].move);
        openings.push_back(opening);
    }
    return true;
}

}  // namespace

MatchOpening bookOpening(int plies, std::uint64_t seed, int number) {
    ensureBook();
    MatchOpening opening;
    std::mt19937_64 generator(seed ^ (0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(number + 1)));
    Board90 board = opening.board;
    Side side = opening.side;
    Engine& rules = plainEngine();
    for (int ply = 0; ply < plies; ++ply) {
        rules.setPosition(board, side);
        const std::uint64_t key = rules.getHashKey();
        const BookEntry* entry =
            openingBook().findBookEntry(static_cast<std::uint32_t>(key), static_cast<std::uint32_t>(key >> 32));
        if (!entry || entry->total <= 0) break;
        const PackedMove move = weightedMove(*entry, seededPick(generator(), static_cast<std::uint64_t>(entry->total)));
        if (!playIfLegal(rules, board, side, move)) break;
        opening.moves.push_back(move);
    }
    return opening;
}

bool loadOpenings(const MatchSettings& settings, int pairs, std::vector<MatchOpening>& openings, QString& problem) {
    openings.clear();
    const MatchOpenings& o = settings.openings;
    switch (o.source) {
    case OpeningSource::None:
        return true;
    case OpeningSource::Book: {
        const int count = o.count > 0 ? o.count : std::max(pairs, 1);
        for (int i = 0; i < count; ++i) openings.push_back(bookOpening(o.plies, settings.seed, i));
        return true;
    }
    case OpeningSource::PositionFile:
        if (!loadPositionFile(o.path, openings, problem)) return false;
        break;
    case OpeningSource::PgnFile:
        if (!loadPgnOpenings(o.path, o.plies, openings, problem)) return false;
        break;
    }
    if (openings.empty()) {
        problem = QCoreApplication::translate("Texts", "开局文件 %1 中没有可用的开局").arg(o.path);
        return false;
    }
    return true;
}
