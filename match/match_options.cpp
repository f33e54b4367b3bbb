#include "match/match_options.h"

#include <QFileInfo>

#include "engines/engine_list.h"
#include "game/game.h"

namespace {

struct NamedFormat {
    const char* name;
    MatchFormat format;
};
constexpr NamedFormat FORMATS[] = {
    {"match", MatchFormat::Match}, {"round-robin", MatchFormat::RoundRobin}, {"gauntlet", MatchFormat::Gauntlet}};

bool readInt(const QString& text, int& out, int least) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < least) return false;
    out = value;
    return true;
}

bool readInts(const QString& text, std::initializer_list<int*> outs) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != static_cast<qsizetype>(outs.size())) return false;
    int i = 0;
    for (int* out : outs)
        if (!readInt(parts[i++], *out, 0)) return false;
    return true;
}

bool readOpenings(const QString& text, MatchOpenings& openings) {
    if (text == QLatin1String("none")) openings.source = OpeningSource::None;
    else if (text == QLatin1String("book")) openings.source = OpeningSource::Book;
    else if (text.startsWith(QLatin1String("fen:"))) openings.source = OpeningSource::PositionFile;
    else if (text.startsWith(QLatin1String("epd:"))) openings.source = OpeningSource::PositionFile;
    else if (text.startsWith(QLatin1String("pgn:"))) openings.source = OpeningSource::PgnFile;
    else return false;
    openings.path = text.contains(QLatin1Char(':')) ? text.section(QLatin1Char(':'), 1) : QString();
    return openings.source == OpeningSource::None || openings.source == OpeningSource::Book || !openings.path.isEmpty();
}

// The players given by list=NAME take their program and saved options from the list.
bool takeFromList(const QString& listPath, const QString& name, MatchPlayer& player, QString& problem) {
    EngineList list;
    if (listPath.isEmpty() || list.load(listPath, &problem) != EngineList::LoadResult::Loaded) {
        problem = QStringLiteral("engine list %1 cannot be read %2").arg(listPath, problem);
        return false;
    }
    for (int i = 0; i < list.size(); ++i) {
        const EngineEntry& e = list.at(i);
        if (e.name != name) continue;
        player.program = e.path;
        player.protocol = e.protocol;
        for (auto it = e.values.begin(); it != e.values.end(); ++it)
            if (!programSetsOption(it.key())) player.options.insert(it.key(), it.value());
        if (player.name.isEmpty()) player.name = e.name;
        return true;
    }
    problem = QStringLiteral("engine list %1 has no engine %2").arg(listPath, name);
    return false;
}

}  // namespace

bool parseEngineArgument(const QString& argument, MatchPlayer& player, QString& listName, QString& problem) {
    const QStringList fields = argument.split(QLatin1Char(','));
    player = {};
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString& field = fields[i];
        const QString key = field.section(QLatin1Char('='), 0, 0), value = field.section(QLatin1Char('='), 1);
        bool ok = true;
        if (i == 0 && !field.contains(QLatin1Char('='))) player.program = field == QLatin1String("builtin") ? QString() : field;
        else if (key == QLatin1String("name")) player.name = value;
        else if (key == QLatin1String("cmd")) player.program = value;
        else if (key == QLatin1String("proto")) ok = value == QLatin1String("uci") || value == QLatin1String("ucci");
        else if (key == QLatin1String("arg")) player.arguments << value;
        else if (key.startsWith(QLatin1String("option."))) player.options.insert(key.mid(7), value);
        else if (key == QLatin1String("movetime")) ok = readInt(value, player.moveTimeMs, 1);
        else if (key == QLatin1String("depth")) ok = readInt(value, player.depth, 1);
        else if (key == QLatin1String("level")) {
            int level = 0;
            ok = readInt(value, level, LEVEL_BEGINNER) && level <= LEVEL_ADVANCED;
            if (ok) player.moveTimeMs = LEVEL_SECONDS[level] * 1000;
        }
        else if (key == QLatin1String("list")) listName = value;
        else ok = false;
        if (key == QLatin1String("proto")) player.protocol = value;
        if (!ok) {
            problem = QStringLiteral("--engine %1: cannot read \"%2\"").arg(argument, field);
            return false;
        }
    }
    if (player.name.isEmpty() && player.builtIn() && listName.isEmpty()) player.name = QStringLiteral("Morlan");
    if (player.name.isEmpty() && !player.builtIn()) player.name = QFileInfo(player.program).fileName();
    return true;
}

