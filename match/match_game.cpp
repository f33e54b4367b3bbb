#include "match/match_game.h"

#include "game/engine_clock.h"

#include "engine/board_move.h"
#include "engine/engine.h"
#include "engine/fen.h"
#include "engines/engine_client.h"
#include "game/game_end.h"
#include "game/gbk.h"
#include "game/move_notation.h"
#include "match/match_terminations.h"

namespace {

// A game no rule has ended by then is drawn (engines shuffling without a
// repetition ruling would otherwise play on for ever).
constexpr int MAX_GAME_PLIES = 1000;

Side otherSide(Side side) { return side == SIDE_RED ? SIDE_BLACK : SIDE_RED; }

GameResult winnerOf(Side side) { return side == SIDE_RED ? RESULT_RED_WINS : RESULT_BLACK_WINS; }

std::optional<int> centipawnsOf(const std::optional<EngineInfo>& info) {
    if (!info || info->scoreKind == EngineInfo::NO_SCORE) return std::nullopt;
    if (info->scoreKind == EngineInfo::CENTIPAWNS) return info->score;
    return info->score > 0 ? MATE_SCORE_CP - info->score : -MATE_SCORE_CP - info->score;
}

}  // namespace

MatchGame::MatchGame(const MatchSettings& settings, const ScheduledGame& game, const MatchOpening& opening,
                     EngineClient* red, EngineClient* black, const MatchPlayer& redPlayer,
                     const MatchPlayer& blackPlayer, QObject* parent)
    : QObject(parent), settings_(settings), game_(game), opening_(opening), adjudicator_(settings.adjudication) {
    clients_[SIDE_RED] = red;
    clients_[SIDE_BLACK] = black;
    players_[SIDE_RED] = redPlayer;
    players_[SIDE_BLACK] = blackPlayer;
    clocks_[SIDE_RED] = clocks_[SIDE_BLACK] = startClock(settings.time.control);
    record_.startBoard = opening.board;
    record_.startSide = opening.side;
    board_ = opening.board;
    side_ = opening.side;
    Engine& rules = plainEngine();
    for (PackedMove m : opening.moves) {
        playIfLegal(rules, board_, side_, m);
        record_.moves.push_back({m, {}});
    }
    flag_.setSingleShot(true);
    flag_.setTimerType(Qt::PreciseTimer);
    connect(&flag_, &QTimer::timeout, this, &MatchGame::flagFell);
}

MatchGame::~MatchGame() { disconnectClients(); }

void MatchGame::start() {
    started_ = true;
    for (Side side : {SIDE_RED, SIDE_BLACK}) {
        EngineClient* client = clients_[side];
        connect(client, &EngineClient::ready, this, [this, side] { clientReady(side); });
        connect(client, &EngineClient::failed, this, [this, side](const QString& m) { failed(side, m); });
        connect(client, &EngineClient::bestMove, this, [this, side](PackedMove m) { answered(side, m); });
        connect(client, &EngineClient::info, this, [this, side](const EngineInfo& info) {
            if (side == side_ && info.multiPv == 1 && (info.scoreKind != EngineInfo::NO_SCORE || !info.pv.empty()))
                lastInfo_ = info;
        });
    }
    for (Side side : {SIDE_RED, SIDE_BLACK}) {
        EngineClient* client = clients_[side];
        const EngineClient::State state = client->state();
        if (state == EngineClient::IDLE || state == EngineClient::SEARCHING || state == EngineClient::STOPPING) {
            ready_[side] = true;  // a search of the last game still ending is dropped by the next go
            client->newGame();
            continue;
        }
        if (state == EngineClient::NOT_RUNNING || state == EngineClient::QUITTING) launch(side);
    }
    if (ready_[SIDE_RED] && ready_[SIDE_BLACK]) requestMove();
}

