#include "engines/engine_client.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include "engine/board_move.h"
#include "engine/engine.h"
#include "engine/fen.h"
#include "engine/perft.h"
#include "game/gbk.h"

namespace {

// Output that never ends a line, or lines no one can read, count as garbage.
constexpr qsizetype MAX_LINE_BYTES = 1 << 16;
constexpr int MAX_UNREADABLE_LINES = 50;

bool hasControlCharacters(const QString& line) {
    for (QChar c : line)
        if (c.unicode() < 0x20 && c != QLatin1Char('\t')) return true;
    return false;
}

// A line for the log whatever it holds.
QString printable(QString line) {
    for (QChar& c : line)
        if (c.unicode() < 0x20) c = QChar(0xFFFD);
    return line;
}

QString quoted(const QString& text) { return QStringLiteral("“%1”").arg(text); }

}  // namespace

EngineClient::EngineClient(QObject* parent) : QObject(parent), judge_(std::make_unique<Engine>()) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);  // a limit is a limit, not five per cent either way
    connect(&timer_, &QTimer::timeout, this, &EngineClient::timerFired);
}

EngineClient::~EngineClient() {
    if (!process_) return;
    disconnect(process_, nullptr, this, nullptr);
    if (process_->state() != QProcess::NotRunning) {
        if (state_ == SEARCHING) process_->write("stop\n");
        if (state_ != STARTING) process_->write("quit\n");
        if (!process_->waitForFinished(std::min(timeouts_.quitMs, 500))) {
            process_->kill();
            process_->waitForFinished(1000);
        }
    }
    delete process_;
}

// ---------------------------------------------------------------- start

bool EngineClient::start(const QString& program, const QStringList& arguments, EngineProtocol protocol) {
    if (state_ != NOT_RUNNING) return false;
    if (process_) {  // a program given up earlier that has not reported its end yet
        disconnect(process_, nullptr, this, nullptr);
        process_->kill();
        process_->deleteLater();
        process_ = nullptr;
    }
    program_ = program;
    requested_ = protocol;
    protocol_ = protocol == EngineProtocol::UCCI ? EngineProtocol::UCCI : EngineProtocol::UCI;
    rankBase_ = RankBase::FROM_ZERO;
    name_ = QFileInfo(program).fileName();
    author_.clear();
    options_.clear();
    multiPv_ = multiPvSent_ = 1;
    awaitingReadyOk_ = false;
    unreadableLines_ = 0;
    pending_.clear();
    queued_.reset();
    failure_ = EngineFailure::NONE;
    failureMessage_.clear();
    state_ = STARTING;
    clock_.start();

    const QString path = program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile() || !file.isExecutable()) {
        // Reported from the event loop, like every other failure.
        QMetaObject::invokeMethod(
            this, [this, program] { fail(EngineFailure::MISSING, QCoreApplication::translate("Texts", "找不到引擎程序 %1，或它不能执行").arg(quoted(program))); },
            Qt::QueuedConnection);
        return true;
    }
    process_ = new QProcess(this);
    process_->setProgram(file.absoluteFilePath());
    process_->setArguments(arguments);
    // Engines find their networks and books beside themselves.
    process_->setWorkingDirectory(file.absolutePath());
    process_->setStandardErrorFile(QProcess::nullDevice());
    connect(process_, &QProcess::started, this, [this] { sendHandshake(protocol_); });
    connect(process_, &QProcess::readyReadStandardOutput, this, &EngineClient::readOutput);
    connect(process_, &QProcess::finished, this, &EngineClient::processEnded);
    connect(process_, &QProcess::errorOccurred, this, &EngineClient::processError);
    armTimer(WAIT_HANDSHAKE, timeouts_.handshakeMs);
    process_->start();
    return true;
}

