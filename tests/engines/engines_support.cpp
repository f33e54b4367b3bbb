#include "engines_support.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include "engine/engine.h"
#include "engine/perft.h"

QString fairyStockfishPath() {
    const QString path = QStringLiteral("/usr/games/fairy-stockfish");
    return QFileInfo(path).isExecutable() ? path : QString();
}

QString morlanEnginePath() { return QStringLiteral(MORLAN_BINARY_DIR "/engine/morlan-engine"); }

QString fakeEnginePath() { return QStringLiteral(MORLAN_TEST_SOURCE_DIR "/engines/fake_engine.sh"); }

EngineTimeouts shortTimeouts() {
    EngineTimeouts t;
    t.handshakeMs = 1500;
    t.detectMs = 400;
    t.graceMs = 400;
    t.quitMs = 400;
    return t;
}

ClientRecord::ClientRecord(EngineClient& client) {
    QObject::connect(&client, &EngineClient::ready, [this] { ++readyCount; });
    QObject::connect(&client, &EngineClient::exited, [this] { ++exitedCount; });
    QObject::connect(&client, &EngineClient::failed, [this](const QString& m) { failures << m; });
    QObject::connect(&client, &EngineClient::info, [this](const EngineInfo& i) { infos.push_back(i); });
    QObject::connect(&client, &EngineClient::bestMove, [this](PackedMove m) { answers.push_back(m); });
    QObject::connect(&client, &EngineClient::logLine, [this](bool out, const QString& line) { (out ? sent : received) << line; });
}

bool ClientRecord::hasSent(const QString& prefix) const {
    for (const QString& line : sent)
        if (line.startsWith(prefix)) return true;
    return false;
}

bool playMoves(Board90& board, Side& side, const std::vector<PackedMove>& moves) {
    Engine judge;
    for (PackedMove move : moves) {
        judge.setPosition(board, side);
        if (!judge.tryMove(move)) return false;
        const GridPoint from = moveFrom(move), to = moveTo(move);
        board[boardIndex(to.file, to.rank)] = board[boardIndex(from.file, from.rank)];
        board[boardIndex(from.file, from.rank)] = NO_PIECE;
        side ^= 1;
    }
    return true;
}

bool isCheckmate(const Board90& board, Side side) {
    Engine judge;
    judge.setPosition(board, side);
    return judge.isInCheck(side) && legalMoves(judge).empty();
}
