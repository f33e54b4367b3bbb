#include "shell/engine_log.h"

void EngineLog::append(const QString& engine, bool sent, const QString& line) {
    push(engine + (sent ? QStringLiteral(" < ") : QStringLiteral(" > ")) + line);
}

void EngineLog::note(const QString& engine, const QString& text) { push(engine + QStringLiteral(" * ") + text); }

void EngineLog::push(QString text) {
    lines_.push_back(std::move(text));
    ++total_;
    while (lines_.size() > static_cast<std::size_t>(ENGINE_LOG_LINES)) lines_.pop_front();
}

void EngineLog::clear() {
    lines_.clear();
    total_ = 0;
}