void EngineClient::sendHandshake(EngineProtocol protocol) {
    protocol_ = protocol;
    if (protocol == EngineProtocol::UCI) {
        send(QStringLiteral("uci"));
        if (requested_ == EngineProtocol::AUTO) armTimer(WAIT_DETECT, std::min(timeouts_.detectMs, timeouts_.handshakeMs));
    } else {
        options_.clear();  // of a "uci" half-answered
        send(QStringLiteral("ucci"));
        armHandshakeRest();
    }
}

void EngineClient::armHandshakeRest() {
    armTimer(WAIT_HANDSHAKE, std::max<int>(timeouts_.handshakeMs - static_cast<int>(clock_.elapsed()), 0));
}

void EngineClient::handleHandshakeLine(const QString& line) {
    const bool uci = protocol_ == EngineProtocol::UCI;
    if (awaitingReadyOk_) {
        if (line == QLatin1String("readyok")) {
            awaitingReadyOk_ = false;
            timer_.stop();
            wait_ = WAIT_NONE;
            state_ = IDLE;
            Q_EMIT ready();
        }
        return;
    }
    if (line.startsWith(QLatin1String("id name "))) {
        name_ = line.mid(8).trimmed();
    } else if (line.startsWith(QLatin1String("id author "))) {
        author_ = line.mid(10).trimmed();
    } else if (line.startsWith(QLatin1String("option "))) {
        if (auto option = uci ? readUciOption(line) : readUcciOption(line)) options_.push_back(*option);
    } else if (line == QLatin1String(uci ? "uciok" : "ucciok")) {
        finishHandshake();
    } else if (uci && requested_ == EngineProtocol::AUTO && line.contains(QLatin1String("nknown command"))) {
        sendHandshake(EngineProtocol::UCCI);  // it said it does not know "uci"
    }
}

void EngineClient::finishHandshake() {
    armHandshakeRest();  // no more protocol detection; readyok is still due
    if (protocol_ == EngineProtocol::UCI) {
        if (const EngineOption* variant = findOption(QStringLiteral("UCI_Variant"))) {
            if (variant->type == EngineOption::COMBO && !variant->accepts(QStringLiteral("xiangqi")))
                return fail(EngineFailure::NO_HANDSHAKE, QCoreApplication::translate("Texts", "引擎 %1 不下中国象棋").arg(quoted(name_)));
            sendOption(*variant, QStringLiteral("xiangqi"));
            rankBase_ = RankBase::FROM_ONE;  // a chess engine counts ranks from 1
        }
    } else if (const EngineOption* millis = findOption(QStringLiteral("usemillisec"))) {
        sendOption(*millis, QStringLiteral("true"));  // times are sent in milliseconds
    }
    if (const EngineOption* lines = findOption(QStringLiteral("MultiPV")); lines && lines->type == EngineOption::SPIN)
        multiPv_ = multiPvSent_ = std::max(1, lines->defaultValue.toInt());
    awaitingReadyOk_ = true;
    send(QStringLiteral("isready"));
}

// ---------------------------------------------------------------- options

const EngineOption* EngineClient::findOption(const QString& name) const {
    for (const EngineOption& option : options_)
        if (option.name.compare(name, Qt::CaseInsensitive) == 0) return &option;
    return nullptr;
}

int EngineClient::maxMultiPv() const {
    const EngineOption* lines = findOption(QStringLiteral("MultiPV"));
    return lines && lines->type == EngineOption::SPIN ? std::max(1, lines->max) : 1;
}

void EngineClient::sendOption(const EngineOption& option, const QString& value) {
    const bool button = option.type == EngineOption::BUTTON;
    if (protocol_ == EngineProtocol::UCI)
        send(button ? QStringLiteral("setoption name %1").arg(option.name)
                    : QStringLiteral("setoption name %1 value %2").arg(option.name, value));
    else
        send(button ? QStringLiteral("setoption %1").arg(option.name)
                    : QStringLiteral("setoption %1 %2").arg(option.name, value));
}

