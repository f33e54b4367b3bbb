#include "engine/uci/uci_session.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <sstream>

#include "engine/bench.h"
#include "engine/board_move.h"
#include "engine/fen.h"
#include "engine/perft.h"
#include "engine/service.h"

namespace {

// A protocol's times (movetime, wtime, btime) are wall-clock times: the
// program that sent them keeps the clock on the wall. So the engine
// program measures its thinking on the wall clock; the desktop program's
// engine keeps to its thread's processor time.
std::uint32_t wallClockMillis(void*) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

// Without "movestogo" a clock is shared out as if this many moves remained.
constexpr std::int64_t DEFAULT_MOVES_TO_GO = 30;

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

template <typename Int>
bool parseInt(const std::string& text, Int& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The clock values of "go" (-1 = not given).
struct GoClock {
    std::int64_t time[2] = {-1, -1};  // by Side: [0] Black, [1] Red
    std::int64_t increment[2] = {0, 0};
    std::int64_t movesToGo = -1;
};

// A simple share of the remaining time: an equal part of what is left for
// the moves to go plus most of the increment, never more than half the
// clock, at least 1 ms.
std::int32_t shareOfClock(const GoClock& clock, Side side) {
    const std::int64_t left = clock.time[side];
    const std::int64_t moves = clock.movesToGo > 0 ? clock.movesToGo : DEFAULT_MOVES_TO_GO;
    std::int64_t budget = left / moves + clock.increment[side] * 3 / 4;
    budget = std::min(budget, left / 2);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(budget, 1, 1 << 30));
}

// Reads the number after words[i] into value and steps i past it; false
// when there is none or it is negative.
bool takeNumber(const std::vector<std::string>& words, std::size_t& i, std::int64_t& value) {
    if (i + 1 >= words.size() || !parseInt(words[i + 1], value) || value < 0) return false;
    ++i;
    return true;
}

bool setDepthLimit(std::int64_t depth, SearchRequest& limits) {
    if (depth < 1 || depth > MAX_SEARCH_DEPTH) return false;
    limits.flags |= LIMIT_DEPTH;
    limits.depth = static_cast<std::int8_t>(depth);
    return true;
}

// The whole seconds of a time limit, as the engine's limits carry them.
std::int16_t secondsOf(std::int32_t moveTimeMs) {
    return static_cast<std::int16_t>(std::min<std::int32_t>((moveTimeMs + 999) / 1000, 32767));
}

}  // namespace

UciSession::UciSession(std::ostream& out)
    : out_(out), engine_(makeThinkingEngine()), thinker_(*engine_), judge_(std::make_unique<Engine>()), startBoard_(INITIAL_BOARD),
      board_(INITIAL_BOARD), searchBoard_(INITIAL_BOARD) {
    thinker_.setPonderEnabled(false);
    thinker_.setClock(wallClockMillis, nullptr);
    thinker_.iterationReport = reportIteration;
    thinker_.iterationContext = this;
}

UciSession::~UciSession() {
    thinker_.abandonAndWait();
    thinker_.shutdownEngine();
}

void UciSession::emit(const char* text) {
    std::lock_guard<std::mutex> lock(outMutex_);
    out_ << text << std::endl;
}

void UciSession::info(const std::string& text) { emit(("info string " + text).c_str()); }

bool UciSession::searching() const { return thinker_.state() != STATE_IDLE || answerHeld_; }

bool UciSession::handle(const std::string& line) {
    const auto words = splitWords(line);
    if (words.empty()) return true;
    const std::string& cmd = words[0];
    if (cmd == "quit") {
        thinker_.abandonAndWait();
        if (ucci_) emit("bye");
        return false;
    }
    if (cmd == "uci") uci();
    else if (cmd == "ucci") ucci();
    else if (ucci_ && cmd == "setoption") ucciSetOption(words);
    else if (ucci_ && cmd == "go" && !(words.size() >= 2 && words[1] == "perft")) ucciGo(words);
    else if (ucci_ && cmd == "banmoves") banMoves(words);
    else if (cmd == "isready") emit("readyok");
    else if (cmd == "ucinewgame") newGame();
    else if (cmd == "setoption") setOption(words);
    else if (cmd == "position") position(words);
    else if (cmd == "go") go(words);
    else if (cmd == "stop") stop();
    else if (cmd == "bench") bench(words);
    else if (cmd == "d") display();
    else info("unknown command: " + cmd);
    return true;
}