// Starts a side's program; one given up in the last game is started once
// its old process has ended.
void MatchGame::launch(Side side) {
    EngineClient* client = clients_[side];
    if (client->state() == EngineClient::QUITTING) {
        connect(client, &EngineClient::exited, this, [this, side] { launch(side); }, Qt::SingleShotConnection);
        return;
    }
    if (over() || client->state() != EngineClient::NOT_RUNNING) return;
    const MatchPlayer& p = players_[side];
    const EngineProtocol protocol = p.protocol == QLatin1String("uci")    ? EngineProtocol::UCI
                                    : p.protocol == QLatin1String("ucci") ? EngineProtocol::UCCI
                                                                          : EngineProtocol::AUTO;
    const QString program = p.builtIn() ? settings_.builtInProgram : p.program;
    if (!client->start(program, p.arguments, protocol)) failed(side, QStringLiteral("engine did not start"));
}

void MatchGame::clientReady(Side side) {
    if (over() || ready_[side]) return;
    EngineClient* client = clients_[side];
    const MatchPlayer& p = players_[side];
    for (auto it = p.options.begin(); it != p.options.end(); ++it) client->setOption(it.key(), it.value());
    client->newGame();
    ready_[side] = true;
    if (ready_[otherSide(side)]) requestMove();
}

EngineLimits MatchGame::limitsFor(Side side) const {
    EngineLimits limits;
    const MatchTime& t = settings_.time;
    if (!t.control.unlimited()) {
        const TimeControl controls[2] = {t.control, t.control};
        limits = EngineLimits::fromClock(engineClock(controls, clocks_, side));
    } else if (t.moveTimeMs > 0 || t.depth > 0) {
        limits.moveTimeMs = t.moveTimeMs;
        limits.depth = t.depth;
    } else {
        limits.moveTimeMs = players_[side].moveTimeMs;
        limits.depth = players_[side].depth;
        if (limits.infinite()) limits.moveTimeMs = 1000;  // a player without any limit still has to move
    }
    return limits;
}

std::vector<PackedMove> MatchGame::playedMoves() const {
    std::vector<PackedMove> moves;
    for (const DocumentMove& m : record_.moves) moves.push_back(m.move);
    return moves;
}

void MatchGame::requestMove() {
    if (over()) return;
    const MatchTime& t = settings_.time;
    allowedMs_ = -1;
    if (!t.control.unlimited()) allowedMs_ = timeUntilFlag(t.control, clocks_[side_], 0) + t.marginMs;
    else if (t.moveTimeMs > 0) allowedMs_ = t.moveTimeMs + t.marginMs;
    lastInfo_.reset();
    const EngineLimits limits = limitsFor(side_);
    if (!clients_[side_]->go(record_.startBoard, record_.startSide, playedMoves(), limits))
        return failed(side_, QStringLiteral("engine refused the position"));
    thinking_.start();
    if (sinceAnswer_.isValid()) overheads_.push_back(sinceAnswer_.nsecsElapsed() / 1000);
    if (allowedMs_ >= 0) flag_.start(static_cast<int>(std::min<std::int64_t>(allowedMs_ + 1, 1 << 30)));
}

QString MatchGame::commentFor(const EngineInfo& info, std::int64_t spentMs) const {
    QString score;
    if (info.scoreKind == EngineInfo::CENTIPAWNS)
        score = QStringLiteral("%1%2").arg(info.score >= 0 ? QStringLiteral("+") : QString()).arg(info.score / 100.0, 0, 'f', 2);
    else if (info.scoreKind == EngineInfo::MATE)
        score = QStringLiteral("%1M%2").arg(info.score > 0 ? QStringLiteral("+") : QStringLiteral("-")).arg(std::abs(info.score));
    QString text = score;
    if (info.depth >= 0) text += QStringLiteral("/%1").arg(info.depth);
    if (!text.isEmpty()) text += QLatin1Char(' ');
    return text + QStringLiteral("%1s").arg(spentMs / 1000.0, 0, 'f', 3);
}

qint64 MatchGame::clockShown(Side side) const {
    if (settings_.time.control.unlimited()) return -1;
    const ClockReading r = readClock(settings_.time.control, clocks_[side], 0);
    return r.inPeriod ? r.periodMs : r.mainMs;
}

