#include "engines/engine_session.h"

#include <QCoreApplication>
#include <QObject>
#include <algorithm>

#include "engines/engine_client.h"
#include "engines/engine_limits.h"
#include "engines/engine_setup.h"

void takeHandshake(const EngineClient& client, EngineEntry& entry) {
    entry.options = client.options();
    entry.protocol = client.protocol() == EngineProtocol::UCCI ? QStringLiteral("ucci") : QStringLiteral("uci");
    entry.author = client.author();
}

EngineSession::EngineSession(const EngineEntry& entry, Hooks h)
    : entry_(entry), hooks(std::move(h)), client_(std::make_unique<EngineClient>()) {
    EngineClient* c = client_.get();
    QObject::connect(c, &EngineClient::ready, c, [this] { onReady(); });
    QObject::connect(c, &EngineClient::failed, c, [this](const QString& message) {
        searchWanted = searchHeld = false;
        if (hooks.failed) hooks.failed(*this, message);
    });
    QObject::connect(c, &EngineClient::info, c, [this](const EngineInfo& report) { onInfo(report); });
    QObject::connect(c, &EngineClient::bestMove, c, [this](PackedMove move) { onBestMove(move); });
    QObject::connect(c, &EngineClient::logLine, c, [this](bool sent, const QString& line) {
        if (hooks.log) hooks.log(*this, sent, line);
    });
    const QString lines = entry_.value(QStringLiteral("MultiPV"));
    lineCount_ = std::clamp(lines.toInt(), 1, MAX_ANALYSIS_LINES);
}

EngineSession::~EngineSession() {
    // The client ends its program; no hook may run into a session that is going.
    QObject::disconnect(client_.get(), nullptr, nullptr, nullptr);
}

QString EngineSession::name() const {
    return client_->isReady() || client_->state() == EngineClient::SEARCHING ? client_->name() : entry_.name;
}

void EngineSession::setEntry(const EngineEntry& entry) {
    entry_ = entry;
    optionsDue = true;
    if (client_->isReady()) sendOptions();
}

bool EngineSession::start() {
    if (client_->state() != EngineClient::NOT_RUNNING) return true;
    optionsDue = true;
    if (!startEngine(*client_, entry_)) return false;
    return client_->state() != EngineClient::NOT_RUNNING;
}

void EngineSession::onReady() {
    sendOptions();
    if (hooks.ready) hooks.ready(*this);
    if (!searchHeld) return;
    searchHeld = false;
    if (!runSearch() && hooks.failed) {
        searchWanted = false;
        hooks.failed(*this, QCoreApplication::translate("Texts", "引擎 %1 不接受这个局面").arg(name()));
    }
}

void EngineSession::sendOptions() {
    if (!optionsDue || !client_->isReady()) return;
    optionsDue = false;
    sendChosenOptions(*client_, entry_);
}

int EngineSession::maxLines() const {
    if (client_->isReady() || client_->state() == EngineClient::SEARCHING) {
        return std::min(client_->maxMultiPv(), MAX_ANALYSIS_LINES);
    }
    // Before the handshake, what the list remembers of the engine.
    const EngineOption* lines = entry_.option(QStringLiteral("MultiPV"));
    if (!lines || lines->type != EngineOption::SPIN) return 1;
    return std::clamp(lines->max, 1, MAX_ANALYSIS_LINES);
}

void EngineSession::setLineCount(int count) {
    const int n = std::clamp(count, 1, std::max(1, maxLines()));
    if (n == lineCount_) return;
    lineCount_ = n;
    entry_.values[QStringLiteral("MultiPV")] = QString::number(n);
    if (analysing() && !searchHeld) runSearch();  // the analysis goes on with the new count
}

bool EngineSession::startSearch(const OutsideSearch& search) {
    search_ = search;
    searchWanted = true;
    if (client_->state() == EngineClient::NOT_RUNNING || client_->state() == EngineClient::STARTING) {
        if (!start()) {
            searchWanted = false;
            return false;
        }
        searchHeld = true;
        return true;
    }
    if (runSearch()) return true;
    searchWanted = false;
    return false;
}

bool EngineSession::runSearch() {
    lines_.assign(static_cast<std::size_t>(search_.analysis ? lineCount_ : 1), EngineInfo{});
    sendOptions();
    client_->setMultiPv(search_.analysis ? std::min(lineCount_, client_->maxMultiPv()) : 1);
    const bool started = search_.analysis
                             ? client_->analyse(search_.startBoard, search_.startSide, search_.moves)
                             : client_->go(search_.startBoard, search_.startSide, search_.moves,
                                           search_.clock.timed ? EngineLimits::fromClock(search_.clock)
                                                               : EngineLimits::fromRequest(search_.limits));
    if (started) {
        searched = client_->searchBoard();
        searchedSide_ = client_->searchSide();
    }
    return started;
}

void EngineSession::moveNow() {
    if (searchWanted && !search_.analysis) client_->stop();
}

void EngineSession::abandon() {
    const bool held = searchHeld;
    searchWanted = searchHeld = false;
    if (!held) client_->stop();
}

void EngineSession::moveShown() {
    if (hooks.shown) hooks.shown(*this);
}

void EngineSession::onInfo(const EngineInfo& report) {
    if (!searchWanted || report.pv.empty()) return;
    // A running search's position, also while a stopped one still reports.
    searched = client_->searchBoard();
    searchedSide_ = client_->searchSide();
    const int index = report.multiPv - 1;
    if (index < 0 || index >= static_cast<int>(lines_.size())) return;
    lines_[static_cast<std::size_t>(index)] = report;
    if (hooks.lines) hooks.lines(*this);
}

void EngineSession::onBestMove(PackedMove move) {
    if (!searchWanted || search_.analysis) return;
    searchWanted = false;
    if (hooks.answer) hooks.answer(*this, move);
}
