// What the client tests share: the event loop, the engines they run and a
// recorder of everything a client signals.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "engines/engine_client.h"
#include "event_loop_support.h"


QString fairyStockfishPath();   // empty when the Debian package is absent
QString morlanEnginePath();     // the built engine command
QString fakeEnginePath();       // tests/engines/fake_engine.sh (run with /bin/sh)

// Short waits for the fake engine, so that failures are found quickly.
EngineTimeouts shortTimeouts();

// Everything one client said.
struct ClientRecord {
    explicit ClientRecord(EngineClient& client);
    int readyCount = 0;
    int exitedCount = 0;
    QStringList failures;
    std::vector<EngineInfo> infos;
    std::vector<PackedMove> answers;
    QStringList sent;
    QStringList received;
    bool hasSent(const QString& prefix) const;
};

// The board and side after moves from start; false when one is not legal.
bool playMoves(Board90& board, Side& side, const std::vector<PackedMove>& moves);
bool isCheckmate(const Board90& board, Side side);