void MatchGame::answered(Side side, PackedMove move) {
    if (over() || side != side_) return;
    const std::int64_t spent = thinking_.elapsed();
    sinceAnswer_.start();
    flag_.stop();
    if (allowedMs_ >= 0 && spent > allowedMs_) return loseOnTime(spent);
    if (!settings_.time.control.unlimited()) {
        const std::int64_t allowed = timeUntilFlag(settings_.time.control, clocks_[side], 0);
        chargeMove(settings_.time.control, clocks_[side], std::min(spent, allowed));
    }
    if (move == 0) return finish(winnerOf(otherSide(side)), QString::fromLatin1(TERMINATION_MATE));
    const Board90 before = board_;
    if (!playIfLegal(plainEngine(), board_, side_, move))
        return finish(winnerOf(otherSide(side)), QString::fromLatin1(TERMINATION_ILLEGAL));
    const QString comment = settings_.moveComments ? commentFor(lastInfo_.value_or(EngineInfo{}), spent) : QString();
    record_.moves.push_back({move, comment.toStdString()});
    const MoveNotation notation = settings_.moveText == MoveText::Chinese ? MoveNotation::Chinese : MoveNotation::Coordinate;
    const std::string text = formatMoveAs(notation, before, move);
    Q_EMIT movePlayed(QString::fromStdString(gbkToUtf8Lossy(text)), clockShown(SIDE_RED), clockShown(SIDE_BLACK));
    adjudicator_.addScore(side, centipawnsOf(lastInfo_));

    const std::vector<PackedMove> line = playedMoves();
    const GameEnd end = judgeGameEnd(record_.startBoard, record_.startSide, line, 0, settings_.rulings);
    if (end.reason != EndReason::None) return finish(end.result, QString::fromLatin1(endReasonName(end.reason)));
    const int enginePlies = static_cast<int>(record_.moves.size() - opening_.moves.size());
    const int fullMove = (static_cast<int>(record_.moves.size()) + (record_.startSide == SIDE_RED ? 1 : 2)) / 2;
    const GameResult adjudicated = adjudicator_.verdict(fullMove);
    if (adjudicated == RESULT_DRAW) return finish(adjudicated, QString::fromLatin1(TERMINATION_ADJUDICATED_DRAW));
    if (adjudicated != RESULT_IN_PLAY) return finish(adjudicated, QString::fromLatin1(TERMINATION_ADJUDICATED_RESIGN));
    if (enginePlies >= MAX_GAME_PLIES) return finish(RESULT_DRAW, QString::fromLatin1(TERMINATION_MAX_PLIES));
    requestMove();
}

void MatchGame::flagFell() {
    if (over()) return;
    if (allowedMs_ >= 0 && thinking_.elapsed() <= allowedMs_) {  // a timer a little early
        flag_.start(static_cast<int>(allowedMs_ - thinking_.elapsed() + 1));
        return;
    }
    clients_[side_]->stop();  // its answer, if it comes, is of no use
    loseOnTime(thinking_.elapsed());
}

void MatchGame::loseOnTime(std::int64_t thoughtMs) {
    timeLoss_ = true;
    forfeitThought_ = thoughtMs;
    clocks_[side_].flagged = true;
    finish(winnerOf(otherSide(side_)), QString::fromLatin1(TERMINATION_TIME));
}

void MatchGame::failed(Side side, const QString&) {
    if (over()) return;
    flag_.stop();
    const bool illegal = clients_[side]->failure() == EngineFailure::ILLEGAL_MOVE;
    finish(winnerOf(otherSide(side)), QString::fromLatin1(illegal ? TERMINATION_ILLEGAL : TERMINATION_CRASH));
}

void MatchGame::finish(GameResult result, const QString& termination) {
    verdict_ = {result, termination};
    flag_.stop();
    disconnectClients();
    Q_EMIT ended();
}

void MatchGame::abandon() {
    if (over()) return;
    flag_.stop();
    disconnectClients();
    for (EngineClient* client : clients_)
        if (client->state() == EngineClient::SEARCHING) client->stop();
}

void MatchGame::disconnectClients() {
    if (!started_) return;
    for (EngineClient* client : clients_) client->disconnect(this);
    started_ = false;
}