bool EngineClient::setOption(const QString& name, const QString& value) {
    const EngineOption* option = findOption(name);
    if (state_ != IDLE || !option || !option->accepts(value)) return false;
    sendOption(*option, value);
    if (option->name.compare(QLatin1String("MultiPV"), Qt::CaseInsensitive) == 0)
        multiPv_ = multiPvSent_ = value.toInt();
    return true;
}

bool EngineClient::setMultiPv(int lines) {
    if (lines < 1 || lines > maxMultiPv()) return false;
    multiPv_ = lines;  // sent with the next search
    return true;
}

void EngineClient::newGame() {
    if (state_ == IDLE && protocol_ == EngineProtocol::UCI) send(QStringLiteral("ucinewgame"));
}

// ---------------------------------------------------------------- searching

bool EngineClient::playChecked(Board90& board, Side& side, PackedMove move) const {
    return playIfLegal(*judge_, board, side, move);
}

bool EngineClient::checkLine(const std::vector<PackedMove>& moves, Board90& board, Side& side) const {
    for (PackedMove move : moves)
        if (!playChecked(board, side, move)) return false;
    return true;
}

bool EngineClient::go(const Board90& startBoard, Side startSide, const std::vector<PackedMove>& moves,
                      const EngineLimits& limits) {
    if (state_ != IDLE && state_ != SEARCHING && state_ != STOPPING) return false;
    Search search{startBoard, startSide, startBoard, startSide, moves, limits};
    if (!checkLine(moves, search.board, search.side)) return false;
    if (state_ == IDLE) {
        beginSearch(search);
        return true;
    }
    // The running search ends first; its answer is of no use any more.
    queued_ = std::make_unique<Search>(search);
    answerWanted_ = false;
    if (state_ == SEARCHING) {
        send(QStringLiteral("stop"));
        state_ = STOPPING;
        armTimer(WAIT_ANSWER, timeouts_.graceMs);
    }
    return true;
}

bool EngineClient::analyse(const Board90& startBoard, Side startSide, const std::vector<PackedMove>& moves) {
    return go(startBoard, startSide, moves, EngineLimits{});
}

QString EngineClient::goCommand(const EngineLimits& limits) const {
    return goCommandLine(limits, current_.side, protocol_ == EngineProtocol::UCI);
}

void EngineClient::beginSearch(const Search& search) {
    current_ = search;
    searchBoard_ = search.board;
    searchSide_ = search.side;
    answerWanted_ = true;
    if (multiPv_ != multiPvSent_) {
        if (const EngineOption* lines = findOption(QStringLiteral("MultiPV")))
            sendOption(*lines, QString::number(multiPv_));
        multiPvSent_ = multiPv_;
    }
    QString position = QStringLiteral("position fen ") + QString::fromStdString(writeFen(search.startBoard, search.startSide));
    if (!search.moves.empty()) {
        position += QStringLiteral(" moves");
        for (PackedMove move : search.moves) position += QLatin1Char(' ') + writeEngineMove(move, rankBase_);
    }
    send(position);
    send(goCommand(search.limits));
    state_ = SEARCHING;
    if (search.limits.clocked()) {
        // The engine keeps its own time; it may take all it has before its flag.
        const std::int64_t allowed = std::min<std::int64_t>(search.limits.clock.untilFlagMs, 1 << 30);
        armTimer(WAIT_ANSWER, static_cast<int>(allowed) + timeouts_.graceMs);
    } else if (search.limits.moveTimeMs <= 0) {
        timer_.stop();  // a depth or an analysis: no time to hold it to
        wait_ = WAIT_NONE;
    } else if (protocol_ == EngineProtocol::UCCI) {
        armTimer(WAIT_LIMIT, search.limits.moveTimeMs);  // the client keeps the time
    } else {
        armTimer(WAIT_ANSWER, search.limits.moveTimeMs + timeouts_.graceMs);
    }
}

void EngineClient::stop() {
    if (state_ == STOPPING && queued_) {
        queued_.reset();  // the search asked for last never started
        return;
    }
    if (state_ != SEARCHING) return;
    send(QStringLiteral("stop"));
    state_ = STOPPING;
    armTimer(WAIT_ANSWER, timeouts_.graceMs);
}