void UciSession::poll() { thinker_.pollEngine(); }

void UciSession::endOfInput() {
    if (infinite_) stop();
    while (thinker_.state() != STATE_IDLE) {
        std::this_thread::sleep_for(std::chrono::milliseconds(SERVICE_POLL_MS));
        thinker_.pollEngine();
    }
}

void UciSession::uci() {
    emit("id name Morlan");
    emit("id author the Morlan developers");
    emit("option name OwnBook type check default true");
    emit("uciok");
}

void UciSession::ucci() {
    ucci_ = true;
    emit("id name Morlan");
    emit("id author the Morlan developers");
    emit("option usemillisec type check default false");
    emit("option usebook type check default true");
    emit("ucciok");
}

void UciSession::ucciSetOption(const std::vector<std::string>& words) {
    // "setoption usebook false"; the UCI form "setoption name .. value .." too.
    if (words.size() >= 2 && words[1] == "name") return setOption(words);
    if (words.size() < 2) return info("setoption needs an option name");
    const std::string name = lower(words[1]);
    const std::string value = words.size() >= 3 ? lower(words[2]) : std::string();
    bool* flag = name == "usemillisec" ? &useMillisec_ : name == "usebook" || name == "ownbook" ? &ownBook_ : nullptr;
    if (!flag) return info("unknown option: " + words[1]);
    if (value != "true" && value != "false") return info(words[1] + " needs the value true or false");
    *flag = value == "true";
}

void UciSession::ucciGo(const std::vector<std::string>& words) {
    SearchRequest limits{0, 0, 0};
    bool infinite = false;
    GoClock clock;
    const std::int64_t unit = useMillisec_ ? 1 : 1000;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "infinite") {
            infinite = true;
            continue;
        }
        if (w == "ponder" || w == "draw") continue;  // no pondering, no draw offers: searched as a move
        if (w == "depth" && i + 1 < words.size() && words[i + 1] == "infinite") {
            infinite = true;
            ++i;
            continue;
        }
        std::int64_t value = 0;
        if (!takeNumber(words, i, value)) return info("go " + w + " needs a number that is not negative; nothing started");
        if (w == "depth") {
            if (!setDepthLimit(value, limits)) return info("go depth needs 1..99; nothing started");
        } else if (w == "time") {
            clock.time[side_] = std::min<std::int64_t>(value, 1LL << 40) * unit;
        } else if (w == "increment") {
            clock.increment[side_] = std::min<std::int64_t>(value, 1LL << 40) * unit;
        } else if (w == "movestogo") {
            clock.movesToGo = value;
        } else if (w != "opptime" && w != "oppincrement" && w != "oppmovestogo") {
            return info("unsupported go parameter " + w + "; nothing started");
        }
    }
    std::int32_t moveTime = -1;
    if (clock.time[side_] >= 0) {
        limits.flags |= LIMIT_TIME;
        // The last move before the time control may use nearly all of it.
        moveTime = clock.movesToGo == 1
                       ? static_cast<std::int32_t>(std::clamp<std::int64_t>(clock.time[side_] * 9 / 10, 1, 1 << 30))
                       : shareOfClock(clock, side_);
        limits.seconds = secondsOf(moveTime);
    }
    if (limits.flags == 0) infinite = true;
    startSearch(limits, moveTime, infinite);
}

void UciSession::banMoves(const std::vector<std::string>& words) {
    std::vector<PackedMove> banned;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const PackedMove move = readCoordinateMove(words[i]);
        Board90 board = board_;
        Side side = side_;
        if (!playIfLegal(*judge_, board, side, move)) return info("banmoves: illegal move " + words[i] + "; nothing banned");
        if (std::find(banned.begin(), banned.end(), move) == banned.end()) banned.push_back(move);
    }
    banned_ = std::move(banned);
}

void UciSession::newGame() {
    if (searching()) stop();
    thinker_.clearTable();
}