bool parseMatchOptions(const QStringList& args, MatchSettings& s, QStringList& rest, QString& problem) {
    QStringList engineArguments;
    QString listPath;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QLatin1String("--"))) {
            rest << a;
            continue;
        }
        const auto flag = [&](const char* name, bool& out) {
            if (a != QLatin1String(name)) return false;
            out = !out;
            return true;
        };
        bool shuffle = false, noRulings = false, noComments = false;
        if (flag("--shuffle", shuffle)) {
            s.openings.shuffle = true;
            continue;
        }
        if (flag("--no-rulings", noRulings)) {
            s.rulings = false;
            continue;
        }
        if (flag("--no-comments", noComments)) {
            s.moveComments = false;
            continue;
        }
        if (i + 1 >= args.size()) {
            problem = QStringLiteral("%1 needs a value").arg(a);
            return false;
        }
        const QString v = args[++i];
        bool ok = true;
        if (a == QLatin1String("--engine")) engineArguments << v;
        else if (a == QLatin1String("--engine-list")) listPath = v;
        else if (a == QLatin1String("--format")) {
            ok = false;
            for (const NamedFormat& f : FORMATS)
                if (v == QLatin1String(f.name)) ok = true, s.format = f.format;
        } else if (a == QLatin1String("--games")) ok = readInt(v, s.gamesPerPairing, 1);
        else if (a == QLatin1String("--openings")) ok = readOpenings(v, s.openings);
        else if (a == QLatin1String("--plies")) ok = readInt(v, s.openings.plies, 0);
        else if (a == QLatin1String("--seed")) s.seed = v.toULongLong(&ok);
        else if (a == QLatin1String("--tc")) {
            const auto control = parsePgnTimeControl(v.toStdString());
            ok = control.has_value() && (control->unlimited() || control->valid());
            if (ok) s.time.control = *control;
        } else if (a == QLatin1String("--movetime")) ok = readInt(v, s.time.moveTimeMs, 1);
        else if (a == QLatin1String("--depth")) ok = readInt(v, s.time.depth, 1);
        else if (a == QLatin1String("--margin")) ok = readInt(v, s.time.marginMs, 0);
        else if (a == QLatin1String("--resign")) ok = s.adjudication.resign = readInts(v, {&s.adjudication.resignScore, &s.adjudication.resignMoves});
        else if (a == QLatin1String("--draw"))
            ok = s.adjudication.draw = readInts(v, {&s.adjudication.drawScore, &s.adjudication.drawMoves, &s.adjudication.drawAfterMove});
        else if (a == QLatin1String("--sprt")) {
            const QStringList parts = v.split(QLatin1Char(','));
            ok = parts.size() == 4;
            double values[4] = {};
            for (int k = 0; ok && k < 4; ++k) values[k] = parts[k].toDouble(&ok);
            s.sprtSettings = {values[0], values[1], values[2], values[3]};
            ok = ok && s.sprtSettings.valid();
            s.sprt = ok;
        } else if (a == QLatin1String("--concurrency")) ok = readInt(v, s.concurrency, 1);
        else if (a == QLatin1String("--pgn")) s.pgnPath = v;
        else if (a == QLatin1String("--notation")) {
            ok = v == QLatin1String("chinese") || v == QLatin1String("coordinates");
            s.moveText = v == QLatin1String("chinese") ? MoveText::Chinese : MoveText::Coordinates;
        } else if (a == QLatin1String("--shard")) {
            const QStringList kn = v.split(QLatin1Char('/'));
            ok = kn.size() == 2 && readInt(kn[0], s.shard, 1) && readInt(kn[1], s.shards, 1) && s.shard <= s.shards;
        } else if (a == QLatin1String("--event")) s.event = v;
        else if (a == QLatin1String("--builtin-program")) s.builtInProgram = v;
        else {
            problem = QStringLiteral("unknown option %1").arg(a);
            return false;
        }
        if (!ok) {
            problem = QStringLiteral("%1: cannot read \"%2\"").arg(a, v);
            return false;
        }
    }
    s.players.clear();
    for (const QString& argument : engineArguments) {
        MatchPlayer player;
        QString listName;
        if (!parseEngineArgument(argument, player, listName, problem)) return false;
        if (!listName.isEmpty() && !takeFromList(listPath, listName, player, problem)) return false;
        s.players.push_back(player);
    }
    return true;
}