void EngineClient::handleSearchLine(const QString& line) {
    if (line.startsWith(QLatin1String("info "))) return handleInfo(line);
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) return;
    if (words[0] == QLatin1String("bestmove") || words[0] == QLatin1String("nobestmove")) handleBestMove(words);
}

void EngineClient::handleInfo(const QString& line) {
    if (!answerWanted_ || (state_ != SEARCHING && state_ != STOPPING)) return;
    EngineInfo report;
    QStringList pvWords;
    if (!readInfoLine(line, report, pvWords)) return;
    report.sideToMove = searchSide_;
    Board90 board = searchBoard_;
    Side side = searchSide_;
    for (const QString& word : pvWords) {
        const PackedMove move = readEngineMove(word, rankBase_);
        if (!playChecked(board, side, move)) break;  // the line is good up to here
        report.pv.push_back(move);
    }
    if (!pvWords.isEmpty() && report.pv.empty()) return;  // nothing of the line can be shown
    Q_EMIT info(report);
}

void EngineClient::handleBestMove(const QStringList& words) {
    if (state_ != SEARCHING && state_ != STOPPING) return;  // an answer no one asked for
    timer_.stop();
    wait_ = WAIT_NONE;
    state_ = IDLE;
    if (!answerWanted_) {
        if (queued_) {
            const Search next = *queued_;
            queued_.reset();
            beginSearch(next);
        }
        return;
    }
    const QString text = words[0] == QLatin1String("bestmove") && words.size() > 1 ? words[1] : QString();
    const bool none = text.isEmpty() || text == QLatin1String("(none)") || text == QLatin1String("0000");
    Board90 board = searchBoard_;
    Side side = searchSide_;
    if (none) {
        judge_->setPosition(board, side);
        if (!legalMoves(*judge_).empty())
            return fail(EngineFailure::ILLEGAL_MOVE, QCoreApplication::translate("Texts", "引擎 %1 没有给出着法，而当前局面有合法着法").arg(quoted(name_)));
        Q_EMIT bestMove(0);
        return;
    }
    const PackedMove move = readEngineMove(text, rankBase_);
    if (move == 0)
        return fail(EngineFailure::GARBAGE, QCoreApplication::translate("Texts", "引擎 %1 的着法 %2 无法识别").arg(quoted(name_), quoted(text)));
    if (!playChecked(board, side, move))
        return fail(EngineFailure::ILLEGAL_MOVE, QCoreApplication::translate("Texts", "引擎 %1 走了不合法的着法 %2").arg(quoted(name_), quoted(text)));
    Q_EMIT bestMove(move);
}

// ---------------------------------------------------------------- ending

void EngineClient::quit() {
    if (!process_ || state_ == NOT_RUNNING || state_ == QUITTING) return;
    queued_.reset();
    if (state_ == STARTING) {  // nothing to say to it yet
        state_ = QUITTING;
        process_->kill();
        return;
    }
    if (state_ == SEARCHING) send(QStringLiteral("stop"));
    send(QStringLiteral("quit"));
    state_ = QUITTING;
    armTimer(WAIT_QUIT, timeouts_.quitMs);
}

void EngineClient::processEnded() {
    timer_.stop();
    wait_ = WAIT_NONE;
    if (state_ != NOT_RUNNING && state_ != QUITTING)
        fail(EngineFailure::CRASHED, QCoreApplication::translate("Texts", "引擎 %1 意外退出").arg(quoted(name_)));
    releaseProcess();
}

void EngineClient::releaseProcess() {
    state_ = NOT_RUNNING;
    if (process_) {
        disconnect(process_, nullptr, this, nullptr);
        process_->deleteLater();
        process_ = nullptr;
    }
    Q_EMIT exited();
}

