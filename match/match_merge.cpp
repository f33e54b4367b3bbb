#include "match/match_merge.h"

#include <QFile>
#include <map>

#include "match/match_state.h"

bool mergeShards(const MatchSettings& settings, const QStringList& inputs, const QString& output,
                 std::vector<FinishedGame>& games, QString& problem) {
    if (QFile::exists(output) || QFile::exists(statePath(output))) {
        problem = QStringLiteral("%1 already exists").arg(output);
        return false;
    }
    const QString fingerprint = matchFingerprint(settings);
    std::map<int, std::pair<StateGame, QByteArray>> byIndex;
    for (const QString& input : inputs) {
        MatchState state;
        if (!readMatchState(statePath(input), state, problem)) {
            if (problem.isEmpty()) problem = QStringLiteral("%1 has no state file").arg(input);
            return false;
        }
        if (state.fingerprint != fingerprint) {
            problem = QStringLiteral("%1 is of another match (other settings)").arg(input);
            return false;
        }
        QFile file(input);
        if (!file.open(QIODevice::ReadOnly)) {
            problem = QStringLiteral("cannot read %1").arg(input);
            return false;
        }
        const QByteArray text = file.readAll();
        for (const StateGame& g : state.games) {
            if (g.end > text.size()) {
                problem = QStringLiteral("%1 is shorter than its state file says").arg(input);
                return false;
            }
            if (!byIndex.emplace(g.index, std::pair{g, text.mid(g.begin, g.end - g.begin)}).second) {
                problem = QStringLiteral("game %1 is in two inputs").arg(g.index + 1);
                return false;
            }
        }
    }
    MatchState merged{fingerprint, 1, 1, 0, {}};
    QByteArray joined;
    games.clear();
    for (auto& [index, entry] : byIndex) {
        StateGame g = entry.first;
        g.begin = joined.size();
        joined += entry.second;
        g.end = joined.size();
        merged.games.push_back(g);
        games.push_back({index, g.result});
    }
    if (appendDurably(output, joined) < 0 || !writeMatchState(statePath(output), merged)) {
        problem = QStringLiteral("cannot write %1").arg(output);
        return false;
    }
    return true;
}
