// What the engine client costs its program while an outside engine works:
// an analysis in three lines for some seconds, then a few moves at a
// fixed time; prints the reports read, the program's own processor time
// and memory, and the engine's.
//
//   build/tests/engine_client_bench [ENGINE] [SECONDS] [MOVES] [MOVE_MS]
//   (defaults: /usr/games/fairy-stockfish 10 6 1000)
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

#include "engines/engine_client.h"

namespace {

double cpuMs(int who) {
    rusage u{};
    getrusage(who, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

long maxRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

template <typename Done>
bool runUntil(Done done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    // The event loop sleeps between events as the program's own does.
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
    tick.start(20);
    while (!done() && clock.elapsed() < timeoutMs) loop.exec();
    return done();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString program = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/usr/games/fairy-stockfish");
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
    const int moves = argc > 3 ? std::atoi(argv[3]) : 6;
    const int moveMs = argc > 4 ? std::atoi(argv[4]) : 1000;

    EngineClient client;
    QString failure;
    long infos = 0, logLines = 0;
    std::vector<PackedMove> answers;
    QObject::connect(&client, &EngineClient::failed, [&](const QString& m) { failure = m; });
    QObject::connect(&client, &EngineClient::info, [&](const EngineInfo&) { ++infos; });
    QObject::connect(&client, &EngineClient::logLine, [&](bool, const QString&) { ++logLines; });
    QObject::connect(&client, &EngineClient::bestMove, [&](PackedMove m) { answers.push_back(m); });
    client.start(program);
    if (!runUntil([&] { return client.isReady() || !failure.isEmpty(); }, 15000) || !failure.isEmpty()) {
        std::printf("engine did not start: %s\n", failure.toUtf8().constData());
        return 1;
    }
    std::printf("engine: %s (%s, ranks from %d)\n", client.name().toUtf8().constData(),
                client.protocol() == EngineProtocol::UCI ? "UCI" : "UCCI", client.rankBase() == RankBase::FROM_ONE ? 1 : 0);

    client.setMultiPv(std::min(3, client.maxMultiPv()));
    const double cpuBefore = cpuMs(RUSAGE_SELF);
    QElapsedTimer wall;
    wall.start();
    client.analyse(INITIAL_BOARD, SIDE_RED, {});
    runUntil([&] { return !failure.isEmpty(); }, seconds * 1000);
    client.stop();
    runUntil([&] { return !answers.empty() || !failure.isEmpty(); }, 10000);
    const double analysisCpu = cpuMs(RUSAGE_SELF) - cpuBefore;
    std::printf("analysis: %d s wall, %ld reports, %ld log lines, program %.0f ms processor (%.2f%% of one core)\n",
                static_cast<int>(wall.elapsed() / 1000), infos, logLines, analysisCpu, 100.0 * analysisCpu / wall.elapsed());

    std::vector<PackedMove> game;
    wall.restart();
    const double gameCpuBefore = cpuMs(RUSAGE_SELF);
    for (int i = 0; i < moves && failure.isEmpty(); ++i) {
        const std::size_t before = answers.size();
        client.go(INITIAL_BOARD, SIDE_RED, game, EngineLimits{moveMs, 0});
        runUntil([&] { return answers.size() > before || !failure.isEmpty(); }, moveMs + 10000);
        if (answers.size() > before) game.push_back(answers.back());
    }
    std::printf("game: %zu moves at %d ms in %.1f s wall, program %.0f ms processor\n", game.size(), moveMs,
                wall.elapsed() / 1000.0, cpuMs(RUSAGE_SELF) - gameCpuBefore);
    client.quit();
    runUntil([&] { return client.state() == EngineClient::NOT_RUNNING; }, 5000);
    std::printf("program peak memory %ld KiB; the engine used %.0f ms processor\n", maxRssKb(), cpuMs(RUSAGE_CHILDREN));
    if (!failure.isEmpty()) std::printf("failure: %s\n", failure.toUtf8().constData());
    return failure.isEmpty() ? 0 : 1;
}