void EngineClient::processError(QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;  // the others end in finished()
    if (state_ != QUITTING) fail(EngineFailure::CANNOT_START, QCoreApplication::translate("Texts", "引擎程序 %1 不能启动").arg(quoted(program_)));
    releaseProcess();
}

void EngineClient::fail(EngineFailure kind, const QString& message) {
    if (failure_ != EngineFailure::NONE) return;
    failure_ = kind;
    failureMessage_ = message;
    timer_.stop();
    wait_ = WAIT_NONE;
    queued_.reset();
    // A failing engine gets no more chances: its process ends at once.
    state_ = process_ ? QUITTING : NOT_RUNNING;
    if (process_ && process_->state() != QProcess::NotRunning) process_->kill();
    Q_EMIT failed(message);
    if (!process_) Q_EMIT exited();  // there never was a program: it has "ended" now
}

void EngineClient::armTimer(Wait wait, int ms) {
    wait_ = wait;
    timer_.start(std::max(ms, 0));
}

void EngineClient::timerFired() {
    const Wait wait = wait_;
    wait_ = WAIT_NONE;
    switch (wait) {
    case WAIT_NONE:
        break;
    case WAIT_DETECT:
        if (state_ == STARTING && protocol_ == EngineProtocol::UCI) sendHandshake(EngineProtocol::UCCI);
        break;
    case WAIT_HANDSHAKE:
        fail(EngineFailure::NO_HANDSHAKE,
             QCoreApplication::translate("Texts", "引擎 %1 在 %2 秒内没有完成握手").arg(quoted(name_)).arg(timeouts_.handshakeMs / 1000.0));
        break;
    case WAIT_LIMIT:
        if (state_ == SEARCHING) stop();
        break;
    case WAIT_ANSWER:
        fail(EngineFailure::HUNG, QCoreApplication::translate("Texts", "引擎 %1 超时没有回答").arg(quoted(name_)));
        break;
    case WAIT_QUIT:
        if (process_) process_->kill();
        break;
    }
}

// ---------------------------------------------------------------- lines

void EngineClient::send(const QString& line) {
    if (!process_) return;
    Q_EMIT logLine(true, line);
    process_->write(line.toUtf8() + '\n');
}

bool EngineClient::decodeLine(const QByteArray& bytes, QString& line) const {
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::string utf8;
    if (isValidUtf8(view)) line = QString::fromUtf8(bytes);
    else if (gbkToUtf8(view, utf8)) line = QString::fromStdString(utf8);  // engines of the GBK world
    else return false;
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    return !hasControlCharacters(line);
}

void EngineClient::readOutput() {
    if (!process_) return;
    pending_ += process_->readAllStandardOutput();
    qsizetype start = 0;
    for (qsizetype end; (end = pending_.indexOf('\n', start)) >= 0; start = end + 1) {
        QString line;
        const bool readable = decodeLine(pending_.mid(start, end - start), line);
        if (!readable) line = printable(QString::fromUtf8(pending_.mid(start, end - start)));
        Q_EMIT logLine(false, line);
        unreadableLines_ = readable ? 0 : unreadableLines_ + 1;
        if (unreadableLines_ >= MAX_UNREADABLE_LINES) break;
        if (readable) handleLine(line.trimmed());
        if (failure_ != EngineFailure::NONE) break;
    }
    if (failure_ != EngineFailure::NONE) return pending_.clear();
    pending_.remove(0, start);
    if (unreadableLines_ >= MAX_UNREADABLE_LINES || pending_.size() > MAX_LINE_BYTES) {
        pending_.clear();
        fail(EngineFailure::GARBAGE, QCoreApplication::translate("Texts", "引擎 %1 输出无法识别的内容").arg(quoted(name_)));
    }
}

void EngineClient::handleLine(const QString& line) {
    if (line.isEmpty()) return;  // lines after quit are only logged
    if (state_ == STARTING) handleHandshakeLine(line);
    else if (state_ == SEARCHING || state_ == STOPPING) handleSearchLine(line);
}
