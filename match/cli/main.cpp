// morlan-match: engine matches and tournaments from the command line.
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

#include "match/match_merge.h"
#include "match/match_openings.h"
#include "match/match_options.h"
#include "match/match_runner.h"
#include "match/match_schedule.h"

namespace {

constexpr char HELP_TEXT[] =
    "usage: morlan-match [options]            play a match or tournament\n"
    "       morlan-match merge [options] --pgn OUT SHARD.pgn...\n"
    "                                          join the PGNs of a split match\n"
    "\n"
    "Players (two or more):\n"
    "  --engine builtin[,level=1|2|3|,movetime=MS|,depth=N]   the built-in engine\n"
    "           (a player's own limit counts when the match has no clock)\n"
    "  --engine PATH[,name=N][,proto=uci|ucci][,arg=A][,option.NAME=VALUE]\n"
    "  --engine list=NAME --engine-list Engines.json   an engine of the engine list\n"
    "Schedule:\n"
    "  --format match|round-robin|gauntlet (match)   --games N per pairing (2)\n"
    "  --openings none|book|fen:FILE|pgn:FILE (none)  --plies K (8)\n"
    "  --shuffle   --seed N (1)   --shard K/N\n"
    "Time (the runner keeps both clocks on the wall clock):\n"
    "  --tc 600 | 60+1 | 40/5400 | 600+30b   --movetime MS   --depth N\n"
    "  --margin MS  how far past its time a move may end before it loses (100)\n"
    "Endings: mate, the repetition rulings (--no-rulings to switch them off),\n"
    "  100 plies without a capture, no attacking material, time, an illegal\n"
    "  move, a crash; adjudication:\n"
    "  --resign CP,MOVES   both engines see one side lost by CP for MOVES moves\n"
    "  --draw CP,MOVES,AFTER   both within CP of 0 for MOVES moves from move AFTER\n"
    "Output:\n"
    "  --pgn FILE  games appended as they end; FILE.state beside it lets the\n"
    "              same command, run again, go on after a kill\n"
    "  --notation chinese|coordinates   --no-comments   --event TEXT\n"
    "Statistics: each pairing's Elo with its 95% error bar and LOS, from games\n"
    "  and from colour-swapped pairs (pentanomial)\n"
    "  --sprt ELO0,ELO1,ALPHA,BETA   a match of two stops when the SPRT decides\n"
    "Running:\n"
    "  --concurrency N (1)   --overhead-log FILE   --builtin-program PATH\n"
    "  --help   --version\n";

void err(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

qint64 median(std::vector<qint64> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int runMerge(const MatchSettings& settings, const QStringList& inputs) {
    QString problem;
    std::vector<MatchOpening> openings;
    const int rounds = (std::max(settings.gamesPerPairing, 1) + 1) / 2;
    if (!loadOpenings(settings, rounds, openings, problem)) return err(problem + QLatin1Char('\n')), 1;
    std::vector<FinishedGame> games;
    if (settings.pgnPath.isEmpty() || inputs.isEmpty())
        return err(QStringLiteral("merge needs --pgn OUT and the shards' PGNs\n")), 2;
    if (!mergeShards(settings, inputs, settings.pgnPath, games, problem)) return err(problem + QLatin1Char('\n')), 1;
    MatchSettings whole = settings;
    whole.shard = whole.shards = 1;
    const auto schedule = matchSchedule(whole, static_cast<int>(openings.size()));
    err(standingsText(whole, computeStandings(whole, schedule, games)));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.contains(QStringLiteral("--help"))) return std::fputs(HELP_TEXT, stdout), 0;
    if (args.contains(QStringLiteral("--version"))) return std::printf("morlan-match %s\n", MORLAN_VERSION), 0;
    const bool merge = !args.isEmpty() && args.first() == QLatin1String("merge");
    if (merge) args.removeFirst();
    QString overheadLog;
    if (const qsizetype at = args.indexOf(QStringLiteral("--overhead-log")); at >= 0 && at + 1 < args.size()) {
        overheadLog = args[at + 1];
        args.remove(at, 2);
    }
    MatchSettings settings;
    QStringList rest;
    QString problem;
    if (!parseMatchOptions(args, settings, rest, problem)) return err(problem + QStringLiteral("\n\n") + QLatin1String(HELP_TEXT)), 2;
    if (merge) return runMerge(settings, rest);
    if (!rest.isEmpty()) return err(QStringLiteral("unexpected word %1\n").arg(rest.first())), 2;

    MatchRunner runner(settings);
    QObject::connect(&runner, &MatchRunner::message, [](const QString& text) { err(text + QLatin1Char('\n')); });
    std::size_t overheadsLogged = 0;  // appended as each game ends, so a kill loses only the games in progress
    QObject::connect(&runner, &MatchRunner::gameFinished, [&](int index, const QString& result, const QString& why) {
        QFile log(overheadLog);
        if (!overheadLog.isEmpty() && log.open(QIODevice::Append)) {
            QTextStream out(&log);
            for (; overheadsLogged < runner.overheadsUs().size(); ++overheadsLogged) out << runner.overheadsUs()[overheadsLogged] << '\n';
        }
        const ScheduledGame& g = runner.schedule()[static_cast<std::size_t>(index)];
        err(QStringLiteral("game %1: %2 - %3 %4 (%5)\n").arg(index + 1).arg(runner.playerName(g.red), runner.playerName(g.black), result, why));
        err(standingsText(runner.settings(), runner.standings()));
    });
    QObject::connect(&runner, &MatchRunner::finished, [&] {
        const auto& o = runner.overheadsUs();
        const qint64 worst = o.empty() ? 0 : *std::max_element(o.begin(), o.end());
        err(QStringLiteral("done: %1 games played now, %2 from before; time losses %3; runner overhead per move: "
                           "median %4 us, worst %5 us over %6 moves\n")
                .arg(runner.finishedGames().size() - runner.resumedGames())
                .arg(runner.resumedGames())
                .arg(runner.timeLosses())
                .arg(median(o))
                .arg(worst)
                .arg(o.size()));
        app.quit();
    });
    if (!runner.start(&problem)) return err(problem + QLatin1Char('\n')), 1;
    if (runner.resumedGames() > 0) err(QStringLiteral("going on after %1 finished games\n").arg(runner.resumedGames()));
    return app.exec();
}
