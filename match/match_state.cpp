#include "match/match_state.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <unistd.h>

#include "game/time_control.h"

namespace {

constexpr char STATE_MAGIC[] = "morlan-match-state 1";

QString playerText(const MatchPlayer& p) {
    QString text = p.name + QLatin1Char('|') + p.program + QLatin1Char('|') + p.arguments.join(QLatin1Char(' ')) +
                   QLatin1Char('|') + p.protocol + QStringLiteral("|%1|%2").arg(p.moveTimeMs).arg(p.depth);
    for (auto it = p.options.begin(); it != p.options.end(); ++it) text += QLatin1Char('|') + it.key() + QLatin1Char('=') + it.value();
    return text;
}

QByteArray stateGameLine(const StateGame& g) {
    return QStringLiteral("game %1 %2 %3 %4 %5\n")
        .arg(g.index)
        .arg(QLatin1String(resultText(g.result)))
        .arg(g.begin)
        .arg(g.end)
        .arg(g.termination)
        .toUtf8();
}

bool syncWrite(QFile& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
}

}  // namespace

QString matchFingerprint(const MatchSettings& s) {
    QStringList parts;
    for (const MatchPlayer& p : s.players) parts << playerText(p);
    const MatchOpenings& o = s.openings;
    const Adjudication& a = s.adjudication;
    parts << QStringLiteral("format %1 games %2").arg(int(s.format)).arg(s.gamesPerPairing)
          << QStringLiteral("openings %1 %2 %3 %4 %5").arg(int(o.source)).arg(o.path).arg(o.plies).arg(o.count).arg(o.shuffle)
          << QStringLiteral("time %1 %2 %3 %4")
                 .arg(QString::fromStdString(timeControlText(s.time.control)))
                 .arg(s.time.moveTimeMs)
                 .arg(s.time.depth)
                 .arg(s.time.marginMs)
          << QStringLiteral("adjudication %1 %2 %3 %4 %5 %6 %7")
                 .arg(a.resign).arg(a.resignScore).arg(a.resignMoves)
                 .arg(a.draw).arg(a.drawScore).arg(a.drawMoves).arg(a.drawAfterMove)
          << QStringLiteral("rulings %1 seed %2").arg(s.rulings).arg(s.seed);
    const QByteArray digest = QCryptographicHash::hash(parts.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex().left(16));
}

const char* resultText(GameResult result) {
    switch (result) {
    case RESULT_RED_WINS: return "1-0";
    case RESULT_BLACK_WINS: return "0-1";
    case RESULT_DRAW: return "1/2-1/2";
    default: return "*";
    }
}

GameResult resultFromText(const QString& text) {
    if (text == QLatin1String("1-0")) return RESULT_RED_WINS;
    if (text == QLatin1String("0-1")) return RESULT_BLACK_WINS;
    if (text == QLatin1String("1/2-1/2")) return RESULT_DRAW;
    return RESULT_IN_PLAY;
}

bool readMatchState(const QString& path, MatchState& state, QString& problem) {
    problem.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    QList<QByteArray> lines = bytes.split('\n');
    if (!bytes.endsWith('\n')) lines.removeLast();  // a line the kill cut short
    MatchState read;
    bool magic = false;
    for (const QByteArray& raw : lines) {
        const QString line = QString::fromUtf8(raw);
        if (line.isEmpty()) continue;
        const QStringList w = line.split(QLatin1Char(' '));
        bool ok = true;
        if (!magic) ok = magic = line == QLatin1String(STATE_MAGIC);
        else if (w[0] == QLatin1String("match") && w.size() == 2) read.fingerprint = w[1];
        else if (w[0] == QLatin1String("shard") && w.size() == 3) {
            bool a = false, b = false;
            read.shard = w[1].toInt(&a);
            read.shards = w[2].toInt(&b);
            ok = a && b;
        } else if (w[0] == QLatin1String("base") && w.size() == 2) read.base = w[1].toLongLong(&ok);
        else if (w[0] == QLatin1String("game") && w.size() >= 6) {
            StateGame g;
            bool a = false, b = false, c = false;
            g.index = w[1].toInt(&a);
            g.result = resultFromText(w[2]);
            g.begin = w[3].toLongLong(&b);
            g.end = w[4].toLongLong(&c);
            g.termination = w.mid(5).join(QLatin1Char(' '));
            ok = a && b && c && g.result != RESULT_IN_PLAY && g.begin <= g.end;
            read.games.push_back(g);
        } else ok = false;
        if (!ok) {
            problem = QCoreApplication::translate("Texts", "比赛状态文件 %1 已损坏").arg(path);
            return false;
        }
    }
    if (!magic) {
        problem = QCoreApplication::translate("Texts", "%1 不是比赛状态文件").arg(path);
        return false;
    }
    state = read;
    return true;
}

bool writeMatchState(const QString& path, const MatchState& state) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray bytes = QByteArray(STATE_MAGIC) + '\n';
    bytes += "match " + state.fingerprint.toUtf8() + '\n';
    bytes += QStringLiteral("shard %1 %2\nbase %3\n").arg(state.shard).arg(state.shards).arg(state.base).toUtf8();
    for (const StateGame& g : state.games) bytes += stateGameLine(g);
    return syncWrite(file, bytes);
}

bool appendStateGame(const QString& path, const StateGame& game) {
    QFile file(path);
    return file.open(QIODevice::Append) && syncWrite(file, stateGameLine(game));
}

qint64 appendDurably(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::Append)) return -1;
    const qint64 before = file.size();
    return syncWrite(file, bytes) ? before : -1;
}
