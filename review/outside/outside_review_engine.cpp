#include "review/outside/outside_review_engine.h"

#include <QFileInfo>

#include "engines/engine_client.h"
#include "engines/engine_setup.h"
#include "game/gbk.h"

OutsideReviewEngine::OutsideReviewEngine(const EngineEntry& e) : entry(e), client(std::make_unique<EngineClient>()) {
    QObject::connect(client.get(), &EngineClient::ready, client.get(), [this] {
        ready = true;
        sendChosenOptions(*client, entry);
        send();
    });
    QObject::connect(client.get(), &EngineClient::info, client.get(), [this](const EngineInfo& i) { report(i); });
    QObject::connect(client.get(), &EngineClient::bestMove, client.get(), [this](PackedMove m) { answered(m); });
    QObject::connect(client.get(), &EngineClient::failed, client.get(), [this](const QString& m) { failed(m); });
    startEngine(*client, entry);
}

OutsideReviewEngine::~OutsideReviewEngine() {
    // The client ends the program as it goes; no answer is wanted any more.
    request.reset();
    client->disconnect();
}

std::string OutsideReviewEngine::name() const {
    const QString shown = client->name().isEmpty() ? QFileInfo(entry.path).fileName() : client->name();
    return shown.toStdString();
}

bool OutsideReviewEngine::analyse(const ReviewPosition& position, const ReviewLimit& limit, Finished finished) {
    if (request) return false;
    request = Request{position, clampedLimit(limit), std::move(finished)};
    sent = false;
    if (broken) {
        failed(failure);
        return true;
    }
    send();
    return true;
}

void OutsideReviewEngine::send() {
    if (!request || sent || !ready) return;
    EngineLimits limits;
    if (request->limit.byDepth()) limits.depth = request->limit.depth;
    else limits.moveTimeMs = request->limit.moveTimeMs;
    last = {};
    const ReviewPosition& p = request->position;
    if (!client->go(p.startBoard, p.startSide, p.moves, limits)) {
        failed(QString::fromStdString(gbkToUtf8Lossy(GBK_REVIEW_ENGINE_REFUSED)));
        return;
    }
    sent = true;
}

void OutsideReviewEngine::report(const EngineInfo& info) {
    if (info.multiPv == 1 && info.scoreKind != EngineInfo::NO_SCORE && !info.lowerBound && !info.upperBound)
        last = info;
}

void OutsideReviewEngine::answered(PackedMove move) {
    if (!request || !sent) return;
    PositionAnalysis a;
    a.ok = true;
    a.bestMove = move;
    a.scored = move == 0 || last.scoreKind != EngineInfo::NO_SCORE;
    if (move == 0) {
        a.score = ReviewScore::mateIn(0);
    } else if (last.scoreKind == EngineInfo::MATE) {
        a.score = ReviewScore::mateIn(last.score);
    } else {
        a.score = ReviewScore::cp(last.score);
    }
    a.line = last.pv.empty() ? std::vector<PackedMove>{move} : last.pv;
    a.depth = last.depth;
    finish(a);
}

void OutsideReviewEngine::failed(const QString& message) {
    broken = true;
    failure = message;
    if (!request) return;
    PositionAnalysis a;
    a.error = message.toStdString();
    finish(a);
}

void OutsideReviewEngine::finish(const PositionAnalysis& a) {
    Finished done = std::move(request->finished);
    request.reset();
    sent = false;
    if (done) done(a);
}

void OutsideReviewEngine::cancel() {
    request.reset();
    sent = false;
    client->stop();
}
