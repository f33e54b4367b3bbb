// The engine command's protocols, UCI and (after "ucci") UCCI: one text
// command per line in, text out.
// Searches run on the thinking engine's worker thread; the command loop
// keeps reading input meanwhile and calls poll() between lines.
#pragma once

#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "engine/engine.h"

class UciSession {
public:
    explicit UciSession(std::ostream& out);
    ~UciSession();
    // Handles one command line; returns false after "quit".
    bool handle(const std::string& line);
    // The interface thread's idle step: time rule and finished searches.
    void poll();
    // End of input: a search with a limit runs to its end, an infinite one
    // is stopped; its best move is written before this returns.
    void endOfInput();

    const Board90& board() const { return board_; }
    Side side() const { return side_; }

private:
    void uci();
    // UCCI: its handshake, option, limit and ban forms.
    void ucci();
    void ucciSetOption(const std::vector<std::string>& words);
    void ucciGo(const std::vector<std::string>& words);
    void banMoves(const std::vector<std::string>& words);
    void newGame();
    void setOption(const std::vector<std::string>& words);
    void position(const std::vector<std::string>& words);
    void go(const std::vector<std::string>& words);
    void goPerft(const std::vector<std::string>& words);
    void stop();
    void bench(const std::vector<std::string>& words);
    void display();
    void startSearch(const SearchRequest& limits, std::int32_t moveTimeMs, bool infinite);
    void searchDone();
    void writeBestMove();
    bool searching() const;
    void info(const std::string& text);
    void emit(const char* text);
    static void reportIteration(const Engine& engine, void* context);

    std::ostream& out_;
    std::mutex outMutex_;  // the worker writes progress lines too
    std::unique_ptr<Engine> engine_;  // the session's thinking engine
    Engine& thinker_;
    std::unique_ptr<Engine> judge_;  // checks moves of "position" at any time
    Board90 startBoard_;
    Side startSide_ = SIDE_RED;
    std::vector<PackedMove> moves_;
    Board90 board_;
    Side side_ = SIDE_RED;
    Board90 searchBoard_;  // the position of the running search
    Side searchSide_ = SIDE_RED;
    bool ownBook_ = true;
    bool ucci_ = false;         // "ucci" was the handshake
    bool useMillisec_ = false;  // UCCI times in milliseconds, else seconds
    std::vector<PackedMove> banned_;  // "banmoves" of the current position
    bool infinite_ = false;    // "go infinite": hold the answer until "stop"
    bool answerHeld_ = false;  // an infinite search ended before "stop"
    PackedMove heldMove_ = 0;
};