void UciSession::setOption(const std::vector<std::string>& words) {
    std::string name, value;
    std::size_t i = 1;
    if (i < words.size() && words[i] == "name") ++i;
    for (; i < words.size() && words[i] != "value"; ++i) name += (name.empty() ? "" : " ") + words[i];
    if (i < words.size()) ++i;
    for (; i < words.size(); ++i) value += (value.empty() ? "" : " ") + words[i];
    if (lower(name) != "ownbook") return info("unknown option: " + name);
    const std::string v = lower(value);
    if (v != "true" && v != "false") return info("OwnBook needs the value true or false");
    ownBook_ = v == "true";
}

void UciSession::position(const std::vector<std::string>& words) {
    Board90 start = INITIAL_BOARD;
    Side startSide = SIDE_RED;
    std::size_t i = 1;
    if (i < words.size() && words[i] == "startpos") {
        ++i;
    } else if (i < words.size() && words[i] == "fen") {
        std::string fen;
        for (++i; i < words.size() && words[i] != "moves"; ++i) fen += words[i] + " ";
        std::string error;
        if (!readFen(fen, start, startSide, error)) return info("bad FEN: " + error + "; position unchanged");
    } else {
        return info("position needs startpos or fen; position unchanged");
    }
    Board90 board = start;
    Side side = startSide;
    std::vector<PackedMove> moves;
    if (i < words.size() && words[i] == "moves") {
        for (++i; i < words.size(); ++i) {
            const PackedMove move = readCoordinateMove(words[i]);
            if (!playIfLegal(*judge_, board, side, move)) return info("illegal move " + words[i] + "; position unchanged");
            moves.push_back(move);
        }
    } else if (i < words.size()) {
        return info("unexpected word " + words[i] + "; position unchanged");
    }
    startBoard_ = start;
    startSide_ = startSide;
    moves_ = std::move(moves);
    banned_.clear();
    board_ = board;
    side_ = side;
}

void UciSession::go(const std::vector<std::string>& words) {
    if (words.size() >= 2 && words[1] == "perft") return goPerft(words);
    SearchRequest limits{0, 0, 0};
    std::int32_t moveTime = -1;
    bool infinite = false;
    GoClock clock;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "infinite") {
            infinite = true;
            continue;
        }
        std::int64_t value = 0;
        if (!takeNumber(words, i, value)) return info("go " + w + " needs a number that is not negative; nothing started");
        if (w == "depth") {
            if (!setDepthLimit(value, limits)) return info("go depth needs 1..99; nothing started");
        } else if (w == "movetime") {
            limits.flags |= LIMIT_TIME;
            moveTime = static_cast<std::int32_t>(std::min<std::int64_t>(value, 1 << 30));
        } else if (w == "wtime" || w == "btime") {
            clock.time[w == "wtime" ? SIDE_RED : SIDE_BLACK] = value;
        } else if (w == "winc" || w == "binc") {
            clock.increment[w == "winc" ? SIDE_RED : SIDE_BLACK] = value;
        } else if (w == "movestogo") {
            clock.movesToGo = value;
        } else {
            return info("unsupported go parameter " + w + "; nothing started");
        }
    }
    if (moveTime < 0 && clock.time[side_] >= 0) {
        limits.flags |= LIMIT_TIME;
        moveTime = shareOfClock(clock, side_);
    }
    if (limits.flags == 0) infinite = true;  // a bare "go" searches until "stop"
    if (limits.flags & LIMIT_TIME) limits.seconds = secondsOf(moveTime);
    startSearch(limits, moveTime, infinite);
}

void UciSession::startSearch(const SearchRequest& limits, std::int32_t moveTimeMs, bool infinite) {
    if (searching()) return info("already searching; send stop first");
    searchBoard_ = board_;
    searchSide_ = side_;
    thinker_.loadHistory(startBoard_, startSide_, moves_.data(), static_cast<int>(moves_.size()));
    thinker_.setPosition(board_, side_);
    // An endless search is an analysis: it searches even in a book position.
    thinker_.setUseBook(ownBook_ && !infinite);
    thinker_.setLimits(limits);
    thinker_.moveTimeMs = moveTimeMs;
    thinker_.bannedCount = static_cast<int>(banned_.size());
    for (std::size_t i = 0; i < banned_.size(); ++i) thinker_.bannedMoves[i] = Engine::toEngineMove(banned_[i]);
    infinite_ = infinite;
    if (!thinker_.startThink([this] { searchDone(); })) info("the engine cannot search now");
}

