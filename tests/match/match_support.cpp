#include "match_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

MatchPlayer scriptedPlayer(const QString& name, int score, const QStringList& answers) {
    MatchPlayer p;
    p.name = name;
    p.program = QStringLiteral("/bin/sh");
    p.arguments = QStringList{QStringLiteral(MORLAN_TEST_SOURCE_DIR "/match/match_engine.sh"), QString::number(score)} + answers;
    p.protocol = QStringLiteral("uci");
    return p;
}

QString testFolder(const QString& name) {
    QDir dir(QDir::temp().filePath(QStringLiteral("morlan-match-tests/") + name));
    dir.removeRecursively();
    QDir().mkpath(dir.path());
    return dir.path();
}

bool playMatch(MatchRunner& runner, QString* problem) {
    ensureApplication();
    bool finished = false;
    QObject::connect(&runner, &MatchRunner::finished, [&finished] { finished = true; });
    if (!runner.start(problem)) return false;
    return waitFor([&finished] { return finished; }, 60000);
}
