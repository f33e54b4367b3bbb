#include "engine/uci/uci_session.h"

#include <charconv>
#include <sstream>

#include "engine/fen.h"
#include "engine/perft.h"

namespace {

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool parseInt(const std::string& text, int& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// Plays a move on the board if it is legal there; returns false otherwise.
bool playLegal(Engine& engine, Board90& board, Side& side, PackedMove move) {
    engine.setPosition(board, side);
    if (move == 0 || !engine.tryMove(move)) return false;
    GridPoint from = moveFrom(move), to = moveTo(move);
    board[boardIndex(to.file, to.rank)] = board[boardIndex(from.file, from.rank)];
    board[boardIndex(from.file, from.rank)] = NO_PIECE;
    side ^= 1;
    return true;
}

}  // namespace

UciSession::UciSession(std::ostream& out) : out_(out), engine_(std::make_unique<Engine>()), board_(INITIAL_BOARD) {}

void UciSession::info(const std::string& text) { out_ << "info string " << text << std::endl; }

bool UciSession::handle(const std::string& line) {
    const auto words = splitWords(line);
    if (words.empty()) return true;
    const std::string& cmd = words[0];
    if (cmd == "quit") return false;
    if (cmd == "position") position(words);
    else if (cmd == "go") go(words);
    else if (cmd == "d") display();
    else if (cmd == "isready") out_ << "readyok" << std::endl;
    else info("unknown command: " + cmd);
    return true;
}

void UciSession::position(const std::vector<std::string>& words) {
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_RED;
    std::size_t i = 1;
    if (i < words.size() && words[i] == "startpos") {
        ++i;
    } else if (i < words.size() && words[i] == "fen") {
        std::string fen;
        for (++i; i < words.size() && words[i] != "moves"; ++i) fen += words[i] + " ";
        std::string error;
        if (!readFen(fen, board, side, error)) return info("bad FEN: " + error);
    } else {
        return info("position needs startpos or fen");
    }
    if (i < words.size() && words[i] == "moves") {
        for (++i; i < words.size(); ++i) {
            if (!playLegal(*engine_, board, side, readCoordinateMove(words[i])))
                return info("illegal move " + words[i] + "; position unchanged");
        }
    } else if (i < words.size()) {
        return info("unexpected word " + words[i] + "; position unchanged");
    }
    board_ = board;
    side_ = side;
}

void UciSession::go(const std::vector<std::string>& words) {
    if (words.size() >= 3 && words[1] == "perft") {
        int depth = 0;
        if (!parseInt(words[2], depth) || depth < 1 || depth > 12) return info("go perft needs a depth 1..12");
        return goPerft(depth);
    }
    info("unsupported go command");
}

void UciSession::goPerft(int depth) {
    engine_->setPosition(board_, side_);
    std::uint64_t total = 0;
    for (const auto& d : perftDivide(*engine_, depth)) {
        out_ << writeCoordinateMove(d.move) << ": " << d.nodes << '\n';
        total += d.nodes;
    }
    out_ << "\nNodes searched: " << total << std::endl;
}

void UciSession::display() {
    out_ << boardDiagram(board_) << "\nFen: " << writeFen(board_, side_) << std::endl;
}