void UciSession::searchDone() {
    heldMove_ = thinker_.bestMove();
    // A side with no legal move has no answer (the search's line then
    // begins with a move that leaves its king to be taken).
    Board90 board = searchBoard_;
    Side side = searchSide_;
    if (heldMove_ != 0 && !playIfLegal(*judge_, board, side, heldMove_)) heldMove_ = 0;
    // An infinite search that ended on its own answers only after "stop".
    if (infinite_) answerHeld_ = true;
    else writeBestMove();
}

void UciSession::writeBestMove() {
    answerHeld_ = false;
    infinite_ = false;
    if (ucci_ && heldMove_ == 0) return emit("nobestmove");
    const std::string move = heldMove_ == 0 ? std::string("(none)") : writeCoordinateMove(heldMove_);
    emit(("bestmove " + move).c_str());
}

void UciSession::stop() {
    infinite_ = false;
    if (answerHeld_) return writeBestMove();
    thinker_.stopAndWait();
}

void UciSession::reportIteration(const Engine& engine, void* context) {
    // Runs on the worker after each recorded iteration; formats into a
    // fixed buffer (short move texts stay in their string's own storage).
    auto* session = static_cast<UciSession*>(context);
    const SearchStats& s = engine.stats;
    const int score = s.side == SIDE_RED ? s.score : -s.score;
    const int mate = mateMoves(score);
    const std::uint64_t nodes = s.counters.nodes;
    const std::int64_t elapsed = std::max<std::int32_t>(s.elapsed, 0);
    const std::uint64_t nps = nodes * 1000 / static_cast<std::uint64_t>(std::max<std::int64_t>(elapsed, 1));
    char text[2048];
    int n = std::snprintf(text, sizeof text,
                          "info depth %d seldepth %d score %s %d nodes %" PRIu64 " nps %" PRIu64 " time %" PRId64 " pv",
                          s.depth, s.maxPly, mate != 0 ? "mate" : "cp", mate != 0 ? mate : score, nodes, nps, elapsed);
    const IterationLine& line = s.lines[s.iterations - 1];
    for (int i = 0; i < line.length && n + 8 < static_cast<int>(sizeof text); ++i)
        n += std::snprintf(text + n, sizeof text - n, " %s", writeCoordinateMove(Engine::toPackedMove(line.moves[i])).c_str());
    session->emit(text);
}

void UciSession::goPerft(const std::vector<std::string>& words) {
    int depth = 0;
    if (words.size() < 3 || !parseInt(words[2], depth) || depth < 1 || depth > 12)
        return info("go perft needs a depth 1..12");
    judge_->setPosition(board_, side_);
    std::uint64_t total = 0;
    std::ostringstream text;
    for (const auto& d : perftDivide(*judge_, depth)) {
        text << writeCoordinateMove(d.move) << ": " << d.nodes << '\n';
        total += d.nodes;
    }
    text << "\nNodes searched: " << total;
    emit(text.str().c_str());
}

void UciSession::bench(const std::vector<std::string>& words) {
    if (searching()) return info("bench waits until the search has stopped");
    int depth = BENCH_DEPTH;
    if (words.size() >= 2 && (!parseInt(words[1], depth) || depth < 1 || depth > 20))
        return info("bench takes a depth 1..20");
    const BenchResult r = runBench(depth);
    const std::uint64_t nps = r.nodes * 1000 / std::max<std::uint64_t>(r.milliseconds, 1);
    const std::uint64_t cpuNps = r.nodes * 1000 / std::max<std::uint64_t>(r.cpuMilliseconds, 1);
    // Processor time too: on a shared machine the wall clock undercounts the speed.
    char text[256];
    std::snprintf(text, sizeof text,
                  "Time: %" PRIu64 " ms, processor %" PRIu64 " ms (%" PRIu64 " nodes/second)\n"
                  "Nodes searched: %" PRIu64 "\nNodes/second: %" PRIu64,
                  r.milliseconds, r.cpuMilliseconds, cpuNps, r.nodes, nps);
    emit(text);
}

void UciSession::display() {
    emit((boardDiagram(board_) + "\nFen: " + writeFen(board_, side_)).c_str());
}
