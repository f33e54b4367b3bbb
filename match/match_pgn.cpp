#include "match/match_pgn.h"

#include "game/gbk.h"
#include "game/pgn_writer.h"
#include "match/match_state.h"

namespace {

std::string gbkOf(const QString& text) { return utf8ToGbkLossy(text.toStdString()); }

}  // namespace

QString matchTimeControlTag(const MatchTime& time) {
    if (!time.control.unlimited()) return QString::fromStdString(pgnTimeControl(time.control));
    if (time.moveTimeMs > 0) {
        TimeControl perMove{TimeControlKind::MovesInTime, time.moveTimeMs, 0, 0, 1};
        return QString::fromStdString(pgnTimeControl(perMove));
    }
    return QStringLiteral("-");
}

QByteArray matchGamePgn(const MatchSettings& settings, const ScheduledGame& game, const GameDocument& record,
                        const GameVerdict& verdict, const QString& red, const QString& black, const QDate& date) {
    const std::vector<std::pair<std::string, std::string>> tags = {
        {"Game", "Chinese Chess"},
        {"Event", gbkOf(settings.event)},
        {"Site", "?"},
        {"Date", date.toString(QStringLiteral("yyyy.MM.dd")).toStdString()},
        {"Round", std::to_string(game.index + 1)},
        {"Red", gbkOf(red)},
        {"Black", gbkOf(black)},
        {"Result", resultText(verdict.result)},
        {"TimeControl", matchTimeControlTag(settings.time).toStdString()},
        {"Termination", gbkOf(verdict.termination)},
    };
    const std::string text = encodePgnTagged(tags, record, {}, settings.moveText == MoveText::Coordinates);
    return QByteArray::fromStdString(text);
}
