#include "match/match_runner.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <map>

#include "engines/engine_client.h"
#include "match/match_game.h"
#include "match/match_pgn.h"
#include "match/match_state.h"

// One place a game is played: the engine processes it has started, one per
// player, kept for its next games, and the game it plays now.
struct MatchSlot {
    std::map<int, std::unique_ptr<EngineClient>> engines;
    std::unique_ptr<MatchGame> game;
};

namespace {

// Where the built-in engine is: beside the runner, or in the build tree's
// engine folder beside the runner's own.
QString findBuiltInEngine() {
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {here.filePath(QStringLiteral("morlan-engine")), here.filePath(QStringLiteral("../engine/morlan-engine"))})
        if (QFileInfo(candidate).isExecutable()) return QFileInfo(candidate).canonicalFilePath();
    return QStringLiteral("morlan-engine");
}

}  // namespace

MatchRunner::MatchRunner(const MatchSettings& settings, QObject* parent) : QObject(parent), settings_(settings) {}

MatchRunner::~MatchRunner() = default;

QString MatchRunner::playerName(int player) const {
    if (player < 0 || player >= static_cast<int>(settings_.players.size())) return {};
    return settings_.players[static_cast<std::size_t>(player)].name;
}

MatchStandings MatchRunner::standings() const { return computeStandings(settings_, schedule_, finished_); }

bool MatchRunner::checkPlayers(QString& problem) {
    const int players = static_cast<int>(settings_.players.size());
    if (players < 2 || (settings_.format == MatchFormat::Match && players != 2)) {
        problem = settings_.format == MatchFormat::Match ? QCoreApplication::translate("Texts", "对局需要两个引擎") : QCoreApplication::translate("Texts", "至少需要两个引擎");
        return false;
    }
    if (settings_.shards < 1 || settings_.shard < 1 || settings_.shard > settings_.shards) {
        problem = QCoreApplication::translate("Texts", "分片 %1/%2 无效").arg(settings_.shard).arg(settings_.shards);
        return false;
    }
    if (settings_.builtInProgram.isEmpty()) settings_.builtInProgram = findBuiltInEngine();
    for (MatchPlayer& p : settings_.players) {
        const QString program = p.builtIn() ? settings_.builtInProgram : p.program;
        if (!QFileInfo(program).isExecutable()) {
            problem = QCoreApplication::translate("Texts", "找不到引擎程序 %1").arg(program);
            return false;
        }
        if (p.name.isEmpty()) p.name = QFileInfo(program).fileName();
    }
    return true;
}

// The games already finished (from the state file beside the PGN): the
// PGN is cut back to the end of the last of them, dropping a game a kill
// left half written.
bool MatchRunner::resume(QString& problem) {
    done_.assign(schedule_.size(), false);
    for (const ScheduledGame& g : schedule_) done_[static_cast<std::size_t>(g.index)] = !inShard(g, settings_.shard, settings_.shards);
    if (settings_.pgnPath.isEmpty()) return true;
    const QString state = statePath(settings_.pgnPath);
    MatchState read;
    if (!readMatchState(state, read, problem)) {
        if (!problem.isEmpty()) return false;
        read = {matchFingerprint(settings_), settings_.shard, settings_.shards, QFileInfo(settings_.pgnPath).size(), {}};
        if (!writeMatchState(state, read)) {
            problem = QCoreApplication::translate("Texts", "无法写入比赛状态文件 %1").arg(state);
            return false;
        }
        return true;
    }
    if (read.fingerprint != matchFingerprint(settings_) || read.shard != settings_.shard || read.shards != settings_.shards) {
        problem = QCoreApplication::translate("Texts", "%1 属于另一场比赛（设置不同）；请换一个棋谱文件").arg(settings_.pgnPath);
        return false;
    }
    qint64 end = read.base;
    for (const StateGame& g : read.games) {
        if (g.index < 0 || g.index >= static_cast<int>(schedule_.size())) {
            problem = QCoreApplication::translate("Texts", "比赛状态文件 %1 已损坏").arg(state);
            return false;
        }
        end = std::max(end, g.end);
    }
    QFile pgn(settings_.pgnPath);
    if (pgn.size() < end) {
        problem = QCoreApplication::translate("Texts", "棋谱 %1 比状态文件记录的短").arg(settings_.pgnPath);
        return false;
    }
    if (pgn.size() > end && !pgn.resize(end)) {
        problem = QCoreApplication::translate("Texts", "无法截短棋谱 %1").arg(settings_.pgnPath);
        return false;
    }
    for (const StateGame& g : read.games) {
        if (done_[static_cast<std::size_t>(g.index)]) continue;
        done_[static_cast<std::size_t>(g.index)] = true;
        finished_.push_back({g.index, g.result});
    }
    resumed_ = static_cast<int>(finished_.size());
    return true;
}

bool MatchRunner::start(QString* problem) {
    QString why;
    const auto refuse = [&] {
        if (problem) *problem = why;
        return false;
    };
    if (running_) return false;
    if (!checkPlayers(why)) return refuse();
    const int rounds = (std::max(settings_.gamesPerPairing, 1) + 1) / 2;
    if (!loadOpenings(settings_, rounds, openings_, why)) return refuse();
    schedule_ = matchSchedule(settings_, static_cast<int>(openings_.size()));
    finished_.clear();
    if (!resume(why)) return refuse();
    for (int i = 0; i < std::max(settings_.concurrency, 1); ++i) slots_.push_back(std::make_unique<MatchSlot>());
    running_ = true;
    stopping_ = false;
    next_ = 0;
    Q_EMIT standingsChanged();
    QTimer::singleShot(0, this, &MatchRunner::startGames);
    return true;
}

