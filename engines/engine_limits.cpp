#include "engines/engine_limits.h"

#include <algorithm>

EngineLimits EngineLimits::fromRequest(const SearchRequest& request) {
    EngineLimits limits;
    if (request.limitsTime() && request.seconds > 0) limits.moveTimeMs = request.seconds * 1000;
    if (request.limitsDepth() && request.depth > 0) limits.depth = request.depth;
    // A request without a usable limit still has to end: one second.
    if (limits.infinite()) limits.moveTimeMs = 1000;
    return limits;
}

EngineLimits EngineLimits::fromClock(const EngineClock& clock) {
    EngineLimits limits;
    limits.clock = clock;
    if (clock.moveTimeMs > 0) limits.moveTimeMs = static_cast<int>(std::min<std::int64_t>(clock.moveTimeMs, 1 << 30));
    return limits;
}

namespace {

QString uciClock(const EngineClock& c) {
    QString line = QStringLiteral("go wtime %1 btime %2 winc %3 binc %4")
                       .arg(c.timeMs[SIDE_RED])
                       .arg(c.timeMs[SIDE_BLACK])
                       .arg(c.incrementMs[SIDE_RED])
                       .arg(c.incrementMs[SIDE_BLACK]);
    if (c.movesToGo > 0) line += QStringLiteral(" movestogo %1").arg(c.movesToGo);
    return line;
}

QString ucciClock(const EngineClock& c, Side mover) {
    const int own = mover & 1, other = own ^ 1;
    QString line = QStringLiteral("go time ") + QString::number(c.timeMs[own]);
    if (c.movesToGo > 0) line += QStringLiteral(" movestogo %1").arg(c.movesToGo);
    else line += QStringLiteral(" increment ") + QString::number(c.incrementMs[own]);
    line += QStringLiteral(" opptime ") + QString::number(c.timeMs[other]);
    if (c.movesToGo > 0) line += QStringLiteral(" oppmovestogo %1").arg(c.movesToGo);
    else line += QStringLiteral(" oppincrement ") + QString::number(c.incrementMs[other]);
    return line;
}

}  // namespace

QString goCommandLine(const EngineLimits& limits, Side mover, bool uci) {
    if (limits.infinite()) return QStringLiteral("go infinite");
    if (limits.clocked()) {
        QString line = uci ? uciClock(limits.clock) : ucciClock(limits.clock, mover);
        if (limits.depth > 0) line += QStringLiteral(" depth %1").arg(limits.depth);
        return line;
    }
    QString command = QStringLiteral("go");
    if (limits.moveTimeMs > 0) {
        // UCCI has no fixed time a move: the whole clock for this one move.
        command += uci ? QStringLiteral(" movetime %1").arg(limits.moveTimeMs)
                       : QStringLiteral(" time %1 movestogo 1").arg(limits.moveTimeMs);
    }
    if (limits.depth > 0) command += QStringLiteral(" depth %1").arg(limits.depth);
    return command;
}
