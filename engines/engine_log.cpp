#include "engines/engine_log.h"

void EngineLog::append(bool sent, const QString& text) {
    if (lines_.size() == CAPACITY) lines_.pop_front();
    lines_.push_back({sent, text});
    ++total_;
}

QString EngineLog::text() const {
    QString out;
    for (const Line& line : lines_) out += (line.sent ? QStringLiteral("> ") : QStringLiteral("< ")) + line.text + QLatin1Char('\n');
    return out;
}