EngineClient* MatchRunner::clientFor(MatchSlot& slot, int player) {
    std::unique_ptr<EngineClient>& client = slot.engines[player];
    if (!client) client = std::make_unique<EngineClient>();
    return client.get();
}

void MatchRunner::startGames() {
    if (!running_ || stopping_) return;
    for (auto& slot : slots_) {
        if (slot->game) continue;
        while (next_ < schedule_.size() && done_[next_]) ++next_;
        if (next_ >= schedule_.size()) break;
        const ScheduledGame& g = schedule_[next_++];
        static const MatchOpening standardStart;
        const MatchOpening& opening = openings_.empty() ? standardStart : openings_[static_cast<std::size_t>(g.opening)];
        const MatchPlayer& red = settings_.players[static_cast<std::size_t>(g.red)];
        const MatchPlayer& black = settings_.players[static_cast<std::size_t>(g.black)];
        slot->game = std::make_unique<MatchGame>(settings_, g, opening, clientFor(*slot, g.red), clientFor(*slot, g.black),
                                                 red, black);
        MatchSlot* where = slot.get();
        const int index = g.index;
        connect(slot->game.get(), &MatchGame::movePlayed, this,
                [this, index](const QString& move, qint64 redMs, qint64 blackMs) { Q_EMIT movePlayed(index, move, redMs, blackMs); });
        connect(slot->game.get(), &MatchGame::ended, this, [this, where] { gameEnded(where); }, Qt::QueuedConnection);
        Q_EMIT gameStarted(index, red.name, black.name);
        slot->game->start();
    }
    const bool playing = std::any_of(slots_.begin(), slots_.end(), [](const auto& s) { return s->game != nullptr; });
    if (!playing) shutDown();
}

bool MatchRunner::writeGame(const MatchGame& game) {
    if (settings_.pgnPath.isEmpty()) return true;
    const ScheduledGame& g = game.scheduled();
    const QByteArray text = matchGamePgn(settings_, g, game.record(), game.verdict(), playerName(g.red), playerName(g.black),
                                         QDate::currentDate());
    const qint64 begin = appendDurably(settings_.pgnPath, text);
    if (begin < 0) return false;
    return appendStateGame(statePath(settings_.pgnPath), {g.index, game.verdict().result, begin, begin + text.size(),
                                                           game.verdict().termination});
}

void MatchRunner::gameEnded(MatchSlot* slot) {
    std::unique_ptr<MatchGame> game = std::move(slot->game);
    if (!game || !game->over()) return;
    const ScheduledGame& g = game->scheduled();
    overheads_.insert(overheads_.end(), game->overheadsUs().begin(), game->overheadsUs().end());
    if (game->lostOnTime()) {
        ++timeLosses_;
        const Side loser = game->verdict().result == RESULT_RED_WINS ? SIDE_BLACK : SIDE_RED;
        Q_EMIT message(QCoreApplication::translate("Texts", "第 %1 局：%2 超时（本步已用 %3 毫秒，限 %4 毫秒，含余量 %5 毫秒）")
                           .arg(g.index + 1)
                           .arg(playerName(loser == SIDE_RED ? g.red : g.black))
                           .arg(game->forfeitThoughtMs())
                           .arg(game->forfeitAllowedMs())
                           .arg(settings_.time.marginMs));
    }
    if (!writeGame(*game)) Q_EMIT message(QCoreApplication::translate("Texts", "无法写入棋谱 %1").arg(settings_.pgnPath));
    done_[static_cast<std::size_t>(g.index)] = true;
    finished_.push_back({g.index, game->verdict().result});
    if (game->verdict().termination == QLatin1String("engine crash"))
        Q_EMIT message(QCoreApplication::translate("Texts", "第 %1 局：引擎崩溃，下一局重新启动").arg(g.index + 1));
    Q_EMIT gameFinished(g.index, QString::fromLatin1(resultText(game->verdict().result)), game->verdict().termination);
    Q_EMIT standingsChanged();
    if (sprtDecided()) {
        Q_EMIT message(QCoreApplication::translate("Texts", "SPRT 已有结论，比赛结束"));
        return stop();
    }
    startGames();
}

bool MatchRunner::sprtDecided() const {
    if (!settings_.sprt || settings_.players.size() != 2) return false;
    const MatchStandings now = standings();
    if (now.pairings.empty()) return false;
    const double ratio = sprtRatio(settings_.sprtSettings, pairTally(now.pairings[0]));
    return sprtDecision(settings_.sprtSettings, ratio) != SprtDecision::Continue;
}

void MatchRunner::stop() {
    if (!running_ || stopping_) return;
    stopping_ = true;
    for (auto& slot : slots_)
        if (slot->game) slot->game->abandon();
    for (auto& slot : slots_) slot->game.reset();
    shutDown();
}

void MatchRunner::shutDown() {
    if (!running_ || quitting_ > 0) return;
    for (auto& slot : slots_)
        for (auto& [player, client] : slot->engines) {
            if (client->state() == EngineClient::NOT_RUNNING) continue;
            ++quitting_;
            connect(client.get(), &EngineClient::exited, this, [this] {
                if (--quitting_ == 0) {
                    running_ = false;
                    Q_EMIT finished();
                }
            });
            client->quit();
        }
    if (quitting_ == 0) {
        running_ = false;
        QTimer::singleShot(0, this, [this] { Q_EMIT finished(); });
    }
}
